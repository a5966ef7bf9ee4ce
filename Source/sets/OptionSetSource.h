#pragma once
// The readable text form of the option sets that ship with the system
// (Resources/content/options/*.txt), from which qor_make_option_sets
// writes the set files.
//
//     ; a comment
//     set = # Standard Options
//     [Word by word, 250 wpm]        an option; it starts from the defaults
//     speed = 250
//     mode = 0
//     fontColor = 65535 65535 0      r g b (alpha 65535)
//
// Keys are the field names of the reading options record (`speed`,
// `lowSpeed`, `unit`, `timer`, `burstType`, `burstNum`, the delays and
// their flags, `fontName`, `size`, `style`, `margin`, the four colours,
// `mode`, `modeOpt`, `modeOptNum`, `modeOptCombineRes`, `hideProgress`,
// `hideControls`, the window fields). Every option must be valid as it
// stands (validateOptions changes nothing), so a typo cannot ship.

#include "sets/CustomOptionsFiles.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct OptionSetSource {
    std::string setName;                // UTF-8
    std::vector<OptionFileRec> options; // in the order written
};

// Parses one text. False with `error` ("line N: reason") on the first
// problem.
bool parseOptionSetSource(std::string_view text, OptionSetSource& out, std::string& error);

// The bytes of the set's file.
std::string encodeOptionSet(const OptionSetSource& set);

} // namespace qor
