#pragma once
// The voice dialog's rules: the menu of the installed voices, which item
// is selected, Reset and OK.

#include "controls/TTS.h"

#include <functional>
#include <string>
#include <vector>

namespace qor {

// Where the reader's voice is kept (the preferences "VoiceCreator" and
// "VoiceID").
struct VoicePreference {
    std::function<VoiceCode()> load;
    std::function<bool(VoiceCode)> store;
};

class TextToSpeechVoiceModel {
public:
    TextToSpeechVoiceModel(TTS& tts, VoicePreference prefs);

    // The menu: the installed voices in the engine's order. The reader's
    // voice is selected; when it is not installed, the voice the channel
    // speaks with; the first item when neither is listed.
    void initialize();
    const std::vector<std::string>& items() const { return m_items; }
    // -1 when the menu is empty.
    int selected() const { return m_selected; }
    void select(int row);
    // Selects that voice in the menu; nothing when it is not listed.
    void setVoiceCreator(uint32_t creator, uint32_t id);
    // Reset: selects the engine's default voice when it is installed;
    // nothing is stored yet.
    void resetButton();
    // OK: the selected voice becomes the channel's voice and is stored.
    // False when the menu is empty or the preferences could not be saved
    // (the voice is in force all the same).
    bool ok();

private:
    int rowOf(VoiceCode code) const;

    TTS& m_tts;
    VoicePreference m_prefs;
    std::vector<TTSVoice> m_voices;
    std::vector<std::string> m_items;
    int m_selected = -1;
};

}  // namespace qor
