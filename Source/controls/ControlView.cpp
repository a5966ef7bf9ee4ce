#include "controls/ControlView.h"

#include "controls/StripPresenters.h"
#include "display/CurrentOptions.h"
#include "shell/Messages.h"
#include "shell/Notifications.h"
#include "users/CurrentPrefs.h"

#include <algorithm>

namespace qor {

std::string stripTooltip(bool on, const char* key)
{
    if (!on || !MessageTables::has(key, table::kTooltips))
        return "";
    return MessageTables::localizedString(key, table::kTooltips);
}

const std::array<ControlView::ButtonInfo, ControlView::kButtonCount>& ControlView::buttons()
{
    static const std::array<ButtonInfo, kButtonCount> kButtons = {{
        {Button::ManualForward, "mManualForwardButton", "ManualForward"},
        {Button::ManualBack, "mManualBackButton", "ManualBack"},
        {Button::BurstRepeat, "mBurstRepeatButton", "BurstRepeat"},
        {Button::BurstForward, "mBurstForwardButton", "BurstForward"},
        {Button::Wizard, "mWizardButton", "LaunchWizard"},
        {Button::ResetTimer, "mResetTimerButton", "ResetTimer"},
        {Button::ResetActualWPM, "mResetActualWPMButton", "ResetAverageWords"},
        {Button::StartTimer, "mStartTimerButton", "StartTimer"},
        {Button::StopTimer, "mStopTimerButton", "StopTimer"},
    }};
    return kButtons;
}

ControlView::ControlView(CurrentOptions& options, CurrentPrefs& prefs, NotificationBus& bus)
    : m_options(options), m_prefs(prefs), m_bus(bus), m_observer(bus)
{
    m_observer.observe(note::kTurnOnToolTips, [this](const Notification& n) { turnOnToolTips(n.boolValue()); });
    m_observer.observe(note::kTurnOnLightingBolt,
                       [this](const Notification& n) { turnOnLightingBolt(n.boolValue()); });
    m_observer.observe(note::kFineTuneOn, [this](const Notification& n) { updateFineTune(n.boolValue()); });
    m_observer.observe(note::kTargetSpeedUnit,
                       [this](const Notification& n) { updateTargetSpeedImage(n.intValue()); });
    m_observer.observe(note::kTargetSpeedLimits, [this](const Notification&) { updateTargetSpeedLimits(); });
    m_observer.observe(note::kUpdateTargetSpeed, [this](const Notification&) { updateTargetSpeed(); });
    m_observer.observe(note::kSetReadTimer, [this](const Notification& n) { updateReadtime(n.intValue()); });
    m_observer.observe(note::kSetWordsPerMinute,
                       [this](const Notification& n) { updateWordsPerMinute(n.intValue()); });
    m_observer.observe(note::kSetLastTraditional,
                       [this](const Notification& n) { updateLastTraditional(n.intValue()); });
    m_observer.observe(note::kUserChanged, [this](const Notification&) { userChanged(); });
    m_observer.observe(note::kSetAverageActual, [this](const Notification&) { updateAverageActualWPM(); });
    m_observer.observe(note::kSetCompletionETA,
                       [this](const Notification& n) { updateCompletionETA(n.intValue()); });
    for (std::string_view name : {note::kFasterSpeedBarUnit, note::kSlowerSpeedBarUnit, note::kFasterSpeedOneUnit,
                                  note::kSlowerSpeedOneUnit})
        m_observer.observe(name, [this](const Notification& n) { receiveSpeedChange(n.name); });
}

void ControlView::changed()
{
    if (m_changed)
        m_changed();
}

bool ControlView::speakingOn() const { return m_prefs.boolValue(prefkey::kSpeakingOn); }

// --- the buttons ---------------------------------------------------------------------

void ControlView::press(Button button)
{
    switch (button) {
    case Button::ManualForward: manualForward(); break;
    case Button::ManualBack: manualBack(); break;
    case Button::BurstRepeat: burstRepeat(); break;
    case Button::BurstForward: burstForward(); break;
    case Button::Wizard: launchWizard(); break;
    case Button::ResetTimer: resetTimer(); break;
    case Button::ResetActualWPM: resetActualWPM(); break;
    case Button::StartTimer: manualStartTimer(); break;
    case Button::StopTimer: manualStopTimer(); break;
    }
}

void ControlView::manualForward() { m_bus.post(note::kManualForward); }
void ControlView::manualBack() { m_bus.post(note::kManualBack); }
// The reading window announces the burst's start itself ("ForcedStopPlay"
// YES), so the slider strip learns of the run from the one place that
// knows whether a burst really began.
void ControlView::burstRepeat() { m_bus.post(note::kBurstRepeat); }
void ControlView::burstForward() { m_bus.post(note::kBurstForward); }
void ControlView::launchWizard() { m_bus.post(note::kLaunchWizardPanel); }
void ControlView::resetTimer() { m_bus.post(note::kSetReadTimer, 0); }

void ControlView::resetActualWPM()
{
    m_prefs.setInt64Values({{prefkey::kAveTotalWords, 0}, {prefkey::kAveTotalTime, 0}});
    m_bus.post(note::kSetAverageActual);
}

void ControlView::manualStartTimer() { m_bus.post(note::kManualStartTimer); }
void ControlView::manualStopTimer() { m_bus.post(note::kManualStopTimer); }

bool ControlView::mouseUp(double x, double y)
{
    if (!strips::kSpeedBarFrame.contains(x, y))
        return false;
    const int g = strips::speedBarHit(x, y);
    if (g < 0)
        return false;
    OptionsRecord rec;
    m_options.getOptions(rec);
    if (speakingOn())
        rec.speechSpeed = g + 1;
    else
        rec.speed = strips::speedForSegment(g, rec.lowSpeed, rec.highSpeed);
    const int status = m_options.setOptions(rec);
    if (status < 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kUpdateTargetSpeed);
    setSpeedBar(g);
    return true;
}

// --- what the bus announces ----------------------------------------------------------

void ControlView::turnOnToolTips(bool on)
{
    m_bTooltips = on;
    changed();
}

void ControlView::turnOnLightingBolt(bool on)
{
    m_boltImage = on ? "frontLogoOn.png" : "frontLogo.png";
    changed();
}

void ControlView::updateFineTune(bool on)
{
    m_fineTuneImage = on ? "finetuneon.png" : "finetuneoff.png";
    changed();
}

void ControlView::updateTargetSpeedImage(int unit)
{
    std::string image = strips::unitImage(unit);
    if (image.empty())
        return;
    m_unitImage = std::move(image);
    changed();
}

void ControlView::updateTargetSpeedLimits()
{
    if (speakingOn()) {
        m_lowLimit = "1";
        m_highLimit = "20";
    } else {
        OptionsRecord rec;
        m_options.getOptions(rec);
        m_lowLimit = std::to_string(rec.lowSpeed);
        m_highLimit = std::to_string(rec.highSpeed);
    }
    changed();
}

void ControlView::updateTargetSpeed()
{
    OptionsRecord rec;
    m_options.getOptions(rec);
    if (speakingOn()) {
        setSpeedValue(rec.speechSpeed);
        setSpeedBar(strips::speechBarIndex(rec.speechSpeed));
    } else {
        setSpeedValue(rec.speed);
        setSpeedBar(strips::speedBarIndex(rec.speed, rec.lowSpeed, rec.highSpeed));
    }
}

void ControlView::updateReadtime(int seconds)
{
    m_readTimer = strips::formatSeconds(seconds);
    changed();
}

void ControlView::updateWordsPerMinute(int wpm)
{
    m_lastActual = strips::formatWordsPerMinute(wpm);
    changed();
}

void ControlView::updateLastTraditional(int wpm)
{
    m_lastTraditional = strips::formatTraditional(wpm);
    changed();
}

void ControlView::updateAverageActualWPM()
{
    m_averageActual = std::to_string(strips::averageWordsPerMinute(m_prefs.int64Value(prefkey::kAveTotalWords),
                                                                   m_prefs.int64Value(prefkey::kAveTotalTime)));
    changed();
}

void ControlView::updateCompletionETA(int seconds)
{
    m_completionETA = strips::formatSeconds(seconds);
    changed();
}

void ControlView::userChanged()
{
    OptionsRecord rec;
    m_options.getOptions(rec);
    const DelayOptions& d = rec.delay;
    const bool fineTune = d.bFixed || d.bLongWordDelay || d.bSentenceDelay || d.bPuctuationDelay ||
                          d.bBeginningOfLineDelay || d.bBeginningOfPageDelay || d.bMinimumDelay;
    m_bus.post(note::kFineTuneOn, fineTune);
    // A reader who reads with speech sees the speech rate's label, as the
    // figure and the limits already follow speech.
    m_bus.post(note::kTargetSpeedUnit, speakingOn() ? kBusUnitSpeech : static_cast<int>(rec.unit));
    m_bus.post(note::kUpdateTargetSpeed);
    m_bus.post(note::kTargetSpeedLimits);
}

void ControlView::receiveSpeedChange(std::string_view name)
{
    OptionsRecord rec;
    m_options.getOptions(rec);
    // A span too narrow for a whole unit per segment still steps.
    const int unit = std::max(1, strips::barUnit(rec.lowSpeed, rec.highSpeed));
    if (name == note::kFasterSpeedBarUnit) {
        rec.speed = static_cast<int>(std::min<int64_t>(rec.highSpeed, static_cast<int64_t>(rec.speed) + unit));
    } else if (name == note::kSlowerSpeedBarUnit) {
        rec.speed = static_cast<int>(std::max<int64_t>(rec.lowSpeed, static_cast<int64_t>(rec.speed) - unit));
    } else if (name == note::kFasterSpeedOneUnit) {
        if (static_cast<int64_t>(rec.speed) + 1 > rec.highSpeed)
            return;
        rec.speed += 1;
    } else if (name == note::kSlowerSpeedOneUnit) {
        if (static_cast<int64_t>(rec.speed) - 1 < rec.lowSpeed)
            return;
        rec.speed -= 1;
    } else {
        return;
    }
    const int status = m_options.setOptions(rec);
    if (status < 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kUpdateTargetSpeed);
}

void ControlView::setSpeedValue(int value)
{
    m_targetSpeed = std::to_string(value);
    changed();
}

void ControlView::setSpeedBar(int index)
{
    if (index < 0 || index >= strips::kSegments)
        return;
    m_barIndex = index;
    changed();
}

std::string ControlView::segmentImage(int segment) const { return strips::segmentImage(segment, m_barIndex); }

std::string ControlView::tooltip(Button button) const
{
    for (const ButtonInfo& info : buttons())
        if (info.button == button)
            return stripTooltip(m_bTooltips, info.tooltipKey);
    return "";
}

}  // namespace qor
