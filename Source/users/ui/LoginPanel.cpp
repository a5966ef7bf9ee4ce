#include "users/ui/LoginPanel.h"

#include "base/Files.h"
#include "shell/ObjUtils.h"
#include "shell/QorVersion.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {

QString q(const std::string& s)
{
    return QString::fromStdString(s);
}

void setTextIfChanged(QLineEdit* edit, const std::string& text)
{
    QString t = q(text);
    if (edit->text() != t)
        edit->setText(t);
}

}  // namespace

LoginPanel::LoginPanel(QorAdmin& admin, GlobalOptions& site, QWidget* parent)
    : QDialog(parent), m_controller(admin, site)
{
    setWindowTitle(q(QorVersion::qorVersionString()));
    setModal(true);

    mLogoView = new QLabel(this);
    mLogoView->setAlignment(Qt::AlignCenter);
    QPixmap logo(q(ObjUtils::internalPath() + "Images/" + QorVersion::logo()));
    if (!logo.isNull())
        mLogoView->setPixmap(logo.scaledToHeight(96, Qt::SmoothTransformation));
    else
        mLogoView->setText("<b>" + q(QorVersion::qorVersionString()).toHtmlEscaped() + "</b>");
    mVersionText = new QLabel(this);
    mVersionText->setAlignment(Qt::AlignCenter);
    mUserMessageText = new QLabel(this);
    mUserMessageText->setWordWrap(true);

    mUserNameText = new QLineEdit(this);
    mUserNameMenu = new QComboBox(this);
    mPasswordText = new QLineEdit(this);
    mPasswordText->setEchoMode(QLineEdit::Password);
    mPasswordAgainText = new QLabel(tr("Password again:"), this);
    mPasswordAgainEdit = new QLineEdit(this);
    mPasswordAgainEdit->setEchoMode(QLineEdit::Password);

    auto* nameRow = new QWidget(this);
    auto* nameLayout = new QHBoxLayout(nameRow);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    nameLayout->addWidget(mUserNameText);
    nameLayout->addWidget(mUserNameMenu);

    auto* form = new QFormLayout;
    form->addRow(tr("User name:"), nameRow);
    form->addRow(tr("Password:"), mPasswordText);
    form->addRow(mPasswordAgainText, mPasswordAgainEdit);

    mQuitButton = new QPushButton(tr("Quit"), this);
    mQuitButton->setAutoDefault(false);
    mStartButton = new QPushButton(tr("Start"), this);
    mStartButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mQuitButton);
    buttons->addWidget(mStartButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mLogoView);
    layout->addWidget(mVersionText);
    layout->addWidget(mUserMessageText);
    layout->addLayout(form);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    // Only Return runs the name handler: editingFinished would also fire
    // whenever the field loses focus. Return then goes on to the default
    // button, which the controller expects.
    connect(mUserNameText, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.nameEdited(t.toStdString()); });
    connect(mUserNameText, &QLineEdit::returnPressed, this, [this] {
        m_controller.userNameEdit();
        refresh();
    });
    connect(mUserNameMenu, &QComboBox::activated, this, [this](int index) {
        m_controller.userNameMenu(index);
        refresh();
    });
    connect(mPasswordText, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.passwordEdited(t.toStdString()); });
    connect(mPasswordAgainEdit, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_controller.passwordAgainEdited(t.toStdString()); });
    connect(mStartButton, &QPushButton::clicked, this, [this] {
        m_controller.startButton();
        refresh();
        finishIfDone();
    });
    connect(mQuitButton, &QPushButton::clicked, this, [this] {
        m_controller.quitButton();
        finishIfDone();
    });
}

void LoginPanel::initialize()
{
    m_controller.initialize();
    mVersionText->setText(tr("Version %1").arg(q(QorVersion::versionNumber())));
    mUserNameMenu->clear();
    for (const auto& name : m_controller.menuItems())
        mUserNameMenu->addItem(q(name));
    refresh();
}

void LoginPanel::refresh()
{
    const LoginController& c = m_controller;
    mUserNameText->setVisible(c.nameFieldVisible());
    mUserNameMenu->setVisible(c.menuVisible());
    if (mUserNameMenu->currentIndex() != c.menuIndex())
        mUserNameMenu->setCurrentIndex(c.menuIndex());
    setTextIfChanged(mUserNameText, c.nameText());
    setTextIfChanged(mPasswordText, c.password());
    setTextIfChanged(mPasswordAgainEdit, c.passwordAgain());
    mPasswordAgainText->setVisible(c.passwordAgainVisible());
    mPasswordAgainEdit->setVisible(c.passwordAgainVisible());
    mUserMessageText->setText(q(c.messageText()));
    switch (c.focus()) {
    case LoginController::Focus::NameField:
        (c.menuVisible() ? static_cast<QWidget*>(mUserNameMenu) : mUserNameText)->setFocus();
        break;
    case LoginController::Focus::PasswordField: mPasswordText->setFocus(); break;
    case LoginController::Focus::PasswordAgainField: mPasswordAgainEdit->setFocus(); break;
    }
}

void LoginPanel::finishIfDone()
{
    switch (m_controller.outcome()) {
    case LoginController::Outcome::LoggedOn: done(QDialog::Accepted); break;
    case LoginController::Outcome::Quit: done(QDialog::Rejected); break;
    case LoginController::Outcome::Open: break;
    }
}

void LoginPanel::keyPressEvent(QKeyEvent* event)
{
    // Escape must not end the application; only Quit does.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void LoginPanel::closeEvent(QCloseEvent* event)
{
    // Closing the panel is the Quit button.
    if (m_controller.outcome() == LoginController::Outcome::Open) {
        m_controller.quitButton();
        event->ignore();
        finishIfDone();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace qor
