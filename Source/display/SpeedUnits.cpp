#include "display/SpeedUnits.h"

#include "display/OptionsRecord.h"

#include <algorithm>

namespace qor {

long long exactSpeedConversion(long long v, int from, int to)
{
    if (from == to)
        return v;
    switch (from) {
    case kUnitWPM:
        if (to == kUnitCPS)
            return v / 12;
        if (to == kUnitCPM)
            return v * 5;
        break;
    case kUnitCPS:
        if (to == kUnitWPM)
            return v * 12;
        if (to == kUnitCPM)
            return v * 60;
        break;
    case kUnitCPM:
        if (to == kUnitWPM)
            return v / 5;
        if (to == kUnitCPS)
            return v / 60;
        break;
    default: break;
    }
    return v;
}

int clampSpeed(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, kMinSpeed, kMaxSpeed));
}

int speedConversion(int value, int from, int to)
{
    return clampSpeed(exactSpeedConversion(value, from, to));
}

}  // namespace qor
