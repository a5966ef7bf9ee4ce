#pragma once
// The counts reported for every chunk shown; the reading window adds them
// up over a burst and ends the burst when the count its burst type names
// reaches the burst length.

#include <cstdint>

namespace qor {

struct DelayCounts {
    int16_t words = 0;
    int16_t sentences = 0;
    int16_t flashes = 0;       // the chunk starts a new screen
    int16_t punctuations = 0;  // ',', ':', ';', '!', '.', '?' in the chunk's lines
    int16_t newlines = 0;      // words followed by a line end of the text
    int16_t displayLines = 0;  // a highlighted chunk starts a new display line

    void clear() { *this = DelayCounts{}; }
    bool operator==(const DelayCounts&) const = default;
};

// Adds within the range of the field (the counts of one chunk are small;
// a burst's sum must not wrap either).
inline int16_t addCount(int16_t a, int v)
{
    int s = a + v;
    if (s > 32767)
        s = 32767;
    if (s < -32768)
        s = -32768;
    return static_cast<int16_t>(s);
}

}  // namespace qor
