#include "sets/SetItemChooser.h"

#include "users/CurrentPrefs.h"

namespace qor {

SetItemChooser::SetItemChooser(CurrentPrefs& prefs, std::string setPrefKey, std::string itemPrefKey,
                               SetCatalogue makeSets, ItemCatalogue makeItems, std::string externalFolder)
    : m_prefs(prefs), m_setKey(std::move(setPrefKey)), m_itemKey(std::move(itemPrefKey)),
      m_makeSets(std::move(makeSets)), m_makeItems(std::move(makeItems)),
      m_external(std::move(externalFolder))
{
    freshSets();
}

void SetItemChooser::freshSets()
{
    m_sets = m_makeSets ? m_makeSets(m_external) : nullptr;
    if (!m_sets)
        m_sets = std::make_unique<QorCat>();
}

void SetItemChooser::initialize()
{
    m_bResult = false;
    freshSets();
    m_nSet = m_sets->indexOfEqualString(m_prefs.stringValue(m_setKey));
    if (m_nSet < 0)
        m_nSet = m_sets->count() > 0 ? 0 : -1;
    loadItems(m_prefs.stringValue(m_itemKey));
}

void SetItemChooser::loadItems(const std::string& preferred)
{
    m_items.reset();
    m_nItem = -1;
    if (m_nSet < 0)
        return;
    if (m_makeItems)
        m_items = m_makeItems(m_sets->getStringAtIndex(m_nSet), m_external);
    if (!m_items)
        m_items = std::make_unique<QorCat>();
    m_nItem = preferred.empty() ? -1 : m_items->indexOfEqualString(preferred);
    if (m_nItem < 0 && m_items->count() > 0)
        m_nItem = 0;
}

void SetItemChooser::selectSet(int index)
{
    if (!m_sets->validIndex(index) || index == m_nSet)
        return;
    m_nSet = index;
    loadItems({});
}

void SetItemChooser::selectItem(int index)
{
    if (m_items && m_items->validIndex(index))
        m_nItem = index;
}

bool SetItemChooser::okEnabled() const
{
    return m_items && m_items->count() > 0 && m_items->validIndex(m_nItem);
}

bool SetItemChooser::ok()
{
    if (!okEnabled())
        return false;
    m_prefs.setStringValue(m_sets->getStringAtIndex(m_nSet), m_setKey);
    m_prefs.setStringValue(m_items->getStringAtIndex(m_nItem), m_itemKey);
    m_bResult = true;
    return true;
}

std::string SetItemChooser::chosenItemRef() const
{
    return m_bResult && m_items ? m_items->getFSRefAtIndex(m_nItem) : std::string();
}

std::string SetItemChooser::chosenSetName() const
{
    return m_bResult ? m_sets->getStringAtIndex(m_nSet) : std::string();
}

} // namespace qor
