#include "display/PresetFontInfo.h"

namespace qor {

namespace {

struct FontPreset {
    std::string_view name;
    QorColor text, page, highlightPage, highlightText;
};

using namespace colors;
// The names are shown as they stand, spacing and all.
constexpr FontPreset kPresets[] = {
    {"01 - Arial, 20, Bold, Yellow,     BC:Black, HFC:Yellow,HBC:Olive", kYellow, kBlack, kOlive, kYellow},
    {"02 - Arial, 20, Bold, Black,      BC:White, HFC:Black, HBC:Yellow", kBlack, kWhite, kYellow, kBlack},
    {"03 - Arial, 20, Bold, Dark-Gray,  BC:Black, HFC:Yellow, HBC:Black", kDarkGrey, kBlack, kBlack, kYellow},
    {"04 - Arial, 20, Bold, Dark-Gray,  BC:Black, HFC:Yellow, HBC:Olive", kDarkGrey, kBlack, kOlive, kYellow},
    {"05 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Black, HBC:White", kLightGrey, kWhite, kWhite, kBlack},
    {"06 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Red,  HBC:White", kLightGrey, kWhite, kWhite, kRed},
    {"07 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Blue,  HBC:White", kLightGrey, kWhite, kWhite, kBlue},
    {"08 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Black,  HBC:Yellow", kLightGrey, kWhite, kYellow, kBlack},
    {"09 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Red,  HBC:Yellow", kLightGrey, kWhite, kYellow, kRed},
    {"10 - Arial, 20, Bold, Light-Gray, BC:White, HFC:Blue,  HBC:Yellow", kLightGrey, kWhite, kYellow, kBlue},
};
constexpr int kCount = static_cast<int>(std::size(kPresets));

}  // namespace

int PresetFontInfo::count()
{
    return kCount;
}

bool PresetFontInfo::traits(FontTrait& out, int index)
{
    if (index < 0 || index >= kCount)
        return false;
    const FontPreset& p = kPresets[index];
    out = FontTrait{};
    out.fontColor = p.text;
    out.backgroundColor = p.page;
    out.highlightBackgroundColor = p.highlightPage;
    out.highlightFontColor = p.highlightText;
    out.margin = 40;
    out.style = 1;
    out.size = 20;
    out.fontName = "Arial-BoldMT";
    return true;
}

std::string_view PresetFontInfo::nameAtIndex(int index)
{
    return index >= 0 && index < kCount ? kPresets[index].name : std::string_view();
}

int PresetFontInfo::matchingPreset(const FontTrait& font)
{
    for (int i = 0; i < kCount; ++i) {
        const FontPreset& p = kPresets[i];
        if (ObjUtils::equalColor(font.fontColor, p.text) &&
            ObjUtils::equalColor(font.backgroundColor, p.page) &&
            ObjUtils::equalColor(font.highlightBackgroundColor, p.highlightPage) &&
            ObjUtils::equalColor(font.highlightFontColor, p.highlightText))
            return i + 1;
    }
    return 0;
}

}  // namespace qor
