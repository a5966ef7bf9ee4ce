#pragma once
// The key map as the reading window and the preferences window use it.
//
// The reading window's key handler:
//     KeyMappingSeams keys;             // over KeyMapping::instance()
//     window.setKeyHandler(&keys);
// and in its key event: keys.keyPressed(macKeyCode(e), keyMapShift(e),
// keyMapControl(e)) (ui/KeyCodes.h).
//
// The preferences window:
//     PreferencesHooks hooks;
//     addKeyMapHooks(hooks, keys);      // keyMap and editKey
//     hooks.tooltipsChanged = ...;
//     runPreferencesWindow(parent, hooks);

#include "session/WindowHost.h"
#include "users/PreferenceWinController.h"

class QWidget;

namespace qor {

class KeyMapping;
struct PreferencesHooks;

class KeyMappingSeams final : public KeyHandler, public KeyMapTable {
public:
    explicit KeyMappingSeams(KeyMapping& map);
    KeyMappingSeams();

    // KeyHandler: posts the bound notification; false when none is bound.
    bool keyPressed(int keyCode, bool shift, bool control) override;

    // KeyMapTable
    int functionCount() const override;
    std::string functionByIndex(int index) const override;
    std::string keyStrokeByIndex(int index) const override;
    // A failed save is shown; the defaults are in force either way.
    void defaultValues() override;

    // Runs the key dialog for a row.
    void editKey(QWidget* parent, int row);

    KeyMapping& map() { return m_map; }

private:
    KeyMapping& m_map;
};

// Sets the key map's table and its edit action (the seams stay owned by
// the caller and must outlive the window).
void addKeyMapHooks(PreferencesHooks& hooks, KeyMappingSeams& seams);

}  // namespace qor
