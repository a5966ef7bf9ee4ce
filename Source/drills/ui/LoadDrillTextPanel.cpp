#include "drills/ui/LoadDrillTextPanel.h"

namespace qor {

LoadDrillTextPanel::LoadDrillTextPanel(LoadDrillText& model, QWidget* parent)
    : SetItemChooserPanel(model, {tr("Choose a Drill Text"), tr("Drill text set:"), tr("Drill texts:")},
                          parent)
{
}

} // namespace qor
