#include "drills/LoadDrillText.h"

#include "users/CurrentPrefs.h"

namespace qor {

LoadDrillText::LoadDrillText(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                             std::string externalFolder)
    : m_prefs(prefs),
      m_setKey(std::move(setPrefKey)),
      m_textKey(std::move(textPrefKey)),
      m_external(std::move(externalFolder)),
      m_sets(m_external)
{
}

void LoadDrillText::initialize()
{
    m_bResult = false;
    m_sets = DrillTextSets(m_external);
    m_nSet = m_sets.indexOfEqualString(m_prefs.stringValue(m_setKey));
    if (m_nSet < 0)
        m_nSet = m_sets.count() > 0 ? 0 : -1;
    loadTexts(m_prefs.stringValue(m_textKey));
}

void LoadDrillText::loadTexts(const std::string& preferred)
{
    m_texts.reset();
    m_nText = -1;
    if (m_nSet < 0)
        return;
    m_texts = std::make_unique<DrillFilesList>(m_sets.getStringAtIndex(m_nSet), m_external);
    m_nText = preferred.empty() ? -1 : m_texts->indexOfEqualString(preferred);
    if (m_nText < 0 && m_texts->count() > 0)
        m_nText = 0;
}

void LoadDrillText::selectSet(int index)
{
    if (!m_sets.validIndex(index) || index == m_nSet)
        return;
    m_nSet = index;
    loadTexts({});
}

void LoadDrillText::selectText(int index)
{
    if (m_texts && m_texts->validIndex(index))
        m_nText = index;
}

bool LoadDrillText::okEnabled() const
{
    return m_texts && m_texts->count() > 0 && m_texts->validIndex(m_nText);
}

bool LoadDrillText::ok()
{
    if (!okEnabled())
        return false;
    m_prefs.setStringValue(m_sets.getStringAtIndex(m_nSet), m_setKey);
    m_prefs.setStringValue(m_texts->getStringAtIndex(m_nText), m_textKey);
    m_bResult = true;
    return true;
}

std::string LoadDrillText::drillTextFileName() const
{
    return m_bResult && m_texts ? m_texts->getFSRefAtIndex(m_nText) : std::string();
}

std::string LoadDrillText::drillSetName() const
{
    return m_bResult ? m_sets.getStringAtIndex(m_nSet) : std::string();
}

}  // namespace qor
