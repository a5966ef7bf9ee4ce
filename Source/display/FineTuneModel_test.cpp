#include "display/FineTuneModel.h"

#include "display/DisplayTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using M = FineTuneModel;

struct FineTuneDialog : testing::ReaderFixture {
    FineTuneDialog() : log(testing::optionsBusLog(bus))
    {
        store(defaults());
        model.initialize();
    }
    testing::BusLog log;
    FineTuneModel model{options, bus};
};

TEST(FineTuneModel, EachCheckBoxEnablesItsOwnFields)
{
    FineTuneDialog d;
    const M::Field fields[] = {M::kLongWordDelay,        M::kWordLength,          M::kSentenceDelay,
                               M::kPunctuationDelay,     M::kBeginningOfLineDelay, M::kBeginningOfPageDelay,
                               M::kMinimumDelay};
    for (M::Field f : fields)
        EXPECT_FALSE(d.model.fieldEnabled(f));
    d.model.setFlag(M::kLongWord, true);
    d.model.setFlag(M::kBeginningOfPage, true);
    d.model.setFlag(M::kFixed, true);  // fixed rate has no fields of its own
    std::string enabled;
    for (M::Field f : fields)
        enabled += d.model.fieldEnabled(f) ? '1' : '0';
    EXPECT_EQ(enabled, "1100010");
}

TEST(FineTuneModel, ValuesArePulledIntoRange)
{
    FineTuneDialog d;
    struct Case {
        M::Field field;
        long long typed;
        int kept;
    };
    const Case cases[] = {
        {M::kLongWordDelay, 99, 100},      {M::kLongWordDelay, 32001, 32000}, {M::kSentenceDelay, 0, 100},
        {M::kMinimumDelay, 5000, 5000},    {M::kWordLength, 4, 5},            {M::kWordLength, 81, 80},
        {M::kWordLength, 12, 12},          {M::kPunctuationDelay, -1, 100},
    };
    for (const Case& c : cases) {
        d.model.setValue(c.field, c.typed);
        EXPECT_EQ(d.model.value(c.field), c.kept) << c.field << " " << c.typed;
    }
}

TEST(FineTuneModel, OkStoresEverythingThenPostsUpdateAndFineTuneState)
{
    struct Case {
        M::Flag flag;  // kFlagCount: none on
        const char* fineTune;
    };
    const Case cases[] = {
        {M::kFlagCount, "FineTuneOnNotification(NO)"},
        {M::kFixed, "FineTuneOnNotification(YES)"},
        {M::kMinimum, "FineTuneOnNotification(YES)"},
        {M::kPunctuation, "FineTuneOnNotification(YES)"},
    };
    for (const Case& c : cases) {
        FineTuneDialog d;
        if (c.flag != M::kFlagCount)
            d.model.setFlag(c.flag, true);
        d.model.setValue(M::kSentenceDelay, 777);
        d.model.setValue(M::kWordLength, 11);
        d.model.ok();
        EXPECT_EQ(d.log.posts, (std::vector<std::string>{"OptionsUpdateNotification", c.fineTune}));
        OptionsRecord onDisk;
        ASSERT_TRUE(decodeOptionsRecord(d.fileBytes(), onDisk));
        EXPECT_EQ(onDisk.delay.sentenceDelay, 777);
        EXPECT_EQ(onDisk.delay.wordLength, 11);
        EXPECT_EQ(onDisk.delay.bFixed, c.flag == M::kFixed ? 1 : 0);
        EXPECT_EQ(onDisk.delay.bMinimumDelay, c.flag == M::kMinimum ? 1 : 0);
        EXPECT_EQ(onDisk.delay.bPuctuationDelay, c.flag == M::kPunctuation ? 1 : 0);
    }
}

}  // namespace
}  // namespace qor
