#pragma once
// The entry points of the drill panels.

#include "users/CurrentPrefs.h"

#include <string>

class QWidget;

namespace qor {

// The drill text chooser under a pair of preference keys
// ("LastDrillTextSetForLoading" / "LastDrillTextForLoading" to load a drill
// text as reading material). True when the reader pressed OK; then the
// text's full path and its set name.
bool runLoadDrillTextPanel(QWidget* parent, const std::string& setPrefKey, const std::string& textPrefKey,
                           std::string& textPath, std::string& setName,
                           CurrentPrefs& prefs = CurrentPrefs::instance());

}  // namespace qor
