#include "display/SpeedOptionsModel.h"

#include "display/DisplayTestSupport.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

namespace qor {
namespace {

using Model = SpeedOptionsModel;

struct SpeedDialog : testing::ReaderFixture {
    SpeedDialog() : log(bus, {note::kTargetSpeedUnit, note::kTargetSpeedLimits, note::kUpdateTargetSpeed,
                              note::kOptionsUpdate})
    {
        store(defaults());
        model.initialize();
    }
    void type(const char* low, const char* high, const char* target)
    {
        model.setFieldText(Model::kLow, low);
        model.setFieldText(Model::kHigh, high);
        model.setFieldText(Model::kTarget, target);
    }
    std::string alertShown() const
    {
        return alerts.shown.empty() ? std::string() : alerts.shown.back().message;
    }
    static std::string text(std::string_view key)
    {
        return MessageTables::localizedString(key, table::kError);
    }

    testing::BusLog log;
    Model model{options, bus};
};

TEST(SpeedOptionsModel, OkChecksInOrderAndKeepsTheDialogOpen)
{
    struct Case {
        const char *low, *high, *target;
        const char* key;  // "" when accepted
    };
    const Case cases[] = {
        {"100", "118", "110", "LowerHigherDifferErr"},
        {"100", "119", "110", ""},
        {"100", "119", "100", ""},
        {"100", "119", "119", ""},
        {"500", "500", "500", "LowerThanHigherErr"},  // fails the first check before the second
        {"600", "500", "550", "LowerThanHigherErr"},
        {"100", "130", "131", "BetweenLowerHigherErr"},
        {"100", "130", "99", "BetweenLowerHigherErr"},
        {"100", "110", "500", "LowerHigherDifferErr"},  // the span is checked before the target
    };
    for (const Case& c : cases) {
        SpeedDialog d;
        d.type(c.low, c.high, c.target);
        bool closed = d.model.ok();
        SCOPED_TRACE(std::string(c.low) + "/" + c.high + "/" + c.target);
        if (*c.key) {
            EXPECT_FALSE(closed);
            ASSERT_EQ(d.alerts.shown.size(), 1u);
            EXPECT_EQ(d.alertShown(), d.text(c.key));
            EXPECT_EQ(d.alerts.shown[0].severity, kSeverityInformational);
            EXPECT_EQ(d.alerts.shown[0].buttons.size(), 1u);
            EXPECT_TRUE(d.log.posts.empty());
            EXPECT_EQ(d.options.record(), d.defaults()) << "nothing stored";
        } else {
            EXPECT_TRUE(closed);
            EXPECT_TRUE(d.alerts.shown.empty());
            OptionsRecord r = d.options.record();
            EXPECT_EQ(r.lowSpeed, atoi(c.low));
            EXPECT_EQ(r.highSpeed, atoi(c.high));
            EXPECT_EQ(r.speed, atoi(c.target));
        }
    }
}

TEST(SpeedOptionsModel, AcceptedChangeIsSavedAndPostsUnitLimitsSpeed)
{
    SpeedDialog d;
    d.model.setUnit(kUnitCPM);
    EXPECT_EQ(d.model.fieldText(Model::kLow), "500");
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "10000");
    EXPECT_EQ(d.model.fieldText(Model::kTarget), "1250");
    ASSERT_TRUE(d.model.ok());
    EXPECT_EQ(d.log.posts, (std::vector<std::string>{"TargetSpeedUnitNotification(2)",
                                                     "TargetSpeedLimitsNotification",
                                                     "UpdateTargetSpeedNotification"}));
    OptionsRecord onDisk;
    ASSERT_TRUE(decodeOptionsRecord(d.fileBytes(), onDisk));
    EXPECT_EQ(onDisk.unit, kUnitCPM);
    EXPECT_EQ(onDisk.lowSpeed, 500);
    EXPECT_EQ(onDisk.speed, 1250);
    OptionsRecord rest = onDisk;
    rest.unit = 0;
    rest.lowSpeed = 100;
    rest.highSpeed = 2000;
    rest.speed = 250;
    EXPECT_EQ(rest, d.defaults()) << "only the dialog's fields change";
}

TEST(SpeedOptionsModel, UnitChangesConvertAndNeverGiveZero)
{
    SpeedDialog d;
    d.type("11", "2000", "250");
    d.model.setUnit(kUnitCPS);  // 11 WPM would be 0 CPS
    EXPECT_EQ(d.model.fieldText(Model::kLow), "1");
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "166");
    EXPECT_EQ(d.model.fieldText(Model::kTarget), "20");
    EXPECT_EQ(d.model.unitName(), "CPS");
    EXPECT_EQ(d.model.descriptionKey(), "CPS Desc");
    EXPECT_EQ(d.model.approxWpmText(Model::kTarget), "= Approx. 240 WPM");
    d.model.setUnit(kUnitWPM);
    EXPECT_EQ(d.model.fieldText(Model::kTarget), "240");
    EXPECT_EQ(d.model.approxWpmText(Model::kTarget), "");
    EXPECT_EQ(d.model.descriptionKey(), "WPM Desc");

    d.type("999999", "999999", "999999");
    d.model.setUnit(kUnitCPS);
    d.model.setUnit(kUnitCPM);
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "999999") << "never beyond what the field takes";
    d.model.setUnit(9);
    EXPECT_EQ(d.model.unit(), kUnitCPM);
}

TEST(SpeedOptionsModel, FieldsAreClampedOnFocusLossAndAtOk)
{
    SpeedDialog d;
    d.model.setFieldText(Model::kLow, "0");
    d.model.fieldLostFocus(Model::kLow);
    EXPECT_EQ(d.model.fieldText(Model::kLow), "1");
    d.model.setFieldText(Model::kHigh, "12345678");
    d.model.fieldLostFocus(Model::kHigh);
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "999999");
    d.model.setFieldText(Model::kHigh, "abc");
    d.model.fieldLostFocus(Model::kHigh);
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "1");

    // OK without any focus change: target 0 and low -5 are pulled to 1,
    // and the record never gets a speed of 0.
    d.type("-5", "2000", "0");
    ASSERT_TRUE(d.model.ok());
    EXPECT_EQ(d.options.record().lowSpeed, 1);
    EXPECT_EQ(d.options.record().speed, 1);
    OptionsRecord out;
    d.options.getOptions(out);
    EXPECT_EQ(out.highSpeed, 2000) << "the record was not replaced by the defaults";
    EXPECT_EQ(out.speed, 1);
}

TEST(SpeedOptionsModel, DefaultsAndFieldParsing)
{
    SpeedDialog d;
    d.model.setUnit(kUnitCPS);
    d.model.setDefaults();
    EXPECT_EQ(d.model.unit(), kUnitWPM);
    EXPECT_EQ(d.model.fieldText(Model::kLow), "100");
    EXPECT_EQ(d.model.fieldText(Model::kHigh), "2000");
    EXPECT_EQ(d.model.fieldText(Model::kTarget), "250");
    EXPECT_EQ(leadingNumber("  42abc"), 42);
    EXPECT_EQ(leadingNumber("-7"), -7);
    EXPECT_EQ(leadingNumber("x1"), 0);
    EXPECT_GT(leadingNumber("99999999999999999999999"), 999999);
}

TEST(SpeedOptionsModel, SaveFailureIsShownButTheChangeStands)
{
    SpeedDialog d;
    fs::removeFile(d.optionsFile());
    ::rmdir(d.folder.c_str());
    d.type("100", "2000", "300");
    EXPECT_TRUE(d.model.ok());
    EXPECT_EQ(d.alerts.shown.size(), 1u);
    EXPECT_EQ(d.options.record().speed, 300);
    EXPECT_EQ(d.log.posts.size(), 3u);
}

}  // namespace
}  // namespace qor
