#pragma once
// The voice dialog: a pop-up menu of the installed voices, Reset and OK.

#include "controls/TextToSpeechVoiceModel.h"

#include <QDialog>

class QComboBox;

namespace qor {

class TextToSpeechVoicePanel : public QDialog {
    Q_OBJECT
public:
    TextToSpeechVoicePanel(TextToSpeechVoiceModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    TextToSpeechVoiceModel& m_model;
    QComboBox* mSetNameMenu = nullptr;
};

}  // namespace qor
