#pragma once
// The key dialog's rules: one function of the key map, its Shift and
// Control boxes and the chosen row of the key table. OK stores the stroke
// unless another function already has it.

#include <string>

namespace qor {

class KeyMapping;

class ChangeKeyMapModel {
public:
    explicit ChangeKeyMapModel(KeyMapping& map);

    // The function being edited: its name, its boxes and the row of its key
    // (row 0, "A", for a code the table does not list). An index outside
    // the function table leaves nothing to edit: OK then does nothing.
    void initializeWithIndex(int index);

    int index() const { return m_index; }
    std::string functionName() const;
    bool shift() const { return m_shift; }
    bool control() const { return m_control; }
    int selectedRow() const { return m_row; }
    // The duplicate message, shown only after a refused OK.
    bool errorVisible() const { return m_error; }
    static std::string errorText();

    // Each change hides the message. A row outside the key table is no
    // selection (-1).
    void setShift(bool on);
    void setControl(bool on);
    void selectRow(int row);

    enum class OkResult {
        Stored,     // the stroke is stored; the dialog closes
        NotSaved,   // in force, but the file could not be written (shown); closes
        Duplicate,  // another function has it: beep, the message shows, stays open
        NoRow,      // no key chosen: nothing happens
    };
    OkResult ok();

private:
    KeyMapping& m_map;
    int m_index = -1;
    bool m_shift = false;
    bool m_control = false;
    int m_row = -1;
    bool m_error = false;
};

}  // namespace qor
