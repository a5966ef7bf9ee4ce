#pragma once
// The drill text chooser: the set item chooser over the drill text sets
// and the texts of the chosen set.

#include "sets/SetItemChooser.h"
#include "shell/ObjUtils.h"

#include <string>

namespace qor {

class LoadDrillText : public SetItemChooser {
public:
    // The keys are those of the caller: "LastDrillTextSetForLoading" /
    // "LastDrillTextForLoading" (reading material) or
    // "LastDrillSetInEditor" / "LastDrillTextInEditor" (the editor).
    LoadDrillText(CurrentPrefs& prefs, std::string setPrefKey, std::string textPrefKey,
                  std::string externalFolder = ObjUtils::externalPath());

    // The chosen text's full path and set name ("" before OK).
    std::string drillTextFileName() const { return chosenItemRef(); }
    std::string drillSetName() const { return chosenSetName(); }
};

} // namespace qor
