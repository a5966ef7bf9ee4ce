#pragma once
// Stored font names and the fonts installed here.
//
// Records store PostScript font names ("ArialMT", "TimesNewRomanPS-BoldMT"),
// written on machines with other fonts than this one. faceForStoredName
// finds the installed family and weight to draw such a name with;
// storedNameForFace gives the name to store for a font the reader picks.
// The two agree: a face picked here and stored reads back as the same
// face, and the faces that stand in for the common names are stored under
// those names, so records stay comparable with the shipped presets.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct FontFace {
    std::string family;  // UTF-8, as the font catalogue lists it
    bool bold = false;
    bool italic = false;
    bool operator==(const FontFace&) const = default;
};

// The face for a stored name (Mac OS Roman), among the installed families
// (compared ignoring letter case). A known name maps to its stand-in
// ("ArialMT" to Liberation Sans, "TimesNewRomanPS-BoldMT" to bold
// Liberation Serif); a name that is an installed family, or such a family
// with its blanks removed and a style after "-" ("DejaVuSans-Bold"), maps
// to that family; anything else to the stand-in of its kind (serif,
// monospaced or sans). Weight and slant follow the name.
FontFace faceForStoredName(std::string_view storedName, const std::vector<std::string>& installedFamilies);

// The name to store for a face: the common name it stands in for when
// there is one ("Liberation Sans" bold is "Arial-BoldMT"), else the family
// without blanks and a "-Bold", "-Italic" or "-BoldItalic" suffix. Mac OS
// Roman, at most 127 bytes; "" for an empty family.
std::string storedNameForFace(const FontFace& face);

}  // namespace qor
