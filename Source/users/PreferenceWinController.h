#pragma once
// The rules of the preferences window: the tooltip and launcher-sound
// switches and the key map table. The Qt window only mirrors this state.
//
// The key map belongs to the reader controls and reaches the window
// through KeyMapTable; the tooltip change is announced through a callback
// (the application posts "TurnOnToolTipsNotification" with the new state).

#include <functional>
#include <string>

namespace qor {

class CurrentPrefs;

// The key map as the preferences window shows it.
class KeyMapTable {
public:
    virtual ~KeyMapTable() = default;
    virtual int functionCount() const = 0;
    virtual std::string functionByIndex(int index) const = 0;
    virtual std::string keyStrokeByIndex(int index) const = 0;
    // Restores the key map's defaults (and stores them).
    virtual void defaultValues() = 0;
};

class PreferenceWinController {
public:
    explicit PreferenceWinController(CurrentPrefs& prefs);

    // Not owned; either may be absent.
    void setKeyMap(KeyMapTable* keyMap) { m_keyMap = keyMap; }
    void setTooltipsChanged(std::function<void(bool)> announce) { m_tooltipsChanged = std::move(announce); }

    // The window is shown: first tab, check boxes from "Tooltips" and
    // "MenuSound".
    void windowDidLoad();

    int currentTab() const { return m_tab; }
    void selectTab(int tab) { m_tab = tab; }
    bool tooltipsChecked() const { return m_tooltips; }
    bool menuSoundChecked() const { return m_menuSound; }

    // The check boxes: each stores its key at once; the tooltip box also
    // announces the new state. False when the preference could not be saved.
    bool showTooltipsCheck(bool on);
    bool enableWizardSoundCheck(bool on);

    // The key map table: one row per function, every row selectable.
    int rowCount() const;
    std::string functionAt(int row) const;
    std::string keyStrokeAt(int row) const;
    // A row that can be edited (double-click or the edit button).
    bool canEditRow(int row) const { return row >= 0 && row < rowCount(); }
    void resetAllButton();

private:
    CurrentPrefs& m_prefs;
    KeyMapTable* m_keyMap = nullptr;
    std::function<void(bool)> m_tooltipsChanged;
    int m_tab = 0;
    bool m_tooltips = true;
    bool m_menuSound = true;
};

}  // namespace qor
