#pragma once
// The seam between the speech object (TTS) and a speech synthesizer.
//
// An engine speaks UTF-8 text in the background and reports, through
// SpeechEvents, each word as it starts and the end of each utterance. An
// event carries the tag the utterance was started with, so that the
// receiver can drop the late events of an utterance that was stopped or
// replaced. Events may arrive on a thread of the engine's own; a receiver
// must only store values there.
//
// Positions in events are character (code point) indexes, counted from 0,
// into the text given to speak().

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

struct SpeechVoice {
    std::string identifier;  // the engine's own stable name of the voice
    std::string name;        // what the voice dialog shows
    std::string language;    // e.g. "en-us"; may be empty
};

class SpeechEvents {
public:
    virtual ~SpeechEvents() = default;
    // The word that starts at this character index is being spoken.
    virtual void speechWord(uint32_t tag, int32_t charIndex) = 0;
    // The utterance has been spoken to its end (not sent when it is stopped).
    virtual void speechDone(uint32_t tag) = 0;
};

class SpeechEngine {
public:
    virtual ~SpeechEngine() = default;

    // Makes the engine ready and directs its events to `events` (not
    // owned; it must outlive the engine's speech). Opening an engine that
    // is open only redirects its events. False when there is no engine.
    virtual bool open(SpeechEvents* events) = 0;
    virtual bool isOpen() const = 0;
    // Whether speech is heard (false: the engine only keeps the time of
    // the speech, events still come as the words would be spoken).
    virtual bool hasAudio() const = 0;

    // The installed voices, in the engine's order.
    virtual std::vector<SpeechVoice> voices() const = 0;
    // The identifier of the voice a new channel starts with.
    virtual std::string defaultVoice() const = 0;
    // The voice and rate (words per minute) of the next utterance. False
    // when the voice is not installed (the voice is then unchanged).
    virtual bool setVoice(const std::string& identifier) = 0;
    virtual void setRate(int wordsPerMinute) = 0;

    // Stops whatever is being spoken and starts speaking `utf8`; returns
    // at once. False when the engine could not start (no event follows).
    virtual bool speak(const std::string& utf8, uint32_t tag) = 0;
    // Stops speech at once. Events already under way may still arrive.
    virtual void stop() = 0;
};

}  // namespace qor
