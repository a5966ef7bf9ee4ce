#pragma once
// The speech speed dialog: a slider of the speech speed 1 to 20 and its
// figure, Set Defaults, OK and Cancel.

#include "controls/TextToSpeechSpeedModel.h"

#include <QDialog>

class QLabel;
class QSlider;

namespace qor {

class TextToSpeechSpeedPanel : public QDialog {
    Q_OBJECT
public:
    TextToSpeechSpeedPanel(TextToSpeechSpeedModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    TextToSpeechSpeedModel& m_model;
    QSlider* mSpeechSpeedSlider = nullptr;
    QLabel* mSpeechSpeedTxt = nullptr;
};

}  // namespace qor
