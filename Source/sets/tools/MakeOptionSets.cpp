// qor_make_option_sets SOURCE_FOLDER OUTPUT_FOLDER
//
// Writes one set file "{set}.db" into OUTPUT_FOLDER for each text form
// "*.txt" of SOURCE_FOLDER (see sets/OptionSetSource.h). Fails, writing
// nothing more, on the first text that does not parse.

#include "base/Files.h"
#include "sets/OptionSetSource.h"

#include <cstdio>

int main(int argc, char** argv)
{
    using namespace qor;
    if (argc != 3) {
        std::fprintf(stderr, "usage: qor_make_option_sets SOURCE_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string source = argv[1];
    const std::string output = argv[2];
    std::vector<fs::Entry> entries;
    if (fs::listFolder(source, entries) != fs::kNoErr) {
        std::fprintf(stderr, "qor_make_option_sets: cannot list %s\n", source.c_str());
        return 1;
    }
    if (fs::makeFolders(output) != fs::kNoErr && !fs::isFolder(output)) {
        std::fprintf(stderr, "qor_make_option_sets: cannot make %s\n", output.c_str());
        return 1;
    }
    int written = 0;
    for (const fs::Entry& e : entries) {
        if (e.type != fs::EntryType::File || e.name.size() < 5 ||
            e.name.compare(e.name.size() - 4, 4, ".txt") != 0)
            continue;
        std::string text;
        std::string path = fs::joinPath(source, e.name);
        if (fs::readFile(path, text, 1u << 20) != fs::kNoErr) {
            std::fprintf(stderr, "qor_make_option_sets: cannot read %s\n", path.c_str());
            return 1;
        }
        OptionSetSource set;
        std::string error;
        if (!parseOptionSetSource(text, set, error)) {
            std::fprintf(stderr, "%s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        std::string target = fs::joinPath(output, set.setName + ".db");
        if (fs::writeFileAtomic(target, encodeOptionSet(set)) != fs::kNoErr) {
            std::fprintf(stderr, "qor_make_option_sets: cannot write %s\n", target.c_str());
            return 1;
        }
        ++written;
    }
    std::printf("qor_make_option_sets: %d option sets written to %s\n", written, output.c_str());
    return 0;
}
