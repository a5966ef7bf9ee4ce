#pragma once
// The entry points of the comprehension-test panels.

#include "users/CurrentPrefs.h"

#include <string>

class QWidget;

namespace qor {

// The test chooser under a pair of preference keys ("LastCompTestSetForLoading"
// / "LastCompTestForLoading" to load a story as reading material). True
// when the reader pressed OK; then the story's full path and its set name.
bool runLoadCompTestStory(QWidget* parent, const std::string& setPrefKey, const std::string& textPrefKey,
                          std::string& storyPath, std::string& setName,
                          CurrentPrefs& prefs = CurrentPrefs::instance());

// The start-up step: when "# Comprehension Test Set 1" holds fewer than 30
// tests, unpacks "pktsts" into it and then (except in edition 1) "satact"
// into "# SAT-ACT Prep Test Set", with the progress window. Returns the
// number of packs unpacked.
int checkForTests(QWidget* parent, int edition);

}  // namespace qor
