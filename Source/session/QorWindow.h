#pragma once
// The reading window's core: the run states and the pacing rule, every
// reader command that arrives on the bus, and the figures the control
// strip shows (read timer, rate of the last run, average, time to finish).
//
// Pacing. A run on screen is due for the next one when the time it has
// been shown, less its extra delay, reaches the base time its words or
// characters take at the target speed. The timer that calls myTimer() is
// not a fast repeating one: after every poll it asks nextPollMicros() for
// the moment something can next happen (the display on screen falls due,
// the read timer's next second, the end of the pause before a burst) and
// sleeps until then. With speech pacing the spoken position is sampled
// every few milliseconds instead.
//
// A run's speaking mode is taken when it starts and kept to its end, so
// switching speech on or off mid-run changes nothing until the next run.

#include "display/DelayCounts.h"
#include "session/WindowHost.h"
#include "shell/NotificationBus.h"
#include "text/TextBuffer.h"

#include <cstdint>
#include <string>

namespace qor {

class Clock;
class CurrentOptions;
class CurrentPrefs;
class SessionView;
class TTS;

// How often speech pacing samples the spoken position.
inline constexpr int64_t kSpeechPollMicros = 5000;
// The pause before a replayed burst, in ticks of 1/60 s.
inline constexpr int64_t kBurstPauseTicks = 20;
// The strips' heights in points.
inline constexpr int kSliderStripHeight = 35;
inline constexpr int kControlStripHeight = 222;

// Seconds left to read the rest of a text at a speed in any unit, never
// negative; 0 without words.
int64_t completionSeconds(int64_t wordCount, int percent, int speed, int unit);

class QorWindow {
public:
    struct Services {
        SessionView& view;
        CurrentOptions& options;
        CurrentPrefs& prefs;
        TTS& speech;
        Clock& clock;
        NotificationBus& bus;
        WindowHost& host;
        PacingTimer& timer;
        KeyHandler* keys = nullptr;
        BookmarkService* bookmarks = nullptr;
    };

    // Registers the handlers; no run, echo on, title without a reader.
    explicit QorWindow(const Services& services);
    QorWindow(const QorWindow&) = delete;
    QorWindow& operator=(const QorWindow&) = delete;

    void setKeyHandler(KeyHandler* keys) { m_keys = keys; }
    void setBookmarkService(BookmarkService* bookmarks) { m_bookmarks = bookmarks; }

    // --- runs ---------------------------------------------------------------
    void controlTimingPlaying(bool play, bool burst);
    // Ends a run now, its figures taken (a change of reader, a new text).
    void stopRunNow() { endRunNow(); }
    // One poll of the timer.
    void myTimer();
    // When the next poll is wanted (microseconds of the clock); INT64_MAX
    // when nothing will happen without a command.
    int64_t nextPollMicros() const;
    // When the display on screen falls due under timed pacing (INT64_MAX
    // otherwise): what a measurement of display onsets compares against.
    int64_t displayDue() const;
    bool displayWord();
    void getNextWords(bool resetLine);
    void getNextWord(bool moveOneWord);

    bool playing() const { return m_playing; }
    bool bursting() const { return m_burstRunning; }
    bool stopPending() const { return m_stopPending; }
    bool manualMode() const { return m_bManualMode; }
    bool timerOn() const { return m_timerRunning; }
    int readTime() const { return m_readtime; }
    int32_t wordCount() const { return m_nWordCount; }
    const std::string& fileName() const { return m_curFileName; }

    // --- the handlers of the bus (public so the strips' tests can call) ------
    void receiveStartPlaying();
    void receiveStopPlaying();
    void receiveBurstRepeat();
    void receiveBurstForward();
    void receiveManualStartTimer();
    void receiveManualStopTimer();
    void receiveManualForward();
    void receiveManualBack();
    void wordForward();
    void pageForward();
    void wordBack();
    void pageBack();
    void updateReadPosition(int percent);
    void receivedFinishedSliding();
    void updateReadtime(int seconds);
    void updateTargetSpeed();
    void receivedSentenceSearch();
    void setBookMark();
    void gotoBookMark();
    void optionsUpdate();
    void updateMargin();
    void turnOnToolTips(bool on);
    void toggleSliderView();
    void toggleControlView();
    void screenSizeUpdate();
    void receiveDisplayRecommendation();
    // The window was moved or resized: its frame goes into the options
    // (held, and saved by flushFrame once the changes settle).
    void windowDidMove();
    void windowDidResize();
    // Saves a frame change held since the last save; true when none was
    // pending or it was saved.
    bool flushFrame();
    bool framePending() const { return m_framePending; }

    // --- other operations ------------------------------------------------------
    void setPercent(int percent);
    void calculateEstTime();
    void getLastWords();
    void setSliderViewHidden(bool hidden);
    void setControlViewHidden(bool hidden);
    bool sliderViewHidden() const { return m_sliderHidden; }
    bool controlViewHidden() const { return m_controlHidden; }
    // How much taller the reading area is than with both strips shown.
    int readingAreaGrowth() const;
    void setTitleLogon(const std::string* user);

    // The last steps of loading a text: a run in progress ends first.
    void loadTextBuffer(TextBuffer block, const std::string& path, int32_t position);
    void loadTextFromClipboardBuffer(TextBuffer block);
    const char* bufferAndSize(int32_t& size) const;

    // After a logon, and before the reader logs off (or the program ends).
    void initForUser();
    void cleanup();

    // A key: true when the key map took it.
    bool keyDown(int keyCode, bool shift, bool control);
    void close();

    int resizeWidth(int textWidth);
    void resizeScreenWidth(int widthCode, int heightCode);

    // The last percentage posted (shared by all reading windows).
    static int lastPercentPosted();
    static void resetLastPercentForTesting();

private:
    void registerHandlers();
    void startRun(bool burst);
    void requestStop();
    void takeRunStatistics(int64_t nowMicros);
    void endRunNow();
    void finishStoppedRun();
    bool stoppedRunDue();
    int32_t wordsCharged() const;
    void countCurrentRun();
    int64_t baseMillis(int32_t words) const;
    int64_t displayDueMicros() const;
    bool rejectAtEndOfText();
    void redisplayByBackRule(bool highlightOnly);
    void stopTooltips();
    void startTooltips();
    void saveReadTime();
    void storeFrame();
    void loadText(TextBuffer block, const std::string* path, int32_t position);
    void stopAnyRun();
    void changed();

    SessionView& m_view;
    CurrentOptions& m_options;
    CurrentPrefs& m_prefs;
    TTS& m_tts;
    Clock& m_clock;
    NotificationBus& m_bus;
    WindowHost& m_host;
    PacingTimer& m_timer;
    KeyHandler* m_keys = nullptr;
    BookmarkService* m_bookmarks = nullptr;
    NotificationObserver m_observer;

    // Run state.
    bool m_playing = false;
    bool m_burstRunning = false;
    bool m_stopPending = false;
    bool m_bTimerOn = false;
    bool m_bManualMode = false;
    bool m_bTimeFirstDisplay = false;
    bool m_timerRunning = false;
    bool m_bSpeaking = false;  // the run's speaking mode, taken at its start
    int64_t m_nStartTick = 0;
    int64_t m_pausedUntil = -1;  // the pause before a burst, or -1
    int m_readtime = 0;
    int32_t m_curWords = 0;
    bool m_curCounted = false;  // the run on screen is in m_totalWords
    int64_t m_totalWords = 0;
    int32_t m_wordsUsed = 0;
    int32_t m_fixedCount = 0;
    int32_t m_msDelay = 0;
    int32_t m_chars = 0;
    DelayCounts m_ber;
    int64_t m_WideCurrentStart = 0;
    int64_t m_WideTotalStart = 0;
    int32_t m_startPosition = 0;
    int32_t m_nBufOffset = 0;
    int32_t m_nWordCount = 0;

    // Window state.
    std::string m_curFileName;
    bool m_hasFile = false;
    bool m_bBroadcast = true;
    bool m_sliderHidden = false;
    bool m_controlHidden = false;
    bool m_framePending = false;
};

}  // namespace qor
