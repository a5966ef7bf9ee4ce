#pragma once
// Key events as the key map sees them: the virtual key code of the key's
// position on a US (ANSI) keyboard, the codes "keyPrefs" stores.
//
// Where the platform reports the physical key (an X keycode under xcb and
// Wayland, which is the evdev code + 8), the key's position decides, so a
// map keeps working on any layout. Otherwise the key Qt names is taken as
// the US key that carries it (">" is Shift with Period).

#include <QtGlobal>

class QKeyEvent;

namespace qor {

// The key's code, or -1 when it has none.
int macKeyCode(const QKeyEvent& e);
// From an X keycode (evdev + 8); -1 when not a key of the table.
int macKeyCodeFromXKeycode(quint32 xKeycode);
// From Qt's key (Qt::Key); -1 when not a key of the table.
int macKeyCodeFromQtKey(int qtKey);

// The modifiers the key map looks at: either Shift key, and the left
// Control key only (on macOS Qt's Meta modifier is the Control key). Which
// Control key is held is known once installControlKeyTracking() has run and
// the platform reports physical keys; otherwise either Control key counts.
bool keyMapShift(const QKeyEvent& e);
bool keyMapControl(const QKeyEvent& e);

// Follows the two Control keys through every key event of the application
// (an event filter on it). Install once, after the QApplication exists.
void installControlKeyTracking();

// What the tracking decides, apart from the application (tests).
class ControlKeyState {
public:
    explicit ControlKeyState(bool physicalKeys) : m_physical(physicalKeys) {}
    // A key event: presses and releases of the Control keys are noted.
    void note(const QKeyEvent& e);
    // Focus left the application: nothing is known to be held.
    void reset() { m_left = m_right = false; }
    // Whether the event's Control counts as the left Control key.
    bool leftControl(const QKeyEvent& e) const;

private:
    bool m_physical;
    bool m_left = false;
    bool m_right = false;
};

}  // namespace qor
