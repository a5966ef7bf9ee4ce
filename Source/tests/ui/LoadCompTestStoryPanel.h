#pragma once
// The test chooser: the set item chooser panel with the test texts,
// driving LoadCompTestStory.

#include "sets/ui/SetItemChooserPanel.h"
#include "tests/LoadCompTestStory.h"

namespace qor {

class LoadCompTestStoryPanel : public SetItemChooserPanel {
    Q_OBJECT
public:
    LoadCompTestStoryPanel(LoadCompTestStory& model, QWidget* parent = nullptr);
};

} // namespace qor
