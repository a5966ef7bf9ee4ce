#include "sets/CustomOptionsDialogs.h"
#include "sets/SetsTestSupport.h"

#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "users/CurrentPrefs.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace qor {
namespace {

using testing_sets::SetSite;

std::string stored(const std::string& name, int speed, uint16_t unit = 0)
{
    OptionFileRec r;
    r.name = name;
    StandardOptions::defaultWindowOptions(r.options);
    r.options.speed = speed;
    r.options.unit = unit;
    return CustomOptionsFiles::convertToPCRec(r);
}

struct DialogSite : SetSite {
    DialogSite()
    {
        logOn("Admin");
        prefs.loadPrefsFileForUser("Admin");
        file("CustomOptions3/# Standard Options.db", stored("Normal", 250) + stored("Fast", 600, 2));
        file("CustomOptions3/Mine.db", stored("b", 300) + stored("a", 200));
        file("CustomOptions3/Empty.db");
    }
    CurrentPrefs prefs{*admin};
    CurrentOptions options;
    NotificationBus bus;
};

TEST(SelectCustomOptions, ChoosesTheLastSetAndOptionAgain)
{
    DialogSite s;
    s.prefs.setStringValue("mine", kLastCustOptSetKey);
    s.prefs.setStringValue("b", kLastCustOptionKey);
    SelectCustomOptionsModel m(s.prefs, s.options, s.bus, s.external);
    m.initialize();
    EXPECT_EQ(m.setNames(), (std::vector<std::string>{"# Standard Options", "Empty", "Mine"}));
    EXPECT_EQ(m.selectedSetName(), "Mine");
    EXPECT_EQ(m.optionNames(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(m.selectedRow(), 1);
    m.chooseSet(0);
    EXPECT_EQ(m.selectedRow(), 0); // no "b" there: the first row
    m.chooseSet(1);
    EXPECT_EQ(m.selectedRow(), -1);
    EXPECT_FALSE(m.ok()); // nothing to apply
    EXPECT_TRUE(s.alerts.shown.empty());
}

TEST(SelectCustomOptions, OkAppliesStoresAndPostsInOrder)
{
    DialogSite s;
    std::vector<std::string> posts;
    std::vector<Subscription> subs;
    for (std::string_view n : {note::kScreenSizeUpdate, note::kTargetSpeedUnit, note::kTargetSpeedLimits,
                               note::kUpdateTargetSpeed, note::kOptionsUpdate})
        subs.push_back(s.bus.subscribe(n, [&posts](const Notification& no) {
            posts.push_back(std::string(no.name) + (no.name == note::kTargetSpeedUnit
                                                        ? " " + std::to_string(no.intValue())
                                                        : std::string()));
        }));
    SelectCustomOptionsModel m(s.prefs, s.options, s.bus, s.external);
    m.initialize();
    ASSERT_EQ(m.selectedSetName(), "# Standard Options");
    m.selectRow(0); // "Fast" sorts before "Normal"
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(s.options.record().speed, 600);
    EXPECT_EQ(s.options.record().unit, 2);
    EXPECT_EQ(s.prefs.stringValue(kLastCustOptSetKey), "# Standard Options");
    EXPECT_EQ(s.prefs.stringValue(kLastCustOptionKey), "Fast");
    EXPECT_EQ(posts,
              (std::vector<std::string>{"ScreenSizeUpdateNotification", "TargetSpeedUnitNotification 2",
                                        "TargetSpeedLimitsNotification", "UpdateTargetSpeedNotification",
                                        "OptionsUpdateNotification"}));
}

TEST(AddCustomOption, PreselectsAndStores)
{
    DialogSite s;
    s.prefs.setStringValue("b", kLastCustOptionKey);
    AddOrReplaceCustomOptionsModel m(s.prefs, s.external);
    m.initialize("MINE");
    EXPECT_EQ(m.selectedSetName(), "Mine");
    EXPECT_EQ(m.initialOptionName(), "b");
    m.initialize("nothing like it");
    EXPECT_EQ(m.selectedSetName(), "# Standard Options");
    EXPECT_EQ(m.initialOptionName(), "Fast");
    m.chooseSet(1);
    EXPECT_EQ(m.initialOptionName(), "");

    EXPECT_FALSE(m.ok(""));
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"BlankName"});
    ASSERT_TRUE(m.ok("Quick"));
    EXPECT_TRUE(m.result());
    EXPECT_EQ(m.optionsSetName(), "Empty");
    OptionsRecord current;
    StandardOptions::defaultWindowOptions(current);
    current.speed = 444;
    CustomOptionsFiles files(s.external);
    EXPECT_EQ(storeCustomOption(files, m.optionsFileName(), m.optionsSetName(), current), fs::kNoErr);
    OptionFileRec back;
    ASSERT_TRUE(files.getOptions(back, "Empty", "Quick"));
    EXPECT_EQ(back.options.speed, 444);

    // A shipped set refuses, with the message the editors show.
    EXPECT_EQ(storeCustomOption(files, "Mine too", "# Standard Options", current), fs::kAccessDenied);
    EXPECT_EQ(s.alertTexts().back(), "ReadOnlySet");
    // A set file that cannot be read is shown; nothing is written.
    s.file("CustomOptions3/Huge.db");
    ASSERT_EQ(::truncate(s.path("CustomOptions3/Huge.db").c_str(), off_t(kMaxOptionSetBytes) + 2 * 692), 0);
    EXPECT_EQ(storeCustomOption(files, "Quick", "Huge", current), fs::kMemFull);
    EXPECT_EQ(s.alertTexts().back(), "The file could not be opened.");
    EXPECT_EQ(fs::fileSize(s.path("CustomOptions3/Huge.db")), int64_t(kMaxOptionSetBytes) + 2 * 692);
    // An option of that name is there already: the set keeps it, silently.
    size_t shown = s.alerts.shown.size();
    EXPECT_EQ(storeCustomOption(files, "Quick", "Empty", current), fs::kDuplicateName);
    EXPECT_EQ(s.alerts.shown.size(), shown);
    m.cancel();
    EXPECT_FALSE(m.result());
}

TEST(RemoveCustomOption, AsksThenRemovesAndReloads)
{
    DialogSite s;
    RemoveCustomOptionsModel m(s.prefs, s.external);
    s.prefs.setStringValue("Mine", kLastCustOptSetKey);
    m.initialize();
    ASSERT_TRUE(m.removeEnabled());
    m.selectRow(1);         // "b"
    s.alerts.answers = {1}; // No
    EXPECT_FALSE(m.remove());
    EXPECT_EQ(m.optionNames().size(), 2u);
    s.alerts.answers = {0}; // Yes
    EXPECT_TRUE(m.remove());
    EXPECT_EQ(m.optionNames(), std::vector<std::string>{"a"});
    EXPECT_EQ(s.read("CustomOptions3/Mine.db"), stored("a", 200));
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"RemoveCompTest", "RemoveCompTest"}));

    m.chooseSet(0);
    EXPECT_FALSE(m.remove());
    EXPECT_EQ(s.alertTexts().back(), "ReadOnlySet");
    m.chooseSet(1);
    EXPECT_FALSE(m.removeEnabled());
    EXPECT_FALSE(m.remove());
}

} // namespace
} // namespace qor
