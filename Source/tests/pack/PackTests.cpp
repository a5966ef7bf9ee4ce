// qor_pack_tests: the shipped comprehension tests, from their source form
// to the packs in the resources, and from the packs into a site.
//
//   qor_pack_tests pack SOURCE_FOLDER OUT_FOLDER
//       writes one pack per sub-folder of SOURCE_FOLDER ("pktsts",
//       "satact"), holding its ".sty" and ".tst" files, into OUT_FOLDER
//   qor_pack_tests unpack RESOURCES_FOLDER SITE_FOLDER [EDITION]
//       unpacks the packs of RESOURCES_FOLDER into the site's test sets
//       when the first set holds fewer than 30 tests, as start-up does
#include "base/Encoding.h"
#include "base/Files.h"
#include "tests/TestFilesList.h"
#include "tests/UnpackTests.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace qor;

namespace {

bool isTestFile(const std::string& name)
{
    if (name.size() < 5 || name.front() == '.')
        return false;
    return endsWithIgnoringCase(name, ".sty") || endsWithIgnoringCase(name, ".tst");
}

int pack(const std::string& source, const std::string& out)
{
    std::vector<fs::Entry> sets;
    if (fs::listFolder(source, sets) != fs::kNoErr) {
        std::fprintf(stderr, "qor_pack_tests: cannot list %s\n", source.c_str());
        return 1;
    }
    if (fs::makeFolders(out) != fs::kNoErr) {
        std::fprintf(stderr, "qor_pack_tests: cannot create %s\n", out.c_str());
        return 1;
    }
    for (const auto& set : sets) {
        if (set.type != fs::EntryType::Folder)
            continue;
        std::string folder = fs::joinPath(source, set.name);
        std::vector<fs::Entry> files;
        fs::listFolder(folder, files);
        std::vector<PackEntry> entries;
        for (const auto& f : files) {
            if (f.type != fs::EntryType::File || !isTestFile(f.name))
                continue;
            PackEntry e;
            auto name = utf8ToMacRoman(f.name);
            if (!name || fs::readFile(fs::joinPath(folder, f.name), e.content, size_t(16 << 20))
                             != fs::kNoErr) {
                std::fprintf(stderr, "qor_pack_tests: cannot read %s/%s\n", folder.c_str(), f.name.c_str());
                return 1;
            }
            e.name = *name;
            entries.push_back(std::move(e));
        }
        std::string bytes;
        std::string problem;
        if (!writeTestPack(entries, bytes, &problem)) {
            std::fprintf(stderr, "qor_pack_tests: %s: %s\n", set.name.c_str(), problem.c_str());
            return 1;
        }
        if (fs::writeFileAtomic(fs::joinPath(out, set.name), bytes, fs::kFileMode) != fs::kNoErr) {
            std::fprintf(stderr, "qor_pack_tests: cannot write %s/%s\n", out.c_str(), set.name.c_str());
            return 1;
        }
    }
    return 0;
}

int unpack(const std::string& resources, const std::string& site, int edition)
{
    std::string external = site.back() == '/' ? site : site + "/";
    auto jobs = testPacksToUnpack(external, edition);
    if (jobs.empty()) {
        std::printf("The site holds its tests already.\n");
        return 0;
    }
    int done = unpackShippedTests(resources, external, edition);
    for (const auto& job : jobs)
        std::printf("%s: %d tests\n", job.set, TestFilesList(job.set, external).count());
    return done == static_cast<int>(jobs.size()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "pack")
        return pack(args[1], args[2]);
    if ((args.size() == 3 || args.size() == 4) && args[0] == "unpack")
        return unpack(args[1], args[2], args.size() == 4 ? std::atoi(args[3].c_str()) : 3);
    std::fprintf(stderr, "usage: qor_pack_tests pack SOURCE OUT | unpack RESOURCES SITE [EDITION]\n");
    return 2;
}
