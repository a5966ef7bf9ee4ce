#include "tests/LoadCompTestStory.h"

#include "tests/TestFilesList.h"

namespace qor {

LoadCompTestStory::LoadCompTestStory(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                                     std::string externalFolder)
    : SetItemChooser(prefs, std::move(setPrefKey), std::move(textPrefKey), catalogueOf<TestSets>(),
                     itemsOf<TestFilesList>(), std::move(externalFolder))
{
}

} // namespace qor
