#include "display/ui/OptionDialogs.h"

#include "display/CurrentOptions.h"
#include "display/ui/BurstOptionsPanel.h"
#include "display/ui/FineTunePanel.h"
#include "display/ui/SetDisplayModePanel.h"
#include "display/ui/SetFontAndColorsPanel.h"
#include "display/ui/SpeedOptionsPanel.h"
#include "shell/NotificationBus.h"

namespace qor {

bool runSpeedOptionsDialog(QWidget* parent)
{
    SpeedOptionsModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    SpeedOptionsPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

bool runDisplayModeDialog(QWidget* parent)
{
    DisplayModeModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    SetDisplayModePanel panel(model, parent);
    bool confirmed = panel.exec() == QDialog::Accepted;
    model.finish(confirmed);
    return confirmed;
}

bool runBurstOptionsDialog(QWidget* parent)
{
    BurstOptionsModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    BurstOptionsPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

bool runFineTuneDialog(QWidget* parent)
{
    FineTuneModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    FineTunePanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

bool runFontAndColorsDialog(QWidget* parent)
{
    FontAndColorsModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    SetFontAndColorsPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

int runPresetFontColorChooser(const FontTrait& current, QWidget* parent)
{
    PresetFontColorModel model(current);
    PresetFontColorPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted ? model.chosenIndex() : -1;
}

}  // namespace qor
