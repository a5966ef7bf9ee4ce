#pragma once
// The rules of the test chooser: a set pop-up over the test sets and a list
// of the chosen set's tests, starting from the choice stored under two
// preference keys.

#include "tests/TestFilesList.h"

#include <memory>
#include <string>

namespace qor {

class CurrentPrefs;

class LoadCompTestStory {
public:
    // The keys are those of the caller: "LastCompTestSetForLoading" /
    // "LastCompTestForLoading" (reading material) or
    // "LastTestSetSavedInEditor" / "LastTestSavedInEditor" (the editor).
    LoadCompTestStory(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                      std::string externalFolder = ObjUtils::externalPath());

    // Takes a fresh catalogue and selects the stored set and test (the
    // first of each when the stored one is absent).
    void initialize();

    const TestSets& sets() const { return m_sets; }
    const TestFilesList* tests() const { return m_tests.get(); }
    int selectedSet() const { return m_nSet; }
    int selectedTest() const { return m_nTest; }

    // Choosing another set reloads the list and selects its first test.
    void selectSet(int index);
    void selectTest(int index);
    bool okEnabled() const;

    // OK stores the set and test names under the two keys; false (nothing
    // stored) while OK is disabled.
    bool ok();
    void cancel() { m_bResult = false; }
    bool result() const { return m_bResult; }

    // The chosen story's full path and set name ("" before OK).
    std::string testStoryFileName() const;
    std::string testStorySetName() const;

private:
    void loadTests(const std::string& preferred);

    CurrentPrefs& m_prefs;
    std::string m_setKey;
    std::string m_textKey;
    std::string m_external;
    TestSets m_sets;
    std::unique_ptr<TestFilesList> m_tests;
    int m_nSet = -1;
    int m_nTest = -1;
    bool m_bResult = false;
};

}  // namespace qor
