#pragma once
// The rules of the logon panel (the Qt LoginPanel turns the reader's actions
// into calls here and shows the state this class holds).
//
// The panel takes a reader name (typed, or chosen from a list when the
// site does not make readers type it) and a password; it creates readers
// when the site allows it, sets a password for a reader who has none, warns
// when the reader seems to be logged on elsewhere, and makes the reader
// current in the user store. The first logon of an installation creates
// the administrator, "Admin".

#include <string>
#include <vector>

namespace qor {

class GlobalOptions;
class QorAdmin;

class LoginController {
public:
    enum class Focus { NameField, PasswordField, PasswordAgainField };
    enum class Outcome { Open, LoggedOn, Quit };

    LoginController(QorAdmin& admin, GlobalOptions& site);

    // Prepares the panel before each run (the site settings are read
    // afresh; on a fresh installation the site is set to typed names with
    // new readers allowed, and "Admin" is offered with both password fields).
    void initialize();

    // --- what the panel shows ---
    bool nameFieldVisible() const { return m_nameVisible; }
    bool menuVisible() const { return m_menuVisible; }
    const std::vector<std::string>& menuItems() const { return m_menuItems; }
    int menuIndex() const { return m_menuIndex; }
    const std::string& nameText() const { return m_nameText; }
    const std::string& password() const { return m_password; }
    const std::string& passwordAgain() const { return m_passwordAgain; }
    bool passwordAgainVisible() const { return m_passwordAgainVisible; }
    // The key of the instruction line (table "Display") and its text.
    const std::string& messageKey() const { return m_messageKey; }
    std::string messageText() const;
    Focus focus() const { return m_focus; }
    Outcome outcome() const { return m_outcome; }
    bool quit() const { return m_bQuit; }
    bool passwordEditEntered() const { return m_bPasswordEditEntered; }
    bool displayedBlank() const { return m_bDisplayedBlank; }

    // --- the reader's actions ---
    // The name field's text was edited: any earlier name error is over.
    void nameEdited(const std::string& text);
    // Return in the name field. Calling it again for the same text without
    // an edit between shows no second alert.
    void userNameEdit();
    // A name chosen in the list.
    void userNameMenu(int index);
    // The password fields were edited.
    void passwordEdited(const std::string& text);
    void passwordAgainEdited(const std::string& text);
    // The default button: the logon itself.
    void startButton();
    void quitButton();

private:
    std::string chosenName() const;
    void showPasswordAgainFor(const std::string& name);
    void alertError(const char* key, int severity);
    bool finishNewPassword(const std::string& name);

    QorAdmin& m_admin;
    GlobalOptions& m_site;

    bool m_nameVisible = true;
    bool m_menuVisible = false;
    std::vector<std::string> m_menuItems;
    int m_menuIndex = -1;
    std::string m_nameText;
    std::string m_password;
    std::string m_passwordAgain;
    bool m_passwordAgainVisible = false;
    std::string m_messageKey;
    Focus m_focus = Focus::NameField;
    Outcome m_outcome = Outcome::Open;

    bool m_bQuit = false;
    bool m_bPasswordEditEntered = false;
    bool m_bDisplayedBlank = false;
};

// The text of the warning that a reader seems to be logged on already.
std::string loggedOnWarning(const std::string& user);

}  // namespace qor
