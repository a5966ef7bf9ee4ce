#include "controls/SpeedControlView.h"

#include "controls/ControlView.h"
#include "controls/StripPresenters.h"
#include "display/CurrentOptions.h"
#include "shell/Notifications.h"

namespace qor {

const std::array<SpeedControlView::ButtonInfo, 2>& SpeedControlView::buttons()
{
    static const std::array<ButtonInfo, 2> kButtons = {{
        {Button::SpeedDown, "mSpeedDown", "SpeedDownButton"},
        {Button::SpeedUp, "mSpeedUp", "SpeedUpButton"},
    }};
    return kButtons;
}

SpeedControlView::SpeedControlView(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus), m_observer(bus), m_knobX(strips::kSpeedLeft)
{
    m_observer.observe(note::kTurnOnToolTips, [this](const Notification& n) { turnOnToolTips(n.boolValue()); });
    m_observer.observe(note::kUpdateTargetSpeed, [this](const Notification&) { updateSpeedSlider(); });
}

void SpeedControlView::changed()
{
    if (m_changed)
        m_changed();
}

void SpeedControlView::press(Button button)
{
    if (button == Button::SpeedDown)
        speedDownButton();
    else
        speedUpButton();
}

void SpeedControlView::speedBarChange(int d)
{
    updateSlider(strips::clampX(m_knobX + d, strips::kSpeedLeft, strips::kSpeedRight), m_knobY, true);
    if (m_bHeldUnsaved && !m_bTrackingMargin) {
        m_bHeldUnsaved = false;
        const int status = m_options.saveOptionsFile();
        if (status < 0)
            alertOptionsNotSaved(status);
    }
}

void SpeedControlView::mouseDown(double x, double y)
{
    m_bTrackingMargin = true;
    updateSlider(strips::clampX(x, strips::kSpeedLeft, strips::kSpeedRight), y, true);
}

void SpeedControlView::mouseDragged(double x, double y)
{
    if (!m_bTrackingMargin)
        return;
    updateSlider(strips::clampX(x, strips::kSpeedLeft, strips::kSpeedRight), y, true);
}

void SpeedControlView::mouseUp(double, double)
{
    m_bTrackingMargin = false;
    if (!m_bHeldUnsaved)
        return;
    m_bHeldUnsaved = false;
    const int status = m_options.saveOptionsFile();
    if (status < 0)
        alertOptionsNotSaved(status);
}

void SpeedControlView::updateSlider(double x, double y, bool broadcast)
{
    m_knobX = x;
    m_knobY = y;
    changed();
    if (!broadcast)
        return;
    OptionsRecord rec;
    m_options.getOptions(rec);
    rec.speed = strips::speedForKnobX(x, rec.lowSpeed, rec.highSpeed);
    // A drag sets many speeds in quick succession: they are put in force
    // at once and written when the knob is let go.
    m_options.holdOptions(rec);
    m_bHeldUnsaved = true;
    m_bus.post(note::kUpdateTargetSpeed);
}

void SpeedControlView::turnOnToolTips(bool on)
{
    m_bTooltips = on;
    changed();
}

void SpeedControlView::updateSpeedSlider()
{
    OptionsRecord rec;
    m_options.getOptions(rec);
    updateSlider(strips::knobXForSpeed(rec.speed, rec.lowSpeed, rec.highSpeed), m_knobY, false);
}

std::string SpeedControlView::tooltip(Button button) const
{
    for (const ButtonInfo& info : buttons())
        if (info.button == button)
            return stripTooltip(m_bTooltips, info.tooltipKey);
    return "";
}

}  // namespace qor
