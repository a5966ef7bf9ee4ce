#include "users/SiteOptionsPanels.h"

#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "users/QorAdmin.h"

namespace qor {

bool checkAdminForSitePanel(const QorAdmin& admin)
{
    if (admin.isAdmin())
        return true;
    QorAlert::message(MessageTables::localizedString("AdminOnly", table::kError), kAlertOK,
                      kSeverityWarning);
    return false;
}

// --- base reading speed ---------------------------------------------------------------------

namespace {

bool finishSave(bool saved, bool& done)
{
    if (!saved)
        QorAlert::message(MessageTables::localizedString("SiteSettingsNotSaved", table::kError),
                          kAlertOK, kSeverityWarning);
    done = saved;
    return saved;
}

void intoControls(BaseReadingSpeedPanelModel& m, const BrsRequirements& v)
{
    m.excludeRepeatedCanceledTests = v.bExcludeRepeatCancelled != 0;
    m.excludeLowSpeeds = v.bExcludeLowSpeed != 0;
    m.excludeHighSpeeds = v.bExcludeHighSpeed != 0;
    m.requireScorePercent = v.bRequirePercent != 0;
    m.lowWordsPerMinute = v.lowSpeed;
    m.highWordsPerMinute = v.highSpeed;
    m.requiredPercent = v.requiredPercent;
}

}  // namespace

void BaseReadingSpeedPanelModel::initialize()
{
    m_done = false;
    m_site.loadOptionsPlist();
    intoControls(*this, m_site.brsValues());
}

void BaseReadingSpeedPanelModel::setDefaultsButton()
{
    intoControls(*this, GlobalOptions::getBRSDefaults());
}

bool BaseReadingSpeedPanelModel::okButton()
{
    BrsRequirements v;
    v.bExcludeRepeatCancelled = excludeRepeatedCanceledTests;
    v.bExcludeLowSpeed = excludeLowSpeeds;
    v.bExcludeHighSpeed = excludeHighSpeeds;
    v.bRequirePercent = requireScorePercent;
    v.lowSpeed = lowWordsPerMinute;
    v.highSpeed = highWordsPerMinute;
    v.requiredPercent = requiredPercent;
    return finishSave(m_site.saveBRSValues(v), m_done);
}

// --- miscellaneous -------------------------------------------------------------------------

void MiscellaneousOptionsModel::initialize()
{
    m_done = false;
    m_site.loadOptionsPlist();
    m_read = m_site.miscValues();
    lockoutTestStories = m_read.lockoutCompStories != 0;
    forceStartupWizard = m_read.lockoutWizardScreen != 0;
    allowManualOverride = m_read.allowManualOverride != 0;
    forceUsersToLogon = m_read.forceUsersToLogon != 0;
    allowNewUsersToBeCreated = m_read.addUserFromLogonScreen != 0;
    lockoutMenuMode = m_read.lockoutMenuMode != 0;
    lockoutExpertMode = m_read.lockoutExpertMode != 0;
    forceCourseInOrder = m_read.forceCourseInOrder != 0;
    forceCourseCompletion = m_read.forceCourseCompletion != 0;
    hideBackToQuizButton = m_read.hideBackToQuizButton != 0;
    fontName = m_read.fontName;
    fontSize = m_read.fontSize;
    setForceUsersToLogon(forceUsersToLogon);
}

void MiscellaneousOptionsModel::setForceUsersToLogon(bool on)
{
    forceUsersToLogon = on;
    if (!on)
        allowNewUsersToBeCreated = false;
}

void MiscellaneousOptionsModel::changeFont(const std::string& name, int pointSize)
{
    fontName = GlobalOptions::fitFontName(name);
    fontSize = pointSize;
}

bool MiscellaneousOptionsModel::okButton()
{
    MiscOptions v = m_read;
    v.lockoutCompStories = lockoutTestStories;
    v.forceCourseInOrder = forceCourseInOrder;
    v.forceCourseCompletion = forceCourseCompletion;
    v.hideBackToQuizButton = hideBackToQuizButton;
    v.fontName = fontName;
    v.fontSize = fontSize;
    if (!m_reduced) {
        v.lockoutWizardScreen = forceStartupWizard;
        v.allowManualOverride = allowManualOverride;
        v.forceUsersToLogon = forceUsersToLogon;
        v.addUserFromLogonScreen = forceUsersToLogon && allowNewUsersToBeCreated;
        v.lockoutMenuMode = lockoutMenuMode;
        v.lockoutExpertMode = lockoutExpertMode;
    }
    return finishSave(m_site.saveMiscValues(v), m_done);
}

}  // namespace qor
