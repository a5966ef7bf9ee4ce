#pragma once
// The arithmetic shared by the reading window's strips: the speed bar, the
// two sliders and the read-outs of the control strip.
//
// Coordinates are points in the strip's own system, origin bottom left,
// the way the strips' geometry has always been given; the widgets turn
// their mouse positions into it.

#include <cstdint>
#include <string>

namespace qor::strips {

// --- geometry ---------------------------------------------------------------------

// A rectangle in a strip's coordinates (origin bottom left).
struct StripRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    bool contains(double px, double py) const
    {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

inline constexpr int kSegments = 20;

// The control strip. The speed bar's segments are eight points wide from
// x = 16 and rise from y = 105, 14 points tall at the left and three points
// taller per segment.
inline constexpr double kControlHeight = 222;
inline constexpr double kBarLeft = 16;
inline constexpr double kBarBottom = 105;
inline constexpr double kSegmentWidth = 8;
inline constexpr double kSegmentBaseHeight = 14;
inline constexpr double kSegmentRise = 3;
// The frame within which a click on the bar is taken at all.
inline constexpr StripRect kSpeedBarFrame{kBarLeft, kBarBottom, kSegments * kSegmentWidth + 1,
                                          kSegmentBaseHeight + kSegmentRise * (kSegments - 1) + 1};
// The dividing lines of the control strip.
inline constexpr double kDividerLeft = 188;
inline constexpr double kDividerRight = 328;
inline constexpr double kDividerLowY = 78;
inline constexpr double kDividerHighY = 155;

// The slider strip: the knob's centre runs from 65 (0 %) to 380 (100 %);
// presses are taken from 65 up to 384.
inline constexpr double kSliderHeight = 35;
inline constexpr double kSliderLeft = 65;
inline constexpr double kSliderSpan = 315;
inline constexpr double kSliderRight = kSliderLeft + kSliderSpan;
inline constexpr double kSliderPressRight = 384;

// The speed slider: the knob's centre runs from 27 to 138.
inline constexpr double kSpeedLeft = 27;
inline constexpr double kSpeedSpan = 111;
inline constexpr double kSpeedRight = kSpeedLeft + kSpeedSpan;

// --- the speed bar ---------------------------------------------------------------

// The speed difference of one segment: (high - low) / 19, 0 when the span
// is below 19.
int barUnit(int lowSpeed, int highSpeed);

// The bar index (0 to 19: the rightmost lit segment less one) of a speed.
// Speeds outside the limits light one or all segments. A span too narrow
// for a whole unit per segment is divided in proportion; an empty or
// inverted span lights one segment, or all of them at its top.
int speedBarIndex(int speed, int lowSpeed, int highSpeed);

// The bar index while speech paces: speech speeds run from 1 to 20.
int speechBarIndex(int speechSpeed);

// Whether segment `segment` (1 to 20) is lit at index `index`.
bool segmentLit(int segment, int index);
// The image of segment `segment` (1 to 20) at index `index`:
// "bar%02dc.png" when lit, "bar%02db.png" when not.
std::string segmentImage(int segment, int index);

// The segment (0 to 19) a click at (x, y) selects, or -1. The caller has
// checked that the point lies within kSpeedBarFrame.
int speedBarHit(double x, double y);

// The speed that segment g selects: lowSpeed plus g times the span over 19,
// in single precision, truncated.
int speedForSegment(int g, int lowSpeed, int highSpeed);

// --- the sliders --------------------------------------------------------------------

// The whole percentage (0 to 100) of the slider strip's point x.
int percentForX(double x);
// The knob's x for a percentage (taken into 0 to 100).
double knobXForPercent(int percent);

// The speed the speed slider's x gives (x taken into the track).
int speedForKnobX(double x, int lowSpeed, int highSpeed);
// The speed slider's knob x for a speed, within the track; the left end
// when the span is empty.
double knobXForSpeed(int speed, int lowSpeed, int highSpeed);

double clampX(double x, double low, double high);

// --- read-outs ---------------------------------------------------------------------

// A count of seconds as "mm:ss"; "99:+" from 6000 on. A negative count,
// which no clock can show, reads as "00:00".
std::string formatSeconds(int seconds);
// Words per minute; "?" when negative (no figure).
std::string formatWordsPerMinute(int wpm);
// Words per minute as a multiple of a traditional reader's 250: "0.8 x",
// "10.4 x"; "?" when negative.
std::string formatTraditional(int wpm);
// Words read times 60000 over milliseconds of reading; 0 without reading
// time. Negative totals count as none; the result stays within an int.
int averageWordsPerMinute(int64_t totalWords, int64_t totalMillis);

// The unit label's image for a unit on the bus (0 WPM, 1 CPS, 2 CPM,
// 3 speech); "" for any other value.
std::string unitImage(int unit);

}  // namespace qor::strips
