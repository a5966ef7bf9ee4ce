#pragma once
// The drill text chooser: the set item chooser panel with the drill text
// texts, driving LoadDrillText.

#include "drills/LoadDrillText.h"
#include "sets/ui/SetItemChooserPanel.h"

namespace qor {

class LoadDrillTextPanel : public SetItemChooserPanel {
    Q_OBJECT
public:
    LoadDrillTextPanel(LoadDrillText& model, QWidget* parent = nullptr);
};

} // namespace qor
