#include "display/SpeedOptionsModel.h"

#include "display/CurrentOptions.h"
#include "display/SpeedUnits.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/QorAlert.h"

namespace qor {

long long leadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (v < 1000000000000LL)
            v = v * 10 + (text[i] - '0');
    return negative ? -v : v;
}

SpeedOptionsModel::SpeedOptionsModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void SpeedOptionsModel::initialize()
{
    OptionsRecord rec = m_options.options();
    m_unit = rec.unit < kUnitCount ? int(rec.unit) : int(kUnitWPM);
    m_text[kLow] = std::to_string(rec.lowSpeed);
    m_text[kHigh] = std::to_string(rec.highSpeed);
    m_text[kTarget] = std::to_string(rec.speed);
}

void SpeedOptionsModel::setUnit(int unit)
{
    if (unit < 0 || unit >= kUnitCount || unit == m_unit)
        return;
    for (std::string& t : m_text)
        t = std::to_string(speedConversion(clampSpeed(leadingNumber(t)), m_unit, unit));
    m_unit = unit;
}

void SpeedOptionsModel::setDefaults()
{
    m_unit = kUnitWPM;
    m_text = {"100", "2000", "250"};
}

void SpeedOptionsModel::setFieldText(Field f, std::string_view text)
{
    m_text[f] = std::string(text);
}

void SpeedOptionsModel::fieldLostFocus(Field f)
{
    m_text[f] = std::to_string(clampSpeed(leadingNumber(m_text[f])));
}

long long SpeedOptionsModel::fieldValue(Field f) const
{
    return leadingNumber(m_text[f]);
}

std::string_view SpeedOptionsModel::descriptionKey() const
{
    switch (m_unit) {
    case kUnitCPS: return "CPS Desc";
    case kUnitCPM: return "CPM Desc";
    default: return "WPM Desc";
    }
}

std::string SpeedOptionsModel::approxWpmText(Field f) const
{
    if (m_unit == kUnitWPM)
        return {};
    long long wpm = exactSpeedConversion(clampSpeed(fieldValue(f)), m_unit, kUnitWPM);
    return formatMessage("= Approx. %d WPM", {static_cast<long long>(wpm)});
}

SpeedOptionsModel::Check SpeedOptionsModel::check() const
{
    long long low = fieldValue(kLow), high = fieldValue(kHigh), target = fieldValue(kTarget);
    if (!(low < high))
        return Check::LowNotBelowHigh;
    if (high < low + kMinSpeedSpan)
        return Check::SpanTooSmall;
    if (target < low || target > high)
        return Check::TargetOutsideLimits;
    return Check::Ok;
}

std::string_view SpeedOptionsModel::checkKey(Check c)
{
    switch (c) {
    case Check::LowNotBelowHigh: return "LowerThanHigherErr";
    case Check::SpanTooSmall: return "LowerHigherDifferErr";
    case Check::TargetOutsideLimits: return "BetweenLowerHigherErr";
    case Check::Ok: break;
    }
    return {};
}

bool SpeedOptionsModel::ok()
{
    // A field that never lost focus may still hold 0 or a huge value.
    for (Field f : {kLow, kHigh, kTarget})
        fieldLostFocus(f);
    Check c = check();
    if (c != Check::Ok) {
        QorAlert::message(MessageTables::localizedString(checkKey(c), table::kError), kAlertOK,
                          kSeverityInformational);
        return false;
    }
    OptionsRecord rec = m_options.options();
    rec.unit = static_cast<uint16_t>(m_unit);
    rec.lowSpeed = static_cast<int32_t>(fieldValue(kLow));
    rec.highSpeed = static_cast<int32_t>(fieldValue(kHigh));
    rec.speed = static_cast<int32_t>(fieldValue(kTarget));
    int status = m_options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kTargetSpeedUnit, static_cast<int>(rec.unit));
    m_bus.post(note::kTargetSpeedLimits);
    m_bus.post(note::kUpdateTargetSpeed);
    return true;
}

}  // namespace qor
