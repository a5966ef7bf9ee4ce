#pragma once
// The speech object: the one channel through which all speech goes, the
// speech speed's rate table, the voice choice, and the two values that the
// engine's thread writes and the pacing timer reads (the word position
// and speech done).
//
// The word position is the byte offset, from the start of the bytes being
// spoken, of the word the engine is speaking. The engine reports
// character positions in its own UTF-8 copy of the text; they are mapped
// back to byte offsets of the bytes given, in either encoding of a text
// buffer. Every utterance gets a new tag: events of an utterance that was
// stopped or replaced are dropped, so a late word of a stopped run never
// moves the position of the next one.
//
// A voice is identified by a (creator, id) pair of 32-bit values, as the
// preferences "VoiceCreator" and "VoiceID" store it. For the voices of
// the engine the creator is kSpeechVoiceCreator and the id a hash of the
// engine's voice identifier, so that the pair names the same voice
// whatever the order or number of the installed voices.

#include "base/Encoding.h"
#include "controls/SpeechEngine.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// 'espk' as a big-endian four-character code.
inline constexpr uint32_t kSpeechVoiceCreator = 0x6573706B;

inline constexpr int kMinSpeechSpeedStep = 1;
inline constexpr int kMaxSpeechSpeedStep = 20;
inline constexpr int kDefaultSpeechSpeed = 11;

// Speaking rate in words per minute for a speech speed: 60 + 14 s for
// 1..18, 60 + s^2 for 19 and 20. A speed outside 1..20 is clamped first.
int speechRate(int speechSpeed);
// The same rate as a 16.16 fixed-point number.
int32_t speechRateFixed(int speechSpeed);

// The (creator, id) pair of an engine voice identifier.
struct VoiceCode {
    uint32_t creator = 0;
    uint32_t id = 0;
    bool operator==(const VoiceCode&) const = default;
};
VoiceCode voiceCodeFor(std::string_view identifier);

// An installed voice as the voice dialog lists it.
struct TTSVoice {
    VoiceCode code;
    std::string name;
    std::string identifier;
};

// A text prepared for the engine: its UTF-8 form and, for each of its
// characters, the byte offset in the original bytes it came from
// (offsets.size() is the character count plus one; the last entry is the
// original length).
struct SpeechText {
    std::string utf8;
    std::vector<int32_t> offsets;
    // The byte offset of a character index, clamped to the text.
    int32_t byteOffset(int64_t charIndex) const;
};
// UTF-8 bytes are taken character by character (an invalid byte becomes
// one blank); Mac OS Roman bytes one character each. NUL and other
// control bytes become blanks, so that every character keeps its place.
SpeechText prepareSpeechText(std::string_view bytes, TextEncoding encoding);

// The speech plugin (espeak-ng), and an engine from it: an engine that
// never speaks when the plugin cannot be loaded.
inline constexpr const char* kSpeechPlugin = "libqor_speech_espeak.so";
std::unique_ptr<SpeechEngine> loadSpeechEngine();

class TTS final : private SpeechEvents {
public:
    // The process's speech object, over the espeak-ng engine (heard on the
    // sound device when there is one, silent otherwise).
    static TTS& instance();
    // Whether instance() has been made (the engine is loaded then).
    static bool hasInstance();

    // A speech object over an engine of its own (tests).
    explicit TTS(std::unique_ptr<SpeechEngine> engine);
    ~TTS() override;
    TTS(const TTS&) = delete;
    TTS& operator=(const TTS&) = delete;

    // Opens the channel with the engine's default voice (each logon does
    // this; speech under way is stopped). False when there is no engine.
    bool initSpeech();
    // Whether the channel is open.
    bool getChannel() const { return m_bChannel; }
    // Whether speech is heard on a sound device.
    bool hasAudio() const;

    // The rate of the next utterance, from the speech speed (clamped to
    // 1..20). Nothing without a channel.
    void setSpeed(int speechSpeed);
    int currentRate() const { return m_rate; }

    // Makes the first installed voice whose pair matches the channel's
    // voice for later speech. False (the voice unchanged) when none
    // matches or there is no channel.
    bool setVoiceCreator(uint32_t creator, uint32_t id);
    // The pair of the channel's voice; the default voice's before a
    // voice was chosen. {0, 0} without any voice.
    VoiceCode currentVoice() const;
    // The engine's default voice ({0, 0} when there is none).
    VoiceCode defaultVoice() const;
    // The installed voices, in the engine's order (empty without a channel).
    std::vector<TTSVoice> voices() const;

    // Starts speaking a copy of the bytes (so the caller's block may go
    // away at once) and returns at once. The word position starts at 0 and
    // speech done is cleared. Without a channel, or when the engine cannot
    // speak, speech done is set at once. False in that case.
    bool startSpeakingWithBuffer(const char* bytes, int length, TextEncoding encoding);
    // Stops speech at once and sets speech done, also when nothing was
    // being spoken. Later events of the stopped utterance are dropped.
    void stopSpeaking();

    int getBufferPos() const { return m_bufferPos.load(std::memory_order_acquire); }
    void resetBufferPos() { m_bufferPos.store(0, std::memory_order_release); }
    bool getSpeechDone() const { return m_speechDone.load(std::memory_order_acquire); }
    void setSpeechDone(bool done) { m_speechDone.store(done, std::memory_order_release); }

    // The tag of the utterance being spoken (0 before the first).
    uint32_t currentTag() const;

private:
    void speechWord(uint32_t tag, int32_t charIndex) override;
    void speechDone(uint32_t tag) override;
    const SpeechVoice* findVoice(VoiceCode code, std::vector<SpeechVoice>& list) const;

    std::unique_ptr<SpeechEngine> m_engine;
    bool m_bChannel = false;
    int m_rate = 0;
    std::string m_voiceIdentifier;

    // What the engine's thread writes and the pacing reads.
    std::atomic<int> m_bufferPos{0};
    std::atomic<bool> m_speechDone{true};

    // Guards the tag and the text of the utterance being spoken, which the
    // engine's thread needs to map a position. Never held across a call
    // into the engine.
    mutable std::mutex m_lock;
    uint32_t m_tag = 0;
    std::shared_ptr<const SpeechText> m_text;
};

}  // namespace qor
