#include "controls/StripPresenters.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace qor::strips {
namespace {

TEST(StripPresenters, BarIndexAndUnit)
{
    struct Case {
        int speed, low, high, index;
    };
    const Case cases[] = {
        {250, 100, 2000, 1},    // segments 1 and 2
        {2000, 100, 2000, 19},  // all twenty
        {50, 100, 2000, 0},     // below the low limit: segment 1 only
        {100, 100, 2000, 0},
        {199, 100, 2000, 0},
        {200, 100, 2000, 1},
        {1999, 100, 2000, 18},
        {9000, 100, 2000, 19},  // above the high limit
        {INT_MIN, 100, 2000, 0},
        {INT_MAX, 100, 2000, 19},
        // Spans without a whole unit per segment are divided in proportion.
        {105, 100, 110, 9},
        {110, 100, 110, 19},
        {100, 100, 110, 0},
        // An empty or inverted span divides nothing.
        {100, 100, 100, 0},
        {150, 100, 100, 19},
        {150, 200, 100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(speedBarIndex(c.speed, c.low, c.high), c.index) << c.speed << " in " << c.low << ".." << c.high;

    EXPECT_EQ(barUnit(100, 2000), 100);
    EXPECT_EQ(barUnit(100, 118), 0);
    EXPECT_EQ(barUnit(100, 100), 0);
    EXPECT_EQ(barUnit(200, 100), 0);
    EXPECT_EQ(barUnit(INT_MIN, INT_MAX), static_cast<int>((int64_t{INT_MAX} - INT_MIN) / 19));

    EXPECT_EQ(speechBarIndex(6), 5);
    EXPECT_EQ(speechBarIndex(1), 0);
    EXPECT_EQ(speechBarIndex(20), 19);
    EXPECT_EQ(speechBarIndex(0), 0);
    EXPECT_EQ(speechBarIndex(40), 19);
}

TEST(StripPresenters, SegmentImages)
{
    struct Case {
        int segment, index;
        const char* image;
    };
    const Case cases[] = {
        {1, 0, "bar01c.png"},  {2, 0, "bar02b.png"},  {1, 1, "bar01c.png"},
        {2, 1, "bar02c.png"},  {3, 1, "bar03b.png"},  {20, 18, "bar20b.png"},
        {20, 19, "bar20c.png"}, {19, 19, "bar19c.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(segmentImage(c.segment, c.index), c.image) << c.segment << " at " << c.index;
}

TEST(StripPresenters, SpeedBarHits)
{
    struct Case {
        double x, y;
        int segment;
    };
    const Case cases[] = {
        {16.5, 110, -1},   // x' = 0
        {17, 105, 0},      // x' = 1
        {23.9, 105, 0},
        {24, 105, 1},
        {175, 110, 19},    // x' = 159
        {176, 110, -1},    // x' = 160
        {20, 118, 0},      // y' = 13, below segment 0's 14 points
        {20, 119, -1},     // y' = 14
        {60, 110, 5},
        {60, 133.9, 5},    // y' = 28 < 14 + 15
        {60, 134, -1},
        {175, 175.9, 19},  // y' = 70 < 71
        {175, 176, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(speedBarHit(c.x, c.y), c.segment) << c.x << "," << c.y;

    EXPECT_TRUE(kSpeedBarFrame.contains(16.5, 110));
    EXPECT_TRUE(kSpeedBarFrame.contains(175, 175.9));
    EXPECT_FALSE(kSpeedBarFrame.contains(15, 110));
    EXPECT_FALSE(kSpeedBarFrame.contains(100, 104));
    EXPECT_FALSE(kSpeedBarFrame.contains(100, 178));
}

TEST(StripPresenters, SpeedOfSegment)
{
    struct Case {
        int g, low, high, speed;
    };
    const Case cases[] = {
        {0, 100, 2000, 100},  {1, 100, 2000, 200},  {19, 100, 2000, 2000},
        {10, 100, 1000, 573},  // 100 + 47.36842 x 10, truncated
        {19, 100, 1000, 1000},
        {5, 100, 100, 100},    // an empty span stays at its speed
    };
    for (const Case& c : cases)
        EXPECT_EQ(speedForSegment(c.g, c.low, c.high), c.speed) << c.g << " in " << c.low << ".." << c.high;
}

TEST(StripPresenters, PositionSliderMapping)
{
    struct Case {
        double x;
        int percent;
    };
    const Case cases[] = {
        {0, 0}, {64, 0}, {65, 0}, {68, 0}, {69, 1}, {222.5, 50}, {379, 99}, {380, 100}, {383, 100}, {500, 100},
    };
    for (const Case& c : cases)
        EXPECT_EQ(percentForX(c.x), c.percent) << c.x;

    EXPECT_DOUBLE_EQ(knobXForPercent(50), 222.5);
    EXPECT_DOUBLE_EQ(knobXForPercent(0), 65);
    EXPECT_DOUBLE_EQ(knobXForPercent(100), 380);
    EXPECT_DOUBLE_EQ(knobXForPercent(-5), 65);
    EXPECT_DOUBLE_EQ(knobXForPercent(250), 380);

    // The knob's x does not always map back onto its whole percentage;
    // this is why the strip shows the percentage it was given.
    int oneLess = 0;
    for (int p = 0; p <= 100; ++p) {
        const int back = percentForX(knobXForPercent(p));
        EXPECT_TRUE(back == p || back == p - 1) << p;
        oneLess += back != p;
    }
    EXPECT_GT(oneLess, 0);
}

TEST(StripPresenters, SpeedSliderMapping)
{
    struct ToSpeed {
        double x;
        int low, high, speed;
    };
    const ToSpeed toSpeed[] = {
        {27, 100, 2000, 100},  {138, 100, 2000, 2000}, {0, 100, 2000, 100},
        {500, 100, 2000, 2000}, {82.5, 100, 2000, 1050}, {28, 100, 2000, 117},  // 100 + 1900 / 111
        {82.5, 100, 100, 100},
    };
    for (const ToSpeed& c : toSpeed)
        EXPECT_EQ(speedForKnobX(c.x, c.low, c.high), c.speed) << c.x;

    struct ToX {
        int speed, low, high;
        double x;
    };
    const ToX toX[] = {
        {1050, 100, 2000, 82.5}, {100, 100, 2000, 27},  {2000, 100, 2000, 138},
        {5000, 100, 2000, 138},  {50, 100, 2000, 27},
        {100, 100, 100, 27},     // an empty span: no division by zero
        {150, 200, 100, 27},
    };
    for (const ToX& c : toX)
        EXPECT_NEAR(knobXForSpeed(c.speed, c.low, c.high), c.x, 1e-4) << c.speed << " in " << c.low << ".." << c.high;
}

TEST(StripPresenters, ReadOuts)
{
    struct Seconds {
        int s;
        const char* text;
    };
    const Seconds seconds[] = {
        {5999, "99:59"}, {6000, "99:+"}, {7000, "99:+"}, {INT_MAX, "99:+"}, {0, "00:00"},
        {61, "01:01"},   {-90, "00:00"}, {-1, "00:00"},  {INT_MIN, "00:00"},
    };
    for (const Seconds& c : seconds)
        EXPECT_EQ(formatSeconds(c.s), c.text) << c.s;

    struct Rate {
        int wpm;
        const char* actual;
        const char* traditional;
    };
    const Rate rates[] = {
        {-1, "?", "?"},         {0, "0", "0.0 x"},       {200, "200", "0.8 x"},    {249, "249", "1.0 x"},
        {250, "250", "1.0 x"},  {2600, "2600", "10.4 x"}, {INT_MIN, "?", "?"},
    };
    for (const Rate& c : rates) {
        EXPECT_EQ(formatWordsPerMinute(c.wpm), c.actual) << c.wpm;
        EXPECT_EQ(formatTraditional(c.wpm), c.traditional) << c.wpm;
    }

    struct Average {
        int64_t words, millis;
        int wpm;
    };
    const Average averages[] = {
        {50000, 600000, 5000},
        {0, 0, 0},
        {1, 0, 0},
        {100, -5, 0},
        {-100, 60000, 0},
        {3000000000LL, 36000000000LL, 5000},  // beyond 32 bits
        {INT64_MAX, 1, INT_MAX},
        {INT64_MAX, INT64_MAX, 60000},
    };
    for (const Average& c : averages)
        EXPECT_EQ(averageWordsPerMinute(c.words, c.millis), c.wpm) << c.words << " / " << c.millis;

    EXPECT_EQ(unitImage(0), "targetwpm.png");
    EXPECT_EQ(unitImage(1), "targetcps.png");
    EXPECT_EQ(unitImage(2), "targetcpm.png");
    EXPECT_EQ(unitImage(3), "speech_speed.png");
    EXPECT_EQ(unitImage(4), "");
    EXPECT_EQ(unitImage(-1), "");
}

}  // namespace
}  // namespace qor::strips
