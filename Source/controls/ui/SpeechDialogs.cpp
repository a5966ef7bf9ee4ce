#include "controls/ui/SpeechDialogs.h"

#include "controls/TTS.h"
#include "controls/ui/TextToSpeechSpeedPanel.h"
#include "controls/ui/TextToSpeechVoicePanel.h"
#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "users/CurrentPrefs.h"

namespace qor {

namespace {

VoicePreference readerVoice()
{
    VoicePreference p;
    p.load = [] {
        CurrentPrefs& prefs = CurrentPrefs::instance();
        return VoiceCode{static_cast<uint32_t>(prefs.intValue(prefkey::kVoiceCreator)),
                         static_cast<uint32_t>(prefs.intValue(prefkey::kVoiceID))};
    };
    p.store = [](VoiceCode code) {
        CurrentPrefs& prefs = CurrentPrefs::instance();
        bool a = prefs.setIntValue(static_cast<int>(code.creator), prefkey::kVoiceCreator);
        bool b = prefs.setIntValue(static_cast<int>(code.id), prefkey::kVoiceID);
        return a && b;
    };
    return p;
}

}  // namespace

bool runTextToSpeechSpeedDialog(QWidget* parent)
{
    TextToSpeechSpeedModel model(CurrentOptions::instance(), NotificationBus::instance());
    model.initialize();
    TextToSpeechSpeedPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

bool runTextToSpeechVoiceDialog(QWidget* parent)
{
    TextToSpeechVoiceModel model(TTS::instance(), readerVoice());
    model.initialize();
    TextToSpeechVoicePanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

void installSpeechVoiceDefaults()
{
    // Asked whenever a reader's preferences load. Speech is not started for
    // it: before speech is set up the stored defaults stand, and a voice
    // that matches none leaves the engine's own default in use.
    CurrentPrefs::instance().setVoiceDefaults([](int& creator, int& id) {
        if (!TTS::hasInstance())
            return;
        VoiceCode code = TTS::instance().defaultVoice();
        if (code.creator != 0) {
            creator = static_cast<int>(code.creator);
            id = static_cast<int>(code.id);
        }
    });
}

bool initSpeechForUser()
{
    TTS& tts = TTS::instance();
    if (!tts.initSpeech())
        return false;
    VoiceCode stored = readerVoice().load();
    tts.setVoiceCreator(stored.creator, stored.id);
    return true;
}

}  // namespace qor
