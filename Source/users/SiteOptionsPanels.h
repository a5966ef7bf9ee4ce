#pragma once
// The rules of the administrator's two site panels: the base-reading-speed
// requirements and the miscellaneous switches (with the reduced form the
// single-user edition uses). Each panel reads the site settings afresh when
// it opens, so a change another process made meanwhile is not overwritten.

#include "users/GlobalOptions.h"

#include <string>

namespace qor {

class QorAdmin;

// The administrator commands open these panels only for the administrator;
// otherwise they alert "AdminOnly" and return false.
bool checkAdminForSitePanel(const QorAdmin& admin);

class BaseReadingSpeedPanelModel {
public:
    explicit BaseReadingSpeedPanelModel(GlobalOptions& site) : m_site(site) {}

    // Reads the site settings and puts the seven values into the controls.
    void initialize();

    // The controls. A number field is enabled only while its box is checked.
    bool excludeRepeatedCanceledTests = false;
    bool excludeLowSpeeds = false;
    bool excludeHighSpeeds = false;
    bool requireScorePercent = false;
    uint32_t lowWordsPerMinute = 0;
    uint32_t highWordsPerMinute = 0;
    uint32_t requiredPercent = 0;

    bool lowWordsPerMinuteEnabled() const { return excludeLowSpeeds; }
    bool highWordsPerMinuteEnabled() const { return excludeHighSpeeds; }
    bool requiredPercentEnabled() const { return requireScorePercent; }

    // The defaults into the controls (stored only by OK).
    void setDefaultsButton();
    // Stores the values as they are (no range checks) and ends the run.
    // When the site settings cannot be written, alerts
    // "SiteSettingsNotSaved" and the panel stays open.
    bool okButton();
    void cancelButton() { m_done = true; }
    bool done() const { return m_done; }

private:
    GlobalOptions& m_site;
    bool m_done = false;
};

class MiscellaneousOptionsModel {
public:
    // reduced: the single-user edition's panel (test-story lockout, course
    // order and completion, the back-to-quiz button and the font).
    MiscellaneousOptionsModel(GlobalOptions& site, bool reduced) : m_site(site), m_reduced(reduced) {}

    void initialize();
    bool reduced() const { return m_reduced; }

    // The controls.
    bool lockoutTestStories = false;
    bool forceStartupWizard = false;
    bool allowManualOverride = false;
    bool forceUsersToLogon = false;
    bool allowNewUsersToBeCreated = false;
    bool lockoutMenuMode = false;
    bool lockoutExpertMode = false;
    bool forceCourseInOrder = false;
    bool forceCourseCompletion = false;
    bool hideBackToQuizButton = false;
    std::string fontName;
    int fontSize = 0;

    // New users can be allowed only while names must be typed.
    bool newUsersEnabled() const { return forceUsersToLogon; }
    void setForceUsersToLogon(bool on);
    // The chosen font (the name cut to its 63-byte field).
    void changeFont(const std::string& name, int pointSize);
    // The size the font chooser starts from.
    int effectiveFontSize() const { return fontSize > 0 ? fontSize : MiscOptions::kDefaultFontSize; }

    // Stores every field the panel shows (the reduced panel stores the
    // others as they were read); on failure as the other panel.
    bool okButton();
    void cancelButton() { m_done = true; }
    bool done() const { return m_done; }

private:
    GlobalOptions& m_site;
    bool m_reduced;
    MiscOptions m_read;
    bool m_done = false;
};

}  // namespace qor
