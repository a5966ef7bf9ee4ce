#include "controls/TTS.h"

#include "base/Log.h"
#include "base/Plugins.h"

#include <algorithm>

namespace qor {

int speechRate(int speechSpeed)
{
    int s = std::clamp(speechSpeed, kMinSpeechSpeedStep, kMaxSpeechSpeedStep);
    return s <= 18 ? 60 + 14 * s : 60 + s * s;
}

int32_t speechRateFixed(int speechSpeed)
{
    return static_cast<int32_t>(speechRate(speechSpeed)) << 16;
}

VoiceCode voiceCodeFor(std::string_view identifier)
{
    // FNV-1a: the same identifier gives the same id on every machine.
    uint32_t h = 2166136261u;
    for (unsigned char c : identifier) {
        h ^= c;
        h *= 16777619u;
    }
    return {kSpeechVoiceCreator, h};
}

int32_t SpeechText::byteOffset(int64_t charIndex) const
{
    if (offsets.empty())
        return 0;
    if (charIndex < 0)
        return offsets.front();
    size_t i = std::min<size_t>(static_cast<size_t>(charIndex), offsets.size() - 1);
    return offsets[i];
}

SpeechText prepareSpeechText(std::string_view bytes, TextEncoding encoding)
{
    SpeechText t;
    t.utf8.reserve(bytes.size() + bytes.size() / 8);
    t.offsets.reserve(bytes.size() + 1);
    auto add = [&t](char32_t cp, size_t at) {
        if (cp < 0x20 || cp == 0x7F || cp == 0xFFFD)
            cp = (cp == '\r' || cp == '\n') ? U'\n' : U' ';
        appendUtf8(t.utf8, cp);
        t.offsets.push_back(static_cast<int32_t>(at));
    };
    if (encoding == TextEncoding::MacRoman) {
        for (size_t i = 0; i < bytes.size(); ++i)
            add(macRomanToUnicode(static_cast<uint8_t>(bytes[i])), i);
    } else {
        size_t pos = 0;
        while (pos < bytes.size()) {
            size_t at = pos;
            char32_t cp = decodeUtf8(bytes, pos);
            add(cp, at);
        }
    }
    t.offsets.push_back(static_cast<int32_t>(bytes.size()));
    return t;
}

namespace {

// Speech on a machine where the speech plugin cannot be loaded: no
// channel, nothing spoken, speech done at once.
class NoSpeechEngine final : public SpeechEngine {
public:
    bool open(SpeechEvents*) override { return false; }
    bool isOpen() const override { return false; }
    bool hasAudio() const override { return false; }
    std::vector<SpeechVoice> voices() const override { return {}; }
    std::string defaultVoice() const override { return {}; }
    bool setVoice(const std::string&) override { return false; }
    void setRate(int) override {}
    bool speak(const std::string&, uint32_t) override { return false; }
    void stop() override {}
};

void forwardLog(std::string_view line) { logLine(line); }

}  // namespace

std::unique_ptr<SpeechEngine> loadSpeechEngine()
{
    using Create = SpeechEngine* (*)(LogSink);
    if (auto create = reinterpret_cast<Create>(pluginSymbol(kSpeechPlugin, "qor_espeak_create")))
        if (SpeechEngine* engine = create(&forwardLog))
            return std::unique_ptr<SpeechEngine>(engine);
    return std::make_unique<NoSpeechEngine>();
}

namespace {
std::atomic<bool> s_made{false};
}  // namespace

TTS& TTS::instance()
{
    static TTS* tts = [] {
        TTS* t = new TTS(loadSpeechEngine());
        s_made.store(true);
        return t;
    }();
    return *tts;
}

bool TTS::hasInstance() { return s_made.load(); }

TTS::TTS(std::unique_ptr<SpeechEngine> engine) : m_engine(std::move(engine)) {}

TTS::~TTS()
{
    if (m_engine && m_bChannel)
        m_engine->stop();
}

bool TTS::initSpeech()
{
    if (m_bChannel)
        stopSpeaking();
    m_bChannel = m_engine && m_engine->open(this);
    if (!m_bChannel)
        return false;
    m_voiceIdentifier = m_engine->defaultVoice();
    if (!m_voiceIdentifier.empty())
        m_engine->setVoice(m_voiceIdentifier);
    m_rate = speechRate(kDefaultSpeechSpeed);
    m_engine->setRate(m_rate);
    return true;
}

bool TTS::hasAudio() const
{
    return m_bChannel && m_engine->hasAudio();
}

void TTS::setSpeed(int speechSpeed)
{
    if (!m_bChannel)
        return;
    m_rate = speechRate(speechSpeed);
    m_engine->setRate(m_rate);
}

const SpeechVoice* TTS::findVoice(VoiceCode code, std::vector<SpeechVoice>& list) const
{
    list = m_engine->voices();
    for (const SpeechVoice& v : list)
        if (voiceCodeFor(v.identifier) == code)
            return &v;
    return nullptr;
}

bool TTS::setVoiceCreator(uint32_t creator, uint32_t id)
{
    if (!m_bChannel)
        return false;
    std::vector<SpeechVoice> list;
    const SpeechVoice* v = findVoice({creator, id}, list);
    if (!v || !m_engine->setVoice(v->identifier))
        return false;
    m_voiceIdentifier = v->identifier;
    return true;
}

VoiceCode TTS::currentVoice() const
{
    if (m_voiceIdentifier.empty())
        return {};
    return voiceCodeFor(m_voiceIdentifier);
}

VoiceCode TTS::defaultVoice() const
{
    if (!m_engine)
        return {};
    std::string id = m_engine->defaultVoice();
    return id.empty() ? VoiceCode{} : voiceCodeFor(id);
}

std::vector<TTSVoice> TTS::voices() const
{
    std::vector<TTSVoice> out;
    if (!m_bChannel)
        return out;
    for (const SpeechVoice& v : m_engine->voices())
        out.push_back({voiceCodeFor(v.identifier), v.name, v.identifier});
    return out;
}

bool TTS::startSpeakingWithBuffer(const char* bytes, int length, TextEncoding encoding)
{
    auto text = std::make_shared<const SpeechText>(prepareSpeechText(
        std::string_view(bytes ? bytes : "", bytes && length > 0 ? static_cast<size_t>(length) : 0),
        encoding));
    uint32_t tag;
    {
        std::lock_guard<std::mutex> g(m_lock);
        tag = ++m_tag;
        if (tag == 0)
            tag = ++m_tag;
        m_text = text;
        m_bufferPos.store(0, std::memory_order_release);
        m_speechDone.store(false, std::memory_order_release);
    }
    if (m_bChannel && !text->utf8.empty() && m_engine->speak(text->utf8, tag))
        return true;
    {
        std::lock_guard<std::mutex> g(m_lock);
        if (m_tag == tag) {
            m_text.reset();
            m_speechDone.store(true, std::memory_order_release);
        }
    }
    return false;
}

void TTS::stopSpeaking()
{
    {
        // A new tag first: whatever the engine still reports of the old
        // utterance no longer matches.
        std::lock_guard<std::mutex> g(m_lock);
        ++m_tag;
        if (m_tag == 0)
            ++m_tag;
        m_text.reset();
        m_speechDone.store(true, std::memory_order_release);
    }
    if (m_bChannel)
        m_engine->stop();
}

uint32_t TTS::currentTag() const
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_tag;
}

void TTS::speechWord(uint32_t tag, int32_t charIndex)
{
    std::lock_guard<std::mutex> g(m_lock);
    if (tag != m_tag || !m_text)
        return;
    int32_t offset = m_text->byteOffset(charIndex);
    // Words only move forward: an engine may report one place twice.
    if (offset > m_bufferPos.load(std::memory_order_relaxed))
        m_bufferPos.store(offset, std::memory_order_release);
}

void TTS::speechDone(uint32_t tag)
{
    std::lock_guard<std::mutex> g(m_lock);
    if (tag != m_tag)
        return;
    m_speechDone.store(true, std::memory_order_release);
}

}  // namespace qor
