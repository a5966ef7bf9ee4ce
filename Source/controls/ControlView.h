#pragma once
// The control strip under the reading area: the target speed as a figure
// and as a twenty-segment bar that can be clicked, the speed limits, the
// unit, the fine-tune and running indicators, five statistics read-outs
// and nine command buttons.
//
// This is the strip's whole behaviour; its widget only draws what it
// holds and hands it the reader's clicks. It never calls the reading view
// or the timer: clicks become posts on the bus or a change of the reading
// options, and the read-outs show what the reading window announces.

#include "shell/NotificationBus.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

class CurrentOptions;
class CurrentPrefs;

class ControlView {
public:
    enum class Button {
        ManualForward,
        ManualBack,
        BurstRepeat,
        BurstForward,
        Wizard,
        ResetTimer,
        ResetActualWPM,
        StartTimer,
        StopTimer,
    };
    static constexpr int kButtonCount = 9;

    struct ButtonInfo {
        Button button;
        const char* outlet;      // the widget's object name
        const char* tooltipKey;  // in the table "Tooltips"
    };
    // The nine buttons, in their outlets' order.
    static const std::array<ButtonInfo, kButtonCount>& buttons();

    ControlView(CurrentOptions& options, CurrentPrefs& prefs, NotificationBus& bus);
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // Called after anything shown has changed.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    // --- the buttons -----------------------------------------------------------
    void press(Button button);
    void manualForward();
    void manualBack();
    void burstRepeat();
    void burstForward();
    void launchWizard();
    void resetTimer();
    void resetActualWPM();
    void manualStartTimer();
    void manualStopTimer();

    // A release of the mouse at (x, y), origin bottom left: a click on the
    // speed bar chooses the speed of its segment. True when it was taken.
    bool mouseUp(double x, double y);

    // --- what the bus announces ---------------------------------------------
    void turnOnToolTips(bool on);
    void turnOnLightingBolt(bool on);
    void updateFineTune(bool on);
    void updateTargetSpeedImage(int unit);
    void updateTargetSpeedLimits();
    void updateTargetSpeed();
    void updateReadtime(int seconds);
    void updateWordsPerMinute(int wpm);
    void updateLastTraditional(int wpm);
    void updateAverageActualWPM();
    void updateCompletionETA(int seconds);
    void userChanged();
    void receiveSpeedChange(std::string_view name);

    // Shows a figure and draws the bar (an index outside 0 to 19 changes
    // nothing).
    void setSpeedValue(int value);
    void setSpeedBar(int index);

    // --- what is shown ---------------------------------------------------------
    const std::string& targetSpeedText() const { return m_targetSpeed; }
    const std::string& lastActualText() const { return m_lastActual; }
    const std::string& lastTraditionalText() const { return m_lastTraditional; }
    const std::string& averageActualText() const { return m_averageActual; }
    const std::string& completionETAText() const { return m_completionETA; }
    const std::string& readTimerText() const { return m_readTimer; }
    const std::string& lowLimitText() const { return m_lowLimit; }
    const std::string& highLimitText() const { return m_highLimit; }
    int speedBarIndex() const { return m_barIndex; }
    // The image of segment 1 to 20.
    std::string segmentImage(int segment) const;
    const std::string& unitImage() const { return m_unitImage; }
    const std::string& fineTuneImage() const { return m_fineTuneImage; }
    const std::string& lightingBoltImage() const { return m_boltImage; }
    bool tooltipsOn() const { return m_bTooltips; }
    // A button's tooltip: its text from "Tooltips" while tooltips are on,
    // else "".
    std::string tooltip(Button button) const;

private:
    bool speakingOn() const;
    void changed();

    CurrentOptions& m_options;
    CurrentPrefs& m_prefs;
    NotificationBus& m_bus;
    NotificationObserver m_observer;
    std::function<void()> m_changed;

    std::string m_targetSpeed;
    std::string m_lastActual = "?";
    std::string m_lastTraditional = "?";
    std::string m_averageActual = "0";
    std::string m_completionETA = "00:00";
    std::string m_readTimer = "00:00";
    std::string m_lowLimit;
    std::string m_highLimit;
    int m_barIndex = 0;
    std::string m_unitImage = "targetwpm.png";
    std::string m_fineTuneImage = "finetuneoff.png";
    std::string m_boltImage = "frontLogo.png";
    bool m_bTooltips = false;
};

// The tooltip of a strip control: the key's text while tooltips are on,
// "" when they are off or the table lacks the key.
std::string stripTooltip(bool on, const char* key);

}  // namespace qor
