#pragma once
// The entry points of the set commands and the custom option dialogs, as
// the menus and the launcher's administrator tasks run them. Each works on
// the process-wide reader (QorAdmin), preferences, reading options and bus.

#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace qor {

struct SetMenuHooks {
    // Opens the drill editor on a new drill set (after "DrillSetCreated").
    std::function<void(QWidget* parent, const std::string& set)> openDrillEditor;
};

// Adds the administrator's entries to a menu: one sub-menu per kind of
// set ("Comprehension Test Sets", "Custom Options Sets", "Drill Text
// Sets", "Drill Sets") with Create, Duplicate and Delete, and the custom
// option entries "Save Custom Option..." and "Remove Custom Option...".
void installSetMenus(QMenu* adminMenu, QWidget* parent, SetMenuHooks hooks = {});

// Adds "Custom Option Settings..." (apply an option) to a reader's menu.
void installCustomOptionsMenu(QMenu* optionsMenu, QWidget* parent);

// Runs the command of an administrator task code (1031, 1450 to 1453,
// 1460 to 1462, 1470 to 1472, 1480 to 1482). False for another code.
bool runSetCommand(int adminTaskCode, QWidget* parent, const SetMenuHooks& hooks = {});

// The custom option dialogs.
void runCustomOptionSettings(QWidget* parent);                           // apply an option
void runAddCustomOption(QWidget* parent);                                // 1031, administrator
void displayCustomOptionDialog(QWidget* parent, const std::string& set); // add, set preselected
void runRemoveCustomOption(QWidget* parent);                             // 1450, administrator

} // namespace qor
