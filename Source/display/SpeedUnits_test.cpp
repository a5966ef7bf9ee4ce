#include "display/SpeedUnits.h"

#include "display/OptionsRecord.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(SpeedUnits, ConversionTable)
{
    struct Case {
        int value, from, to;
        long long exact;  // truncating toward zero
        int clamped;      // what fields and records get
    };
    const Case cases[] = {
        {250, kUnitWPM, kUnitCPS, 20, 20},
        {250, kUnitWPM, kUnitCPM, 1250, 1250},
        {20, kUnitCPS, kUnitWPM, 240, 240},
        {1250, kUnitCPM, kUnitWPM, 250, 250},
        {1250, kUnitCPM, kUnitCPS, 20, 20},
        {20, kUnitCPS, kUnitCPM, 1200, 1200},
        {11, kUnitWPM, kUnitCPS, 0, 1},          // would be a speed of 0
        {4, kUnitCPM, kUnitWPM, 0, 1},
        {59, kUnitCPM, kUnitCPS, 0, 1},
        {999999, kUnitCPS, kUnitCPM, 59999940, 999999},
        {999999, kUnitCPS, kUnitWPM, 11999988, 999999},
        {999999, kUnitWPM, kUnitCPM, 4999995, 999999},
        {100, kUnitWPM, kUnitWPM, 100, 100},
        {-24, kUnitWPM, kUnitCPS, -2, 1},        // truncation toward zero
        {0, kUnitCPS, kUnitCPS, 0, 1},
        {300, 7, kUnitCPS, 300, 300},            // unknown unit: unchanged
    };
    for (const Case& c : cases) {
        EXPECT_EQ(exactSpeedConversion(c.value, c.from, c.to), c.exact)
            << c.value << " " << c.from << "->" << c.to;
        EXPECT_EQ(speedConversion(c.value, c.from, c.to), c.clamped)
            << c.value << " " << c.from << "->" << c.to;
    }
    // Large values never overflow.
    EXPECT_EQ(exactSpeedConversion(2147483647, kUnitCPS, kUnitCPM), 128849018820LL);
    EXPECT_EQ(speedConversion(2147483647, kUnitCPS, kUnitCPM), 999999);
}

TEST(SpeedUnits, RoundTripsAreNotExactButNeverZero)
{
    EXPECT_EQ(speedConversion(speedConversion(250, kUnitWPM, kUnitCPS), kUnitCPS, kUnitWPM), 240);
    for (int v = 1; v <= 200; ++v)
        for (int from = 0; from < kUnitCount; ++from)
            for (int to = 0; to < kUnitCount; ++to)
                EXPECT_GE(speedConversion(v, from, to), 1);
}

}  // namespace
}  // namespace qor
