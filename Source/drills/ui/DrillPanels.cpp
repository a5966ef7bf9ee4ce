#include "drills/ui/DrillPanels.h"

#include "drills/ui/LoadDrillTextPanel.h"

namespace qor {

bool runLoadDrillTextPanel(QWidget* parent, const std::string& setPrefKey, const std::string& textPrefKey,
                           std::string& textPath, std::string& setName, CurrentPrefs& prefs)
{
    LoadDrillText model(prefs, setPrefKey, textPrefKey);
    LoadDrillTextPanel panel(model, parent);
    panel.initialize();
    panel.exec();
    textPath = model.drillTextFileName();
    setName = model.drillSetName();
    return model.result();
}

}  // namespace qor
