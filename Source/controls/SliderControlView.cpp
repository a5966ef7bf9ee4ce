#include "controls/SliderControlView.h"

#include "controls/ControlView.h"
#include "controls/StripPresenters.h"
#include "shell/Notifications.h"

namespace qor {

const std::array<SliderControlView::ButtonInfo, SliderControlView::kButtonCount>& SliderControlView::buttons()
{
    static const std::array<ButtonInfo, kButtonCount> kButtons = {{
        {Button::Stop, "mStopButton", "StopButton"},
        {Button::Play, "mPlayButton", "PlayButton"},
        {Button::PageBack, "mPageBack", "PageBack"},
        {Button::PageForward, "mPageForward", "PageForward"},
        {Button::WordBack, "mWordBack", "WordBack"},
        {Button::WordForward, "mWordForward", "WordForward"},
        {Button::SetBookmark, "mSetBookmark", "SetBookmark"},
        {Button::GotoBookmark, "mGotoBookmark", "GotoBookmark"},
    }};
    return kButtons;
}

SliderControlView::SliderControlView(NotificationBus& bus)
    : m_bus(bus), m_observer(bus), m_knobX(strips::kSliderLeft), m_knobY(strips::kSliderHeight / 2)
{
    m_observer.observe(note::kTurnOnToolTips, [this](const Notification& n) { turnOnToolTips(n.boolValue()); });
    m_observer.observe(note::kPercentUpdateViaPlay,
                       [this](const Notification& n) { updateSliderAndPercent(n.intValue()); });
    m_observer.observe(note::kToggleStopPlay, [this](const Notification&) { receiveTogglePlayStop(); });
    m_observer.observe(note::kForcedStopPlay,
                       [this](const Notification& n) { receiveForcedPlayStop(n.boolValue()); });
}

void SliderControlView::changed()
{
    if (m_changed)
        m_changed();
}

// --- the buttons ---------------------------------------------------------------------

void SliderControlView::press(Button button)
{
    switch (button) {
    case Button::Stop: stopButton(); break;
    case Button::Play: playButton(); break;
    case Button::PageBack: pageBack(); break;
    case Button::PageForward: pageForward(); break;
    case Button::WordBack: backWord(); break;
    case Button::WordForward: forwardWord(); break;
    case Button::SetBookmark: bookMarkAdd(); break;
    case Button::GotoBookmark: gotoBookMark(); break;
    }
}

void SliderControlView::playButton()
{
    m_bus.post(note::kTurnOnLightingBolt, true);
    m_bPlaying = true;
    m_bus.post(note::kStartPlaying);
}

void SliderControlView::stopButton()
{
    m_bus.post(note::kStopPlaying);
    m_bus.post(note::kTurnOnLightingBolt, false);
    m_bPlaying = false;
}

void SliderControlView::pageBack() { m_bus.post(note::kPageBack); }
void SliderControlView::pageForward() { m_bus.post(note::kPageForward); }
void SliderControlView::backWord() { m_bus.post(note::kWordBack); }
void SliderControlView::forwardWord() { m_bus.post(note::kWordForward); }
void SliderControlView::bookMarkAdd() { m_bus.post(note::kSetBookMark); }
void SliderControlView::gotoBookMark() { m_bus.post(note::kGotoBookMark); }

// --- the mouse -----------------------------------------------------------------------

bool SliderControlView::mouseDown(double x, double y, double height)
{
    if (x < strips::kSliderLeft || x >= strips::kSliderPressRight || y < 0 || y >= height)
        return false;
    m_bTrackingMargin = true;
    updateSlider(x, y, true);
    return true;
}

void SliderControlView::mouseDragged(double x, double y)
{
    if (!m_bTrackingMargin)
        return;
    updateSlider(strips::clampX(x, strips::kSliderLeft, strips::kSliderRight), y, true);
}

void SliderControlView::mouseUp(double x, double y)
{
    if (!m_bTrackingMargin)
        return;
    m_bTrackingMargin = false;
    // Let go at the left end: the reading window answers with where the
    // text really is.
    if (strips::percentForX(x) == 0)
        m_bus.post(note::kFinishedSliding);
}

void SliderControlView::updateSlider(double x, double y, bool broadcast)
{
    const int percent = strips::percentForX(x);
    if (broadcast)
        m_bus.post(note::kPercentUpdateViaSlider, percent);
    setKnob(x, y, percent);
}

void SliderControlView::setKnob(double x, double y, int percent)
{
    // A press between the track's end and the edge of the press area puts
    // the knob at the end, where its percentage is.
    m_knobX = strips::clampX(x, strips::kSliderLeft, strips::kSliderRight);
    m_knobY = y;
    m_percentText = std::to_string(percent);
    changed();
}

// --- what the bus announces ----------------------------------------------------------

void SliderControlView::turnOnToolTips(bool on)
{
    m_bTooltips = on;
    changed();
}

void SliderControlView::updateSliderAndPercent(int percent)
{
    // The knob's x need not map back onto the same whole percentage, so the
    // read-out shows the one received.
    const int shown = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
    setKnob(strips::knobXForPercent(shown), m_knobY, shown);
}

void SliderControlView::receiveTogglePlayStop()
{
    if (m_bPlaying)
        stopButton();
    else
        playButton();
}

void SliderControlView::receiveForcedPlayStop(bool playing)
{
    m_bPlaying = playing;
    m_bus.post(note::kTurnOnLightingBolt, playing);
}

std::string SliderControlView::tooltip(Button button) const
{
    for (const ButtonInfo& info : buttons())
        if (info.button == button)
            return stripTooltip(m_bTooltips, info.tooltipKey);
    return "";
}

}  // namespace qor
