#pragma once
// The default reading options and the 31 standard presets of the preset
// menus.

#include "display/OptionsRecord.h"

namespace qor {

class CurrentOptions;
class NotificationBus;

class StandardOptions {
public:
    static constexpr int kOriginalCode = 4000;  // the defaults
    static constexpr int kFirstCode = 4001;
    static constexpr int kLastCode = 4031;

    // Makes the record the default record. Every byte is set: nothing of
    // what the record held before survives.
    static void defaultWindowOptions(OptionsRecord& rec);

    // The defaults, then the differences of the preset with that code.
    // Codes outside 4001..4031 give the defaults alone. A preset replaces
    // every field, so it also resets the limits, unit, burst and delays.
    static void getStandardOption(OptionsRecord& rec, int code);

    // The preset code of a menu item's tag in each of the three preset
    // menus; a tag the menu does not have gives the menu's default code.
    static int productivityCode(int tag);
    static int educationHighlightCode(int tag);
    static int educationNonHighlightCode(int tag);

    // Applies a preset as the preset menu commands do: the record becomes
    // the preset, then "ScreenSizeUpdateNotification",
    // "TargetSpeedUnitNotification" (the unit), "TargetSpeedLimitsNotification",
    // "UpdateTargetSpeedNotification" and "OptionsUpdateNotification" are
    // posted in that order. Returns the save status (0 when saved); the
    // new options are in force either way.
    static int applyStandardOption(int code, CurrentOptions& options, NotificationBus& bus);
};

}  // namespace qor
