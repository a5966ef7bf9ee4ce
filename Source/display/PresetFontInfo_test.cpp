#include "display/PresetFontInfo.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using namespace colors;

TEST(PresetFontInfo, TheTenPresets)
{
    struct Expected {
        const char* name;
        QorColor text, page, hlPage, hlText;
    };
    const Expected table[] = {
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
    ASSERT_EQ(PresetFontInfo::count(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const Expected& e = table[i];
        EXPECT_EQ(PresetFontInfo::nameAtIndex(i), e.name);
        FontTrait t;
        ASSERT_TRUE(PresetFontInfo::traits(t, i));
        EXPECT_EQ(t.size, 20);
        EXPECT_EQ(t.fontName, "Arial-BoldMT");
        EXPECT_EQ(t.style, 1);
        EXPECT_EQ(t.margin, 40);
        EXPECT_TRUE(sameColor(t.fontColor, e.text));
        EXPECT_TRUE(sameColor(t.backgroundColor, e.page));
        EXPECT_TRUE(sameColor(t.highlightBackgroundColor, e.hlPage));
        EXPECT_TRUE(sameColor(t.highlightFontColor, e.hlText));
        EXPECT_EQ(PresetFontInfo::matchingPreset(t), i + 1) << "the colours are distinct per preset";
    }
    FontTrait untouched;
    untouched.size = 33;
    EXPECT_FALSE(PresetFontInfo::traits(untouched, 10));
    EXPECT_FALSE(PresetFontInfo::traits(untouched, -1));
    EXPECT_EQ(untouched.size, 33);
    EXPECT_EQ(PresetFontInfo::nameAtIndex(10), "");
}

TEST(PresetFontInfo, MatchingNeedsAllFourColoursExactly)
{
    FontTrait t;
    ASSERT_TRUE(PresetFontInfo::traits(t, 4));
    t.highlightFontColor.blue = 1;  // one unit off in one component
    EXPECT_EQ(PresetFontInfo::matchingPreset(t), 0);
    ASSERT_TRUE(PresetFontInfo::traits(t, 0));
    t.size = 96;
    t.fontName = "Whatever";
    EXPECT_EQ(PresetFontInfo::matchingPreset(t), 1) << "only the colours count";
}

}  // namespace
}  // namespace qor
