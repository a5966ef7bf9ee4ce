#pragma once
// The slider strip under the reading area: the position in the text as a
// knob on a track with its percentage, play and stop, page and word steps,
// set bookmark and go to bookmark.
//
// Coordinates are points in the strip's own system, origin bottom left;
// the knob's centre runs from x = 65 (0 %) to x = 380 (100 %).

#include "shell/NotificationBus.h"

#include <array>
#include <functional>
#include <string>

namespace qor {

class SliderControlView {
public:
    enum class Button { Stop, Play, PageBack, PageForward, WordBack, WordForward, SetBookmark, GotoBookmark };
    static constexpr int kButtonCount = 8;

    struct ButtonInfo {
        Button button;
        const char* outlet;
        const char* tooltipKey;
    };
    // The eight buttons, in their outlets' order.
    static const std::array<ButtonInfo, kButtonCount>& buttons();

    explicit SliderControlView(NotificationBus& bus);
    SliderControlView(const SliderControlView&) = delete;
    SliderControlView& operator=(const SliderControlView&) = delete;

    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    // --- the buttons -----------------------------------------------------------
    void press(Button button);
    void playButton();
    void stopButton();
    void pageBack();
    void pageForward();
    void backWord();
    void forwardWord();
    void bookMarkAdd();
    void gotoBookMark();

    // --- the mouse (origin bottom left; height is the view's) ---------------
    // True when the press was on the track and is followed.
    bool mouseDown(double x, double y, double height = 35);
    void mouseDragged(double x, double y);
    void mouseUp(double x, double y);

    // The knob to a point; posts the point's percentage when broadcasting.
    void updateSlider(double x, double y, bool broadcast);

    // --- what the bus announces ---------------------------------------------
    void turnOnToolTips(bool on);
    // The knob to a percentage the reading window announced, without
    // posting; the read-out shows that percentage as received.
    void updateSliderAndPercent(int percent);
    void receiveTogglePlayStop();
    void receiveForcedPlayStop(bool playing);

    // --- what is shown ---------------------------------------------------------
    double knobX() const { return m_knobX; }
    double knobY() const { return m_knobY; }
    const std::string& percentText() const { return m_percentText; }
    bool playing() const { return m_bPlaying; }
    bool trackingMargin() const { return m_bTrackingMargin; }
    bool tooltipsOn() const { return m_bTooltips; }
    std::string tooltip(Button button) const;

private:
    void setKnob(double x, double y, int percent);
    void changed();

    NotificationBus& m_bus;
    NotificationObserver m_observer;
    std::function<void()> m_changed;

    double m_knobX;
    double m_knobY;
    std::string m_percentText = "0";
    bool m_bTrackingMargin = false;
    bool m_bPlaying = false;
    bool m_bTooltips = false;
};

}  // namespace qor
