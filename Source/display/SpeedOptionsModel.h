#pragma once
// The speed dialog's rules: the unit menu, the low limit, high limit and
// target speed fields, and the checks of OK.

#include "display/OptionsRecord.h"

#include <array>
#include <string>
#include <string_view>

namespace qor {

class CurrentOptions;
class NotificationBus;

class SpeedOptionsModel {
public:
    enum Field { kLow = 0, kHigh = 1, kTarget = 2 };
    enum class Check { Ok, LowNotBelowHigh, SpanTooSmall, TargetOutsideLimits };

    SpeedOptionsModel(CurrentOptions& options, NotificationBus& bus);

    // Takes unit and speeds from the current options.
    void initialize();

    int unit() const { return m_unit; }
    // Converts the three fields from the old unit to the new one (each
    // result within 1..999999). An unknown unit is ignored.
    void setUnit(int unit);
    // Unit, 100, 2000 and 250: the defaults in words per minute.
    void setDefaults();

    const std::string& fieldText(Field f) const { return m_text[f]; }
    // The text as typed; it is checked when the field loses focus or at OK.
    void setFieldText(Field f, std::string_view text);
    // Pulls the field into 1..999999 (as the field leaving focus does).
    void fieldLostFocus(Field f);
    // The field's number as typed (leading digits; 0 when none).
    long long fieldValue(Field f) const;

    // What the unit labels, the description and the WPM hints show.
    std::string_view unitName() const { return unitLabel(m_unit); }
    std::string_view descriptionKey() const;
    // "= Approx. %d WPM" for CPS and CPM, "" for WPM.
    std::string approxWpmText(Field f) const;

    // OK: pulls all three fields into range, then checks, in this order,
    // low < high, high >= low + 19 and low <= target <= high. The first
    // check that fails is shown (its "Error" key, severity 1) and the
    // dialog stays open. When all pass the record takes unit and speeds,
    // is saved, and "TargetSpeedUnitNotification" (the unit),
    // "TargetSpeedLimitsNotification" and "UpdateTargetSpeedNotification"
    // are posted. True when the dialog may close.
    bool ok();
    // The checks alone, on the fields as they stand.
    Check check() const;
    static std::string_view checkKey(Check c);

private:
    CurrentOptions& m_options;
    NotificationBus& m_bus;
    int m_unit = kUnitWPM;
    std::array<std::string, 3> m_text;
};

// The number at the start of a field's text, as the field reads it:
// blanks, an optional sign, digits (saturated far beyond any speed); 0
// when there are none.
long long leadingNumber(std::string_view text);

}  // namespace qor
