#include "base/Clock.h"

#include <ctime>

namespace qor {

int64_t SystemClock::microseconds() const
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

double SystemClock::secondsSince2001() const
{
    timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    return static_cast<double>(ts.tv_sec - kUnixTo2001) + ts.tv_nsec / 1e9;
}

SystemClock& SystemClock::instance()
{
    static SystemClock clock;
    return clock;
}

}  // namespace qor
