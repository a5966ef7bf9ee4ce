#include "sets/CustomOptionsFiles.h"
#include "sets/SetsTestSupport.h"

#include "display/StandardOptions.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <unistd.h>

namespace qor {
namespace {

using testing_sets::modeOf;
using testing_sets::SetSite;

// Every field of the options record with a value of its own.
OptionFileRec sampleOption()
{
    OptionFileRec r;
    r.name = "Fast \x8E"; // Mac OS Roman é
    OptionsRecord& o = r.options;
    o.lowSpeed = 101;
    o.highSpeed = 2002;
    o.speed = 303;
    o.speechSpeed = 7;
    o.timer = 125;
    o.unit = 2;
    o.windowX = -12;
    o.windowY = 34;
    o.windowWidth = 800;
    o.windowHeight = 600;
    o.burst = {3, 17};
    o.delay = {1100, 9, 1200, 1300, 1400, 1500, 1600, 1, 1, 0, 1, 1, 0, 1};
    o.font.fontColor = {1, 2, 3, 4};
    o.font.backgroundColor = {65535, 65534, 65533, 9};
    o.font.highlightBackgroundColor = {10, 11, 12, 13};
    o.font.highlightFontColor = {20, 21, 22, 23};
    o.font.margin = 480;
    o.font.style = 1 | 2 | 8;
    o.font.size = 36;
    o.font.fontName = "Georgia";
    o.displayMode = {4, 8, 3, 1};
    o.hideProgress = 1;
    o.hideControls = 0;
    o.jnk1 = 5;
    return r;
}

// The stored bytes of sampleOption(), field by field: offset and the
// little-endian bytes found there. Everything else is zero.
std::string goldenBytes()
{
    std::string g(692, '\0');
    auto put = [&](size_t off, std::string_view bytes) { g.replace(off, bytes.size(), bytes); };
    auto i32 = [&](size_t off, int32_t v) {
        for (int i = 0; i < 4; ++i)
            g[off + i] = char((uint32_t(v) >> (8 * i)) & 0xFF);
    };
    put(0, "Fast \x8E");
    i32(84, 303);
    i32(92, 65535), i32(96, 65534), i32(100, 65533);
    i32(108, 4), i32(112, 3), i32(116, 3); // the copies of mode and modeOptNum
    i32(120, 3);
    i32(132, 101), i32(136, 2002), i32(140, 2);
    i32(144, 1), i32(148, 1100), i32(152, 9);
    i32(156, 0), i32(160, 1200);
    i32(164, 1), i32(168, 1300), i32(172, 1);
    put(176, "Georgia");
    i32(260, 1), i32(264, 2), i32(268, 3);
    i32(288, 3), i32(292, 0), i32(296, 1); // bold, no bit 4, bit 8
    i32(300, 36);
    i32(308, -12), i32(312, 34), i32(316, 800), i32(320, 600), i32(324, 480);
    g[328] = 0;                                   // progress hidden
    g[329] = 1;                                   // controls shown
    put(330, std::string("\x02\x00\x05\x00", 4)); // 2 minutes 5 seconds
    g[414] = 1;                                   // style bit 2
    i32(416, 4), i32(420, 8), i32(424, 3);
    g[428] = 1;
    i32(436, 10), i32(440, 11), i32(444, 12);
    i32(452, 20), i32(456, 21), i32(460, 22);
    i32(464, 1), i32(468, 1400), i32(472, 0), i32(476, 1500), i32(480, 1), i32(484, 1600);
    i32(488, 17);
    i32(552, 7);
    return g;
}

TEST(StoredOptionRecord, GoldenBytes)
{
    std::string stored = CustomOptionsFiles::convertToPCRec(sampleOption());
    ASSERT_EQ(stored.size(), 692u);
    std::string golden = goldenBytes();
    for (size_t i = 0; i < 692; ++i)
        ASSERT_EQ(uint8_t(stored[i]), uint8_t(golden[i])) << "offset " << i;
}

TEST(StoredOptionRecord, EveryFieldReadsBack)
{
    OptionFileRec back;
    ASSERT_TRUE(CustomOptionsFiles::convertFromPCRec(goldenBytes(), back));
    OptionFileRec want = sampleOption();
    // What the file does not keep: the alphas (65535) and jnk1.
    for (QorColor* c : {&want.options.font.fontColor, &want.options.font.backgroundColor,
                        &want.options.font.highlightBackgroundColor, &want.options.font.highlightFontColor})
        c->alpha = 65535;
    want.options.jnk1 = 0;
    EXPECT_EQ(back.name, want.name);
    EXPECT_TRUE(back.options == want.options);
    EXPECT_EQ(back.options.timer, 125u);
    EXPECT_EQ(back.options.hideProgress, 1);
    EXPECT_EQ(back.options.hideControls, 0);
    EXPECT_EQ(back.options.font.style, 1 | 2 | 8);
    EXPECT_EQ(back.options.font.highlightFontColor.alpha, 65535);
}

TEST(StoredOptionRecord, ReadingRules)
{
    struct Case {
        const char* what;
        size_t off;
        std::string bytes;
        std::function<bool(const OptionsRecord&)> check;
    };
    const std::vector<Case> cases = {
        {"flag from the low byte", 144, std::string("\x01\x01\x00\x00", 4),
         [](const OptionsRecord& o) { return o.delay.bLongWordDelay == 1; }},
        {"unit from the low 16 bits", 140, std::string("\x01\x00\x07\x00", 4),
         [](const OptionsRecord& o) { return o.unit == 1; }},
        {"timer minutes and seconds signed", 330, std::string("\x01\x00\xFF\xFF", 4),
         [](const OptionsRecord& o) { return o.timer == 59; }},
        {"a negative timer is none", 330, std::string("\xFF\xFF\x00\x00", 4),
         [](const OptionsRecord& o) { return o.timer == 0; }},
        {"bold only when 3", 288, std::string("\x01\x00\x00\x00", 4),
         [](const OptionsRecord& o) { return o.font.style == 0; }},
        {"bit 4 from any non-zero", 292, std::string("\x00\x02\x00\x00", 4),
         [](const OptionsRecord& o) { return o.font.style == 4; }},
        {"combine from any non-zero byte", 428, std::string("\x80", 1),
         [](const OptionsRecord& o) { return o.displayMode.modeOptCombineRes == 1; }},
        {"the copies are not read", 108, std::string("\x09", 1),
         [](const OptionsRecord& o) { return o.displayMode.mode == 0; }},
        {"shown flags invert", 328, std::string("\x01\x01", 2),
         [](const OptionsRecord& o) { return o.hideProgress == 0 && o.hideControls == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string stored(692, '\0');
        stored.replace(c.off, c.bytes.size(), c.bytes);
        OptionFileRec r;
        ASSERT_TRUE(CustomOptionsFiles::convertFromPCRec(stored, r));
        EXPECT_TRUE(c.check(r.options));
    }
    OptionFileRec r;
    EXPECT_FALSE(CustomOptionsFiles::convertFromPCRec(std::string(691, 'x'), r));
}

TEST(StoredOptionRecord, LongNamesAreCutInsideTheirFields)
{
    OptionFileRec r;
    r.name = std::string(100, 'n');
    r.options.font.fontName = std::string(200, 'f');
    std::string stored = CustomOptionsFiles::convertToPCRec(r);
    EXPECT_EQ(stored.substr(0, 84), std::string(63, 'n') + std::string(21, '\0'));
    EXPECT_EQ(stored.substr(176, 80), std::string(79, 'f') + '\0');
    // A record from elsewhere with no terminator in its fields.
    std::string foreign(692, 'z');
    OptionFileRec back;
    ASSERT_TRUE(CustomOptionsFiles::convertFromPCRec(foreign, back));
    EXPECT_EQ(back.name, std::string(63, 'z'));
    EXPECT_EQ(back.options.font.fontName, std::string(79, 'z'));
}

TEST(StoredOptionRecord, FontNamesOfTheOtherPlatform)
{
    struct Case {
        const char* stored;
        bool bold;
        const char* loaded;
    };
    const Case cases[] = {
        {"Times New Roman", false, "TimesNewRomanPSMT"},
        {"Times New Roman", true, "TimesNewRomanPS-BoldMT"},
        {"Arial", false, "ArialMT"},
        {"Arial", true, "Arial-BoldMT"},
        {"Courier New", false, "CourierNewPSMT"},
        {"Courier New", true, "CourierNewPS-BoldMT"},
        {"Arial Black", true, "Arial Black"},
        {"arial", false, "arial"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        std::string stored(692, '\0');
        stored.replace(176, std::strlen(c.stored), c.stored);
        if (c.bold)
            stored[288] = 3;
        OptionFileRec r;
        CustomOptionsFiles::convertFromPCRec(stored, r);
        EXPECT_EQ(r.options.font.fontName, c.loaded);
        EXPECT_EQ(r.options.font.style & 1, c.bold ? 1 : 0);
    }
    // Writing keeps the name as it is.
    OptionFileRec w;
    w.options.font.fontName = "ArialMT";
    EXPECT_EQ(CustomOptionsFiles::convertToPCRec(w).substr(176, 8), std::string("ArialMT\0", 8));
}

std::string storedNamed(const std::string& name, int speed = 300)
{
    OptionFileRec r;
    r.name = name;
    r.options.speed = speed;
    return CustomOptionsFiles::convertToPCRec(r);
}

TEST(OptionSetFile, RecordCountIsTheSizeOver692)
{
    struct Case {
        size_t size;
        int records;
    };
    for (Case c : {Case{0, 0}, Case{691, 0}, Case{692, 1}, Case{1383, 1}, Case{1384, 2}}) {
        SCOPED_TRACE(c.size);
        SetSite s;
        std::string data = storedNamed("one") + storedNamed("two");
        data.resize(c.size, '\x55');
        s.file("CustomOptions3/Set.db", data);
        CustomOptionsFilesList list("set", s.external);
        EXPECT_EQ(list.count(), c.records);
        EXPECT_EQ(list.loadStatus(), fs::kNoErr);
        EXPECT_TRUE(s.alerts.shown.empty());
    }
}

TEST(OptionSetFile, AnAddToAPartFileStartsAtTheLastWholeRecord)
{
    SetSite s;
    std::string data = storedNamed("one") + std::string(691, '\x55');
    s.file("CustomOptions3/Set.db", data);
    OptionsRecord current;
    StandardOptions::defaultWindowOptions(current);
    CustomOptionsFiles files(s.external);
    ASSERT_EQ(files.addOption("two", "Set", current), fs::kNoErr);
    std::string after = s.read("CustomOptions3/Set.db");
    ASSERT_EQ(after.size(), 1384u);
    EXPECT_EQ(after.substr(0, 692), storedNamed("one"));
    EXPECT_EQ(CustomOptionsFiles::storedName(after.substr(692)), "two");
    EXPECT_EQ(modeOf(s.path("CustomOptions3/Set.db")), 0666u);
    CustomOptionsFilesList list("Set", s.external);
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.optionFileRecFromIndex(1)->options == [&] {
        OptionFileRec r;
        CustomOptionsFiles::convertFromPCRec(CustomOptionsFiles::convertToPCRec({"two", current}), r);
        return r.options;
    }());
}

TEST(OptionSetFile, AddComparesTheNameAsStored)
{
    SetSite s;
    s.file("CustomOptions3/Set.db", storedNamed(std::string(63, 'a')));
    CustomOptionsFiles files(s.external);
    OptionsRecord current;
    // Cut to 63 bytes, the name is the one stored.
    EXPECT_EQ(files.addOption(std::string(70, 'a'), "Set", current), fs::kDuplicateName);
    EXPECT_EQ(s.read("CustomOptions3/Set.db").size(), 692u);
    EXPECT_EQ(files.addOption(std::string(63, 'A'), "Set", current), fs::kNoErr); // case counts
    EXPECT_EQ(files.addOption("", "Set", current), fs::kBadName);
    EXPECT_EQ(files.addOption("snow \xE2\x98\x83", "Set", current), fs::kBadName);
    EXPECT_EQ(files.addOption("x", "Missing", current), fs::kFileNotFound);
    EXPECT_EQ(files.addOption("x", "../Users/x", current), fs::kBadName);
    EXPECT_EQ(s.read("CustomOptions3/Set.db").size(), 1384u);
}

TEST(OptionSetFile, ShippedSetsRefuseChanges)
{
    SetSite s;
    s.file("CustomOptions3/# Standard Options.db", storedNamed("Normal"));
    CustomOptionsFiles files(s.external);
    OptionsRecord current;
    EXPECT_EQ(files.addOption("Mine", "# Standard Options", current), fs::kAccessDenied);
    EXPECT_EQ(files.removeOption("Normal", "# Standard Options"), fs::kAccessDenied);
    EXPECT_EQ(files.removeOptionsSet("# Standard Options"), fs::kAccessDenied);
    CustomOptionsFilesList list("# Standard Options", s.external);
    EXPECT_EQ(list.removeOptionAtIndex(0), fs::kAccessDenied);
    EXPECT_EQ(s.read("CustomOptions3/# Standard Options.db"), storedNamed("Normal"));
}

TEST(OptionSetFile, RemoveRewritesTheOtherRecordsAsStoredInNameOrder)
{
    SetSite s;
    // Records appended out of name order; one carries bytes a re-encoding
    // would drop (a filler byte), and a part record trails.
    std::string odd = storedNamed("beta");
    odd[300 - 5] = '\x7F';
    std::string data = storedNamed("delta") + odd + storedNamed("Alpha") + storedNamed("gamma") + "tail";
    s.file("CustomOptions3/Set.db", data);
    s.file("CustomOptions3/Other.db", storedNamed("delta"));
    CustomOptionsFiles files(s.external);
    int calls = 0;
    static int* hookCalls;
    hookCalls = &calls;
    fs::setAtomicWriteHookForTesting([](const std::string&) { ++*hookCalls; });
    EXPECT_EQ(files.removeOption("delta", "set"), fs::kNoErr);
    fs::setAtomicWriteHookForTesting(nullptr);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(s.read("CustomOptions3/Set.db"), storedNamed("Alpha") + odd + storedNamed("gamma"));
    EXPECT_EQ(s.read("CustomOptions3/Other.db"), storedNamed("delta"));
    // An option that is not there changes nothing.
    EXPECT_EQ(files.removeOption("omega", "Set"), fs::kNoErr);
    EXPECT_EQ(s.read("CustomOptions3/Set.db").size(), 3 * 692u);
}

TEST(OptionSetFile, ListIsSortedByUnsignedBytes)
{
    SetSite s;
    s.file("CustomOptions3/Set.db", storedNamed("b") +
                                        storedNamed("\x8E"
                                                    "t") +
                                        storedNamed("ab") + storedNamed("B") + storedNamed("a"));
    CustomOptionsFilesList list("Set", s.external);
    ASSERT_EQ(list.count(), 5);
    std::vector<std::string> names;
    for (int i = 0; i < list.count(); ++i)
        names.push_back(list.getCString(i, 64));
    EXPECT_EQ(names, (std::vector<std::string>{"B", "a", "ab", "b",
                                               "\x8E"
                                               "t"}));
    EXPECT_EQ(list.stringAtIndex(4), "\xC3\xA9t");
    EXPECT_EQ(list.indexOfEqualString("\xC3\xA9t"), 4);
    EXPECT_EQ(list.indexOfEqualString("A"), -1);
    EXPECT_EQ(list.getCString(2, 2), "a");
    EXPECT_EQ(list.optionFileRecFromIndex(5), nullptr);
}

TEST(OptionSetFile, MissingAndUnreadableFilesAreReported)
{
    SetSite s;
    CustomOptionsFilesList missing("Nowhere", s.external);
    EXPECT_EQ(missing.count(), 0);
    EXPECT_EQ(s.alertTexts(),
              std::vector<std::string>{"The Custom Option file \"Nowhere\" could not be found"});
    // A file that cannot be read (here: larger than any set) is the
    // file error, not a missing set.
    s.file("CustomOptions3/Huge.db");
    ASSERT_EQ(::truncate(s.path("CustomOptions3/Huge.db").c_str(), off_t(kMaxOptionSetBytes) + 2 * 692), 0);
    CustomOptionsFilesList huge("Huge", s.external);
    EXPECT_EQ(huge.count(), 0);
    EXPECT_EQ(huge.loadStatus(), fs::kMemFull);
    ASSERT_EQ(s.alerts.shown.size(), 2u);
    EXPECT_EQ(s.alerts.shown[1].message, "The file could not be opened.");
    CustomOptionsFilesList quiet("Nowhere", s.external, false);
    EXPECT_EQ(s.alerts.shown.size(), 2u);
}

TEST(OptionSetFile, FetchForARun)
{
    SetSite s;
    OptionFileRec fast;
    fast.name = "Fast";
    fast.options.speed = 600;
    fast.options.windowWidth = 640;
    fast.options.windowHeight = 480;
    std::string data = storedNamed("Slow", 150) + CustomOptionsFiles::convertToPCRec(fast);
    s.file("CustomOptions3/# Standard Options.db", data);
    s.file("CustomOptions3/Copy.db", data);
    s.file("CustomOptions3/Empty.db");
    CustomOptionsFiles files(s.external);

    OptionFileRec out;
    ASSERT_TRUE(files.getOptions(out, "# Standard Options", "Fast"));
    EXPECT_EQ(out.options.speed, 600);
    EXPECT_EQ(out.options.windowWidth, 0x7FFFFFFF);
    EXPECT_EQ(out.options.windowHeight, 0x7FFFFFFF);
    ASSERT_TRUE(files.getOptions(out, "copy", "Fast"));
    EXPECT_EQ(out.options.windowWidth, 640);
    EXPECT_EQ(out.options.windowHeight, 480);
    ASSERT_TRUE(files.getOptions(out, "Copy", "Unknown")); // the first option
    EXPECT_EQ(out.name, "Fast");

    out.options.speed = 42;
    EXPECT_FALSE(files.getOptions(out, "Empty", "Fast"));
    EXPECT_FALSE(files.getOptions(out, "Missing", "Fast"));
    EXPECT_EQ(out.options.speed, 42);
    EXPECT_TRUE(s.alerts.shown.empty());
}

TEST(OptionSetFile, SetsAreFileKindSets)
{
    SetSite s;
    CustomOptionsFiles files(s.external);
    EXPECT_EQ(files.getParentFolder(), s.path("CustomOptions3/"));
    EXPECT_EQ(files.getFilePath("Fast"), s.path("CustomOptions3/Fast.db"));
    EXPECT_EQ(files.createOptionsSet("Fast"), fs::kNoErr);
    EXPECT_EQ(files.getFilePath("FAST"), s.path("CustomOptions3/Fast.db"));
    EXPECT_EQ(files.createOptionsSet("fast"), fs::kDuplicateName);
    EXPECT_EQ(files.duplicateOptionsSet("fast", "Faster"), fs::kNoErr);
    EXPECT_EQ(files.removeOptionsSet("FAST"), fs::kNoErr);
    EXPECT_FALSE(fs::exists(s.path("CustomOptions3/Fast.db")));
    EXPECT_TRUE(fs::exists(s.path("CustomOptions3/Faster.db")));
}

} // namespace
} // namespace qor
