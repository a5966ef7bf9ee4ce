#include "controls/EspeakEngine.h"

#include "base/Log.h"

#include <espeak-ng/speak_lib.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

namespace qor {

namespace {

// espeak-ng calls one function for the whole process.
EspeakEngine* s_active = nullptr;
// espeak-ng is started once per process, in one output mode: terminating
// it and starting it again can hang in its own threads.
int s_output = -1;
int s_sampleRate = 0;

int synthCallback(short* wav, int samples, espeak_EVENT* events)
{
    EspeakEngine* engine = s_active;
    return engine ? engine->onSynth(wav, samples, events) : 0;
}

uint32_t tagOf(const espeak_EVENT* e)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(e->user_data));
}

bool pathExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

}  // namespace

bool EspeakEngine::hasSoundDevice()
{
    // A sound server of the reader's session, or an ALSA playback device.
    std::string run = "/run/user/" + std::to_string(::getuid());
    if (pathExists(run + "/pulse/native") || pathExists(run + "/pipewire-0"))
        return true;
    DIR* dir = ::opendir("/dev/snd");
    if (!dir)
        return false;
    bool found = false;
    while (dirent* e = ::readdir(dir)) {
        size_t n = std::strlen(e->d_name);
        if (n > 4 && std::strncmp(e->d_name, "pcmC", 4) == 0 && e->d_name[n - 1] == 'p') {
            found = true;
            break;
        }
    }
    ::closedir(dir);
    return found;
}

EspeakEngine::Mode EspeakEngine::defaultMode()
{
    return hasSoundDevice() ? Mode::Playback : Mode::Silent;
}

EspeakEngine::EspeakEngine(Mode mode) : m_mode(mode) {}

EspeakEngine::~EspeakEngine()
{
    if (!m_open)
        return;
    stop();
    if (m_thread.joinable()) {
        {
            std::lock_guard<std::mutex> g(m_jobLock);
            m_quit = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    if (m_mode == Mode::Playback)
        espeak_Cancel();
    if (s_active == this)
        s_active = nullptr;
}

bool EspeakEngine::open(SpeechEvents* events)
{
    if (m_open) {
        m_events = events;
        return true;
    }
    if (s_active) {
        logLine("speech: another espeak-ng engine is open");
        return false;
    }
    espeak_AUDIO_OUTPUT output =
        m_mode == Mode::Playback ? AUDIO_OUTPUT_PLAYBACK : AUDIO_OUTPUT_SYNCHRONOUS;
    if (s_output < 0) {
        s_sampleRate = espeak_Initialize(output, 0, nullptr, 0);
        if (s_sampleRate <= 0) {
            logLine("speech: espeak-ng could not be started");
            return false;
        }
        s_output = output;
    } else if (s_output != output) {
        logLine("speech: espeak-ng runs in another output mode");
        return false;
    }
    m_sampleRate = s_sampleRate;
    s_active = this;
    espeak_SetSynthCallback(synthCallback);

    m_voices.clear();
    if (const espeak_VOICE** list = espeak_ListVoices(nullptr)) {
        for (; *list; ++list) {
            const espeak_VOICE* v = *list;
            if (!v->identifier || !v->name)
                continue;
            SpeechVoice voice;
            voice.identifier = v->identifier;
            voice.name = v->name;
            if (v->languages && v->languages[0])
                voice.language = v->languages + 1;  // after the priority byte
            m_voices.push_back(std::move(voice));
        }
    }
    m_defaultVoice.clear();
    if (espeak_SetVoiceByName("en") == EE_OK) {
        if (espeak_VOICE* v = espeak_GetCurrentVoice(); v && v->identifier)
            m_defaultVoice = v->identifier;
    }
    if (m_defaultVoice.empty() && !m_voices.empty())
        m_defaultVoice = m_voices.front().identifier;
    m_voice = m_defaultVoice;
    m_events = events;
    m_open = true;
    if (m_mode == Mode::Silent)
        m_thread = std::thread([this] { worker(); });
    return true;
}

bool EspeakEngine::setVoice(const std::string& identifier)
{
    for (const SpeechVoice& v : m_voices) {
        if (v.identifier == identifier) {
            std::lock_guard<std::mutex> g(m_jobLock);
            m_voice = identifier;
            return true;
        }
    }
    return false;
}

void EspeakEngine::setRate(int wordsPerMinute)
{
    std::lock_guard<std::mutex> g(m_jobLock);
    m_rate = wordsPerMinute;
}

void EspeakEngine::applyVoiceAndRate(const std::string& voice, int rate)
{
    if (!voice.empty())
        espeak_SetVoiceByName(voice.c_str());
    espeak_SetParameter(espeakRATE, rate, 0);
}

bool EspeakEngine::speak(const std::string& utf8, uint32_t tag)
{
    if (!m_open)
        return false;
    Job job;
    {
        std::lock_guard<std::mutex> g(m_jobLock);
        ++m_generation;
        job = Job{utf8, tag, m_voice, m_rate};
    }
    switch (m_mode) {
    case Mode::Playback: {
        espeak_Cancel();
        applyVoiceAndRate(job.voice, job.rate);
        espeak_ERROR e = espeak_Synth(job.text.c_str(), job.text.size() + 1, 0, POS_CHARACTER, 0,
                                      espeakCHARS_UTF8, nullptr,
                                      reinterpret_cast<void*>(static_cast<uintptr_t>(tag)));
        return e == EE_OK;
    }
    case Mode::Silent: {
        {
            std::lock_guard<std::mutex> g(m_jobLock);
            m_job = std::move(job);
            m_hasJob = true;
        }
        m_wake.notify_all();
        return true;
    }
    case Mode::Immediate:
        {
            std::lock_guard<std::mutex> g(m_jobLock);
            m_runGeneration = m_generation;
        }
        return synthesize(job);
    }
    return false;
}

void EspeakEngine::stop()
{
    if (!m_open)
        return;
    {
        std::lock_guard<std::mutex> g(m_jobLock);
        ++m_generation;
        m_hasJob = false;
    }
    m_wake.notify_all();
    if (m_mode == Mode::Playback)
        espeak_Cancel();
}

void EspeakEngine::worker()
{
    for (;;) {
        Job job;
        {
            std::unique_lock<std::mutex> g(m_jobLock);
            m_wake.wait(g, [this] { return m_hasJob || m_quit; });
            if (m_quit)
                return;
            job = std::move(m_job);
            m_hasJob = false;
            m_runGeneration = m_generation;
        }
        synthesize(job);
    }
}

bool EspeakEngine::synthesize(const Job& job)
{
    applyVoiceAndRate(job.voice, job.rate);
    m_runTag = job.tag;
    m_runSamples = 0;
    m_runStart = std::chrono::steady_clock::now();
    espeak_ERROR e = espeak_Synth(job.text.c_str(), job.text.size() + 1, 0, POS_CHARACTER, 0,
                                  espeakCHARS_UTF8, nullptr,
                                  reinterpret_cast<void*>(static_cast<uintptr_t>(job.tag)));
    if (e != EE_OK) {
        // Nothing will be heard; in the background the caller has already
        // been told speech started, so do not leave it waiting.
        if (SpeechEvents* events = m_events.load(); events && m_mode == Mode::Silent)
            events->speechDone(job.tag);
        return false;
    }
    // The last word is still being heard until the samples run out.
    if (!waitUntil(m_runSamples * 1000 / m_sampleRate))
        return true;
    if (SpeechEvents* events = m_events.load())
        events->speechDone(job.tag);
    return true;
}

bool EspeakEngine::waitUntil(int64_t audioMs)
{
    if (m_mode == Mode::Immediate) {
        // No clock to wait for; the hook stands in for the passing time.
        if (m_waitHook)
            m_waitHook(audioMs);
    } else {
        std::unique_lock<std::mutex> g(m_jobLock);
        m_wake.wait_until(g, m_runStart + std::chrono::milliseconds(audioMs),
                          [this] { return m_generation != m_runGeneration || m_quit; });
    }
    std::lock_guard<std::mutex> g(m_jobLock);
    return m_generation == m_runGeneration && !m_quit;
}

int EspeakEngine::onSynth(short* wav, int samples, void* eventList)
{
    auto* e = static_cast<espeak_EVENT*>(eventList);
    SpeechEvents* events = m_events.load();
    if (m_mode != Mode::Playback && samples > 0)
        m_runSamples += samples;
    for (; e && e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        if (m_mode == Mode::Playback) {
            if (e->type == espeakEVENT_WORD && e->length > 0 && events)
                events->speechWord(tagOf(e), e->text_position - 1);
            else if (e->type == espeakEVENT_MSG_TERMINATED && events)
                events->speechDone(tagOf(e));
            continue;
        }
        if (e->type != espeakEVENT_WORD || e->length <= 0)
            continue;
        if (!waitUntil(e->audio_position))
            return 1;  // stopped: end the synthesis
        if (events)
            events->speechWord(tagOf(e), e->text_position - 1);
    }
    (void)wav;
    return 0;
}

}  // namespace qor
