#pragma once
// The settings the reading window recommends after the reader picked a
// display mode: which window, font, colour and margin changes suit the
// mode and option, the question that offers them, and the burst change
// that goes with a "Yes".

#include "display/OptionsRecord.h"

#include <cstdint>
#include <string>

namespace qor {

struct RecommendationInput {
    OptionsRecord options;
    int visibleWidth = 0;   // W
    int visibleHeight = 0;  // H
    bool linesFit = true;   // the view can hold modeOptNum lines
    int32_t longestLine = 0;
};

struct Recommendation {
    // The conditions that hold (each only where the mode considers it).
    bool lines = false;
    bool width = false;
    bool height = false;
    bool font22 = false;
    bool fontScreen = false;
    bool words3 = false;
    bool colours = false;
    bool margin = false;
    bool fit = true;  // the longest line fits the column (formatted page only)

    int fontScreenSize = 0;  // 18, 14 or 12 when fontScreen holds
    int colourPreset = 0;    // the matching preset, 1..10, or 0

    bool burstChange = false;
    int32_t burstType = 0;
    int32_t burstNum = 0;

    // Whether the question is asked at all.
    bool ask() const;
    // The question's text, one line per condition.
    std::string message() const;
};

Recommendation recommendDisplay(const RecommendationInput& in);

// The fields a "Yes" changes, applied to a record: font size, words per
// display, colours and burst. The margin and window frame are set by the
// window as it resizes.
void applyRecommendation(const Recommendation& r, OptionsRecord& rec);

}  // namespace qor
