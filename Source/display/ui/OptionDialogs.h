#pragma once
// The reading options dialogs as the menus run them: each works on the
// current reader's options (CurrentOptions::instance()) and posts on the
// process bus (NotificationBus::instance()), and runs modally.

#include "display/OptionsRecord.h"

class QWidget;

namespace qor {

// Speed unit, limits and target speed. True when confirmed.
bool runSpeedOptionsDialog(QWidget* parent = nullptr);
// Display mode, option and count. Posts "DisplayRecommendationNotification"
// when confirmed and "OptionsUpdateNotification" in every case, as the
// menu command does.
bool runDisplayModeDialog(QWidget* parent = nullptr);
// What a burst counts and how many.
bool runBurstOptionsDialog(QWidget* parent = nullptr);
// The extra delays.
bool runFineTuneDialog(QWidget* parent = nullptr);
// Font and colours (with the preset chooser inside).
bool runFontAndColorsDialog(QWidget* parent = nullptr);
// The preset chooser alone: the preset index chosen, or -1.
int runPresetFontColorChooser(const FontTrait& current, QWidget* parent = nullptr);

}  // namespace qor
