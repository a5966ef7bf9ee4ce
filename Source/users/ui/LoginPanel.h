#pragma once
// The logon panel: a thin Qt face over LoginController.

#include "users/LoginController.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qor {

class LoginPanel : public QDialog {
    Q_OBJECT
public:
    LoginPanel(QorAdmin& admin, GlobalOptions& site, QWidget* parent = nullptr);

    // Prepares the panel for a run (the controller's initialize).
    void initialize();
    LoginController& controller() { return m_controller; }

    QLineEdit* userNameField() const { return mUserNameText; }
    QComboBox* userNameMenu() const { return mUserNameMenu; }
    QLineEdit* passwordField() const { return mPasswordText; }
    QLineEdit* passwordAgainField() const { return mPasswordAgainEdit; }
    QPushButton* startButton() const { return mStartButton; }
    QPushButton* quitButton() const { return mQuitButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();
    void finishIfDone();

    LoginController m_controller;
    QLabel* mLogoView = nullptr;
    QLabel* mVersionText = nullptr;
    QLabel* mUserMessageText = nullptr;
    QLineEdit* mUserNameText = nullptr;
    QComboBox* mUserNameMenu = nullptr;
    QLineEdit* mPasswordText = nullptr;
    QLabel* mPasswordAgainText = nullptr;
    QLineEdit* mPasswordAgainEdit = nullptr;
    QPushButton* mStartButton = nullptr;
    QPushButton* mQuitButton = nullptr;
};

}  // namespace qor
