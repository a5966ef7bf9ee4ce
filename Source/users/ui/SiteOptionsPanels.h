#pragma once
// The administrator's site panels: thin Qt faces over the panel models.

#include "users/SiteOptionsPanels.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace qor {

class BaseReadingSpeedPanel : public QDialog {
    Q_OBJECT
public:
    explicit BaseReadingSpeedPanel(GlobalOptions& site, QWidget* parent = nullptr);

    void initialize();
    BaseReadingSpeedPanelModel& model() { return m_model; }
    QCheckBox* excludeLowSpeeds() const { return mExcludeLowSpeeds; }
    QSpinBox* lowWordsPerMinute() const { return mLowWordsPerMinute; }
    QPushButton* defaultsButton() const { return mDefaultsButton; }
    QPushButton* okButton() const { return mOKButton; }
    QPushButton* cancelButton() const { return mCancelButton; }

private:
    void refresh();
    void takeNumbers();

    BaseReadingSpeedPanelModel m_model;
    QCheckBox* mExcludeRepeatedCanceledTests = nullptr;
    QCheckBox* mExcludeLowSpeeds = nullptr;
    QCheckBox* mExcludeHighSpeeds = nullptr;
    QCheckBox* mRequireScorePercent = nullptr;
    QSpinBox* mLowWordsPerMinute = nullptr;
    QSpinBox* mHighWordsPerMinute = nullptr;
    QSpinBox* mRequiredPercent = nullptr;
    QPushButton* mDefaultsButton = nullptr;
    QPushButton* mOKButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};

class MiscellaneousOptionsPanel : public QDialog {
    Q_OBJECT
public:
    // reduced: the single-user edition's panel.
    MiscellaneousOptionsPanel(GlobalOptions& site, bool reduced, QWidget* parent = nullptr);

    void initialize();
    MiscellaneousOptionsModel& model() { return m_model; }
    QCheckBox* forceUsersToLogon() const { return mForceUsersToLogon; }
    QCheckBox* allowNewUsers() const { return mAllowNewUsersToBeCreated; }
    QPushButton* okButton() const { return mOKButton; }

private:
    void refresh();
    void chooseFont();

    MiscellaneousOptionsModel m_model;
    QCheckBox* mLockoutTestStories = nullptr;
    QCheckBox* mForceStartupWizard = nullptr;
    QCheckBox* mAllowManualOverride = nullptr;
    QCheckBox* mForceUsersToLogon = nullptr;
    QCheckBox* mAllowNewUsersToBeCreated = nullptr;
    QCheckBox* mLockoutMenuMode = nullptr;
    QCheckBox* mLockoutExpertMode = nullptr;
    QCheckBox* mForceCourseInOrder = nullptr;
    QCheckBox* mForceCourseCompletion = nullptr;
    QCheckBox* mHideBackToQuizButton = nullptr;
    QLabel* mFontText = nullptr;
    QPushButton* mFontButton = nullptr;
    QPushButton* mOKButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};

}  // namespace qor
