#include "users/LoginController.h"

#include "base/Files.h"
#include "users/UsersTestSupport.h"
#include "users/UsersUtils.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qor {
namespace {

using testing_site::Site;

void setSite(GlobalOptions& site, bool forced, bool add)
{
    MiscOptions misc = site.miscValues();
    misc.forceUsersToLogon = forced;
    misc.addUserFromLogonScreen = add;
    ASSERT_TRUE(site.saveMiscValues(misc));
}

std::string storedPassword(const Site& s, const std::string& user)
{
    std::string stored;
    s.admin->getPassword(stored, user);
    return stored;
}

std::string storedForm(const std::string& typed)
{
    return *QorEncryption::storedFormOfTyped(typed);
}

// The logon's decision table. The reader under test is "Abe" (existing or
// not, with the password "secret" or none); "Carl" is a reader without a
// password and "Admin" has one. "Field used": "secret" was typed into the
// password field (and into the second entry when it is shown). "Second
// shown" is reached the way a reader reaches it: with typed names by taking
// Carl's name first (Return) and then typing Abe's without Return, with the
// list by choosing Abe in it; hidden is the state after the panel opens.
// A list entry with a password never shows the second entry, so those rows
// do not exist.
enum class Out { LoggedOn, AsksForSecondEntry, UserDoesNotExist, IncorrectPassword };

struct Row {
    bool exists, hasPassword, addAllowed, forcedLogon, fieldUsed, secondShown;
    Out outcome;
};

constexpr bool Y = true;
constexpr bool N = false;

const Row kRows[] = {
        {Y, Y, Y, Y, Y, Y, Out::LoggedOn},
        {Y, Y, Y, Y, Y, N, Out::LoggedOn},
        {Y, Y, Y, Y, N, Y, Out::IncorrectPassword},
        {Y, Y, Y, Y, N, N, Out::IncorrectPassword},
        {Y, Y, Y, N, Y, N, Out::LoggedOn},
        {Y, Y, Y, N, N, N, Out::IncorrectPassword},
        {Y, Y, N, Y, Y, Y, Out::LoggedOn},
        {Y, Y, N, Y, Y, N, Out::LoggedOn},
        {Y, Y, N, Y, N, Y, Out::IncorrectPassword},
        {Y, Y, N, Y, N, N, Out::IncorrectPassword},
        {Y, Y, N, N, Y, N, Out::LoggedOn},
        {Y, Y, N, N, N, N, Out::IncorrectPassword},
        {Y, N, Y, Y, Y, Y, Out::LoggedOn},
        {Y, N, Y, Y, Y, N, Out::AsksForSecondEntry},  // typed before the name was taken: shown, never PasswordsSame
        {Y, N, Y, Y, N, Y, Out::AsksForSecondEntry},
        {Y, N, Y, Y, N, N, Out::AsksForSecondEntry},
        {Y, N, Y, N, Y, Y, Out::LoggedOn},
        {Y, N, Y, N, Y, N, Out::AsksForSecondEntry},  // typed before the name was taken: shown, never PasswordsSame
        {Y, N, Y, N, N, Y, Out::AsksForSecondEntry},
        {Y, N, Y, N, N, N, Out::AsksForSecondEntry},
        {Y, N, N, Y, Y, Y, Out::LoggedOn},
        {Y, N, N, Y, Y, N, Out::AsksForSecondEntry},  // typed before the name was taken: shown, never PasswordsSame
        {Y, N, N, Y, N, Y, Out::AsksForSecondEntry},
        {Y, N, N, Y, N, N, Out::AsksForSecondEntry},
        {Y, N, N, N, Y, Y, Out::LoggedOn},
        {Y, N, N, N, Y, N, Out::AsksForSecondEntry},  // typed before the name was taken: shown, never PasswordsSame
        {Y, N, N, N, N, Y, Out::AsksForSecondEntry},
        {Y, N, N, N, N, N, Out::AsksForSecondEntry},
        {N, N, Y, Y, Y, Y, Out::LoggedOn},
        {N, N, Y, Y, Y, N, Out::AsksForSecondEntry},
        {N, N, Y, Y, N, Y, Out::AsksForSecondEntry},
        {N, N, Y, Y, N, N, Out::AsksForSecondEntry},
        {N, N, N, Y, Y, Y, Out::UserDoesNotExist},
        {N, N, N, Y, Y, N, Out::UserDoesNotExist},
        {N, N, N, Y, N, Y, Out::UserDoesNotExist},
        {N, N, N, Y, N, N, Out::UserDoesNotExist},
};

std::string describe(const Row& r)
{
    auto b = [](bool v) { return v ? "Y" : "N"; };
    return std::string("exists ") + b(r.exists) + ", password " + b(r.hasPassword) + ", add " +
           b(r.addAllowed) + ", forced " + b(r.forcedLogon) + ", used " + b(r.fieldUsed) +
           ", shown " + b(r.secondShown);
}

TEST(LogonDecisionTable, AlgorithmOfTheStartButton)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(describe(row));
        Site s;
        s.addUser("Admin", "adminpw");
        s.addUser("Carl");
        if (row.exists) {
            if (row.hasPassword)
                s.addUser("Abe", "secret");
            else
                s.addUser("Abe");
        }
        setSite(*s.site, row.forcedLogon, row.addAllowed);

        LoginController panel(*s.admin, *s.site);
        panel.initialize();
        ASSERT_EQ(panel.menuVisible(), !row.forcedLogon);
        if (row.forcedLogon) {
            if (row.secondShown) {
                panel.nameEdited("Carl");
                panel.userNameEdit();
            }
            panel.nameEdited("Abe");
        } else {
            ASSERT_EQ(panel.menuItems(), (std::vector<std::string>{"Abe", "Admin", "Carl"}));
            ASSERT_EQ(panel.menuIndex(), 0);
            if (row.secondShown)
                panel.userNameMenu(0);
        }
        ASSERT_EQ(panel.passwordAgainVisible(), row.secondShown);
        if (row.fieldUsed) {
            panel.passwordEdited("secret");
            if (panel.passwordAgainVisible())
                panel.passwordAgainEdited("secret");
        }
        s.alerts.answers = {0};  // Yes to a question
        panel.startButton();

        std::vector<std::string> alerts = s.alertTexts();
        switch (row.outcome) {
        case Out::LoggedOn:
            EXPECT_EQ(alerts, std::vector<std::string>{});
            EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
            EXPECT_EQ(s.admin->userName(), "Abe");
            EXPECT_EQ(s.admin->lockState("Abe"), LockState::Own);
            EXPECT_EQ(storedPassword(s, "Abe"), storedForm("secret"));
            break;
        case Out::AsksForSecondEntry:
            EXPECT_EQ(alerts, std::vector<std::string>{});
            EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
            EXPECT_TRUE(panel.passwordAgainVisible());
            EXPECT_TRUE(panel.passwordEditEntered());
            EXPECT_EQ(panel.focus(), row.fieldUsed ? LoginController::Focus::PasswordAgainField
                                                   : LoginController::Focus::PasswordField);
            EXPECT_EQ(s.admin->doesUserExist("Abe"), row.exists);
            EXPECT_FALSE(s.admin->doesPasswordExistForUser("Abe"));
            break;
        case Out::UserDoesNotExist:
        case Out::IncorrectPassword:
            EXPECT_EQ(alerts, std::vector<std::string>{row.outcome == Out::UserDoesNotExist
                                                           ? "UserDoesNotExist"
                                                           : "IncorrectPassword"});
            EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
            EXPECT_EQ(s.admin->userName(), "");
            EXPECT_EQ(s.admin->doesUserExist("Abe"), row.exists);
            EXPECT_EQ(panel.password(), row.fieldUsed ? "secret" : "");  // entries stay
            break;
        }
    }
}

TEST(Logon, TheFirstLogonCreatesTheAdministrator)
{
    Site s;
    setSite(*s.site, false, false);
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    EXPECT_TRUE(panel.nameFieldVisible());
    EXPECT_FALSE(panel.menuVisible());
    EXPECT_EQ(panel.nameText(), "Admin");
    EXPECT_TRUE(panel.passwordAgainVisible());
    EXPECT_EQ(panel.focus(), LoginController::Focus::PasswordField);
    EXPECT_EQ(panel.messageKey(), "LogonMessageNewUser");
    MiscOptions misc = GlobalOptions(s.external, 3).miscValues();
    EXPECT_EQ(misc.forceUsersToLogon, 1u);
    EXPECT_EQ(misc.addUserFromLogonScreen, 1u);

    panel.passwordEdited("root");
    panel.passwordAgainEdited("root");
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_TRUE(s.admin->isAdmin());
    EXPECT_EQ(storedPassword(s, "Admin"), storedForm("root"));
    EXPECT_TRUE(s.alerts.shown.empty());
}

TEST(Logon, InstructionLineAndList)
{
    struct Case {
        bool forced, add;
        const char* key;
    };
    const Case cases[] = {
        {true, true, "LogonMessageNewUser"},
        {true, false, "LogonMessageNoNewUserForce"},
        {false, false, "LogonMessageNoNewUser"},
        {false, true, "LogonMessageNewUser"},
    };
    for (const auto& c : cases) {
        Site s;
        s.addUser("Admin", "pw");
        s.addUser("zoe");
        setSite(*s.site, c.forced, c.add);
        LoginController panel(*s.admin, *s.site);
        panel.initialize();
        EXPECT_EQ(panel.messageKey(), c.key);
        EXPECT_EQ(panel.nameFieldVisible(), c.forced);
        using V = std::vector<std::string>;
        EXPECT_EQ(panel.menuItems(), c.forced ? V() : V({"Admin", "zoe"}));
    }
}

TEST(Logon, ReturnInAnEmptyNameFieldAlertsOnce)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.nameEdited("");
    for (int press = 1; press <= 2; ++press) {
        // Return runs the name field's handler, then the default button.
        panel.userNameEdit();
        panel.startButton();
        EXPECT_EQ(s.alerts.shown.size(), static_cast<size_t>(press));
        EXPECT_EQ(panel.focus(), LoginController::Focus::NameField);
    }
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"UserNameBlank", "UserNameBlank"}));

    // The handler run twice for one key press still alerts once.
    panel.nameEdited(" x");
    panel.userNameEdit();
    panel.userNameEdit();
    panel.startButton();
    EXPECT_EQ(s.alertTexts().back(), "UserNameSpace");
    EXPECT_EQ(s.alerts.shown.size(), 3u);
    EXPECT_EQ(s.alerts.shown.back().severity, kSeverityWarning);
}

TEST(Logon, EditingTheNameEndsAnEarlierNameError)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.nameEdited("");
    panel.userNameEdit();  // alerted, no Start followed (the field lost focus)
    EXPECT_TRUE(panel.displayedBlank());
    panel.nameEdited("B");
    panel.nameEdited("");
    EXPECT_FALSE(panel.displayedBlank());
    panel.startButton();  // a click on Start: the empty name is alerted, not swallowed
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"UserNameBlank", "UserNameBlank"}));
}

TEST(Logon, ANewReaderWithTwoEntries)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.nameEdited("Nora");
    panel.passwordEdited("one");
    panel.startButton();
    EXPECT_TRUE(panel.passwordAgainVisible());
    EXPECT_TRUE(s.alerts.shown.empty());
    panel.passwordAgainEdited("two");
    panel.startButton();
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"PasswordsSame"});
    EXPECT_FALSE(s.admin->doesUserExist("Nora"));
    panel.passwordAgainEdited("one");
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_EQ(storedPassword(s, "Nora"), storedForm("one"));

    // Typed later in another case, the same reader logs on (this process's
    // own lock is no reason for the logged-on warning).
    LoginController again(*s.admin, *s.site);
    again.initialize();
    again.nameEdited("NORA");
    again.userNameEdit();
    EXPECT_FALSE(again.passwordAgainVisible());
    again.passwordEdited("one");
    again.startButton();
    EXPECT_EQ(again.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_EQ(s.admin->userName(), "Nora");
    EXPECT_EQ(UsersUtils::getUserListFromType(0, false, *s.admin), std::vector<std::string>{"Nora"});
}

TEST(Logon, AnEmptyNewPasswordIsAskedForThenQuestioned)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    // Return in the name field: the name handler, then Start.
    panel.nameEdited("Nora");
    panel.userNameEdit();
    ASSERT_TRUE(panel.passwordAgainVisible());
    panel.startButton();
    EXPECT_TRUE(s.alerts.shown.empty());  // asked for, not questioned yet
    EXPECT_EQ(panel.focus(), LoginController::Focus::PasswordField);

    s.alerts.answers = {1};  // No
    panel.startButton();
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"PasswordEmptyQuestion"});
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
    EXPECT_FALSE(s.admin->doesUserExist("Nora"));

    s.alerts.answers = {0};  // Yes
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_EQ(storedPassword(s, "Nora"), "");
    EXPECT_EQ(fs::fileSize(s.userFile("Nora", ".PSWD")), 1);
}

TEST(Logon, NamesThatCannotBecomeReaders)
{
    const char* names[] = {"../Tests", "a/b", ".hidden", "\xD0\x96uk"};
    for (const char* name : names) {
        Site s;
        s.addUser("Admin", "pw");
        LoginController panel(*s.admin, *s.site);
        panel.initialize();
        panel.nameEdited(name);
        panel.userNameEdit();
        EXPECT_FALSE(panel.passwordAgainVisible()) << name;
        panel.passwordEdited("x");
        panel.passwordAgainEdited("x");
        panel.startButton();
        EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"UserNameInvalid"}) << name;
        EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
        EXPECT_EQ(UsersUtils::getUserListFromType(0, false, *s.admin), std::vector<std::string>{});
        EXPECT_FALSE(fs::exists(s.external + "Tests"));
    }
}

TEST(Logon, PasswordsMacOSRomanCannotHold)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Empty", "");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    // Never taken as the empty password of a reader who has one.
    panel.nameEdited("Empty");
    panel.passwordEdited("\xD0\x96");
    panel.startButton();
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"IncorrectPassword"});
    // Nor stored as the empty password of a new reader.
    panel.nameEdited("Nora");
    panel.userNameEdit();
    panel.passwordEdited("\xD0\x96");
    panel.passwordAgainEdited("\xD0\x96");
    panel.startButton();
    EXPECT_EQ(s.alertTexts().back(), "PasswordNotEncodable");
    EXPECT_FALSE(s.admin->doesUserExist("Nora"));
}

TEST(Logon, PasswordFiles)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Empty", "");     // the file holds only the zero byte
    s.addUser("Broken");
    fs::writeFileAtomic(s.userFile("Broken", ".PSWD"), "");  // 0 bytes

    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.nameEdited("Broken");
    panel.startButton();
    panel.passwordAgainEdited("");
    panel.startButton();
    EXPECT_EQ(s.alertTexts(),
              (std::vector<std::string>{"PasswordFileUnreadable", "PasswordFileUnreadable"}));
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
    EXPECT_EQ(fs::fileSize(s.userFile("Broken", ".PSWD")), 0);

    panel.nameEdited("Empty");
    panel.passwordEdited("");
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_EQ(s.admin->userName(), "Empty");
}

TEST(Logon, TheLoggedOnWarning)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob", "pw");
    QorAdmin elsewhere(s.external, 3);
    ASSERT_TRUE(elsewhere.setTheUser("Bob"));

    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.nameEdited("Bob");
    panel.passwordEdited("pw");
    s.alerts.answers = {1};  // No
    panel.startButton();
    ASSERT_EQ(s.alerts.shown.size(), 1u);
    EXPECT_EQ(s.alerts.shown[0].message, loggedOnWarning("Bob"));
    EXPECT_EQ(s.alerts.shown[0].buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
    EXPECT_EQ(elsewhere.lockState("Bob"), LockState::Own);

    s.alerts.answers = {0};  // Yes
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::Own);
    EXPECT_NE(loggedOnWarning("Bob").find("The user \"Bob\" appears to be logged on."), std::string::npos);
}

TEST(Logon, FailuresAreReportedAndThePanelStaysOpen)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Carl");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();

    // The password cannot be stored: the reader is not made current.
    fs::setAtomicWriteHookForTesting([](const std::string& temp) { ::unlink(temp.c_str()); });
    panel.nameEdited("Carl");
    panel.userNameEdit();
    panel.passwordEdited("pw");
    panel.passwordAgainEdited("pw");
    panel.startButton();
    fs::setAtomicWriteHookForTesting(nullptr);
    EXPECT_EQ(s.alertTexts(), std::vector<std::string>{"PasswordNotSaved"});
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::Open);
    EXPECT_EQ(s.admin->userName(), "");
    EXPECT_FALSE(s.admin->isLockedUser("Carl"));
    panel.startButton();
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::LoggedOn);

    // The folder of a new reader cannot be made.
    LoginController second(*s.admin, *s.site);
    second.initialize();
    ASSERT_EQ(::symlink("/nonexistent/target", (s.users() + "Dan").c_str()), 0);
    second.nameEdited("Dan");
    second.userNameEdit();
    second.passwordEdited("pw");
    second.passwordAgainEdited("pw");
    second.startButton();
    EXPECT_EQ(s.alertTexts().back(), "LogonFailed");
    EXPECT_EQ(second.outcome(), LoginController::Outcome::Open);
    EXPECT_EQ(s.admin->userName(), "Carl");
}

TEST(Logon, QuitEndsTheRun)
{
    Site s;
    s.addUser("Admin", "pw");
    LoginController panel(*s.admin, *s.site);
    panel.initialize();
    panel.quitButton();
    EXPECT_TRUE(panel.quit());
    EXPECT_EQ(panel.outcome(), LoginController::Outcome::Quit);
    panel.initialize();
    EXPECT_FALSE(panel.quit());
}

// Exit codes of the second process.
enum : int { kChildOk = 0, kChildNoWarning = 10, kChildLoggedOn, kChildLockNotLive, kChildLockGone };

TEST(Logon, ASecondProcessSeesTheLockAndIsWarned)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob", "pw");
    LoginController first(*s.admin, *s.site);
    first.initialize();
    first.nameEdited("Bob");
    first.passwordEdited("pw");
    first.startButton();
    ASSERT_EQ(first.outcome(), LoginController::Outcome::LoggedOn);

    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // A process of its own over the same site.
        RecordingAlerts alerts;
        alerts.answers = {1};  // No
        PlatformServices services;
        services.alerts = &alerts;
        installPlatform(services);
        QorAdmin admin(s.external, 3);
        GlobalOptions site(s.external, 3);
        if (admin.lockState("Bob") != LockState::Live)
            ::_exit(kChildLockNotLive);
        LoginController second(admin, site);
        second.initialize();
        second.nameEdited("bob");
        second.passwordEdited("pw");
        second.startButton();
        if (alerts.shown.size() != 1 || alerts.shown[0].message != loggedOnWarning("Bob"))
            ::_exit(kChildNoWarning);
        if (second.outcome() != LoginController::Outcome::Open)
            ::_exit(kChildLoggedOn);
        if (admin.lockState("Bob") != LockState::Live)
            ::_exit(kChildLockGone);
        ::_exit(kChildOk);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), kChildOk);
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::Own);
}

}  // namespace
}  // namespace qor
