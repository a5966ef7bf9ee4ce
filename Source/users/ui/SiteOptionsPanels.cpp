#include "users/ui/SiteOptionsPanels.h"

#include "shell/ObjUtils.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <climits>

namespace qor {

namespace {

QSpinBox* numberField(QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setRange(0, INT_MAX);  // the values are stored as entered
    box->setMinimumWidth(90);
    return box;
}

int toSpin(uint32_t v)
{
    return v > static_cast<uint32_t>(INT_MAX) ? INT_MAX : static_cast<int>(v);
}

}  // namespace

// --- base reading speed ---------------------------------------------------------------------

BaseReadingSpeedPanel::BaseReadingSpeedPanel(GlobalOptions& site, QWidget* parent)
    : QDialog(parent), m_model(site)
{
    setWindowTitle(tr("Base Reading Speed Requirements"));
    setModal(true);
    mExcludeRepeatedCanceledTests = new QCheckBox(tr("Exclude repeated or cancelled tests"), this);
    mExcludeLowSpeeds = new QCheckBox(tr("Exclude speeds below"), this);
    mExcludeHighSpeeds = new QCheckBox(tr("Exclude speeds above"), this);
    mRequireScorePercent = new QCheckBox(tr("Require a comprehension score of at least"), this);
    mLowWordsPerMinute = numberField(this);
    mHighWordsPerMinute = numberField(this);
    mRequiredPercent = numberField(this);

    auto* grid = new QGridLayout;
    grid->addWidget(mExcludeRepeatedCanceledTests, 0, 0, 1, 3);
    grid->addWidget(mExcludeLowSpeeds, 1, 0);
    grid->addWidget(mLowWordsPerMinute, 1, 1);
    grid->addWidget(new QLabel(tr("words per minute"), this), 1, 2);
    grid->addWidget(mExcludeHighSpeeds, 2, 0);
    grid->addWidget(mHighWordsPerMinute, 2, 1);
    grid->addWidget(new QLabel(tr("words per minute"), this), 2, 2);
    grid->addWidget(mRequireScorePercent, 3, 0);
    grid->addWidget(mRequiredPercent, 3, 1);
    grid->addWidget(new QLabel(tr("percent"), this), 3, 2);

    auto* group = new QGroupBox(tr("Results that count toward a reader's base reading speed"), this);
    group->setLayout(grid);

    mDefaultsButton = new QPushButton(tr("Set Defaults"), this);
    mDefaultsButton->setAutoDefault(false);
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setAutoDefault(false);
    mOKButton = new QPushButton(tr("OK"), this);
    mOKButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mDefaultsButton);
    buttons->addStretch();
    buttons->addWidget(mCancelButton);
    buttons->addWidget(mOKButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);

    auto box = [this](QCheckBox* check, bool BaseReadingSpeedPanelModel::*field) {
        connect(check, &QCheckBox::clicked, this, [this, field](bool on) {
            takeNumbers();
            m_model.*field = on;
            refresh();
        });
    };
    box(mExcludeRepeatedCanceledTests, &BaseReadingSpeedPanelModel::excludeRepeatedCanceledTests);
    box(mExcludeLowSpeeds, &BaseReadingSpeedPanelModel::excludeLowSpeeds);
    box(mExcludeHighSpeeds, &BaseReadingSpeedPanelModel::excludeHighSpeeds);
    box(mRequireScorePercent, &BaseReadingSpeedPanelModel::requireScorePercent);
    connect(mDefaultsButton, &QPushButton::clicked, this, [this] {
        m_model.setDefaultsButton();
        refresh();
    });
    connect(mOKButton, &QPushButton::clicked, this, [this] {
        takeNumbers();
        if (m_model.okButton())
            accept();
    });
    connect(mCancelButton, &QPushButton::clicked, this, [this] {
        m_model.cancelButton();
        reject();
    });
}

void BaseReadingSpeedPanel::initialize()
{
    m_model.initialize();
    refresh();
}

void BaseReadingSpeedPanel::takeNumbers()
{
    m_model.lowWordsPerMinute = static_cast<uint32_t>(mLowWordsPerMinute->value());
    m_model.highWordsPerMinute = static_cast<uint32_t>(mHighWordsPerMinute->value());
    m_model.requiredPercent = static_cast<uint32_t>(mRequiredPercent->value());
}

void BaseReadingSpeedPanel::refresh()
{
    mExcludeRepeatedCanceledTests->setChecked(m_model.excludeRepeatedCanceledTests);
    mExcludeLowSpeeds->setChecked(m_model.excludeLowSpeeds);
    mExcludeHighSpeeds->setChecked(m_model.excludeHighSpeeds);
    mRequireScorePercent->setChecked(m_model.requireScorePercent);
    mLowWordsPerMinute->setValue(toSpin(m_model.lowWordsPerMinute));
    mHighWordsPerMinute->setValue(toSpin(m_model.highWordsPerMinute));
    mRequiredPercent->setValue(toSpin(m_model.requiredPercent));
    mLowWordsPerMinute->setEnabled(m_model.lowWordsPerMinuteEnabled());
    mHighWordsPerMinute->setEnabled(m_model.highWordsPerMinuteEnabled());
    mRequiredPercent->setEnabled(m_model.requiredPercentEnabled());
}

// --- miscellaneous -------------------------------------------------------------------------

MiscellaneousOptionsPanel::MiscellaneousOptionsPanel(GlobalOptions& site, bool reduced, QWidget* parent)
    : QDialog(parent), m_model(site, reduced)
{
    setWindowTitle(tr("Miscellaneous Options"));
    setModal(true);
    mLockoutTestStories = new QCheckBox(tr("Test stories cannot be loaded as reading material"), this);
    mForceStartupWizard = new QCheckBox(tr("Readers cannot switch off the launcher"), this);
    mAllowManualOverride = new QCheckBox(tr("Readers may change the speed of a drill"), this);
    mForceUsersToLogon = new QCheckBox(tr("Readers type their name at logon"), this);
    mAllowNewUsersToBeCreated = new QCheckBox(tr("New readers can be created at logon"), this);
    mLockoutMenuMode = new QCheckBox(tr("Close the launcher's Menu Mode page to readers"), this);
    mLockoutExpertMode = new QCheckBox(tr("Close the launcher's Expert Mode page to readers"), this);
    mForceCourseInOrder = new QCheckBox(tr("Course activities must be taken in order"), this);
    mForceCourseCompletion = new QCheckBox(tr("Course activities must be completed"), this);
    mHideBackToQuizButton = new QCheckBox(tr("Hide the quiz's button back to the story"), this);
    mFontText = new QLabel(this);
    mFontButton = new QPushButton(tr("Font..."), this);
    mFontButton->setAutoDefault(false);

    auto* logon = new QGroupBox(tr("Logon and launcher"), this);
    auto* logonLayout = new QVBoxLayout(logon);
    logonLayout->addWidget(mForceUsersToLogon);
    auto* indented = new QHBoxLayout;
    indented->addSpacing(24);
    indented->addWidget(mAllowNewUsersToBeCreated);
    logonLayout->addLayout(indented);
    logonLayout->addWidget(mForceStartupWizard);
    logonLayout->addWidget(mLockoutMenuMode);
    logonLayout->addWidget(mLockoutExpertMode);
    logonLayout->addWidget(mAllowManualOverride);

    auto* tests = new QGroupBox(tr("Tests and courses"), this);
    auto* testsLayout = new QVBoxLayout(tests);
    testsLayout->addWidget(mLockoutTestStories);
    testsLayout->addWidget(mHideBackToQuizButton);
    testsLayout->addWidget(mForceCourseInOrder);
    testsLayout->addWidget(mForceCourseCompletion);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(tr("Font of stories and quizzes:"), this));
    fontRow->addWidget(mFontText, 1);
    fontRow->addWidget(mFontButton);
    testsLayout->addLayout(fontRow);

    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setAutoDefault(false);
    mOKButton = new QPushButton(tr("OK"), this);
    mOKButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCancelButton);
    buttons->addWidget(mOKButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(logon);
    layout->addWidget(tests);
    layout->addLayout(buttons);
    logon->setVisible(!reduced);

    auto box = [this](QCheckBox* check, bool MiscellaneousOptionsModel::*field) {
        connect(check, &QCheckBox::clicked, this, [this, field](bool on) {
            m_model.*field = on;
            refresh();
        });
    };
    box(mLockoutTestStories, &MiscellaneousOptionsModel::lockoutTestStories);
    box(mForceStartupWizard, &MiscellaneousOptionsModel::forceStartupWizard);
    box(mAllowManualOverride, &MiscellaneousOptionsModel::allowManualOverride);
    box(mAllowNewUsersToBeCreated, &MiscellaneousOptionsModel::allowNewUsersToBeCreated);
    box(mLockoutMenuMode, &MiscellaneousOptionsModel::lockoutMenuMode);
    box(mLockoutExpertMode, &MiscellaneousOptionsModel::lockoutExpertMode);
    box(mForceCourseInOrder, &MiscellaneousOptionsModel::forceCourseInOrder);
    box(mForceCourseCompletion, &MiscellaneousOptionsModel::forceCourseCompletion);
    box(mHideBackToQuizButton, &MiscellaneousOptionsModel::hideBackToQuizButton);
    connect(mForceUsersToLogon, &QCheckBox::clicked, this, [this](bool on) {
        m_model.setForceUsersToLogon(on);
        refresh();
    });
    connect(mFontButton, &QPushButton::clicked, this, [this] { chooseFont(); });
    connect(mOKButton, &QPushButton::clicked, this, [this] {
        if (m_model.okButton())
            accept();
    });
    connect(mCancelButton, &QPushButton::clicked, this, [this] {
        m_model.cancelButton();
        reject();
    });
}

void MiscellaneousOptionsPanel::initialize()
{
    m_model.initialize();
    refresh();
}

void MiscellaneousOptionsPanel::chooseFont()
{
    QFont current(QString::fromStdString(ObjUtils::fontWithName(m_model.fontName)),
                  m_model.effectiveFontSize());
    bool ok = false;
    QFont chosen = QFontDialog::getFont(&ok, current, this, tr("Font of Stories and Quizzes"));
    if (!ok)
        return;
    m_model.changeFont(chosen.family().toStdString(), chosen.pointSize());
    refresh();
}

void MiscellaneousOptionsPanel::refresh()
{
    const MiscellaneousOptionsModel& m = m_model;
    mLockoutTestStories->setChecked(m.lockoutTestStories);
    mForceStartupWizard->setChecked(m.forceStartupWizard);
    mAllowManualOverride->setChecked(m.allowManualOverride);
    mForceUsersToLogon->setChecked(m.forceUsersToLogon);
    mAllowNewUsersToBeCreated->setChecked(m.allowNewUsersToBeCreated);
    mAllowNewUsersToBeCreated->setEnabled(m.newUsersEnabled());
    mLockoutMenuMode->setChecked(m.lockoutMenuMode);
    mLockoutExpertMode->setChecked(m.lockoutExpertMode);
    mForceCourseInOrder->setChecked(m.forceCourseInOrder);
    mForceCourseCompletion->setChecked(m.forceCourseCompletion);
    mHideBackToQuizButton->setChecked(m.hideBackToQuizButton);
    mFontText->setText(tr("%1, %2 pt").arg(QString::fromStdString(m.fontName)).arg(m.effectiveFontSize()));
}

}  // namespace qor
