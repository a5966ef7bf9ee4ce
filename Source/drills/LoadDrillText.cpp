#include "drills/LoadDrillText.h"

#include "drills/DrillFiles.h"

namespace qor {

LoadDrillText::LoadDrillText(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                             std::string externalFolder)
    : SetItemChooser(prefs, std::move(setPrefKey), std::move(textPrefKey), catalogueOf<DrillTextSets>(),
                     itemsOf<DrillFilesList>(), std::move(externalFolder))
{
}

} // namespace qor
