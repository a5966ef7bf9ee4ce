#include "session/DisplayRecommendation.h"

#include "display/PresetFontInfo.h"

namespace qor {

namespace {

enum Considered : unsigned {
    kLines = 1u << 0,
    kWidth = 1u << 1,
    kHeight = 1u << 2,
    kFont22 = 1u << 3,
    kFontScreen = 1u << 4,
    kWords3 = 1u << 5,
    kColours = 1u << 6,
    kMargin = 1u << 7,
};

// What each mode and option looks at, and its silent burst change:
// 0 none, 1 "type below 4 becomes 4, amount 5", 2 "type 0, 1 or 3
// becomes 2, amount 2".
struct Row {
    unsigned considered;
    int burst;
};

Row rowFor(int mode, int opt)
{
    switch (mode) {
    case 0:
    case 1:
        return opt == 2 ? Row{kLines | kColours, 0} : Row{kColours, 0};
    case 2:
        switch (opt) {
        case 0: return {kFont22 | kWords3 | kWidth | kHeight | kColours, 0};
        case 1: return {kFont22 | kWidth | kHeight | kColours, 0};
        case 2: return {kHeight | kFont22 | kColours, 0};
        default: return {kColours, 0};
        }
    case 3:
        switch (opt) {
        case 6: return {kColours, 1};
        case 7: return {kFont22 | kWords3 | kWidth | kHeight, 0};
        case 8: return {kFont22 | kWidth | kHeight, 2};
        case 9: return {kHeight | kFont22, 1};
        default: return {0, 0};
        }
    case 4:
        switch (opt) {
        case 6: return {kHeight | kFontScreen | kMargin | kColours, 1};
        case 7: return {kWords3 | kHeight | kFontScreen | kMargin, 0};
        case 8: return {kHeight | kFontScreen | kMargin, 2};
        case 9: return {kHeight | kFontScreen | kMargin, 1};
        default: return {0, 0};
        }
    default:
        return {0, 0};
    }
}

int fontScreenLimit(int w)
{
    if (w >= 1024)
        return 19;
    if (w >= 800)
        return 15;
    if (w >= 640)
        return 13;
    return 0;
}

int fontScreenTarget(int w)
{
    if (w >= 1024)
        return 18;
    if (w >= 800)
        return 14;
    if (w >= 640)
        return 12;
    return 0;
}

}  // namespace

Recommendation recommendDisplay(const RecommendationInput& in)
{
    const OptionsRecord& o = in.options;
    const int mode = o.displayMode.mode;
    const int opt = o.displayMode.modeOpt;
    const Row row = rowFor(mode, opt);
    Recommendation r;
    r.colourPreset = PresetFontInfo::matchingPreset(o.font);

    auto considered = [&](unsigned c) { return (row.considered & c) != 0; };
    const int W = in.visibleWidth;
    const int H = in.visibleHeight;
    r.lines = considered(kLines) && !in.linesFit;
    r.width = considered(kWidth) && o.windowWidth < W - 8;
    r.height = considered(kHeight) && o.windowHeight < H - 8;
    r.font22 = considered(kFont22) && o.font.size > 22;
    const int limit = fontScreenLimit(W);
    r.fontScreen = considered(kFontScreen) && limit > 0 && o.font.size >= limit;
    if (r.fontScreen)
        r.fontScreenSize = fontScreenTarget(W);
    r.words3 = considered(kWords3) && o.displayMode.modeOptNum < 3;
    r.colours = considered(kColours) && r.colourPreset >= 3 && r.colourPreset <= 10;
    r.margin = considered(kMargin);
    r.fit = mode == 4 ? in.longestLine <= o.font.margin : true;

    const int32_t type = o.burst.burstType;
    if (row.burst == 1 && type < 4) {
        r.burstChange = true;
        r.burstType = 4;
        r.burstNum = 5;
    } else if (row.burst == 2 && (type == 0 || type == 1 || type == 3)) {
        r.burstChange = true;
        r.burstType = 2;
        r.burstNum = 2;
    }
    return r;
}

bool Recommendation::ask() const
{
    return lines || width || height || font22 || fontScreen || words3 || colours || margin || !fit;
}

std::string Recommendation::message() const
{
    std::string s = "Based on your current font and mode settings, you may want to change the following:\n";
    auto line = [&](const char* text) {
        s += "   - ";
        s += text;
        s += ".\n";
    };
    if (lines)
        line("Stretch screen height");
    if (width)
        line("Stretch screen width");
    if (width || margin)
        line("Stretch margin width");
    if (font22)
        line("Reduce font size to 22");
    if (words3)
        line("Increase number of words to display/highlight to 3 words");
    if (height)
        line("Stretch screen height");
    if (fontScreen) {
        if (fontScreenSize == 18)
            line("Reduce font size to 18");
        else if (fontScreenSize == 14)
            line("Reduce font size to 14");
        else
            line("Reduce font size to 12");
    }
    if (colours)
        line("Change colors to a recommended setting for non-highlight modes");
    s += "\nDo you want the above recommended option settings?";
    return s;
}

void applyRecommendation(const Recommendation& r, OptionsRecord& rec)
{
    if (r.font22)
        rec.font.size = 22;
    if (r.words3) {
        rec.displayMode.modeOptNum = 3;
        rec.displayMode.modeOptCombineRes = 1;
    }
    if (r.fontScreen && r.fontScreenSize > 0)
        rec.font.size = r.fontScreenSize;
    if (r.colours) {
        FontTrait preset;
        if (PresetFontInfo::traits(preset, r.colourPreset <= 4 ? 0 : 1)) {
            rec.font.fontColor = preset.fontColor;
            rec.font.backgroundColor = preset.backgroundColor;
            rec.font.highlightBackgroundColor = preset.highlightBackgroundColor;
            rec.font.highlightFontColor = preset.highlightFontColor;
        }
    }
    if (r.burstChange) {
        rec.burst.burstType = r.burstType;
        rec.burst.burstNum = r.burstNum;
    }
}

}  // namespace qor
