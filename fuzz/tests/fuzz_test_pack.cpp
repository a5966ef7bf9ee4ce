// Test packs: whatever the count and the bytes say, the unpacker ends in a
// bounded number of steps, never opens more files than the count, writes
// nothing outside its folder, and writes what the parser reads. A pack the
// writer makes reads back as written.
#include "base/Encoding.h"
#include "base/Files.h"
#include "base/NameRule.h"
#include "base/TempFolder.h"
#include "tests/UnpackTests.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

using namespace qor;

namespace {

#define CHECK(cond)                                                                                          \
    do {                                                                                                     \
        if (!(cond)) {                                                                                       \
            std::fprintf(stderr, "check failed at line %d: %s\n", __LINE__, #cond);                          \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TempFolder dir;
    std::string pack(reinterpret_cast<const char*>(data), size);

    std::vector<PackEntry> entries = readTestPack(pack);
    int16_t count = size >= 2 ? static_cast<int16_t>(data[0] | (data[1] << 8)) : 0;
    CHECK(static_cast<int>(entries.size()) <= std::max<int>(0, count));
    for (const auto& e : entries)
        CHECK(e.name.find_first_of("/\r\n") == std::string::npos && e.name != "." && e.name != "..");

    // Unpacking into an empty folder ends and writes the entries parsed.
    std::string dest = dir.path() + "/set/";
    fs::makeFolders(dest);
    std::vector<fs::Entry> old;
    fs::listFolder(dest, old);
    for (const auto& e : old)
        fs::removeFile(dest + e.name);
    fs::writeFileAtomic(dir.path() + "/pack", pack);
    UnpackTests unpacker;
    if (unpacker.startUnpacking(dir.path() + "/pack", dest)) {
        size_t steps = 0;
        while (unpacker.step())
            CHECK(++steps <= 2 * size + 4);
        CHECK(unpacker.currentFile() <= unpacker.fileCount());
        std::vector<fs::Entry> written;
        fs::listFolder(dest, written);
        CHECK(written.size() <= entries.size());
        // Without an error every entry is there; a later entry of the
        // same name replaces an earlier one.
        std::map<std::string, std::string> last;
        for (const auto& e : entries)
            last[macRomanToUtf8(e.name)] = e.content;
        for (const auto& [name, content] : last) {
            std::string bytes;
            int status = fs::readFile(dest + name, bytes, 1 << 24);
            if (!unpacker.hadError())
                CHECK(status == fs::kNoErr && bytes == content);
        }
    }
    CHECK(fs::isFolder(dir.path()));

    // The writer's packs read back entry for entry.
    std::string made;
    if (writeTestPack(entries, made)) {
        std::vector<PackEntry> back = readTestPack(made);
        CHECK(back.size() == entries.size());
        for (size_t i = 0; i < back.size(); ++i) {
            CHECK(back[i].name == entries[i].name);
            std::string expected = entries[i].content;
            if (!expected.empty() && expected.back() != '\n')
                expected += '\n';
            CHECK(back[i].content == expected);
        }
    }
    return 0;
}
