#pragma once
// The test chooser: the set item chooser over the test sets and the tests
// of the chosen set.

#include "sets/SetItemChooser.h"
#include "shell/ObjUtils.h"

#include <string>

namespace qor {

class LoadCompTestStory : public SetItemChooser {
public:
    // The keys are those of the caller: "LastCompTestSetForLoading" /
    // "LastCompTestForLoading" (reading material) or
    // "LastTestSetSavedInEditor" / "LastTestSavedInEditor" (the editor).
    LoadCompTestStory(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                      std::string externalFolder = ObjUtils::externalPath());

    // The chosen story's full path and set name ("" before OK).
    std::string testStoryFileName() const { return chosenItemRef(); }
    std::string testStorySetName() const { return chosenSetName(); }
};

} // namespace qor
