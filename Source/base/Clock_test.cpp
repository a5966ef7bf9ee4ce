#include "base/Clock.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(Clock, FakeTicksFollowMicroseconds)
{
    FakeClock c;
    EXPECT_EQ(c.ticks(), 0);
    c.advanceTicks(1);
    EXPECT_EQ(c.ticks(), 1);
    c.advanceTicks(59);
    EXPECT_EQ(c.ticks(), 60);
    EXPECT_NEAR(c.microseconds(), 1000000, 60);
    c.setWall(100.0);
    EXPECT_NEAR(c.secondsSince2001(), 101.0, 0.001);
}

TEST(Clock, SystemClockIsMonotonicAndOnThe2001Origin)
{
    auto& c = SystemClock::instance();
    int64_t a = c.microseconds();
    int64_t b = c.microseconds();
    EXPECT_LE(a, b);
    // Any time this code runs is well after 2020 (631152000 s after 2001).
    EXPECT_GT(c.secondsSince2001(), 631152000.0);
}

}  // namespace
}  // namespace qor
