#pragma once
// Converting speeds between the three units. A word counts as five
// characters and a minute as sixty seconds; every division truncates
// toward zero, so a conversion and its inverse need not give the value
// back (250 WPM is 20 CPS, and 20 CPS is 240 WPM).

namespace qor {

// The exact truncating conversion, in 64-bit arithmetic so that no value
// overflows: 11 WPM is 0 CPS, 999999 CPS is 59999940 CPM. A unit outside
// the table leaves the value as it is.
long long exactSpeedConversion(long long value, int from, int to);

// The conversion every speed field and record uses: the exact value
// pulled into 1..999999, so that a converted speed is never 0 (which
// would mark a record as never initialised) and never beyond what the
// fields accept.
int speedConversion(int value, int from, int to);

// A speed pulled into 1..999999.
int clampSpeed(long long value);

}  // namespace qor
