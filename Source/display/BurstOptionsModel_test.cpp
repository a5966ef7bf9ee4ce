#include "display/BurstOptionsModel.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct BurstDialog : testing::ReaderFixture {
    BurstDialog(int mode, int opt, BurstOptions burst = {1, 7}) : log(testing::optionsBusLog(bus))
    {
        OptionsRecord r = defaults();
        r.displayMode = {mode, opt, opt == 6 ? 0 : 1, 0};
        r.burst = burst;
        store(r);
        model.initialize();
    }
    std::string enabledRows() const
    {
        std::string s;
        for (int row = 0; row < BurstOptionsModel::kRowCount; ++row)
            s += model.rowEnabled(row) ? '1' : '0';
        return s;
    }
    testing::BusLog log;
    BurstOptionsModel model{options, bus};
};

TEST(BurstOptionsModel, PageModesRestrictTheRows)
{
    struct Case {
        int mode, opt;
        const char* enabled;
        int selected;
        bool warning;
    };
    const Case cases[] = {
        {0, 0, "11111", 1, false}, {1, 5, "11111", 1, false}, {2, 1, "11111", 1, false},
        {3, 6, "00001", 4, true},  {4, 6, "00001", 4, true},  {3, 9, "00001", 4, true},
        {4, 8, "00101", 2, true},  {3, 8, "00101", 2, true},  {3, 7, "11111", 1, false},
        {4, 7, "11111", 1, false},
    };
    for (const Case& c : cases) {
        BurstDialog d(c.mode, c.opt);
        SCOPED_TRACE(std::to_string(c.mode) + "/" + std::to_string(c.opt));
        EXPECT_EQ(d.enabledRows(), c.enabled);
        EXPECT_EQ(d.model.selectedRow(), c.selected);
        EXPECT_EQ(d.model.warningShown(), c.warning);
    }
    BurstDialog d(3, 6);
    d.model.selectRow(0);
    EXPECT_EQ(d.model.selectedRow(), 4) << "a disabled row cannot be chosen";
    EXPECT_EQ(d.model.amountLabel(), "Flashes");
}

TEST(BurstOptionsModel, AmountIsPulledIntoRangeAndOkStoresAndPosts)
{
    BurstDialog d(0, 0, {0, 3});
    EXPECT_EQ(d.model.amountLabel(), "Sentences");
    d.model.setAmount(0);
    EXPECT_EQ(d.model.amount(), 1);
    d.model.setAmount(1000);
    EXPECT_EQ(d.model.amount(), 999);
    d.model.selectRow(3);
    EXPECT_EQ(d.model.amountLabel(), "Phrases");
    d.model.selectRow(7);
    EXPECT_EQ(d.model.selectedRow(), 3);
    d.model.setAmount(12);
    d.model.ok();
    EXPECT_EQ(d.log.posts, (std::vector<std::string>{"OptionsUpdateNotification"}));
    OptionsRecord onDisk;
    ASSERT_TRUE(decodeOptionsRecord(d.fileBytes(), onDisk));
    EXPECT_EQ(onDisk.burst.burstType, 3);
    EXPECT_EQ(onDisk.burst.burstNum, 12);
}

}  // namespace
}  // namespace qor
