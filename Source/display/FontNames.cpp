#include "display/FontNames.h"

#include "base/Encoding.h"
#include "display/OptionsRecord.h"

#include <array>

namespace qor {

namespace {

enum class Kind { Sans, Serif, Mono, Narrow };

// Installed stand-ins of each kind, best first (fonts-liberation, then
// fonts-dejavu).
std::array<const char*, 3> standIns(Kind kind)
{
    switch (kind) {
    case Kind::Serif: return {"Liberation Serif", "DejaVu Serif", nullptr};
    case Kind::Mono: return {"Liberation Mono", "DejaVu Sans Mono", nullptr};
    case Kind::Narrow: return {"Liberation Sans Narrow", "Liberation Sans", "DejaVu Sans Condensed"};
    case Kind::Sans: break;
    }
    return {"Liberation Sans", "DejaVu Sans", nullptr};
}

struct KnownName {
    const char* storedName;
    Kind kind;
    // Prefer DejaVu over Liberation (faces closer in shape and width).
    bool dejaVuFirst;
    bool bold, italic;
    // The name stored for the kind's first stand-in in this weight.
    bool canonical;
};

constexpr KnownName kKnown[] = {
    {"ArialMT", Kind::Sans, false, false, false, true},
    {"Arial-BoldMT", Kind::Sans, false, true, false, true},
    {"Arial-ItalicMT", Kind::Sans, false, false, true, true},
    {"Arial-BoldItalicMT", Kind::Sans, false, true, true, true},
    {"TimesNewRomanPSMT", Kind::Serif, false, false, false, true},
    {"TimesNewRomanPS-BoldMT", Kind::Serif, false, true, false, true},
    {"TimesNewRomanPS-ItalicMT", Kind::Serif, false, false, true, true},
    {"TimesNewRomanPS-BoldItalicMT", Kind::Serif, false, true, true, true},
    {"CourierNewPSMT", Kind::Mono, false, false, false, true},
    {"CourierNewPS-BoldMT", Kind::Mono, false, true, false, true},
    {"CourierNewPS-ItalicMT", Kind::Mono, false, false, true, true},
    {"CourierNewPS-BoldItalicMT", Kind::Mono, false, true, true, true},
    {"ArialNarrow", Kind::Narrow, false, false, false, true},
    {"ArialNarrow-Bold", Kind::Narrow, false, true, false, true},
    {"ArialNarrow-Italic", Kind::Narrow, false, false, true, true},
    {"ArialNarrow-BoldItalic", Kind::Narrow, false, true, true, true},
    {"Arial", Kind::Sans, false, false, false, false},
    {"Helvetica", Kind::Sans, false, false, false, false},
    {"Helvetica-Bold", Kind::Sans, false, true, false, false},
    {"Helvetica-Oblique", Kind::Sans, false, false, true, false},
    {"Helvetica-BoldOblique", Kind::Sans, false, true, true, false},
    {"Times-Roman", Kind::Serif, false, false, false, false},
    {"Times-Bold", Kind::Serif, false, true, false, false},
    {"Times-Italic", Kind::Serif, false, false, true, false},
    {"Times-BoldItalic", Kind::Serif, false, true, true, false},
    {"Courier", Kind::Mono, false, false, false, false},
    {"Courier-Bold", Kind::Mono, false, true, false, false},
    {"Courier-Oblique", Kind::Mono, false, false, true, false},
    {"Courier-BoldOblique", Kind::Mono, false, true, true, false},
    {"Verdana", Kind::Sans, true, false, false, false},
    {"Verdana-Bold", Kind::Sans, true, true, false, false},
    {"Verdana-Italic", Kind::Sans, true, false, true, false},
    {"Verdana-BoldItalic", Kind::Sans, true, true, true, false},
    {"LucidaGrande", Kind::Sans, true, false, false, false},
    {"LucidaGrande-Bold", Kind::Sans, true, true, false, false},
    {"Geneva", Kind::Sans, true, false, false, false},
    {"Georgia", Kind::Serif, true, false, false, false},
    {"Georgia-Bold", Kind::Serif, true, true, false, false},
    {"Georgia-Italic", Kind::Serif, true, false, true, false},
    {"Georgia-BoldItalic", Kind::Serif, true, true, true, false},
    {"Monaco", Kind::Mono, true, false, false, false},
    {"Menlo-Regular", Kind::Mono, true, false, false, false},
    {"Menlo-Bold", Kind::Mono, true, true, false, false},
};

std::string withoutBlanks(std::string_view s)
{
    std::string out;
    for (char c : s)
        if (c != ' ')
            out.push_back(c);
    return out;
}

bool contains(std::string_view hay, std::string_view needle)
{
    return foldCaseUtf8(hay).find(foldCaseUtf8(needle)) != std::string::npos;
}

// The installed family equal to `name` (ignoring case), or with its blanks
// removed equal to `compact`; nullptr when none.
const std::string* findFamily(const std::vector<std::string>& families, std::string_view name,
                              bool compareCompact)
{
    for (const std::string& f : families)
        if (equalIgnoringCase(f, name))
            return &f;
    if (compareCompact)
        for (const std::string& f : families)
            if (equalIgnoringCase(withoutBlanks(f), name))
                return &f;
    return nullptr;
}

std::string standInFamily(Kind kind, bool dejaVuFirst, const std::vector<std::string>& families)
{
    std::array<const char*, 3> list = standIns(kind);
    if (dejaVuFirst && kind != Kind::Narrow)
        std::swap(list[0], list[1]);
    for (const char* candidate : list)
        if (candidate)
            if (const std::string* f = findFamily(families, candidate, false))
                return *f;
    // Nothing of ours is installed: ask for the first choice and let the
    // font system substitute.
    return list[0];
}

Kind guessKind(std::string_view name)
{
    if (contains(name, "narrow") || contains(name, "condensed"))
        return Kind::Narrow;
    if (contains(name, "mono") || contains(name, "courier") || contains(name, "code"))
        return Kind::Mono;
    if (contains(name, "sans"))
        return Kind::Sans;
    if (contains(name, "serif") || contains(name, "times") || contains(name, "roman") ||
        contains(name, "georgia") || contains(name, "garamond") || contains(name, "palatino"))
        return Kind::Serif;
    return Kind::Sans;
}

}  // namespace

FontFace faceForStoredName(std::string_view storedName, const std::vector<std::string>& families)
{
    for (const KnownName& k : kKnown)
        if (storedName == k.storedName)
            return {standInFamily(k.kind, k.dejaVuFirst, families), k.bold, k.italic};

    std::string name = macRomanToUtf8(storedName);
    if (name.empty())
        return {standInFamily(Kind::Sans, false, families), false, false};
    // The name as a whole: a family ("DejaVu Serif", "DejaVuSerif").
    if (const std::string* f = findFamily(families, name, true))
        return {*f, false, false};

    // A family and a style: "DejaVuSans-BoldOblique".
    size_t dash = name.rfind('-');
    std::string_view style = dash == std::string::npos ? std::string_view() : std::string_view(name).substr(dash + 1);
    bool bold = contains(style, "bold") || contains(style, "black") || contains(style, "heavy");
    bool italic = contains(style, "italic") || contains(style, "oblique");
    if (dash != std::string::npos && dash > 0)
        if (const std::string* f = findFamily(families, name.substr(0, dash), true))
            return {*f, bold, italic};
    return {standInFamily(guessKind(name), false, families), bold, italic};
}

std::string storedNameForFace(const FontFace& face)
{
    if (face.family.empty())
        return {};
    for (const KnownName& k : kKnown)
        if (k.canonical && k.bold == face.bold && k.italic == face.italic &&
            equalIgnoringCase(face.family, standIns(k.kind)[0]))
            return k.storedName;
    std::string name = withoutBlanks(face.family);
    if (face.bold && face.italic)
        name += "-BoldItalic";
    else if (face.bold)
        name += "-Bold";
    else if (face.italic)
        name += "-Italic";
    std::string stored = utf8ToMacRomanLossy(name);
    if (stored.size() > kChosenFontNameMax)
        stored.resize(kChosenFontNameMax);
    return stored;
}

}  // namespace qor
