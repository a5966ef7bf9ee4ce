#include "display/StandardOptions.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace colors;

struct Expected {
    int code;
    int mode, opt, num;
    const char* font;
    int size, style, margin;
    QorColor text, page, hlPage, hlText;
    int speed, width, height;
    bool fixed;
};

// The presets as the menus document them; columns not named keep the
// defaults (ArialMT 48, yellow on black, yellow on olive, column 553,
// speed 250, 640 x 480).
const Expected kTable[] = {
    {4001, 0, 0, 1, "ArialMT", 48, 0, 553, kYellow, kBlack, kOlive, kYellow, 400, 640, 480, false},
    {4002, 0, 3, 1, "ArialMT", 22, 0, 416, kYellow, kBlack, kOlive, kYellow, 400, 640, 738, false},
    {4003, 0, 5, 1, "ArialMT", 22, 0, 300, kYellow, kBlack, kOlive, kYellow, 400, 640, 738, false},
    {4004, 1, 3, 1, "ArialMT", 22, 0, 416, kYellow, kBlack, kOlive, kYellow, 400, 640, 738, false},
    {4005, 1, 5, 1, "ArialMT", 22, 0, 300, kYellow, kBlack, kOlive, kYellow, 400, 640, 738, false},
    {4006, 0, 2, 2, "ArialMT", 48, 0, 200, kYellow, kBlack, kOlive, kYellow, 250, 640, 480, false},
    {4007, 0, 2, 2, "ArialMT", 36, 0, 200, kYellow, kBlack, kOlive, kYellow, 250, 640, 480, false},
    {4008, 0, 2, 4, "Arial-BoldMT", 72, 0, 580, kYellow, kBlack, kOlive, kYellow, 250, 1024, 738, false},
    {4009, 3, 8, 2, "Arial-BoldMT", 16, 1, 360, kDarkGrey, kBlack, kBlack, kYellow, 250, 640, 738, true},
    {4010, 3, 8, 2, "Arial-BoldMT", 16, 1, 360, kLightGrey, kWhite, kWhite, kBlue, 250, 640, 738, true},
    {4011, 3, 8, 2, "Arial-BoldMT", 16, 1, 360, kLightGrey, kWhite, kYellow, kBlack, 250, 640, 738, true},
    {4030, 4, 7, 1, "Arial-BoldMT", 18, 1, 360, kDarkGrey, kBlack, kBlack, kYellow, 250, 1024, 738, true},
    {4012, 4, 8, 3, "Arial-BoldMT", 18, 1, 360, kDarkGrey, kBlack, kBlack, kYellow, 250, 1024, 738, true},
    {4013, 3, 9, 1, "TimesNewRomanPS-BoldMT", 16, 1, 253, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4014, 3, 9, 2, "TimesNewRomanPS-BoldMT", 16, 1, 253, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4015, 3, 9, 3, "TimesNewRomanPS-BoldMT", 16, 1, 253, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4016, 3, 9, 1, "TimesNewRomanPS-BoldMT", 14, 1, 360, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4017, 3, 9, 2, "TimesNewRomanPS-BoldMT", 14, 1, 360, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4018, 3, 9, 3, "TimesNewRomanPS-BoldMT", 14, 1, 253, kLightGrey, kWhite, kWhite, kBlack, 250, 640, 738, false},
    {4019, 2, 0, 2, "ArialMT", 22, 0, 947, kYellow, kBlack, kOlive, kYellow, 250, 1024, 738, false},
    {4020, 2, 0, 3, "ArialMT", 22, 0, 947, kYellow, kBlack, kOlive, kYellow, 250, 1024, 738, false},
    {4021, 2, 1, 2, "ArialMT", 18, 0, 553, kYellow, kBlack, kOlive, kYellow, 250, 640, 738, true},
    {4022, 2, 1, 3, "ArialMT", 18, 0, 553, kYellow, kBlack, kOlive, kYellow, 250, 640, 738, true},
    {4023, 2, 0, 3, "ArialMT", 22, 0, 110, kYellow, kBlack, kOlive, kYellow, 250, 640, 738, false},
    {4024, 2, 0, 3, "TimesNewRomanPS-BoldMT", 16, 1, 253, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4025, 2, 0, 2, "TimesNewRomanPS-BoldMT", 16, 1, 253, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4026, 2, 0, 3, "TimesNewRomanPS-BoldMT", 16, 1, 253, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4027, 2, 2, 1, "TimesNewRomanPS-BoldMT", 14, 1, 360, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4028, 2, 2, 2, "TimesNewRomanPS-BoldMT", 14, 1, 360, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4029, 2, 2, 3, "TimesNewRomanPS-BoldMT", 14, 1, 360, kBlack, kWhite, kOlive, kYellow, 250, 640, 738, false},
    {4031, 2, 0, 1, "ArialMT", 22, 0, 947, kYellow, kBlack, kOlive, kYellow, 250, 1024, 738, false},
};

OptionsRecord defaults()
{
    OptionsRecord r;
    StandardOptions::defaultWindowOptions(r);
    return r;
}

TEST(StandardOptions, All31PresetsAsTheMenusDocumentThem)
{
    ASSERT_EQ(std::size(kTable), 31u);
    for (const Expected& e : kTable) {
        OptionsRecord r;
        StandardOptions::getStandardOption(r, e.code);
        SCOPED_TRACE(e.code);
        EXPECT_EQ(r.displayMode.mode, e.mode);
        EXPECT_EQ(r.displayMode.modeOpt, e.opt);
        EXPECT_EQ(r.displayMode.modeOptNum, e.num);
        EXPECT_EQ(r.displayMode.modeOptCombineRes, 0);
        EXPECT_EQ(r.font.fontName, e.font);
        EXPECT_EQ(r.font.size, e.size);
        EXPECT_EQ(r.font.style, e.style);
        EXPECT_EQ(r.font.margin, e.margin);
        EXPECT_TRUE(sameColor(r.font.fontColor, e.text));
        EXPECT_TRUE(sameColor(r.font.backgroundColor, e.page));
        EXPECT_TRUE(sameColor(r.font.highlightBackgroundColor, e.hlPage));
        EXPECT_TRUE(sameColor(r.font.highlightFontColor, e.hlText));
        EXPECT_EQ(r.speed, e.speed);
        EXPECT_EQ(r.windowWidth, e.width);
        EXPECT_EQ(r.windowHeight, e.height);
        EXPECT_EQ(r.delay.bFixed, e.fixed ? 1 : 0);
        // Everything else is the defaults.
        OptionsRecord rest = r;
        OptionsRecord d = defaults();
        rest.displayMode = d.displayMode;
        rest.font = d.font;
        rest.speed = d.speed;
        rest.windowWidth = d.windowWidth;
        rest.windowHeight = d.windowHeight;
        rest.delay.bFixed = 0;
        EXPECT_EQ(rest, d);
        OptionsRecord valid = r;
        EXPECT_TRUE(validateOptions(valid)) << "a preset is within every range";
    }
}

TEST(StandardOptions, PresetsReplaceEveryFieldAndTwinsAreEqual)
{
    OptionsRecord a, b;
    StandardOptions::getStandardOption(a, 4024);
    StandardOptions::getStandardOption(b, 4026);
    EXPECT_EQ(encodeOptionsRecord(a), encodeOptionsRecord(b));

    // A record the reader changed everywhere: a preset resets the limits,
    // the unit, the burst and the delays too.
    OptionsRecord r = defaults();
    r.lowSpeed = 7;
    r.highSpeed = 70000;
    r.unit = kUnitCPM;
    r.burst = {4, 99};
    r.delay.sentenceDelay = 5000;
    r.delay.bSentenceDelay = 1;
    r.font.fontName = std::string(200, 'x');
    r.hideControls = 1;
    StandardOptions::getStandardOption(r, 4002);
    EXPECT_EQ(r.lowSpeed, 100);
    EXPECT_EQ(r.highSpeed, 2000);
    EXPECT_EQ(r.unit, kUnitWPM);
    EXPECT_EQ(r.burst.burstType, 0);
    EXPECT_EQ(r.burst.burstNum, 3);
    EXPECT_EQ(r.delay.sentenceDelay, 400);
    EXPECT_EQ(r.delay.bSentenceDelay, 0);
    EXPECT_EQ(r.hideControls, 0);
    EXPECT_EQ(r.font.fontName, "ArialMT");

    // Codes outside the table are the defaults; so is filling a record
    // that held anything before.
    for (int code : {4000, 4032, 3999, 0, -1}) {
        StandardOptions::getStandardOption(r, code);
        EXPECT_EQ(r, defaults()) << code;
    }
}

TEST(StandardOptions, MenuTagsGiveTheirCodes)
{
    struct Case {
        int (*menu)(int);
        int tag, code;
    };
    const Case cases[] = {
        {StandardOptions::productivityCode, 0, 4001},
        {StandardOptions::productivityCode, 20, 4002},
        {StandardOptions::productivityCode, 50, 4005},
        {StandardOptions::productivityCode, 80, 4008},
        {StandardOptions::productivityCode, 90, 4001},
        {StandardOptions::educationHighlightCode, 1, 4009},
        {StandardOptions::educationHighlightCode, 30, 4011},
        {StandardOptions::educationHighlightCode, 35, 4030},
        {StandardOptions::educationHighlightCode, 40, 4012},
        {StandardOptions::educationHighlightCode, 100, 4018},
        {StandardOptions::educationNonHighlightCode, 10, 4019},
        {StandardOptions::educationNonHighlightCode, 60, 4024},
        {StandardOptions::educationNonHighlightCode, 110, 4029},
        {StandardOptions::educationNonHighlightCode, 120, 4031},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.menu(c.tag), c.code) << c.tag;
}

TEST(StandardOptions, ApplyingAPresetSavesAndPostsInOrder)
{
    testing::ReaderFixture f;
    f.store(defaults());
    testing::BusLog log = testing::optionsBusLog(f.bus);
    EXPECT_EQ(StandardOptions::applyStandardOption(4012, f.options, f.bus), 0);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"ScreenSizeUpdateNotification",
                                                   "TargetSpeedUnitNotification(0)",
                                                   "TargetSpeedLimitsNotification",
                                                   "UpdateTargetSpeedNotification",
                                                   "OptionsUpdateNotification"}));
    OptionsRecord expected;
    StandardOptions::getStandardOption(expected, 4012);
    EXPECT_EQ(f.fileBytes(), encodeOptionsRecord(expected));
}

}  // namespace
}  // namespace qor
