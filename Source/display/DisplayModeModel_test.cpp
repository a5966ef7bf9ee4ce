#include "display/DisplayModeModel.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using Labels = std::vector<std::string_view>;

struct ModeDialog : testing::ReaderFixture {
    explicit ModeDialog(DisplayModeOptions start = {0, 0, 1, 0}) : log(testing::optionsBusLog(bus))
    {
        OptionsRecord r = defaults();
        r.displayMode = start;
        store(r);
        model.initialize();
    }
    testing::BusLog log;
    DisplayModeModel model{options, bus};
};

TEST(DisplayModeModel, ChoosingAModeOffersItsOptionsAndSelectsTheFirst)
{
    ModeDialog d({0, 3, 4, 0});
    EXPECT_EQ(d.model.optionRow(), 2);
    EXPECT_EQ(DisplayModeModel::modeLabels(),
              (Labels{"Center Text", "Upper Left", "Eye Trainer", "Unformatted Page", "Formatted Page"}));

    d.model.selectMode(2);
    EXPECT_EQ(d.model.optionLabels(),
              (Labels{"Words on Single Line", "Eye Fixations on Single Line", "Whole Line"}));
    EXPECT_EQ(d.model.option(), 0);
    EXPECT_EQ(d.model.descriptionKey(), "EyeTrainer");

    d.model.selectMode(3);
    EXPECT_EQ(d.model.optionLabels(), (Labels{"No Highlighting", "Highlight Words on Single Line",
                                              "Highlight Eye Fixations on Single Line", "Highlight Whole Lines"}));
    EXPECT_EQ(d.model.option(), 6);
    EXPECT_FALSE(d.model.countVisible()) << "No Highlighting hides the count";

    EXPECT_EQ(d.model.count(), 4) << "a count that fits the new range is kept";
    d.model.setCount(20);
    d.model.selectOptionRow(2);
    EXPECT_EQ(d.model.option(), 8);
    EXPECT_TRUE(d.model.countVisible());
    EXPECT_EQ(d.model.countLabel(), "Eye Fixations (per margin width)");
    EXPECT_EQ(d.model.count(), 4) << "pulled into 2..4 by the change of option";
}

TEST(DisplayModeModel, CountIsPulledIntoTheOptionsRange)
{
    struct Case {
        int mode, row;
        long long typed;
        int kept;
    };
    const Case cases[] = {
        {0, 0, 0, 1},   {0, 0, 21, 20},  {0, 0, 7, 7},   {2, 1, 1, 2},   {2, 1, 5, 4},
        {0, 2, -3, 1},  {0, 3, 6, 5},    {1, 3, 0, 1},   {1, 4, 99, 5},  {3, 0, 101, 100},
        {3, 0, 0, 0},   {4, 3, 30, 20},  {4, 2, 3, 3},
    };
    for (const Case& c : cases) {
        ModeDialog d;
        d.model.selectMode(c.mode);
        d.model.selectOptionRow(c.row);
        d.model.setCount(c.typed);
        EXPECT_EQ(d.model.count(), c.kept) << c.mode << "/" << c.row << " " << c.typed;
    }
    ModeDialog d;
    d.model.selectMode(2);
    d.model.selectOptionRow(1);
    d.model.stepCount(-1);
    EXPECT_EQ(d.model.count(), 2);
    d.model.stepCount(+5);
    EXPECT_EQ(d.model.count(), 4);
}

TEST(DisplayModeModel, CombineResidualShownOnlyWhereItApplies)
{
    struct Case {
        int mode, row, count;
        bool shown;
    };
    const Case cases[] = {
        {2, 0, 2, true},  {2, 2, 3, true},  {2, 0, 1, false}, {2, 1, 3, false},
        {3, 1, 2, true},  {3, 3, 2, true},  {4, 1, 5, true},  {4, 3, 1, false},
        {3, 2, 3, false}, {3, 0, 50, false}, {0, 0, 5, false}, {1, 1, 5, false},
    };
    for (const Case& c : cases) {
        ModeDialog d;
        d.model.selectMode(c.mode);
        d.model.selectOptionRow(c.row);
        d.model.setCount(c.count);
        EXPECT_EQ(d.model.combineVisible(), c.shown) << c.mode << "/" << c.row << " x" << c.count;
    }
}

TEST(DisplayModeModel, ConfirmStoresAndPostsCancelOnlyUpdates)
{
    {
        ModeDialog d;
        d.model.selectMode(4);
        d.model.selectOptionRow(3);  // option 9
        d.model.setCount(3);
        d.model.setCombineResidual(true);
        d.model.finish(true);
        EXPECT_EQ(d.log.posts, (std::vector<std::string>{"DisplayRecommendationNotification",
                                                         "OptionsUpdateNotification"}));
        OptionsRecord onDisk;
        ASSERT_TRUE(decodeOptionsRecord(d.fileBytes(), onDisk));
        EXPECT_EQ(onDisk.displayMode.mode, 4);
        EXPECT_EQ(onDisk.displayMode.modeOpt, 9);
        EXPECT_EQ(onDisk.displayMode.modeOptNum, 3);
        EXPECT_EQ(onDisk.displayMode.modeOptCombineRes, 1);
    }
    {
        ModeDialog d({2, 1, 3, 0});
        EXPECT_EQ(d.model.mode(), 2);
        EXPECT_EQ(d.model.optionRow(), 1);
        d.model.selectMode(0);
        d.model.finish(false);
        EXPECT_EQ(d.log.posts, (std::vector<std::string>{"OptionsUpdateNotification"}));
        EXPECT_EQ(d.options.record().displayMode.mode, 2);
    }
}

}  // namespace
}  // namespace qor
