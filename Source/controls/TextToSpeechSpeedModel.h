#pragma once
// The speech speed dialog's rules: one slider of the speech speed 1 to 20
// and its figure; OK stores it in the reading options.

#include <string>

namespace qor {

class CurrentOptions;
class NotificationBus;

class TextToSpeechSpeedModel {
public:
    TextToSpeechSpeedModel(CurrentOptions& options, NotificationBus& bus);

    // Slider and figure take the options' speech speed (pulled into 1..20).
    void initialize();
    int value() const { return m_value; }
    std::string figure() const { return std::to_string(m_value); }
    // The slider moved: its whole value, kept within 1..20.
    void sliderUpdate(int value);
    // Set Defaults: 11.
    void setDefaults();
    // OK: the options take the speech speed and are saved (a failed save
    // is shown), then "UpdateTargetSpeedNotification" is posted. The new
    // rate applies when speech next starts. Cancel changes nothing.
    void ok();

private:
    CurrentOptions& m_options;
    NotificationBus& m_bus;
    int m_value = 11;
};

}  // namespace qor
