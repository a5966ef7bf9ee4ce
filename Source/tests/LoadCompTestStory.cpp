#include "tests/LoadCompTestStory.h"

#include "users/CurrentPrefs.h"

namespace qor {

LoadCompTestStory::LoadCompTestStory(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                                     std::string externalFolder)
    : m_prefs(prefs),
      m_setKey(std::move(setPrefKey)),
      m_textKey(std::move(textPrefKey)),
      m_external(std::move(externalFolder)),
      m_sets(m_external)
{
}

void LoadCompTestStory::initialize()
{
    m_bResult = false;
    m_sets = TestSets(m_external);
    m_nSet = m_sets.indexOfEqualString(m_prefs.stringValue(m_setKey));
    if (m_nSet < 0)
        m_nSet = m_sets.count() > 0 ? 0 : -1;
    loadTests(m_prefs.stringValue(m_textKey));
}

void LoadCompTestStory::loadTests(const std::string& preferred)
{
    m_tests.reset();
    m_nTest = -1;
    if (m_nSet < 0)
        return;
    m_tests = std::make_unique<TestFilesList>(m_sets.getStringAtIndex(m_nSet), m_external);
    m_nTest = preferred.empty() ? -1 : m_tests->indexOfEqualString(preferred);
    if (m_nTest < 0 && m_tests->count() > 0)
        m_nTest = 0;
}

void LoadCompTestStory::selectSet(int index)
{
    if (!m_sets.validIndex(index) || index == m_nSet)
        return;
    m_nSet = index;
    loadTests({});
}

void LoadCompTestStory::selectTest(int index)
{
    if (m_tests && m_tests->validIndex(index))
        m_nTest = index;
}

bool LoadCompTestStory::okEnabled() const
{
    return m_tests && m_tests->count() > 0 && m_tests->validIndex(m_nTest);
}

bool LoadCompTestStory::ok()
{
    if (!okEnabled())
        return false;
    m_prefs.setStringValue(m_sets.getStringAtIndex(m_nSet), m_setKey);
    m_prefs.setStringValue(m_tests->getStringAtIndex(m_nTest), m_textKey);
    m_bResult = true;
    return true;
}

std::string LoadCompTestStory::testStoryFileName() const
{
    return m_bResult && m_tests ? m_tests->storyPath(m_nTest) : std::string();
}

std::string LoadCompTestStory::testStorySetName() const
{
    return m_bResult ? m_sets.getStringAtIndex(m_nSet) : std::string();
}

}  // namespace qor
