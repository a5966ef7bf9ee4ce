#pragma once
// The speed slider: a small track whose knob maps linearly onto the span
// from lowSpeed to highSpeed, with a speed-down and a speed-up button that
// move the knob by one point. It always sets the reading speed, also while
// speech paces.
//
// Coordinates are points in the slider's own system, origin bottom left;
// the knob's centre runs from x = 27 to x = 138.

#include "shell/NotificationBus.h"

#include <array>
#include <functional>
#include <string>

namespace qor {

class CurrentOptions;

class SpeedControlView {
public:
    enum class Button { SpeedDown, SpeedUp };
    struct ButtonInfo {
        Button button;
        const char* outlet;
        const char* tooltipKey;
    };
    static const std::array<ButtonInfo, 2>& buttons();

    SpeedControlView(CurrentOptions& options, NotificationBus& bus);
    SpeedControlView(const SpeedControlView&) = delete;
    SpeedControlView& operator=(const SpeedControlView&) = delete;

    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    void press(Button button);
    void speedDownButton() { speedBarChange(-1); }
    void speedUpButton() { speedBarChange(+1); }
    // Moves the knob by d points (kept on the track) and sets the speed.
    void speedBarChange(int d);

    // --- the mouse: a press anywhere in the view moves the knob ------------
    void mouseDown(double x, double y);
    void mouseDragged(double x, double y);
    // Ends a drag; the speeds set while dragging are saved now.
    void mouseUp(double x, double y);

    // The knob to a point; stores the speed it gives when broadcasting.
    void updateSlider(double x, double y, bool broadcast);

    // --- what the bus announces ---------------------------------------------
    void turnOnToolTips(bool on);
    // The knob to the stored speed, without posting.
    void updateSpeedSlider();

    double knobX() const { return m_knobX; }
    double knobY() const { return m_knobY; }
    bool trackingMargin() const { return m_bTrackingMargin; }
    bool tooltipsOn() const { return m_bTooltips; }
    std::string tooltip(Button button) const;

private:
    void changed();

    CurrentOptions& m_options;
    NotificationBus& m_bus;
    NotificationObserver m_observer;
    std::function<void()> m_changed;

    double m_knobX;
    double m_knobY = 0;
    bool m_bTrackingMargin = false;
    bool m_bHeldUnsaved = false;
    bool m_bTooltips = false;
};

}  // namespace qor
