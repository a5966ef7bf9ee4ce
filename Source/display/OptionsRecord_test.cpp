#include "display/OptionsRecord.h"

#include "display/StandardOptions.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace qor {
namespace {

// Writes hex bytes ("64 00 00 00 ...") into a buffer at an offset.
void put(std::string& buf, size_t off, const char* hex)
{
    unsigned v;
    int n;
    while (std::sscanf(hex, " %2x%n", &v, &n) == 1) {
        buf.at(off++) = static_cast<char>(v);
        hex += n;
    }
}

std::string defaultFileBytes()
{
    // The default options file, assembled by hand from the stored layout.
    std::string g(436, '\0');
    put(g, 0, "64 00 00 00  d0 07 00 00  fa 00 00 00  0b 00 00 00");  // 100 2000 250 11
    put(g, 16, "3c 00 00 00");                                           // timer 60, unit 0
    put(g, 24, "ff ff ff ff  ff ff ff ff  80 02 00 00  e0 01 00 00");  // -1 -1 640 480
    put(g, 44, "03 00 00 00");                                           // burst: sentences, 3
    put(g, 48, "90 01 00 00  08 00 00 00  90 01 00 00  90 01 00 00");  // 400 8 400 400
    put(g, 64, "90 01 00 00  90 01 00 00  90 01 00 00");              // 400 400 400; flags off
    put(g, 84, "ff ff 00 00  ff ff 00 00  00 00 00 00  ff ff 00 00");  // yellow
    put(g, 112, "ff ff 00 00");                                          // black
    put(g, 116, "00 80 00 00  00 80 00 00  00 00 00 00  ff ff 00 00"); // olive
    put(g, 132, "ff ff 00 00  ff ff 00 00  00 00 00 00  ff ff 00 00"); // yellow
    put(g, 148, "29 02 00 00  00 00 00 00  30 00 00 00");              // column 553, style 0, 48
    put(g, 160, "41 72 69 61 6c 4d 54");                                 // "ArialMT"
    put(g, 424, "01 00 00 00");                                          // mode 0/0, count 1
    return g;
}

OptionsRecord distinctRecord()
{
    // A distinct value in every field, so that a swapped or misplaced
    // field shows.
    OptionsRecord r;
    r.lowSpeed = 101;
    r.highSpeed = 2002;
    r.speed = 303;
    r.speechSpeed = 14;
    r.timer = 0xA1B2C3D4u;
    r.unit = 2;
    r.windowX = -7;
    r.windowY = 8;
    r.windowWidth = 909;
    r.windowHeight = 1010;
    r.burst = {3, 111};
    r.delay = {1201, 12, 1301, 1401, 1501, 1601, 1701, 1, 0, 1, 0, 1, 0, 1};
    r.delay.bLongWordDelay = 2;  // flags are bytes: any value travels
    r.font.fontColor = {1, 2, 3, 4};
    r.font.backgroundColor = {5, 6, 7, 8};
    r.font.highlightBackgroundColor = {9, 10, 11, 12};
    r.font.highlightFontColor = {13, 14, 65535, 16};
    r.font.margin = 417;
    r.font.style = 0x55;
    r.font.size = 19;
    r.font.fontName = "Caf\x8e-Bold";  // Mac OS Roman bytes travel unchanged
    r.displayMode = {4, 9, 17, 1};
    r.hideProgress = 1;
    r.hideControls = 1;
    r.jnk1 = 0x7E;
    return r;
}

TEST(OptionsRecord, DefaultRecordGoldenBytes)
{
    OptionsRecord rec;
    StandardOptions::defaultWindowOptions(rec);
    std::string bytes = encodeOptionsRecord(rec);
    ASSERT_EQ(bytes.size(), 436u);
    EXPECT_EQ(bytes, defaultFileBytes());
    EXPECT_EQ(bytes.substr(160, 8), std::string("ArialMT\0", 8));
}

TEST(OptionsRecord, EveryFieldRoundTripsAtItsOffset)
{
    OptionsRecord r = distinctRecord();
    std::string bytes = encodeOptionsRecord(r);
    ASSERT_EQ(bytes.size(), 436u);
    OptionsRecord back;
    ASSERT_TRUE(decodeOptionsRecord(bytes, back));
    EXPECT_EQ(encodeOptionsRecord(back), bytes);
    EXPECT_EQ(back.timer, 0xA1B2C3D4u);
    EXPECT_EQ(back.delay.bLongWordDelay, 2);
    EXPECT_EQ(back.font.fontName, "Caf\x8e-Bold");
    EXPECT_EQ(back.font.highlightFontColor.blue, 65535);
    EXPECT_EQ(back.jnk1, 0x7E);
    EXPECT_EQ(back.displayMode.modeOptNum, 17);

    // Spot checks of the placement against the layout.
    auto i32 = [&](size_t off) {
        return int32_t(uint32_t(uint8_t(bytes[off])) | uint32_t(uint8_t(bytes[off + 1])) << 8 |
                       uint32_t(uint8_t(bytes[off + 2])) << 16 | uint32_t(uint8_t(bytes[off + 3])) << 24);
    };
    EXPECT_EQ(i32(8), 303);
    EXPECT_EQ(uint8_t(bytes[20]), 2);
    EXPECT_EQ(i32(24), -7);
    EXPECT_EQ(i32(44), 111);
    EXPECT_EQ(i32(52), 12);
    EXPECT_EQ(uint8_t(bytes[76]), 1);
    EXPECT_EQ(uint8_t(bytes[77]), 2);
    EXPECT_EQ(i32(84), 1);
    EXPECT_EQ(i32(144), 16);
    EXPECT_EQ(i32(148), 417);
    EXPECT_EQ(i32(152), 0x55);
    EXPECT_EQ(i32(416), 4);
    EXPECT_EQ(uint8_t(bytes[428]), 1);
    EXPECT_EQ(uint8_t(bytes[434]), 0x7E);
    // Fillers stay zero.
    for (size_t off : {22u, 23u, 83u, 429u, 430u, 431u, 435u})
        EXPECT_EQ(bytes[off], 0) << off;
}

TEST(OptionsRecord, ShortInputIsRefusedAndLongerInputReadsItsHead)
{
    std::string bytes = encodeOptionsRecord(distinctRecord());
    OptionsRecord out;
    out.speed = 77;
    EXPECT_FALSE(decodeOptionsRecord(bytes.substr(0, 435), out));
    EXPECT_EQ(out.speed, 77);
    EXPECT_FALSE(decodeOptionsRecord("", out));
    ASSERT_TRUE(decodeOptionsRecord(bytes + "trailing junk", out));
    EXPECT_EQ(out, distinctRecord());
}

TEST(OptionsRecord, UnterminatedFontNameIsCutAtTheField)
{
    std::string bytes = encodeOptionsRecord(distinctRecord());
    for (size_t i = 160; i < 416; ++i)
        bytes[i] = 'N';
    OptionsRecord out;
    ASSERT_TRUE(decodeOptionsRecord(bytes, out));
    EXPECT_EQ(out.font.fontName, std::string(255, 'N'));
    EXPECT_EQ(out.displayMode.mode, 4) << "the name does not run into the next field";
}

TEST(OptionsRecord, ValidationPullsHostileFieldsIntoRange)
{
    struct Case {
        const char* what;
        void (*spoil)(OptionsRecord&);
        bool (*holds)(const OptionsRecord&);
    };
    const Case cases[] = {
        {"speed 0", [](OptionsRecord& r) { r.speed = 0; }, [](const OptionsRecord& r) { return r.speed == 100; }},
        {"speed above the high limit", [](OptionsRecord& r) { r.speed = 5000; },
         [](const OptionsRecord& r) { return r.speed == 2000; }},
        {"negative limits", [](OptionsRecord& r) { r.lowSpeed = -5; r.highSpeed = -1; },
         [](const OptionsRecord& r) { return r.lowSpeed == 1 && r.highSpeed == 20 && r.speed == 20; }},
        {"limits too close", [](OptionsRecord& r) { r.lowSpeed = 100; r.highSpeed = 118; r.speed = 110; },
         [](const OptionsRecord& r) { return r.highSpeed == 119 && r.speed == 110; }},
        {"limits at the top", [](OptionsRecord& r) { r.lowSpeed = 2000000000; r.highSpeed = 2000000000; },
         [](const OptionsRecord& r) { return r.lowSpeed == 999980 && r.highSpeed == 999999 && r.speed == 999980; }},
        {"unknown unit", [](OptionsRecord& r) { r.unit = 7; }, [](const OptionsRecord& r) { return r.unit == 0; }},
        {"speech speed 0", [](OptionsRecord& r) { r.speechSpeed = 0; },
         [](const OptionsRecord& r) { return r.speechSpeed == 1; }},
        {"burst type outside", [](OptionsRecord& r) { r.burst.burstType = 5; },
         [](const OptionsRecord& r) { return r.burst.burstType == 0; }},
        {"burst count 0", [](OptionsRecord& r) { r.burst.burstNum = 0; },
         [](const OptionsRecord& r) { return r.burst.burstNum == 1; }},
        {"burst count huge", [](OptionsRecord& r) { r.burst.burstNum = 100000; },
         [](const OptionsRecord& r) { return r.burst.burstNum == 999; }},
        {"delays", [](OptionsRecord& r) { r.delay.sentenceDelay = -1; r.delay.minimumDelay = 99999; r.delay.wordLength = 0; },
         [](const OptionsRecord& r) {
             return r.delay.sentenceDelay == 100 && r.delay.minimumDelay == 32000 && r.delay.wordLength == 5;
         }},
        {"flag byte 2", [](OptionsRecord& r) { r.delay.bFixed = 2; r.hideControls = 255; },
         [](const OptionsRecord& r) { return r.delay.bFixed == 1 && r.hideControls == 1; }},
        {"colour components", [](OptionsRecord& r) { r.font.fontColor = {-1, 70000, 5, 65535}; },
         [](const OptionsRecord& r) {
             return r.font.fontColor.red == 0 && r.font.fontColor.green == 65535 && r.font.fontColor.blue == 5;
         }},
        {"empty font name", [](OptionsRecord& r) { r.font.fontName.clear(); },
         [](const OptionsRecord& r) { return r.font.fontName == "ArialMT"; }},
        {"font size 0", [](OptionsRecord& r) { r.font.size = 0; }, [](const OptionsRecord& r) { return r.font.size == 4; }},
        {"column width 0", [](OptionsRecord& r) { r.font.margin = 0; },
         [](const OptionsRecord& r) { return r.font.margin == 22; }},
        {"window 0 x 0", [](OptionsRecord& r) { r.windowWidth = 0; r.windowHeight = -3; },
         [](const OptionsRecord& r) { return r.windowWidth == 100 && r.windowHeight == 100; }},
        {"mode outside", [](OptionsRecord& r) { r.displayMode = {9, 3, 2, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.mode == 0 && r.displayMode.modeOpt == 3; }},
        {"option the mode lacks", [](OptionsRecord& r) { r.displayMode = {3, 0, 2, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.modeOpt == 6 && r.displayMode.modeOptNum == 2; }},
        {"words with count 0", [](OptionsRecord& r) { r.displayMode = {0, 0, 0, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.modeOptNum == 1; }},
        {"fixations N = 0", [](OptionsRecord& r) { r.displayMode = {2, 1, 0, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.modeOptNum == 2; }},
        {"fixations N = 9", [](OptionsRecord& r) { r.displayMode = {2, 1, 9, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.modeOptNum == 4; }},
        {"no highlighting keeps 0", [](OptionsRecord& r) { r.displayMode = {4, 6, 0, 0}; },
         [](const OptionsRecord& r) { return r.displayMode.modeOptNum == 0; }},
    };
    for (const Case& c : cases) {
        OptionsRecord r;
        StandardOptions::defaultWindowOptions(r);
        c.spoil(r);
        bool wasValid = validateOptions(r);
        EXPECT_TRUE(c.holds(r)) << c.what;
        OptionsRecord again = r;
        EXPECT_TRUE(validateOptions(again)) << c.what << ": the result is valid";
        EXPECT_EQ(again, r) << c.what;
        if (std::string(c.what) != "no highlighting keeps 0") {
            EXPECT_FALSE(wasValid) << c.what;
        }
    }
    OptionsRecord defaults;
    StandardOptions::defaultWindowOptions(defaults);
    EXPECT_TRUE(validateOptions(defaults));
}

TEST(OptionsRecord, CopyFontTraitLeavesColumnWidthAndStyle)
{
    FontTrait to, from;
    to.margin = 553;
    to.style = 0;
    to.size = 48;
    to.fontName = "ArialMT";
    from.fontColor = {1, 2, 3, 65535};
    from.backgroundColor = {4, 5, 6, 65535};
    from.highlightBackgroundColor = {7, 8, 9, 65535};
    from.highlightFontColor = {10, 11, 12, 65535};
    from.margin = 40;
    from.style = 1;
    from.size = 20;
    from.fontName = "Arial-BoldMT";
    copyFontTrait(to, from);
    EXPECT_EQ(to.margin, 553);
    EXPECT_EQ(to.style, 0);
    EXPECT_EQ(to.size, 20);
    EXPECT_EQ(to.fontName, "Arial-BoldMT");
    EXPECT_TRUE(sameColor(to.fontColor, from.fontColor));
    EXPECT_TRUE(sameColor(to.backgroundColor, from.backgroundColor));
    EXPECT_TRUE(sameColor(to.highlightBackgroundColor, from.highlightBackgroundColor));
    EXPECT_TRUE(sameColor(to.highlightFontColor, from.highlightFontColor));
}

TEST(OptionsRecord, ModeRowsMapToOptionsAndBack)
{
    struct Case {
        int mode;
        std::vector<int> options;
    };
    const Case cases[] = {
        {0, {0, 2, 3, 4, 5}}, {1, {0, 2, 3, 4, 5}}, {2, {0, 1, 2}}, {3, {6, 7, 8, 9}}, {4, {6, 7, 8, 9}},
    };
    for (const Case& c : cases) {
        for (size_t row = 0; row < c.options.size(); ++row) {
            EXPECT_EQ(modeOptionForRow(c.mode, int(row)), c.options[row]) << c.mode;
            EXPECT_EQ(rowForModeOption(c.mode, c.options[row]), int(row)) << c.mode;
        }
        EXPECT_EQ(modeOptionForRow(c.mode, int(c.options.size())), 0) << "row past the list";
        EXPECT_EQ(modeOptionForRow(c.mode, -1), 0);
    }
    EXPECT_EQ(modeOptionForRow(5, 0), 0);
    EXPECT_EQ(rowForModeOption(2, 7), 0);
}

}  // namespace
}  // namespace qor
