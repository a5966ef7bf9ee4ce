#include "users/PreferenceWinController.h"

#include "users/CurrentPrefs.h"

namespace qor {

PreferenceWinController::PreferenceWinController(CurrentPrefs& prefs) : m_prefs(prefs) {}

void PreferenceWinController::windowDidLoad()
{
    m_tab = 0;
    m_tooltips = m_prefs.boolValue(prefkey::kTooltips);
    m_menuSound = m_prefs.boolValue(prefkey::kMenuSound);
}

bool PreferenceWinController::showTooltipsCheck(bool on)
{
    m_tooltips = on;
    bool saved = m_prefs.setBOOLValue(on, prefkey::kTooltips);
    if (m_tooltipsChanged)
        m_tooltipsChanged(on);
    return saved;
}

bool PreferenceWinController::enableWizardSoundCheck(bool on)
{
    m_menuSound = on;
    return m_prefs.setBOOLValue(on, prefkey::kMenuSound);
}

int PreferenceWinController::rowCount() const
{
    return m_keyMap ? m_keyMap->functionCount() : 0;
}

std::string PreferenceWinController::functionAt(int row) const
{
    return canEditRow(row) ? m_keyMap->functionByIndex(row) : std::string();
}

std::string PreferenceWinController::keyStrokeAt(int row) const
{
    return canEditRow(row) ? m_keyMap->keyStrokeByIndex(row) : std::string();
}

void PreferenceWinController::resetAllButton()
{
    if (m_keyMap)
        m_keyMap->defaultValues();
}

}  // namespace qor
