#pragma once
// The speech engine over espeak-ng.
//
// Three ways to run it:
//  - Playback: espeak-ng plays on the sound device in its own threads and
//    reports each word as it is heard.
//  - Silent: no sound device. The text is synthesised on a thread of our
//    own and the samples are thrown away, but each word is reported when
//    it would be heard, so speech pacing keeps the speech's own time.
//  - Immediate: synthesised in the caller's thread; speak() returns when
//    every event has been reported (tests and benchmarks).
//
// espeak-ng keeps one state for the process: one engine is open at a time,
// and the first engine opened fixes whether it plays (Playback) or not
// (Silent and Immediate) for the life of the process.

#include "controls/SpeechEngine.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace qor {

class EspeakEngine final : public SpeechEngine {
public:
    enum class Mode { Playback, Silent, Immediate };

    explicit EspeakEngine(Mode mode);
    ~EspeakEngine() override;
    EspeakEngine(const EspeakEngine&) = delete;
    EspeakEngine& operator=(const EspeakEngine&) = delete;

    // Playback when the machine has a sound device, Silent otherwise.
    static Mode defaultMode();
    static bool hasSoundDevice();

    Mode mode() const { return m_mode; }

    bool open(SpeechEvents* events) override;
    bool isOpen() const override { return m_open; }
    bool hasAudio() const override { return m_open && m_mode == Mode::Playback; }
    std::vector<SpeechVoice> voices() const override { return m_voices; }
    std::string defaultVoice() const override { return m_defaultVoice; }
    bool setVoice(const std::string& identifier) override;
    void setRate(int wordsPerMinute) override;
    bool speak(const std::string& utf8, uint32_t tag) override;
    void stop() override;

    // Immediate mode: called with the audio time (milliseconds from the
    // start of the utterance) at which each word, and then the end, would
    // be heard, before it is reported. It may call stop().
    void setWaitHookForTesting(std::function<void(int64_t audioMs)> hook) { m_waitHook = std::move(hook); }

    // Called by espeak-ng (any of its threads, or ours).
    int onSynth(short* wav, int samples, void* eventList);

private:
    struct Job {
        std::string text;
        uint32_t tag = 0;
        std::string voice;
        int rate = 0;
    };
    bool synthesize(const Job& job);
    void worker();
    // Waits (Silent) until the audio time is reached; false when the
    // utterance was stopped or replaced meanwhile.
    bool waitUntil(int64_t audioMs);
    void applyVoiceAndRate(const std::string& voice, int rate);

    Mode m_mode;
    bool m_open = false;
    std::atomic<SpeechEvents*> m_events{nullptr};  // read on espeak-ng's threads
    std::vector<SpeechVoice> m_voices;
    std::string m_defaultVoice;
    std::string m_voice;
    int m_rate = 175;
    int m_sampleRate = 22050;

    // The synthesis under way in Silent and Immediate modes.
    std::mutex m_jobLock;
    std::condition_variable m_wake;
    bool m_hasJob = false;
    bool m_quit = false;
    uint64_t m_generation = 0;  // bumped by every speak() and stop()
    Job m_job;
    std::thread m_thread;
    // Worker-side state of the current synthesis (Silent mode).
    uint64_t m_runGeneration = 0;
    uint32_t m_runTag = 0;
    int64_t m_runSamples = 0;
    std::chrono::steady_clock::time_point m_runStart;
    std::function<void(int64_t)> m_waitHook;
};

}  // namespace qor
