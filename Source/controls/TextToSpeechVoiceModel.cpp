#include "controls/TextToSpeechVoiceModel.h"

#include "shell/Messages.h"

namespace qor {

TextToSpeechVoiceModel::TextToSpeechVoiceModel(TTS& tts, VoicePreference prefs)
    : m_tts(tts), m_prefs(std::move(prefs))
{
}

int TextToSpeechVoiceModel::rowOf(VoiceCode code) const
{
    for (size_t i = 0; i < m_voices.size(); ++i)
        if (m_voices[i].code == code)
            return static_cast<int>(i);
    return -1;
}

void TextToSpeechVoiceModel::initialize()
{
    m_voices = m_tts.voices();
    m_items.clear();
    for (const TTSVoice& v : m_voices)
        m_items.push_back(formatMessage("%s", {v.name}));
    m_selected = -1;
    if (m_voices.empty())
        return;
    int row = m_prefs.load ? rowOf(m_prefs.load()) : -1;
    // A stored voice that is not installed leaves the channel on its own
    // voice; show that one rather than a voice nobody chose.
    if (row < 0)
        row = rowOf(m_tts.currentVoice());
    m_selected = row < 0 ? 0 : row;
}

void TextToSpeechVoiceModel::select(int row)
{
    if (row >= 0 && row < static_cast<int>(m_voices.size()))
        m_selected = row;
}

void TextToSpeechVoiceModel::setVoiceCreator(uint32_t creator, uint32_t id)
{
    select(rowOf({creator, id}));
}

void TextToSpeechVoiceModel::resetButton()
{
    select(rowOf(m_tts.defaultVoice()));
}

bool TextToSpeechVoiceModel::ok()
{
    if (m_selected < 0 || m_selected >= static_cast<int>(m_voices.size()))
        return false;
    VoiceCode code = m_voices[static_cast<size_t>(m_selected)].code;
    m_tts.setVoiceCreator(code.creator, code.id);
    return m_prefs.store ? m_prefs.store(code) : true;
}

}  // namespace qor
