// The reader's key map and bookmarks as stored: any property list gives a
// map of eighteen entries and a list of well-formed bookmarks, and what is
// written back reads again the same.
#include "controls/BookMarks.h"
#include "controls/KeyMapping.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qor::PlistValue v;
    if (!qor::parsePlist(std::string_view(reinterpret_cast<const char*>(data), size), v))
        return 0;

    auto map = qor::KeyMapping::fromPlist(v, nullptr);
    int repaired = -1;
    if (qor::KeyMapping::fromPlist(qor::KeyMapping::toPlist(map), &repaired) != map || repaired != 0)
        std::abort();

    int skipped = -1;
    std::vector<qor::BookMark> marks = qor::BookMarks::fromPlist(v, nullptr);
    for (const qor::BookMark& b : marks)
        if (b.name.empty() || b.path.empty() || b.position < 0)
            std::abort();
    if (qor::BookMarks::fromPlist(qor::BookMarks::toPlist(marks), &skipped) != marks || skipped != 0)
        std::abort();
    return 0;
}
