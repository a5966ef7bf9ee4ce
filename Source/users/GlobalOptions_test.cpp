#include "users/GlobalOptions.h"

#include "base/Files.h"
#include "users/SiteOptionsPanels.h"
#include "users/UsersTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing_site::Site;

PlistValue readConfig(const Site& s)
{
    PlistValue v;
    readPlistFile(s.external + "globalConfig", v);
    return v;
}

TEST(GlobalOptions, AFreshInstallationGetsEveryKeyWithItsDefault)
{
    Site s;
    EXPECT_FALSE(fs::exists(s.external + "globalConfig"));
    BrsRequirements brs;
    s.site->getBRSValues(brs);
    EXPECT_EQ(brs, GlobalOptions::getBRSDefaults());
    PlistValue file = readConfig(s);
    const std::pair<const char*, int64_t> expected[] = {
        {"ExcludeRepeateCancelledKey", 1}, {"ExcludeLowSpeedKey", 1}, {"ExcludeHighSpeedKey", 1},
        {"RequiredPercentKey", 1},         {"LowSpeedKey", 20},       {"HighSpeedKey", 1500},
        {"RequiredPercentValueKey", 75},   {"LockoutCompStoriesKey", 1},
        {"LockoutWizardScreenKey", 1},     {"AllowManualOverrideKey", 1},
        {"ForceUsersToLogonKey", 1},       {"AddUserFromLogonScreenKey", 1},
        {"LockoutMenuModeKey", 0},         {"LockoutExpertModeKey", 0},
        {"ForceCourseInOrderKey", 1},      {"ForceCourseCompletionKey", 0},
        {"FontSizeKey", 18},               {"HideBackToQuizButton", 0},
    };
    for (const auto& [key, value] : expected) {
        const PlistValue* v = file.find(key);
        ASSERT_NE(v, nullptr) << key;
        EXPECT_EQ(v->type(), PlistValue::Type::Integer) << key;
        EXPECT_EQ(v->toInt(), value) << key;
    }
    EXPECT_EQ(file.find("FontNameKey")->toString(), "ArialMT");
    EXPECT_EQ(file.entries().size(), 19u);
}

TEST(GlobalOptions, MissingKeysReadZero)
{
    Site s;
    PlistValue partial = PlistValue::dict();
    partial.set("ExcludeHighSpeedKey", PlistValue::integer(1));
    partial.set("LowSpeedKey", PlistValue::boolean(true));
    ASSERT_EQ(writePlistFile(s.external + "globalConfig", partial), 0);
    BrsRequirements brs = s.site->brsValues();
    MiscOptions misc = s.site->miscValues();
    EXPECT_EQ(brs.bExcludeHighSpeed, 1u);
    EXPECT_EQ(brs.highSpeed, 0u);  // so every result counts as too fast
    EXPECT_EQ(brs.lowSpeed, 1u);
    EXPECT_EQ(misc.forceUsersToLogon, 0u);
    EXPECT_EQ(misc.fontName, "");
    EXPECT_EQ(misc.fontSize, 0);
    EXPECT_EQ(GlobalOptions::effectiveFontSize(misc), 18);
    misc.fontSize = -4;
    EXPECT_EQ(GlobalOptions::effectiveFontSize(misc), 18);
    misc.fontSize = 24;
    EXPECT_EQ(GlobalOptions::effectiveFontSize(misc), 24);
    // Loading a file does not rewrite it.
    EXPECT_EQ(readConfig(s), partial);
}

TEST(GlobalOptions, AFileThatExistsIsNeverReplacedByTheDefaults)
{
    {
        Site s;
        const std::string garbage = "<plist><dict><key>LockoutMenuModeKey</key><integer>1";
        fs::writeFileAtomic(s.external + "globalConfig", garbage);
        EXPECT_EQ(s.site->loadOptionsPlist(), GlobalOptions::LoadResult::Unparsable);
        std::string aside;
        ASSERT_EQ(fs::readFile(s.external + "globalConfig.bad", aside, 1 << 16), 0);
        EXPECT_EQ(aside, garbage);
        EXPECT_FALSE(fs::exists(s.external + "globalConfig"));
        EXPECT_EQ(s.site->miscValues(), GlobalOptions::getMiscDefaults());
    }
    {
        Site s;
        fs::makeFolder(s.external + "globalConfig");  // there, but no readable file
        EXPECT_EQ(s.site->loadOptionsPlist(), GlobalOptions::LoadResult::Unreadable);
        EXPECT_TRUE(fs::isFolder(s.external + "globalConfig"));
    }
}

TEST(GlobalOptions, SavingKeepsWhatAnotherProcessChanged)
{
    Site s;
    GlobalOptions other(s.external, 3);
    s.site->loadOptionsPlist();
    MiscOptions misc = other.miscValues();
    misc.lockoutMenuMode = 1;
    ASSERT_TRUE(other.saveMiscValues(misc));

    BrsRequirements brs = s.site->brsValues();
    brs.lowSpeed = 55;
    brs.reserved[3] = 9;
    ASSERT_TRUE(s.site->saveBRSValues(brs));
    GlobalOptions fresh(s.external, 3);
    EXPECT_EQ(fresh.miscValues().lockoutMenuMode, 1u);
    EXPECT_EQ(fresh.brsValues().lowSpeed, 55u);
    EXPECT_EQ(s.site->brsValues().reserved[3], 0u);
}

TEST(GlobalOptions, FontNamesAndSizesRoundTrip)
{
    Site s;
    MiscOptions misc = s.site->miscValues();
    misc.fontName = std::string(70, 'F');
    misc.fontSize = -3;
    ASSERT_TRUE(s.site->saveMiscValues(misc));
    PlistValue file = readConfig(s);
    EXPECT_EQ(file.find("FontNameKey")->toString(), std::string(63, 'F'));
    GlobalOptions fresh(s.external, 3);
    EXPECT_EQ(fresh.miscValues().fontSize, -3);

    // Cut by stored bytes, on character boundaries.
    std::string accents;
    for (int i = 0; i < 40; ++i)
        accents += "\xC3\xA9";  // one Mac OS Roman byte each
    EXPECT_EQ(GlobalOptions::fitFontName(accents), accents);
    std::string cjk;
    for (int i = 0; i < 30; ++i)
        cjk += "\xE6\x98\x8E";  // no Mac OS Roman form: cut to whole characters
    EXPECT_EQ(GlobalOptions::fitFontName(cjk), cjk.substr(0, 63));
}

TEST(GlobalOptions, TheSingleUserEditionForcesItsSwitches)
{
    Site s;
    MiscOptions locked = GlobalOptions::getMiscDefaults();
    locked.lockoutMenuMode = locked.lockoutExpertMode = locked.lockoutWizardScreen = 1;
    locked.allowManualOverride = 0;
    ASSERT_TRUE(s.site->saveMiscValues(locked));
    GlobalOptions home(s.external, 1);
    MiscOptions m = home.miscValues();
    EXPECT_EQ(m.lockoutWizardScreen, 0u);
    EXPECT_EQ(m.lockoutMenuMode, 0u);
    EXPECT_EQ(m.lockoutExpertMode, 0u);
    EXPECT_EQ(m.allowManualOverride, 1u);
    EXPECT_EQ(m.lockoutCompStories, 1u);
    GlobalOptions studio(s.external, 3);
    EXPECT_EQ(studio.miscValues(), locked);
}

TEST(GlobalOptions, RequirementsRecordBytes)
{
    BrsRequirements v;
    v.lowSpeed = 0x01020304;
    v.reserved[0] = 0xFFFFFFFF;  // never written
    std::string bytes = v.encode();
    ASSERT_EQ(bytes.size(), 68u);
    const unsigned char golden[28] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                      4, 3, 2, 1, 0xDC, 5, 0, 0, 75, 0, 0, 0};
    EXPECT_EQ(bytes.substr(0, 28), std::string(reinterpret_cast<const char*>(golden), 28));
    EXPECT_EQ(bytes.substr(28), std::string(40, '\0'));
    BrsRequirements back;
    ASSERT_TRUE(BrsRequirements::decode(bytes, back));
    v.reserved = {};
    EXPECT_EQ(back, v);
    EXPECT_FALSE(BrsRequirements::decode(bytes.substr(0, 20), back));
}

// --- the panels ----------------------------------------------------------------------------

TEST(BaseReadingSpeedPanel, DefaultsThenCancelChangesNothing)
{
    Site s;
    BrsRequirements stored;
    stored.bExcludeLowSpeed = 0;
    stored.lowSpeed = 90;
    stored.requiredPercent = 150;  // stored as entered
    ASSERT_TRUE(s.site->saveBRSValues(stored));
    BaseReadingSpeedPanelModel panel(*s.site);
    panel.initialize();
    EXPECT_FALSE(panel.excludeLowSpeeds);
    EXPECT_FALSE(panel.lowWordsPerMinuteEnabled());
    EXPECT_TRUE(panel.highWordsPerMinuteEnabled());
    EXPECT_EQ(panel.lowWordsPerMinute, 90u);
    EXPECT_EQ(panel.requiredPercent, 150u);

    panel.setDefaultsButton();
    EXPECT_TRUE(panel.excludeLowSpeeds);
    EXPECT_EQ(panel.lowWordsPerMinute, 20u);
    panel.cancelButton();
    EXPECT_TRUE(panel.done());
    EXPECT_EQ(GlobalOptions(s.external, 3).brsValues(), stored);

    panel.initialize();
    panel.setDefaultsButton();
    panel.highWordsPerMinute = 10;  // below the low speed: stored as entered
    EXPECT_TRUE(panel.okButton());
    BrsRequirements now = GlobalOptions(s.external, 3).brsValues();
    EXPECT_EQ(now.highSpeed, 10u);
    EXPECT_EQ(now.lowSpeed, 20u);
}

TEST(BaseReadingSpeedPanel, OpeningReadsWhatAnotherProcessSaved)
{
    Site s;
    BaseReadingSpeedPanelModel panel(*s.site);
    panel.initialize();
    BrsRequirements elsewhere;
    elsewhere.highSpeed = 999;
    ASSERT_TRUE(GlobalOptions(s.external, 3).saveBRSValues(elsewhere));
    panel.initialize();
    EXPECT_EQ(panel.highWordsPerMinute, 999u);
}

TEST(MiscellaneousPanel, NewUsersOnlyWithTypedNames)
{
    Site s;
    MiscellaneousOptionsModel panel(*s.site, false);
    panel.initialize();
    EXPECT_TRUE(panel.forceUsersToLogon);
    EXPECT_TRUE(panel.allowNewUsersToBeCreated);
    EXPECT_TRUE(panel.newUsersEnabled());
    panel.setForceUsersToLogon(false);
    EXPECT_FALSE(panel.allowNewUsersToBeCreated);
    EXPECT_FALSE(panel.newUsersEnabled());
    panel.lockoutExpertMode = true;
    panel.changeFont("Liberation Serif", 22);
    EXPECT_TRUE(panel.okButton());
    MiscOptions m = GlobalOptions(s.external, 3).miscValues();
    EXPECT_EQ(m.forceUsersToLogon, 0u);
    EXPECT_EQ(m.addUserFromLogonScreen, 0u);
    EXPECT_EQ(m.lockoutExpertMode, 1u);
    EXPECT_EQ(m.fontName, "Liberation Serif");
    EXPECT_EQ(m.fontSize, 22);

    // A file with new users allowed but names chosen from the list: the
    // panel opens with the box cleared.
    MiscOptions odd = m;
    odd.addUserFromLogonScreen = 1;
    ASSERT_TRUE(s.site->saveMiscValues(odd));
    panel.initialize();
    EXPECT_FALSE(panel.allowNewUsersToBeCreated);
}

TEST(MiscellaneousPanel, TheReducedPanelStoresTheOtherFieldsAsRead)
{
    Site s;
    MiscOptions stored = GlobalOptions::getMiscDefaults();
    stored.lockoutMenuMode = 1;
    stored.forceUsersToLogon = 0;
    stored.addUserFromLogonScreen = 0;
    ASSERT_TRUE(s.site->saveMiscValues(stored));

    GlobalOptions home(s.external, 1);
    MiscellaneousOptionsModel panel(home, true);
    panel.initialize();
    panel.forceCourseInOrder = false;
    panel.forceUsersToLogon = true;  // not on this panel: ignored
    EXPECT_TRUE(panel.okButton());
    MiscOptions m = GlobalOptions(s.external, 3).miscValues();
    EXPECT_EQ(m.forceCourseInOrder, 0u);
    EXPECT_EQ(m.forceUsersToLogon, 0u);
    // As read in this edition: the page lockouts cleared.
    EXPECT_EQ(m.lockoutMenuMode, 0u);
    EXPECT_EQ(m.allowManualOverride, 1u);
}

TEST(SitePanels, AFailedSaveIsReportedAndThePanelStaysOpen)
{
    Site s;
    fs::makeFolder(s.external + "globalConfig");
    BaseReadingSpeedPanelModel brs(*s.site);
    brs.initialize();
    EXPECT_FALSE(brs.okButton());
    EXPECT_FALSE(brs.done());
    MiscellaneousOptionsModel misc(*s.site, false);
    misc.initialize();
    EXPECT_FALSE(misc.okButton());
    EXPECT_FALSE(misc.done());
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"SiteSettingsNotSaved", "SiteSettingsNotSaved"}));
}

TEST(SitePanels, OnlyTheAdministratorOpensThem)
{
    Site s;
    ASSERT_TRUE(s.admin->setTheUser("Bob"));
    EXPECT_FALSE(checkAdminForSitePanel(*s.admin));
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"AdminOnly"});
    ASSERT_TRUE(s.admin->setTheUser("Admin"));
    EXPECT_TRUE(checkAdminForSitePanel(*s.admin));
    EXPECT_EQ(s.alerts.shown.size(), 1u);
}

}  // namespace
}  // namespace qor
