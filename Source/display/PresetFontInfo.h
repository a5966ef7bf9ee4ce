#pragma once
// The ten font-and-colour presets of the font dialog's preset chooser.

#include "display/OptionsRecord.h"

#include <string_view>

namespace qor {

class PresetFontInfo {
public:
    static int count();
    // Fills a font sub-record with preset `index` (0..9): its colours,
    // size 20, "Arial-BoldMT", style 1 and column width 40. False (the
    // record unchanged) for another index.
    static bool traits(FontTrait& out, int index);
    // The preset's name as the chooser lists it; "" for another index.
    static std::string_view nameAtIndex(int index);
    // The preset whose four colours equal those of the record, counted
    // from 1; 0 when none does.
    static int matchingPreset(const FontTrait& font);
};

}  // namespace qor
