#include "display/FontAndColorsModel.h"

#include "display/DisplayTestSupport.h"
#include "display/PresetFontInfo.h"

#include <gtest/gtest.h>

#include <limits>

namespace qor {
namespace {

struct FontDialog : testing::ReaderFixture {
    FontDialog() : log(testing::optionsBusLog(bus))
    {
        store(defaults());
        model.initialize();
    }
    testing::BusLog log;
    FontAndColorsModel model{options, bus};
};

TEST(FontAndColorsModel, PresetChangesColoursSizeAndNameButNotColumnOrStyle)
{
    FontDialog d;
    ASSERT_TRUE(d.model.applyPreset(3));
    EXPECT_EQ(d.model.working().margin, 40) << "the working copy is the whole preset";
    d.model.ok();
    EXPECT_EQ(d.log.posts, (std::vector<std::string>{"OptionsUpdateNotification"}));
    OptionsRecord onDisk;
    ASSERT_TRUE(decodeOptionsRecord(d.fileBytes(), onDisk));
    FontTrait preset;
    PresetFontInfo::traits(preset, 3);
    EXPECT_TRUE(sameColor(onDisk.font.fontColor, colors::kDarkGrey));
    EXPECT_TRUE(sameColor(onDisk.font.backgroundColor, colors::kBlack));
    EXPECT_TRUE(sameColor(onDisk.font.highlightBackgroundColor, colors::kOlive));
    EXPECT_TRUE(sameColor(onDisk.font.highlightFontColor, colors::kYellow));
    EXPECT_EQ(onDisk.font.size, 20);
    EXPECT_EQ(onDisk.font.fontName, "Arial-BoldMT");
    EXPECT_EQ(onDisk.font.margin, 553);
    EXPECT_EQ(onDisk.font.style, 0);
    EXPECT_EQ(PresetFontInfo::matchingPreset(onDisk.font), 4);
    EXPECT_FALSE(d.model.applyPreset(10));
}

TEST(FontAndColorsModel, ChoosersSetNameSizeAndColours)
{
    FontDialog d;
    d.model.setFont("DejaVuSans-Bold", 17.9);
    EXPECT_EQ(d.model.working().fontName, "DejaVuSans-Bold");
    EXPECT_EQ(d.model.working().size, 17) << "truncated";
    d.model.setFont(std::string(300, 'n'), 0.5);
    EXPECT_EQ(d.model.working().fontName.size(), 127u);
    EXPECT_EQ(d.model.working().size, 4);
    d.model.setFont("", 9000);
    EXPECT_EQ(d.model.working().fontName.size(), 127u) << "an empty name keeps the font";
    EXPECT_EQ(d.model.working().size, 512);
    d.model.setFont("X", std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(d.model.working().size, 512);

    // 16-bit components go in unchanged: one unit matters for the preset match.
    d.model.setColor(FontAndColorsModel::kBackgroundColor, 57671, 57671, 57671);
    d.model.setColor(FontAndColorsModel::kHighlightFontColor, 65535, -4, 70000);
    EXPECT_TRUE(sameColor(d.model.color(FontAndColorsModel::kBackgroundColor), colors::kLightGrey));
    EXPECT_TRUE(sameColor(d.model.color(FontAndColorsModel::kHighlightFontColor), {65535, 0, 65535, 65535}));
    EXPECT_EQ(FontAndColorsModel::colorTitle(FontAndColorsModel::kHighlightBackgroundColor),
              "Highlight Background Color");
}

TEST(PresetFontColorModel, StartsOnTheMatchingPreset)
{
    FontTrait t;
    PresetFontInfo::traits(t, 6);
    PresetFontColorModel chooser(t);
    EXPECT_EQ(chooser.selectedRow(), 6);
    EXPECT_EQ(PresetFontColorModel::names().size(), 10u);
    chooser.select(12);
    EXPECT_EQ(chooser.chosenIndex(), 6);
    chooser.select(-1);
    EXPECT_FALSE(chooser.canApply());
    t.fontColor.red = 1;
    EXPECT_EQ(PresetFontColorModel(t).selectedRow(), 0);
}

}  // namespace
}  // namespace qor
