#include "users/LoginController.h"

#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorAlert.h"
#include "users/GlobalOptions.h"
#include "users/QorAdmin.h"
#include "users/QorEncryption.h"
#include "users/UsersUtils.h"

namespace qor {

std::string loggedOnWarning(const std::string& user)
{
    return formatMessage(
        "The user \"%@\" appears to be logged on. Each user should only be logged on once at any "
        "point in time. It is ok to proceed with logon if you are sure \"%@\" is not already logged "
        "on.\r\rDo you want to proceed?",
        {user, user});
}

LoginController::LoginController(QorAdmin& admin, GlobalOptions& site) : m_admin(admin), m_site(site) {}

std::string LoginController::messageText() const
{
    return m_messageKey.empty() ? std::string()
                                : MessageTables::localizedString(m_messageKey, table::kDisplay);
}

void LoginController::alertError(const char* key, int severity)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, severity);
}

void LoginController::initialize()
{
    // Another process may have changed the site settings since they were read.
    m_site.loadOptionsPlist();
    bool adminExists = m_admin.doesUserExist(kAdminUserName);
    if (!adminExists) {
        MiscOptions misc = m_site.miscValues();
        misc.forceUsersToLogon = 1;
        misc.addUserFromLogonScreen = 1;
        m_site.saveMiscValues(misc);
    }
    m_bDisplayedBlank = false;
    m_bPasswordEditEntered = false;
    m_bQuit = false;
    m_outcome = Outcome::Open;

    m_focus = Focus::NameField;
    m_passwordAgainVisible = false;
    m_nameText = kAdminUserName;
    m_password.clear();
    m_passwordAgain.clear();
    m_menuItems.clear();
    m_menuIndex = -1;

    MiscOptions misc = m_site.miscValues();
    if (!adminExists) {
        m_nameVisible = true;
        m_menuVisible = false;
        m_passwordAgainVisible = true;
        m_focus = Focus::PasswordField;
    } else if (misc.forceUsersToLogon) {
        m_nameVisible = true;
        m_menuVisible = false;
    } else {
        m_nameVisible = false;
        m_menuVisible = true;
        if (auto users = UsersUtils::getUserListFromType(UsersUtils::kAllUsers, true, m_admin))
            m_menuItems = std::move(*users);
        m_menuIndex = m_menuItems.empty() ? -1 : 0;
    }
    if (misc.addUserFromLogonScreen)
        m_messageKey = "LogonMessageNewUser";
    else if (misc.forceUsersToLogon)
        m_messageKey = "LogonMessageNoNewUserForce";
    else
        m_messageKey = "LogonMessageNoNewUser";
}

void LoginController::nameEdited(const std::string& text)
{
    m_nameText = text;
    m_bDisplayedBlank = false;
}

void LoginController::passwordEdited(const std::string& text)
{
    m_password = text;
    m_bPasswordEditEntered = true;
}

void LoginController::passwordAgainEdited(const std::string& text)
{
    m_passwordAgain = text;
}

void LoginController::showPasswordAgainFor(const std::string& name)
{
    m_passwordAgainVisible = !m_admin.doesPasswordExistForUser(name);
}

void LoginController::userNameEdit()
{
    if (m_outcome != Outcome::Open)
        return;
    const std::string& name = m_nameText;
    if (m_admin.doesUserExist(name)) {
        showPasswordAgainFor(name);
        return;
    }
    if (m_bDisplayedBlank)
        return;  // this name has had its alert; only an edit ends that
    if (name.empty()) {
        m_focus = Focus::NameField;
        alertError("UserNameBlank", kSeverityInformational);
        m_bDisplayedBlank = true;
        return;
    }
    if (ObjUtils::startsWithBlank(name)) {
        alertError("UserNameSpace", kSeverityWarning);
        m_bDisplayedBlank = true;
        m_focus = Focus::NameField;
        return;
    }
    // A new name: the second entry is for its new password, when new
    // readers may be made and the name can become one.
    if (m_site.miscValues().addUserFromLogonScreen &&
        UsersUtils::checkUserName(name) == NameProblem::None)
        m_passwordAgainVisible = true;
}

void LoginController::userNameMenu(int index)
{
    if (m_outcome != Outcome::Open || index < 0 || index >= static_cast<int>(m_menuItems.size()))
        return;
    m_menuIndex = index;
    showPasswordAgainFor(m_menuItems[static_cast<size_t>(index)]);
}

std::string LoginController::chosenName() const
{
    if (!m_menuVisible)
        return m_nameText;
    if (m_menuIndex < 0 || m_menuIndex >= static_cast<int>(m_menuItems.size()))
        return {};
    return m_menuItems[static_cast<size_t>(m_menuIndex)];
}

void LoginController::startButton()
{
    if (m_outcome != Outcome::Open)
        return;
    std::string name = chosenName();

    if (name.empty()) {
        if (m_bDisplayedBlank) {
            m_bDisplayedBlank = false;  // the name field has alerted for this key press
            return;
        }
        m_focus = Focus::NameField;
        alertError("UserNameBlank", kSeverityInformational);
        return;
    }
    if (ObjUtils::startsWithBlank(name)) {
        if (m_bDisplayedBlank) {
            m_bDisplayedBlank = false;
            return;
        }
        m_focus = Focus::NameField;
        alertError("UserNameSpace", kSeverityWarning);
        return;
    }

    std::string stored;
    PasswordRead read = m_admin.getPassword(stored, name);
    bool exists = m_admin.doesUserExist(name);
    MiscOptions misc = m_site.miscValues();
    if (exists)
        name = m_admin.existingUserName(name).value_or(name);

    if (read == PasswordRead::Unreadable) {
        // A password file that is there but holds nothing usable never
        // stands for the empty password.
        QorAlert::message(localizedFormat("PasswordFileUnreadable", table::kError, {name}), kAlertOK,
                          kSeverityWarning);
        return;
    }
    bool hasPassword = read == PasswordRead::Read;

    if (!exists && !misc.addUserFromLogonScreen) {
        alertError("UserDoesNotExist", kSeverityInformational);
        return;
    }
    if (!exists && UsersUtils::checkUserName(name) != NameProblem::None) {
        m_focus = Focus::NameField;
        QorAlert::message(localizedFormat("UserNameInvalid", table::kError, {name}), kAlertOK,
                          kSeverityInformational);
        return;
    }

    bool needsNewPassword = !(exists && hasPassword);
    if (needsNewPassword && (!m_passwordAgainVisible || !m_bPasswordEditEntered)) {
        // A new password is asked for once before it is taken. Whether or
        // not a password was typed before the name was taken, the second
        // entry must be visible before it can be compared; and a second
        // entry that the name field has just shown (Return runs the name
        // field and then this button) has not been asked for yet.
        m_passwordAgainVisible = true;
        m_focus = m_password.empty() ? Focus::PasswordField : Focus::PasswordAgainField;
        m_bPasswordEditEntered = true;
        return;
    }

    if (!needsNewPassword) {
        auto typed = QorEncryption::storedFormOfTyped(m_password);
        if (!typed || *typed != stored) {
            m_focus = Focus::PasswordField;
            alertError("IncorrectPassword", kSeverityInformational);
            return;
        }
        // The lock this very process holds is no other logon.
        if (m_admin.isLockedUser(name) && m_admin.lockState(name) != LockState::Own) {
            if (QorAlert::question(loggedOnWarning(name), kAlertYesNo) != 1)
                return;
            m_admin.removeLockFile(name);
        }
        if (!m_admin.setTheUser(name)) {
            QorAlert::message(localizedFormat("LogonFailed", table::kError, {name}), kAlertOK,
                              kSeverityWarning);
            return;
        }
        m_outcome = Outcome::LoggedOn;
        return;
    }

    finishNewPassword(name);
}

bool LoginController::finishNewPassword(const std::string& name)
{
    if (m_password != m_passwordAgain) {
        alertError("PasswordsSame", kSeverityInformational);
        return false;
    }
    auto typed = QorEncryption::storedFormOfTyped(m_password);
    if (!typed) {
        m_focus = Focus::PasswordField;
        alertError("PasswordNotEncodable", kSeverityInformational);
        return false;
    }
    if (m_password.empty() &&
        QorAlert::question(MessageTables::localizedString("PasswordEmptyQuestion", table::kError),
                           kAlertYesNo) != 1)
        return false;
    // The folder and its password come first, so a reader is never made
    // current without the password just chosen.
    if (!m_admin.createDirectoryForUser(name)) {
        QorAlert::message(localizedFormat("LogonFailed", table::kError, {name}), kAlertOK,
                          kSeverityWarning);
        return false;
    }
    if (!m_admin.setPassword(*typed, name)) {
        QorAlert::message(localizedFormat("PasswordNotSaved", table::kError, {name}), kAlertOK,
                          kSeverityWarning);
        return false;
    }
    if (!m_admin.setTheUser(name)) {
        QorAlert::message(localizedFormat("LogonFailed", table::kError, {name}), kAlertOK,
                          kSeverityWarning);
        return false;
    }
    m_outcome = Outcome::LoggedOn;
    return true;
}

void LoginController::quitButton()
{
    m_bQuit = true;
    m_outcome = Outcome::Quit;
}

}  // namespace qor
