#include "session/QorWindow.h"

#include "base/Clock.h"
#include "controls/TTS.h"
#include "display/CurrentOptions.h"
#include "display/SpeedUnits.h"
#include "session/DisplayRecommendation.h"
#include "session/SessionView.h"
#include "shell/Messages.h"
#include "shell/Notifications.h"
#include "shell/ObjUtils.h"
#include "shell/QorAlert.h"
#include "shell/QorVersion.h"
#include "text/QorFile.h"
#include "users/CurrentPrefs.h"

#include <algorithm>
#include <climits>

namespace qor {

using namespace prefkey;

namespace {

int s_lastPercent = 0;

int clampToInt(int64_t v)
{
    return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}

// The first microsecond at which the tick count reaches `ticks`.
int64_t microsAtTick(int64_t ticks)
{
    return (ticks * 1000000 + 59) / 60;
}

// Puts a record in force and says so when it could not be saved.
void storeOptionsIn(CurrentOptions& options, const OptionsRecord& rec)
{
    const int status = options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
}

void alertKey(const char* key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityInformational);
}

}  // namespace

int64_t completionSeconds(int64_t wordCount, int percent, int speed, int unit)
{
    if (wordCount <= 0)
        return 0;
    const int64_t left = 100 - std::clamp(percent, 0, 100);
    const int64_t wpm = std::max(1, speedConversion(std::max(1, speed), unit, kUnitWPM));
    return (left * wordCount * 60 / wpm) / 100;
}

int QorWindow::lastPercentPosted() { return s_lastPercent; }
void QorWindow::resetLastPercentForTesting() { s_lastPercent = 0; }

QorWindow::QorWindow(const Services& s)
    : m_view(s.view),
      m_options(s.options),
      m_prefs(s.prefs),
      m_tts(s.speech),
      m_clock(s.clock),
      m_bus(s.bus),
      m_host(s.host),
      m_timer(s.timer),
      m_keys(s.keys),
      m_bookmarks(s.bookmarks),
      m_observer(s.bus)
{
    registerHandlers();
    setTitleLogon(nullptr);
}

void QorWindow::registerHandlers()
{
    // Each handler is followed by a word to the timer: what it did may
    // have moved the next poll.
    auto on = [this](std::string_view name, auto fn) {
        m_observer.observe(name, [this, fn](const Notification& n) {
            fn(n);
            changed();
        });
    };
    on(note::kStartPlaying, [this](const Notification&) { receiveStartPlaying(); });
    on(note::kStopPlaying, [this](const Notification&) { receiveStopPlaying(); });
    on(note::kBurstRepeat, [this](const Notification&) { receiveBurstRepeat(); });
    on(note::kBurstForward, [this](const Notification&) { receiveBurstForward(); });
    on(note::kManualStartTimer, [this](const Notification&) { receiveManualStartTimer(); });
    on(note::kManualStopTimer, [this](const Notification&) { receiveManualStopTimer(); });
    on(note::kManualForward, [this](const Notification&) { receiveManualForward(); });
    on(note::kManualBack, [this](const Notification&) { receiveManualBack(); });
    on(note::kWordForward, [this](const Notification&) { wordForward(); });
    on(note::kPageForward, [this](const Notification&) { pageForward(); });
    on(note::kWordBack, [this](const Notification&) { wordBack(); });
    on(note::kPageBack, [this](const Notification&) { pageBack(); });
    on(note::kPercentUpdateViaSlider, [this](const Notification& n) { updateReadPosition(n.intValue()); });
    on(note::kFinishedSliding, [this](const Notification&) { receivedFinishedSliding(); });
    on(note::kSetReadTimer, [this](const Notification& n) { updateReadtime(n.intValue()); });
    on(note::kUpdateTargetSpeed, [this](const Notification&) { updateTargetSpeed(); });
    on(note::kSentenceSearch, [this](const Notification&) { receivedSentenceSearch(); });
    on(note::kSetBookMark, [this](const Notification&) { setBookMark(); });
    on(note::kGotoBookMark, [this](const Notification&) { gotoBookMark(); });
    on(note::kOptionsUpdate, [this](const Notification&) { optionsUpdate(); });
    on(note::kUpdateMarginsFromUser, [this](const Notification&) { updateMargin(); });
    on(note::kTurnOnToolTips, [this](const Notification& n) { turnOnToolTips(n.boolValue()); });
    on(note::kToggleSliderView, [this](const Notification&) { toggleSliderView(); });
    on(note::kToggleControlView, [this](const Notification&) { toggleControlView(); });
    on(note::kScreenSizeUpdate, [this](const Notification&) { screenSizeUpdate(); });
    on(note::kDisplayRecommendation, [this](const Notification&) { receiveDisplayRecommendation(); });
}

void QorWindow::changed()
{
    if (m_timerRunning)
        m_timer.rescheduled();
}

// --- starting and stopping ---------------------------------------------------------

void QorWindow::controlTimingPlaying(bool play, bool burst)
{
    if (!m_playing && !m_burstRunning && (play || burst))
        startRun(burst);
    else if (!play && !burst && (m_playing || m_burstRunning))
        requestStop();
    m_playing = play;
    m_burstRunning = burst;
    changed();
}

void QorWindow::startRun(bool burst)
{
    const int64_t now = m_clock.microseconds();
    // The last display of the previous run has not had its time yet: its
    // figures are taken now, and the new run goes on under the same timer.
    if (m_stopPending) {
        takeRunStatistics(now);
        m_stopPending = false;
    }
    m_bus.post(note::kSetWordsPerMinute, -1);
    m_bus.post(note::kSetLastTraditional, -1);
    m_startPosition = m_view.getStart();
    m_fixedCount = 0;
    m_totalWords = 0;
    m_wordsUsed = 0;
    m_curWords = 0;
    m_curCounted = false;
    m_pausedUntil = -1;
    m_WideTotalStart = now;
    m_WideCurrentStart = now;
    m_bTimerOn = true;
    if (!m_timerRunning) {
        m_timerRunning = true;
        m_timer.start();
    }
    m_nStartTick = m_clock.ticks();
    stopTooltips();

    // Without a speech channel (no engine on this machine) a spoken run is
    // paced by its timing instead, rather than racing through the text.
    m_bSpeaking = m_prefs.boolValue(kSpeakingOn) && m_tts.getChannel();
    // A replayed burst keeps its first run on screen a moment; so does the
    // first run of a spoken one, while speech catches up with it.
    m_bTimeFirstDisplay = m_bTimeFirstDisplay || m_bSpeaking;
    if (m_bSpeaking) {
        m_tts.setSpeed(m_options.record().speechSpeed);
        m_tts.setSpeechDone(false);
        if (m_view.startWords() && m_view.startLen() > 0)
            m_tts.startSpeakingWithBuffer(m_view.startWords(), m_view.startLen(), m_view.encoding());
        else
            m_tts.setSpeechDone(true);
        m_nBufOffset = m_view.getStart();
        m_tts.resetBufferPos();
    }
    if (burst)
        m_bus.post(note::kForcedStopPlay, true);
}

void QorWindow::requestStop()
{
    if (m_bSpeaking)
        m_tts.stopSpeaking();
    m_bTimerOn = false;
    m_stopPending = true;
    startTooltips();
    m_bus.post(note::kForcedStopPlay, false);
}

void QorWindow::takeRunStatistics(int64_t nowMicros)
{
    const int64_t elapsedMs = std::max<int64_t>(0, nowMicros - m_WideTotalStart) / 1000;
    if (m_totalWords > 0 && elapsedMs >= 1) {
        const int rate = clampToInt(m_totalWords * 60000 / elapsedMs);
        m_bus.post(note::kSetWordsPerMinute, rate);
        m_bus.post(note::kSetLastTraditional, rate);
        m_prefs.setInt64Values({{kAveTotalWords, m_prefs.int64Value(kAveTotalWords) + m_totalWords},
                                {kAveTotalTime, m_prefs.int64Value(kAveTotalTime) + elapsedMs},
                                {kReadTime, m_readtime}});
        m_bus.post(note::kSetAverageActual);
    } else {
        saveReadTime();
    }
}

void QorWindow::finishStoppedRun()
{
    takeRunStatistics(m_clock.microseconds());
    m_stopPending = false;
    m_bManualMode = false;
    m_bTimeFirstDisplay = false;
    if (m_timerRunning) {
        m_timerRunning = false;
        m_timer.stop();
    }
}

void QorWindow::endRunNow()
{
    controlTimingPlaying(false, false);
    if (m_stopPending)
        finishStoppedRun();
}

void QorWindow::stopAnyRun() { endRunNow(); }

// --- the poll ---------------------------------------------------------------------

void QorWindow::myTimer()
{
    const int64_t ticks = m_clock.ticks();
    if (m_bTimerOn && ticks >= m_nStartTick + 60) {
        ++m_readtime;
        m_bus.post(note::kSetReadTimer, m_readtime);
        m_nStartTick = ticks;
    }

    if ((m_playing || m_burstRunning) && !m_bManualMode) {
        const int64_t now = m_clock.microseconds();
        if (m_pausedUntil >= 0 && now < m_pausedUntil)
            return;
        if (m_pausedUntil >= 0) {
            m_pausedUntil = -1;
        } else if (m_burstRunning && m_bTimeFirstDisplay) {
            m_bTimeFirstDisplay = false;
            m_pausedUntil = now + microsAtTick(kBurstPauseTicks);
            return;
        }
        bool next = false;
        if (!m_bTimeFirstDisplay && m_curWords == 0)
            next = true;
        else
            next = displayWord();
        if (next) {
            getNextWords(false);
            m_bTimeFirstDisplay = false;
        }
    }

    if (m_stopPending && stoppedRunDue())
        finishStoppedRun();
}

bool QorWindow::stoppedRunDue()
{
    // Nothing on screen (the text ran out): there is no display to wait for.
    if (m_curWords == 0)
        return true;
    return displayWord();
}

int64_t QorWindow::nextPollMicros() const
{
    if (!m_timerRunning)
        return INT64_MAX;
    const int64_t now = m_clock.microseconds();
    int64_t next = INT64_MAX;
    if (m_bTimerOn)
        next = std::min(next, microsAtTick(m_nStartTick + 60));

    auto displayDue = [&] {
        if (m_bManualMode || m_curWords == 0)
            return now;
        if (m_bSpeaking)
            return now + kSpeechPollMicros;
        return displayDueMicros();
    };
    if ((m_playing || m_burstRunning) && !m_bManualMode) {
        if (m_pausedUntil >= 0)
            next = std::min(next, m_pausedUntil);
        else if (m_burstRunning && m_bTimeFirstDisplay)
            return now;
        else if (!m_bTimeFirstDisplay && m_curWords == 0)
            return now;
        else
            next = std::min(next, m_bSpeaking ? now + kSpeechPollMicros : displayDueMicros());
    }
    if (m_stopPending)
        next = std::min(next, displayDue());
    return next;
}

int64_t QorWindow::displayDue() const
{
    if (!(m_playing || m_burstRunning) || m_bManualMode || m_bSpeaking || m_curWords == 0 || m_pausedUntil >= 0)
        return INT64_MAX;
    return displayDueMicros();
}

int32_t QorWindow::wordsCharged() const
{
    if (!m_options.record().delay.bFixed)
        return m_curWords;
    if (m_fixedCount <= 5) {
        if (m_fixedCount == 0)
            return m_curWords;
        return ObjUtils::roundDivNom(clampToInt(m_totalWords), m_fixedCount);
    }
    return m_wordsUsed;
}

int64_t QorWindow::baseMillis(int32_t words) const
{
    const OptionsRecord& o = m_options.record();
    const int64_t speed = std::max(1, o.speed);
    switch (o.unit) {
    case kUnitWPM: return int64_t{words} * 60000 / speed;
    case kUnitCPM: return int64_t{m_chars} * 60000 / speed;
    default: return int64_t{m_chars} * 1000 / speed;
    }
}

int64_t QorWindow::displayDueMicros() const
{
    const int64_t ms = baseMillis(wordsCharged()) + m_msDelay;
    return m_WideCurrentStart + std::max<int64_t>(0, ms) * 1000;
}

bool QorWindow::displayWord()
{
    if (m_bManualMode)
        return true;
    if (m_bSpeaking) {
        if (int64_t{m_tts.getBufferPos()} + m_nBufOffset < m_view.current())
            return m_tts.getSpeechDone();
        countCurrentRun();
        return true;
    }
    m_wordsUsed = wordsCharged();
    const int64_t now = m_clock.microseconds();
    const int64_t shown = (now - m_WideCurrentStart) / 1000;
    if (shown - m_msDelay < baseMillis(m_wordsUsed))
        return false;
    ++m_fixedCount;
    countCurrentRun();
    m_WideCurrentStart = now;
    return true;
}

void QorWindow::getNextWords(bool resetLine)
{
    DelayCounts dc;
    int32_t delay = 0;
    int32_t chars = 0;
    int32_t words = m_view.displayTextBurst(dc, delay, chars, resetLine);
    // A word the view cannot show (wider than the column) yields nothing
    // mid-text: step over it rather than stop at it every time.
    for (int guard = 0; words == 0 && m_view.hasText() && !m_view.endOfText() && guard < 10000; ++guard) {
        const int32_t before = m_view.getStart();
        m_view.forwardOneWord();
        if (m_view.getStart() == before && m_view.current() <= before)
            break;
        dc.clear();
        words = m_view.displayTextBurst(dc, delay, chars, resetLine);
    }
    m_curWords = words;
    m_curCounted = false;
    m_msDelay = delay;
    m_chars = chars;
    m_view.redraw();

    if (words == 0) {
        controlTimingPlaying(false, false);
    } else if (m_burstRunning) {
        m_ber.words = addCount(m_ber.words, dc.words);
        m_ber.sentences = addCount(m_ber.sentences, dc.sentences);
        m_ber.flashes = addCount(m_ber.flashes, dc.flashes);
        m_ber.punctuations = addCount(m_ber.punctuations, dc.punctuations);
        m_ber.newlines = addCount(m_ber.newlines, dc.newlines);
        m_ber.displayLines = addCount(m_ber.displayLines, dc.displayLines);
        const OptionsRecord& o = m_options.record();
        int count = 0;
        switch (o.burst.burstType) {
        case 0: count = m_ber.sentences; break;
        case 1: count = m_ber.words; break;
        case 2: {
            const int opt = o.displayMode.modeOpt;
            count = (opt == 7 || opt == 8 || opt == 9) ? m_ber.displayLines : m_ber.newlines;
            break;
        }
        case 3: count = m_ber.punctuations; break;
        case 4: count = m_ber.flashes; break;
        default: count = 0; break;
        }
        if (o.burst.burstType >= 0 && o.burst.burstType <= 4 && count >= o.burst.burstNum)
            controlTimingPlaying(false, false);
    }
    setPercent(m_view.getPercent());
}

// A run's words count once, whether a step of the reader or its paced
// time counted them first.
void QorWindow::countCurrentRun()
{
    if (!m_curCounted)
        m_totalWords += m_curWords;
    m_curCounted = true;
}

void QorWindow::getNextWord(bool moveOneWord)
{
    if (moveOneWord)
        m_view.forwardOneWord();
    getNextWords(moveOneWord);
}

// --- commands ------------------------------------------------------------------------

bool QorWindow::rejectAtEndOfText()
{
    if (!m_view.endOfText())
        return false;
    alertKey("EndOfDocument");
    m_view.resetData();
    getNextWords(true);
    m_bus.post(note::kForcedStopPlay, false);
    return true;
}

void QorWindow::receiveStartPlaying()
{
    if (m_playing || m_burstRunning)
        return;
    if (!m_view.hasText()) {
        m_bus.post(note::kForcedStopPlay, false);
        return;
    }
    if (rejectAtEndOfText())
        return;
    controlTimingPlaying(true, false);
}

void QorWindow::receiveStopPlaying() { controlTimingPlaying(false, false); }

void QorWindow::receiveBurstRepeat()
{
    if (m_playing || m_burstRunning || !m_view.hasText())
        return;
    m_ber.clear();
    bool highlightOnly = false;
    if (m_view.backToPos(m_startPosition, highlightOnly))
        redisplayByBackRule(highlightOnly);
    m_bTimeFirstDisplay = true;
    controlTimingPlaying(false, true);
}

void QorWindow::receiveBurstForward()
{
    if (m_playing || m_burstRunning || !m_view.hasText())
        return;
    m_ber.clear();
    m_bTimeFirstDisplay = false;
    controlTimingPlaying(false, true);
    getNextWord(false);
}

void QorWindow::receiveManualStartTimer()
{
    // A run stopped here still owes its figures: the start takes them.
    controlTimingPlaying(false, false);
    if (!m_view.hasText())
        return;
    if (rejectAtEndOfText()) {
        m_bManualMode = false;
        return;
    }
    m_bManualMode = true;
    controlTimingPlaying(true, false);
}

void QorWindow::receiveManualStopTimer()
{
    controlTimingPlaying(false, false);
    m_bManualMode = false;
}

void QorWindow::receiveManualForward()
{
    if (!m_bManualMode)
        endRunNow();
    getNextWord(false);
    countCurrentRun();
}

void QorWindow::receiveManualBack()
{
    if (!m_bManualMode)
        endRunNow();
    getLastWords();
}

void QorWindow::wordForward()
{
    getNextWords(false);
    countCurrentRun();
}

void QorWindow::pageForward() { getNextWords(false); }
void QorWindow::wordBack() { getLastWords(); }
void QorWindow::pageBack() { getLastWords(); }

void QorWindow::getLastWords()
{
    bool highlightOnly = false;
    if (!m_view.backBlock(highlightOnly))
        return;
    redisplayByBackRule(highlightOnly);
}

void QorWindow::redisplayByBackRule(bool highlightOnly)
{
    const OptionsRecord& o = m_options.record();
    const int mode = o.displayMode.mode;
    if ((mode != 3 && mode != 4) || o.displayMode.modeOpt == kNoHighlightingOption) {
        getNextWords(true);
    } else if (highlightOnly) {
        m_view.redraw();
        setPercent(m_view.getPercent());
    } else {
        getNextWords(false);
    }
}

void QorWindow::updateReadPosition(int percent)
{
    m_bBroadcast = false;
    m_view.setPercent(std::clamp(percent, 0, 100));
    setPercent(percent);
    getNextWords(true);
    m_bBroadcast = true;
}

void QorWindow::receivedFinishedSliding() { m_bus.post(note::kPercentUpdateViaPlay, m_view.getPercent()); }
void QorWindow::updateReadtime(int seconds) { m_readtime = std::max(0, seconds); }
void QorWindow::updateTargetSpeed() { calculateEstTime(); }

void QorWindow::receivedSentenceSearch()
{
    if (!m_view.hasText())
        return;
    if (m_view.searchString(m_host.searchFieldText())) {
        m_view.redraw();
        setPercent(m_view.getPercent());
    }
}

void QorWindow::setBookMark()
{
    if (!m_hasFile) {
        alertKey("TextNotLoaded");
        return;
    }
    if (m_bookmarks)
        m_bookmarks->addBookmark(m_curFileName, m_view.getStart());
}

void QorWindow::gotoBookMark()
{
    if (!m_hasFile) {
        alertKey("TextNotLoaded");
        return;
    }
    if (!m_bookmarks)
        return;
    std::vector<int32_t> positions = m_bookmarks->bookmarkPositions(m_curFileName);
    int32_t target = -1;
    if (positions.empty()) {
        alertKey("NoBookMarks");
        return;
    }
    if (positions.size() == 1)
        target = positions.front();
    else
        target = m_bookmarks->chooseBookmark(m_curFileName);
    if (target < 0)
        return;
    m_view.setPosition(std::clamp(target, 0, m_view.textSize()));
    m_view.redraw();
    setPercent(m_view.getPercent());
}

void QorWindow::optionsUpdate()
{
    const OptionsRecord& o = m_options.record();
    if (m_controlHidden != (o.hideControls != 0))
        setControlViewHidden(o.hideControls != 0);
    if (m_sliderHidden != (o.hideProgress != 0))
        setSliderViewHidden(o.hideProgress != 0);
    m_view.refreshDisplay();
    m_view.redraw();
    setPercent(m_view.getPercent());
}

void QorWindow::updateMargin()
{
    m_view.refreshDisplay();
    m_view.redraw();
    setPercent(m_view.getPercent());
}

void QorWindow::turnOnToolTips(bool on)
{
    auto tip = [on](const char* key) {
        return on ? MessageTables::localizedString(key, table::kTooltips) : std::string();
    };
    m_host.setTooltips(tip("TopControl"), tip("BottomControl"), tip("SearchSentence"));
}

void QorWindow::toggleSliderView() { setSliderViewHidden(!m_sliderHidden); }
void QorWindow::toggleControlView() { setControlViewHidden(!m_controlHidden); }

void QorWindow::setSliderViewHidden(bool hidden)
{
    OptionsRecord rec = m_options.options();
    if (rec.hideProgress != (hidden ? 1 : 0)) {
        rec.hideProgress = hidden ? 1 : 0;
        storeOptionsIn(m_options, (rec));
    }
    m_sliderHidden = hidden;
    m_host.setSliderStripHidden(hidden, hidden ? "downArrow.png" : "upArrow.png");
    m_view.refreshDisplay();
    m_view.redraw();
}

void QorWindow::setControlViewHidden(bool hidden)
{
    OptionsRecord rec = m_options.options();
    if (rec.hideControls != (hidden ? 1 : 0)) {
        rec.hideControls = hidden ? 1 : 0;
        storeOptionsIn(m_options, (rec));
    }
    m_controlHidden = hidden;
    m_host.setControlStripHidden(hidden, hidden ? "downArrow.png" : "upArrow.png");
    m_view.refreshDisplay();
    m_view.redraw();
}

int QorWindow::readingAreaGrowth() const
{
    return (m_sliderHidden ? kSliderStripHeight : 0) + (m_controlHidden ? kControlStripHeight : 0);
}

void QorWindow::setTitleLogon(const std::string* user)
{
    const std::string edition = QorVersion::qorVersionString();
    if (user)
        m_host.setTitle(formatMessage("%@ (User - %@)", {edition, *user}));
    else
        m_host.setTitle(formatMessage("%@", {edition}));
}

// --- the window's frame ---------------------------------------------------------------

void QorWindow::screenSizeUpdate()
{
    OptionsRecord rec = m_options.options();
    const WindowRect vis = m_host.visibleArea();
    const int w = std::min(rec.windowWidth, vis.width);
    const int h = std::min(rec.windowHeight, vis.height);
    int x = rec.windowX;
    int y = rec.windowY;
    if (rec.windowX == -1 || rec.windowY != 0) {
        x = (vis.width - w) / 2;
        y = (vis.height - h) / 2;
    }
    // Keep the window on the screen.
    x = std::clamp(x, 0, std::max(0, vis.width - w));
    y = std::clamp(y, 0, std::max(0, vis.height - h));
    rec.windowX = x;
    rec.windowY = y;
    rec.windowWidth = w;
    rec.windowHeight = h;
    storeOptionsIn(m_options, (rec));
    m_framePending = false;
    m_host.setFrame({vis.x + x, vis.y + y, w, h});
}

void QorWindow::storeFrame()
{
    const WindowRect f = m_host.frame();
    const WindowRect vis = m_host.visibleArea();
    OptionsRecord rec = m_options.record();
    rec.windowX = f.x - vis.x;
    rec.windowY = f.y - vis.y;
    rec.windowWidth = f.width;
    rec.windowHeight = f.height;
    m_options.holdOptions(rec);
    m_framePending = true;
}

void QorWindow::windowDidMove() { storeFrame(); }

void QorWindow::windowDidResize()
{
    storeFrame();
    m_view.refreshDisplay();
    m_view.redraw();
}

bool QorWindow::flushFrame()
{
    if (!m_framePending)
        return true;
    m_framePending = false;
    const int status = m_options.saveOptionsFile();
    return status == 0;
}

int QorWindow::resizeWidth(int textWidth)
{
    const WindowRect vis = m_host.visibleArea();
    const WindowRect f = m_host.frame();
    const int w = std::min(vis.width, textWidth + 88);
    m_host.setFrame({vis.x + (vis.width - w) / 2, f.y, w, f.height});
    return w - 88;
}

void QorWindow::resizeScreenWidth(int widthCode, int heightCode)
{
    if (widthCode == 16 && heightCode == 16)
        return;
    const WindowRect vis = m_host.visibleArea();
    const WindowRect f = m_host.frame();
    const int w = widthCode == 4 ? vis.width : f.width;
    const int h = heightCode == 8 ? vis.height : f.height;
    // Centred across, standing on the bottom of the visible area.
    m_host.setFrame({vis.x + (vis.width - w) / 2, vis.y + vis.height - h, w, h});
}

void QorWindow::receiveDisplayRecommendation()
{
    const OptionsRecord rec = m_options.options();
    const WindowRect vis = m_host.visibleArea();
    RecommendationInput in;
    in.options = rec;
    in.visibleWidth = vis.width;
    in.visibleHeight = vis.height;
    in.linesFit = m_view.doesXNumLinesFit(rec.displayMode.modeOptNum);
    in.longestLine = m_view.longestLine();
    const Recommendation r = recommendDisplay(in);
    if (!r.ask())
        return;
    if (QorAlert::question(r.message(), kAlertYesNo) != 1)
        return;

    int32_t fittedMargin = -1;
    if (!r.fit) {
        OptionsRecord sized = rec;
        applyRecommendation(r, sized);
        m_view.setFontAttribute(sized.font);
        fittedMargin = resizeWidth(m_view.longestLine());
    }
    resizeScreenWidth(r.width ? 4 : 16, (r.lines || r.height) ? 8 : 16);
    const bool maximize = r.width || r.margin;
    if (maximize)
        m_bus.post(note::kMaximizeMargins);

    // The resizes and the margins have stored their own changes by now:
    // start from the record as it stands and add only this advice's fields.
    OptionsRecord result = m_options.options();
    applyRecommendation(r, result);
    if (fittedMargin > 0 && !maximize)
        result.font.margin = fittedMargin;
    storeOptionsIn(m_options, (result));
}

// --- percentages and the estimate -------------------------------------------------

void QorWindow::setPercent(int percent)
{
    calculateEstTime();
    if (percent != s_lastPercent) {
        s_lastPercent = percent;
        if (m_bBroadcast)
            m_bus.post(note::kPercentUpdateViaPlay, percent);
    }
}

void QorWindow::calculateEstTime()
{
    if (m_nWordCount <= 0)
        return;
    const OptionsRecord& o = m_options.record();
    m_bus.post(note::kSetCompletionETA,
               clampToInt(completionSeconds(m_nWordCount, m_view.getPercent(), o.speed, o.unit)));
}

// --- texts, readers, keys -------------------------------------------------------------

void QorWindow::loadText(TextBuffer block, const std::string* path, int32_t position)
{
    // The view is about to drop the text a run (and its speech) reads.
    endRunNow();
    m_nWordCount = block ? QorFile::getWordCount(block.data(), block.size()) : 0;
    m_hasFile = path != nullptr;
    m_curFileName = path ? *path : std::string();
    const int32_t size = block ? block.size() : 0;
    m_view.initData(std::move(block));
    const int32_t pos = std::clamp(position, 0, size);
    m_view.setPosition(pos);
    m_startPosition = m_view.getStart();
    m_ber.clear();
    m_curWords = 0;
    m_view.redraw();
    setPercent(m_view.getPercent());
    changed();
}

void QorWindow::loadTextBuffer(TextBuffer block, const std::string& path, int32_t position)
{
    loadText(std::move(block), &path, position);
}

void QorWindow::loadTextFromClipboardBuffer(TextBuffer block) { loadText(std::move(block), nullptr, 0); }

const char* QorWindow::bufferAndSize(int32_t& size) const { return m_view.bufferAndSize(size); }

void QorWindow::initForUser()
{
    endRunNow();
    m_readtime = std::max(0, m_prefs.intValue(kReadTime));
    m_bus.post(note::kSetWordsPerMinute, -1);
    m_bus.post(note::kSetLastTraditional, -1);
    m_bus.post(note::kSetAverageActual);
}

void QorWindow::cleanup()
{
    endRunNow();
    flushFrame();
    saveReadTime();
}

void QorWindow::saveReadTime()
{
    if (!m_prefs.userName().empty())
        m_prefs.setIntValue(m_readtime, kReadTime);
}

void QorWindow::stopTooltips()
{
    if (m_prefs.boolValue(kTooltips))
        m_bus.post(note::kTurnOnToolTips, false);
}

void QorWindow::startTooltips()
{
    if (m_prefs.boolValue(kTooltips))
        m_bus.post(note::kTurnOnToolTips, true);
}

bool QorWindow::keyDown(int keyCode, bool shift, bool control)
{
    return m_keys && m_keys->keyPressed(keyCode, shift, control);
}

void QorWindow::close()
{
    cleanup();
    m_host.quit();
}

}  // namespace qor
