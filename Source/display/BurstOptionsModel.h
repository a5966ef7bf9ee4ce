#pragma once
// The burst dialog's rules: five rows (what a burst counts) and the
// amount, with the rows the page modes allow.

#include "display/OptionsRecord.h"

#include <string_view>

namespace qor {

class CurrentOptions;
class NotificationBus;

class BurstOptionsModel {
public:
    BurstOptionsModel(CurrentOptions& options, NotificationBus& bus);

    // Takes type and amount from the current options, then applies the
    // display mode's restriction: in the page modes, with option 6 or 9
    // only row 4 ("Flashes") is enabled and selected; with option 8 rows
    // 0, 1 and 3 are disabled and row 2 is selected.
    void initialize();

    static constexpr int kRowCount = kBurstTypeCount;
    bool rowEnabled(int row) const;
    // The warning about disabled rows is shown exactly when a row is.
    bool warningShown() const;

    int selectedRow() const { return m_type; }
    // A disabled or unknown row is ignored.
    void selectRow(int row);

    int amount() const { return m_amount; }
    // Pulled to the nearest end of 1..999.
    void setAmount(long long amount);
    std::string_view amountLabel() const { return burstAmountLabel(m_type); }

    // OK: the record takes type and amount, is saved, and
    // "OptionsUpdateNotification" is posted.
    void ok();

private:
    CurrentOptions& m_options;
    NotificationBus& m_bus;
    int m_type = 0;
    int m_amount = 3;
    unsigned m_enabledRows = 0x1F;
};

}  // namespace qor
