#pragma once
// The display-mode dialog's rules: the mode list, the option list of the
// chosen mode, the count with its range, and the combine-residual check
// box.

#include "display/OptionsRecord.h"

#include <string_view>
#include <vector>

namespace qor {

class CurrentOptions;
class NotificationBus;

class DisplayModeModel {
public:
    DisplayModeModel(CurrentOptions& options, NotificationBus& bus);

    // Takes mode, option, count and check box from the current options.
    void initialize();

    static std::vector<std::string_view> modeLabels();
    // The labels of the current mode's options, in row order.
    std::vector<std::string_view> optionLabels() const;

    int mode() const { return m_mode; }
    int optionRow() const { return m_row; }
    int option() const { return modeOptionForRow(m_mode, m_row); }
    // Choosing a mode selects its first option. Rows outside the lists are
    // ignored.
    void selectMode(int mode);
    void selectOptionRow(int row);
    std::string_view descriptionKey() const;

    int count() const { return m_count; }
    // Pulled to the nearest end of the option's range.
    void setCount(long long count);
    void stepCount(int delta) { setCount(static_cast<long long>(m_count) + delta); }
    int minCount() const;
    int maxCount() const;
    std::string_view countLabel() const;
    // The count field and its stepper are hidden for "No Highlighting".
    bool countVisible() const { return option() != kNoHighlightingOption; }

    bool combineResidual() const { return m_combine; }
    void setCombineResidual(bool on) { m_combine = on; }
    // Shown only with a count above 1, and mode 2 with option 0 or 2, or
    // mode 3 or 4 with option 7 or 9.
    bool combineVisible() const;

    // Closes the dialog. Confirmed: the record takes mode, option, count
    // and check box and is saved, and "DisplayRecommendationNotification"
    // is posted; in every case "OptionsUpdateNotification" follows.
    void finish(bool confirmed);

private:
    void pullCountIntoRange() { setCount(m_count); }

    CurrentOptions& m_options;
    NotificationBus& m_bus;
    int m_mode = 0;
    int m_row = 0;
    int m_count = 1;
    bool m_combine = false;
};

}  // namespace qor
