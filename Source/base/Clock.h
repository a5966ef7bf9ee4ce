#pragma once
// Clocks: a monotonic microsecond clock, the 60-per-second tick count
// derived from it, and the wall clock in seconds since 1 January 2001,
// 00:00 GMT (the origin of every stored date). A fake drives tests.

#include <cstdint>

namespace qor {

class Clock {
public:
    virtual ~Clock() = default;
    // Monotonic microseconds since an arbitrary start.
    virtual int64_t microseconds() const = 0;
    // Ticks of 1/60 s on the same monotonic base.
    int64_t ticks() const { return microseconds() * 60 / 1000000; }
    // Wall-clock seconds since 1 January 2001, 00:00 GMT.
    virtual double secondsSince2001() const = 0;
};

// Seconds between the Unix epoch and 1 January 2001, 00:00 GMT.
constexpr int64_t kUnixTo2001 = 978307200;

class SystemClock final : public Clock {
public:
    int64_t microseconds() const override;
    double secondsSince2001() const override;
    // The process-wide system clock.
    static SystemClock& instance();
};

class FakeClock final : public Clock {
public:
    int64_t microseconds() const override { return m_us; }
    double secondsSince2001() const override { return m_wall + m_us / 1e6; }

    void advanceMicroseconds(int64_t us) { m_us += us; }
    // Rounded up, so ticks() moves by exactly the ticks given.
    void advanceTicks(int64_t ticks) { m_us += (ticks * 1000000 + 59) / 60; }
    void setMicroseconds(int64_t us) { m_us = us; }
    void setWall(double secondsSince2001) { m_wall = secondsSince2001; }

private:
    int64_t m_us = 0;
    double m_wall = 0;
};

}  // namespace qor
