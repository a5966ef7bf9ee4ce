#include "controls/StripPresenters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace qor::strips {

namespace {

int clampIndex(int64_t index) { return static_cast<int>(std::clamp<int64_t>(index, 0, kSegments - 1)); }

// Truncates toward zero into an int, saturating.
int truncToInt(double v)
{
    if (!(v == v))
        return 0;
    v = std::trunc(v);
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

}  // namespace

int barUnit(int lowSpeed, int highSpeed)
{
    const int64_t span = static_cast<int64_t>(highSpeed) - lowSpeed;
    return span > 0 ? static_cast<int>(span / (kSegments - 1)) : 0;
}

int speedBarIndex(int speed, int lowSpeed, int highSpeed)
{
    const int64_t offset = static_cast<int64_t>(speed) - lowSpeed;
    const int unit = barUnit(lowSpeed, highSpeed);
    if (unit > 0)
        return clampIndex(offset / unit);
    const int64_t span = static_cast<int64_t>(highSpeed) - lowSpeed;
    if (span > 0)
        return clampIndex(offset * (kSegments - 1) / span);
    return speed >= highSpeed && speed > lowSpeed ? kSegments - 1 : 0;
}

int speechBarIndex(int speechSpeed) { return clampIndex(static_cast<int64_t>(speechSpeed) - 1); }

bool segmentLit(int segment, int index) { return segment >= 1 && segment <= index + 1; }

std::string segmentImage(int segment, int index)
{
    char name[32];
    std::snprintf(name, sizeof name, "bar%02d%c.png", std::clamp(segment, 1, kSegments),
                  segmentLit(segment, index) ? 'c' : 'b');
    return name;
}

int speedBarHit(double x, double y)
{
    const int xp = truncToInt(x - kBarLeft);
    if (xp < 1 || xp > kSegments * static_cast<int>(kSegmentWidth) - 1)
        return -1;
    const int g = xp / static_cast<int>(kSegmentWidth);
    const int yp = truncToInt(y - kBarBottom);
    if (yp >= static_cast<int>(kSegmentBaseHeight) + static_cast<int>(kSegmentRise) * g)
        return -1;
    return g;
}

int speedForSegment(int g, int lowSpeed, int highSpeed)
{
    const float perSegment = static_cast<float>((static_cast<double>(highSpeed) - lowSpeed) / 19.0);
    const float speed = static_cast<float>(lowSpeed) + perSegment * static_cast<float>(g);
    int result = truncToInt(speed);
    if (lowSpeed <= highSpeed)
        result = std::clamp(result, lowSpeed, highSpeed);
    return result;
}

double clampX(double x, double low, double high) { return std::clamp(x, low, high); }

int percentForX(double x)
{
    const double p = std::max(0.0, x - kSliderLeft);
    if (p > kSliderSpan)
        return 100;
    return truncToInt(p * 100.0 / kSliderSpan);
}

double knobXForPercent(int percent)
{
    const float p = static_cast<float>(std::clamp(percent, 0, 100));
    return static_cast<double>(p * static_cast<float>(kSliderSpan) / 100.0f + static_cast<float>(kSliderLeft));
}

int speedForKnobX(double x, int lowSpeed, int highSpeed)
{
    const float f = static_cast<float>(std::clamp(x - kSpeedLeft, 0.0, kSpeedSpan) / kSpeedSpan);
    const float span = static_cast<float>(static_cast<double>(highSpeed) - lowSpeed);
    return truncToInt(static_cast<float>(lowSpeed) + span * f);
}

double knobXForSpeed(int speed, int lowSpeed, int highSpeed)
{
    if (highSpeed <= lowSpeed)
        return kSpeedLeft;
    const float perPoint = static_cast<float>(static_cast<double>(highSpeed) - lowSpeed) / static_cast<float>(kSpeedSpan);
    const float x = static_cast<float>(static_cast<double>(speed) - lowSpeed) / perPoint + static_cast<float>(kSpeedLeft);
    return clampX(static_cast<double>(x), kSpeedLeft, kSpeedRight);
}

std::string formatSeconds(int seconds)
{
    if (seconds >= 6000)
        return "99:+";
    const int s = std::max(seconds, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", s / 60, s % 60);
    return text;
}

std::string formatWordsPerMinute(int wpm) { return wpm < 0 ? "?" : std::to_string(wpm); }

std::string formatTraditional(int wpm)
{
    if (wpm < 0)
        return "?";
    const float x = static_cast<float>(wpm) / 250.0f;
    char text[64];
    std::snprintf(text, sizeof text, x < 1.0f ? "%3.1f x" : "%6.1f x", static_cast<double>(x));
    std::string s = text;
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

int averageWordsPerMinute(int64_t totalWords, int64_t totalMillis)
{
    if (totalMillis <= 0 || totalWords <= 0)
        return 0;
    // words * 60000 / millis without forming a product that could overflow.
    const int64_t whole = totalWords / totalMillis;
    const int64_t rest = totalWords % totalMillis;
    constexpr int64_t kLimit = std::numeric_limits<int>::max();
    if (whole >= kLimit / 60000)
        return static_cast<int>(kLimit);
    int64_t result = whole * 60000;
    if (rest <= std::numeric_limits<int64_t>::max() / 60000)
        result += rest * 60000 / totalMillis;
    else
        result += static_cast<int64_t>(static_cast<long double>(rest) * 60000 / totalMillis);
    return static_cast<int>(std::min(result, kLimit));
}

std::string unitImage(int unit)
{
    switch (unit) {
    case 0: return "targetwpm.png";
    case 1: return "targetcps.png";
    case 2: return "targetcpm.png";
    case 3: return "speech_speed.png";
    default: return "";
    }
}

}  // namespace qor::strips
