#include "users/ui/LoginPanel.h"
#include "users/ui/PreferenceWindow.h"
#include "users/ui/SiteOptionsPanels.h"
#include "users/ui/ViewLogonsPanel.h"

#include "users/CurrentPrefs.h"
#include "users/UsersTestSupport.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <cstdlib>

namespace qor {
namespace {

using testing_site::Site;

// With QOR_PANEL_SHOTS set, each panel is also saved to /tmp as a PNG to
// look at.
void shoot(QWidget& w, const char* name)
{
    if (!std::getenv("QOR_PANEL_SHOTS"))
        return;
    w.adjustSize();
    w.grab().save(QString("/tmp/quorlinth-%1.png").arg(name));
}

// Clicks a check box on its box, whatever the width its layout gave it.
void clickCheck(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

TEST(LoginPanelWidget, ReturnInAnEmptyNameFieldAlertsOnce)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginPanel panel(*s.admin, *s.site);
    panel.initialize();
    panel.show();
    ASSERT_TRUE(panel.userNameField()->isVisible());
    EXPECT_EQ(panel.userNameField()->text(), "Admin");
    panel.userNameField()->setFocus();
    panel.userNameField()->selectAll();
    QTest::keyClick(panel.userNameField(), Qt::Key_Backspace);
    QTest::keyClick(panel.userNameField(), Qt::Key_Return);
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"UserNameBlank"});
    // Leaving the field runs nothing.
    panel.passwordField()->setFocus();
    panel.userNameField()->setFocus();
    QTest::keyClick(panel.userNameField(), Qt::Key_Return);
    EXPECT_EQ(s.alerts.shown.size(), 2u);
    EXPECT_TRUE(panel.isVisible());
}

TEST(LoginPanelWidget, ANewReaderTypedWithTheKeyboard)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginPanel panel(*s.admin, *s.site);
    panel.initialize();
    panel.show();
    EXPECT_FALSE(panel.passwordAgainField()->isVisible());
    panel.userNameField()->selectAll();
    QTest::keyClicks(panel.userNameField(), "Nora");
    QTest::keyClick(panel.userNameField(), Qt::Key_Return);  // name handler, then Start
    EXPECT_TRUE(panel.passwordAgainField()->isVisible());
    EXPECT_TRUE(s.alerts.shown.empty());
    EXPECT_EQ(panel.focusWidget(), panel.passwordField());
    QTest::keyClicks(panel.passwordField(), "abc");
    QTest::keyClicks(panel.passwordAgainField(), "abc");
    shoot(panel, "login-new-reader");
    QTest::keyClick(panel.passwordAgainField(), Qt::Key_Return);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(s.admin->userName(), "Nora");
    std::string stored;
    EXPECT_EQ(s.admin->getPassword(stored, "Nora"), PasswordRead::Read);
    EXPECT_EQ(stored, "\x01\xFC\x9C");
}

TEST(LoginPanelWidget, TheListOfReaders)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob", "pw");
    s.addUser("Carl");
    MiscOptions misc = s.site->miscValues();
    misc.forceUsersToLogon = 0;
    misc.addUserFromLogonScreen = 0;
    ASSERT_TRUE(s.site->saveMiscValues(misc));
    LoginPanel panel(*s.admin, *s.site);
    panel.initialize();
    panel.show();
    EXPECT_FALSE(panel.userNameField()->isVisible());
    ASSERT_TRUE(panel.userNameMenu()->isVisible());
    ASSERT_EQ(panel.userNameMenu()->count(), 3);
    shoot(panel, "login-list");
    panel.userNameMenu()->activated(2);  // Carl, who has no password
    EXPECT_TRUE(panel.passwordAgainField()->isVisible());
    panel.userNameMenu()->setCurrentIndex(1);
    panel.userNameMenu()->activated(1);
    EXPECT_FALSE(panel.passwordAgainField()->isVisible());
    QTest::keyClicks(panel.passwordField(), "pw");
    QTest::mouseClick(panel.startButton(), Qt::LeftButton);
    EXPECT_EQ(s.admin->userName(), "Bob");
}

TEST(LoginPanelWidget, FirstUseAndQuit)
{
    Site s;
    LoginPanel panel(*s.admin, *s.site);
    panel.initialize();
    panel.show();
    EXPECT_TRUE(panel.passwordAgainField()->isVisible());
    EXPECT_EQ(panel.userNameField()->text(), "Admin");
    shoot(panel, "login-first-use");
    QTest::keyClick(&panel, Qt::Key_Escape);
    EXPECT_TRUE(panel.isVisible());  // Escape does not quit
    QTest::mouseClick(panel.quitButton(), Qt::LeftButton);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(panel.controller().quit());
}

TEST(ViewLogonsWidget, ClearALogon)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob");
    s.addUser("Carl");
    fs::createFile(s.userFile("Bob", "LockFile"));
    fs::createFile(s.userFile("Carl", "LockFile"));
    fs::createFile(s.userFile("Admin", "LockFile"));
    ViewLogonsPanel panel(*s.admin);
    panel.initialize();
    panel.show();
    ASSERT_EQ(panel.table()->rowCount(), 2);
    shoot(panel, "view-logons");
    QTest::mouseClick(panel.logoffButton(), Qt::LeftButton);
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"UserNotSelectedErr"});
    panel.table()->setCurrentCell(1, 0);
    s.alerts.answers = {0};
    QTest::mouseClick(panel.logoffButton(), Qt::LeftButton);
    EXPECT_EQ(s.alertTexts().back(), "LogoffUser");
    EXPECT_FALSE(fs::exists(s.userFile("Carl", "LockFile")));
    EXPECT_TRUE(fs::exists(s.userFile("Bob", "LockFile")));
    ASSERT_EQ(panel.table()->rowCount(), 1);
    EXPECT_EQ(panel.table()->item(0, 0)->text(), "Bob");
}

class TwoKeys final : public KeyMapTable {
public:
    int functionCount() const override { return 2; }
    std::string functionByIndex(int i) const override { return i ? "Stop" : "Play"; }
    std::string keyStrokeByIndex(int i) const override { return keys[static_cast<size_t>(i)]; }
    void defaultValues() override { keys = {"Space", "Escape"}; }
    std::vector<std::string> keys{"P", "S"};
};

TEST(PreferenceWindowWidget, ChecksAndKeys)
{
    Site s;
    CurrentPrefs prefs(*s.admin);
    ASSERT_TRUE(prefs.loadPrefsFileForUser("Bob"));
    PreferenceWinController controller(prefs);
    TwoKeys keys;
    controller.setKeyMap(&keys);
    std::vector<bool> announced;
    controller.setTooltipsChanged([&](bool on) { announced.push_back(on); });
    std::vector<int> edited;
    PreferenceWindow window(controller, [&](QWidget*, int row) {
        edited.push_back(row);
        keys.keys[static_cast<size_t>(row)] = "F9";
    });
    window.windowDidLoad();
    window.show();
    EXPECT_TRUE(window.tooltipsCheck()->isChecked());
    shoot(window, "preferences");
    clickCheck(window.tooltipsCheck());
    EXPECT_EQ(announced, std::vector<bool>{false});
    EXPECT_FALSE(prefs.boolValue("Tooltips"));

    window.tabs()->setCurrentIndex(1);
    shoot(window, "preferences-keys");
    ASSERT_EQ(window.keyTable()->rowCount(), 2);
    window.keyTable()->setCurrentCell(1, 0);
    emit window.keyTable()->cellDoubleClicked(1, 0);
    EXPECT_EQ(edited, std::vector<int>{1});
    EXPECT_EQ(window.keyTable()->item(1, 1)->text(), "F9");
}

TEST(SitePanelWidgets, BaseReadingSpeed)
{
    Site s;
    BaseReadingSpeedPanel panel(*s.site);
    panel.initialize();
    panel.show();
    shoot(panel, "base-reading-speed");
    EXPECT_TRUE(panel.lowWordsPerMinute()->isEnabled());
    clickCheck(panel.excludeLowSpeeds());
    EXPECT_FALSE(panel.lowWordsPerMinute()->isEnabled());
    panel.lowWordsPerMinute()->setValue(33);
    QTest::mouseClick(panel.okButton(), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    BrsRequirements stored = GlobalOptions(s.external, 3).brsValues();
    EXPECT_EQ(stored.bExcludeLowSpeed, 0u);
    EXPECT_EQ(stored.lowSpeed, 33u);
}

TEST(SitePanelWidgets, Miscellaneous)
{
    Site s;
    MiscellaneousOptionsPanel panel(*s.site, false);
    panel.initialize();
    panel.show();
    shoot(panel, "miscellaneous");
    EXPECT_TRUE(panel.allowNewUsers()->isEnabled());
    clickCheck(panel.forceUsersToLogon());
    EXPECT_FALSE(panel.allowNewUsers()->isChecked());
    EXPECT_FALSE(panel.allowNewUsers()->isEnabled());
    QTest::mouseClick(panel.okButton(), Qt::LeftButton);
    MiscOptions stored = GlobalOptions(s.external, 3).miscValues();
    EXPECT_EQ(stored.forceUsersToLogon, 0u);
    EXPECT_EQ(stored.addUserFromLogonScreen, 0u);

    MiscellaneousOptionsPanel reduced(*s.site, true);
    reduced.initialize();
    reduced.show();
    shoot(reduced, "miscellaneous-reduced");
    EXPECT_FALSE(reduced.forceUsersToLogon()->isVisible());
}

}  // namespace
}  // namespace qor
