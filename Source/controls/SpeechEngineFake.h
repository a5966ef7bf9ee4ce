#pragma once
// A speech engine for tests: it speaks nothing, records what it was asked,
// and sends word and done events when the test says so, with any tag, so
// that late events of a stopped utterance can be sent on purpose.

#include "controls/SpeechEngine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class SpeechEngineFake final : public SpeechEngine {
public:
    struct Utterance {
        std::string text;
        uint32_t tag = 0;
        std::string voice;
        int rate = 0;
    };

    SpeechEngineFake()
    {
        m_voices = {{"gmw/en", "English (Great Britain)", "en-gb"},
                    {"gmw/en-US", "English (America)", "en-us"},
                    {"roa/fr", "French", "fr-fr"}};
        m_default = "gmw/en";
    }

    // What open() answers (false: no engine on this machine).
    bool available = true;
    bool audio = false;
    // What speak() answers.
    bool speakSucceeds = true;

    std::vector<Utterance> spoken;
    int stops = 0;
    int opens = 0;

    void setVoiceList(std::vector<SpeechVoice> voices, std::string defaultIdentifier)
    {
        m_voices = std::move(voices);
        m_default = std::move(defaultIdentifier);
    }
    const std::string& voice() const { return m_voice; }
    int rate() const { return m_rate; }
    // The tag of the last utterance started (0 before any).
    uint32_t lastTag() const { return spoken.empty() ? 0 : spoken.back().tag; }

    // Events as the engine's thread would send them.
    void word(uint32_t tag, int32_t charIndex) { if (m_events) m_events->speechWord(tag, charIndex); }
    void done(uint32_t tag) { if (m_events) m_events->speechDone(tag); }
    // Events of the last utterance.
    void word(int32_t charIndex) { word(lastTag(), charIndex); }
    void done() { done(lastTag()); }

    bool open(SpeechEvents* events) override
    {
        ++opens;
        if (!available)
            return false;
        m_events = events;
        m_open = true;
        m_voice = m_default;
        return true;
    }
    bool isOpen() const override { return m_open; }
    bool hasAudio() const override { return m_open && audio; }
    std::vector<SpeechVoice> voices() const override { return m_voices; }
    std::string defaultVoice() const override { return m_default; }
    bool setVoice(const std::string& identifier) override
    {
        for (const SpeechVoice& v : m_voices)
            if (v.identifier == identifier) {
                m_voice = identifier;
                return true;
            }
        return false;
    }
    void setRate(int wordsPerMinute) override { m_rate = wordsPerMinute; }
    bool speak(const std::string& utf8, uint32_t tag) override
    {
        if (!m_open || !speakSucceeds)
            return false;
        spoken.push_back({utf8, tag, m_voice, m_rate});
        return true;
    }
    void stop() override { ++stops; }

private:
    SpeechEvents* m_events = nullptr;
    bool m_open = false;
    std::vector<SpeechVoice> m_voices;
    std::string m_default;
    std::string m_voice;
    int m_rate = 0;
};

}  // namespace qor
