#include "session/QorWindow.h"

#include "base/Files.h"
#include "session/SessionTestSupport.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::BusLog;
using testing_session::Chunk;
using testing_session::Session;

std::vector<Chunk> runsOfWords(std::initializer_list<int> words)
{
    std::vector<Chunk> runs;
    for (int w : words)
        runs.push_back(Chunk{w});
    return runs;
}

// --- how long a display stays ------------------------------------------------------

struct DurationCase {
    int unit;
    int speed;
    Chunk run;
    int64_t ms;
};

class DisplayDuration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(DisplayDuration, TheNextRunIsDueAtItsTimeNotBefore)
{
    const DurationCase& c = GetParam();
    Session s;
    s.withOptions([&](OptionsRecord& r) {
        r.unit = static_cast<uint16_t>(c.unit);
        r.speed = c.speed;
        r.delay.bFixed = 0;
    });
    s.view.setRuns({c.run, Chunk{1}, Chunk{1}});
    s.post(note::kStartPlaying);
    s.atMillis(0);  // Play shows the next run at once
    ASSERT_EQ(s.view.runsShown(), 1);
    EXPECT_EQ(s.window->nextPollMicros(), c.ms * 1000);
    s.atMillis(c.ms - 1);
    EXPECT_EQ(s.view.runsShown(), 1);
    s.atMillis(c.ms);
    EXPECT_EQ(s.view.runsShown(), 2);
}

INSTANTIATE_TEST_SUITE_P(Units, DisplayDuration,
                         ::testing::Values(DurationCase{kUnitWPM, 250, Chunk{2, 10, 0}, 480},
                                           DurationCase{kUnitCPM, 1250, Chunk{2, 10, 0}, 480},
                                           DurationCase{kUnitCPS, 20, Chunk{2, 10, 0}, 500},
                                           DurationCase{kUnitWPM, 250, Chunk{2, 10, 150}, 630}));

TEST(Pacing, FixedPacingChargesTheAverageOfTheFirstFiveDisplays)
{
    Session s;
    // 60 WPM: a charged word is one second.
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
        r.delay.bFixed = 1;
    });
    s.view.setRuns(runsOfWords({1, 3, 2, 5, 4, 6, 1, 1, 1}));
    s.post(note::kStartPlaying);
    s.runUntil(30 * 1000000);
    ASSERT_GE(s.view.onsets.size(), 8u);
    std::vector<int64_t> charged;
    for (size_t i = 1; i < 8; ++i)
        charged.push_back((s.view.onsets[i] - s.view.onsets[i - 1]) / 1000000);
    EXPECT_EQ(charged, (std::vector<int64_t>{1, 1, 2, 2, 3, 3, 3}));
}

// --- bursts ---------------------------------------------------------------------------

struct BurstCase {
    const char* name;
    int type;
    int modeOpt;
    int burstNum;
    DelayCounts perRun;  // every run reports these
    int displaysInBurst;
};

class BurstLength : public ::testing::TestWithParam<BurstCase> {};

TEST_P(BurstLength, TheDisplayThatReachesTheCountEndsTheBurstAfterItsTime)
{
    const BurstCase& c = GetParam();
    Session s;
    s.withOptions([&](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
        r.delay.bFixed = 0;
        r.burst.burstType = c.type;
        r.burst.burstNum = c.burstNum;
        r.displayMode.mode = c.modeOpt >= 6 ? 3 : 0;
        r.displayMode.modeOpt = c.modeOpt;
    });
    std::vector<Chunk> runs(12, Chunk{1, 0, 0, c.perRun});
    s.view.setRuns(runs);
    BusLog log(s.bus, {note::kForcedStopPlay, note::kSetWordsPerMinute});
    s.post(note::kBurstForward);
    EXPECT_EQ(s.window->bursting(), c.displaysInBurst > 1);
    EXPECT_EQ(s.view.runsShown(), 1);  // shown at once, counted in the burst

    s.runUntil(int64_t{c.displaysInBurst - 1} * 1000000 + 999000);
    EXPECT_EQ(s.view.runsShown(), c.displaysInBurst);
    EXPECT_FALSE(s.window->bursting());
    // The last display still has its time: no figures yet.
    EXPECT_EQ(log.posts, (std::vector<std::string>{"SetWordsPerMinuteNotification(-1)",
                                                   "ForcedStopPlayNotification(YES)",
                                                   "ForcedStopPlayNotification(NO)"}));
    s.runToEnd();
    EXPECT_EQ(s.view.runsShown(), c.displaysInBurst);  // it stays on screen
    ASSERT_EQ(log.posts.size(), 4u);
    EXPECT_EQ(log.posts.back(), "SetWordsPerMinuteNotification(60)");
    EXPECT_FALSE(s.timer.running);
}

DelayCounts counts(int sentences, int punctuations, int flashes, int newlines, int lines)
{
    DelayCounts d;
    d.sentences = static_cast<int16_t>(sentences);
    d.punctuations = static_cast<int16_t>(punctuations);
    d.flashes = static_cast<int16_t>(flashes);
    d.newlines = static_cast<int16_t>(newlines);
    d.displayLines = static_cast<int16_t>(lines);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Types, BurstLength,
    ::testing::Values(BurstCase{"sentences", 0, 0, 2, counts(1, 0, 0, 0, 0), 2},
                      BurstCase{"words", 1, 0, 3, counts(0, 0, 0, 0, 0), 3},
                      BurstCase{"displayLinesWhenHighlighting", 2, 9, 2, counts(0, 0, 0, 2, 1), 2},
                      BurstCase{"newlinesOtherwise", 2, 0, 2, counts(0, 0, 0, 2, 1), 1},
                      BurstCase{"punctuation", 3, 0, 4, counts(0, 1, 0, 0, 0), 4},
                      BurstCase{"flashes", 4, 0, 1, counts(0, 0, 1, 0, 0), 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pacing, ABurstReplayPausesTwentyTicksOnItsFirstRun)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
        r.burst.burstType = 1;
        r.burst.burstNum = 2;
    });
    s.view.setRuns(runsOfWords({1, 1, 1, 1, 1, 1}));
    s.post(note::kBurstForward);
    s.runToEnd();
    ASSERT_EQ(s.view.runsShown(), 2);
    const int64_t replayAt = s.clock.microseconds();
    s.post(note::kBurstRepeat);
    ASSERT_TRUE(s.window->bursting());
    EXPECT_EQ(s.view.shownRuns.back(), 0);  // back at the burst's start
    s.runUntil(replayAt + 333000);
    EXPECT_EQ(s.view.runsShown(), 3);  // still the start, paused
    s.runUntil(replayAt + 334000);
    EXPECT_EQ(s.view.runsShown(), 4);
    EXPECT_EQ(s.view.shownRuns.back(), 1);
}

// --- starting, stopping and the figures ---------------------------------------------

TEST(Runs, StopThenManualStartKeepsOneTimerAndTheNewRun)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
    });
    s.view.setRuns(runsOfWords({2, 2, 2, 2, 2, 2, 2, 2}));
    BusLog log(s.bus, {note::kSetWordsPerMinute});
    s.post(note::kStartPlaying);
    s.runUntil(2500000);  // two displays done, the third on screen
    s.post(note::kStopPlaying);
    EXPECT_TRUE(s.window->stopPending());
    s.post(note::kManualStartTimer);
    EXPECT_TRUE(s.window->manualMode());
    EXPECT_TRUE(s.window->playing());
    EXPECT_FALSE(s.window->stopPending());
    EXPECT_EQ(s.timer.starts, 1);
    EXPECT_EQ(s.timer.stops, 0);
    EXPECT_TRUE(s.timer.running);
    // The stopped run's figures came first (2 words in 2.5 s), then the blank.
    EXPECT_EQ(log.posts, (std::vector<std::string>{"SetWordsPerMinuteNotification(-1)",
                                                   "SetWordsPerMinuteNotification(48)",
                                                   "SetWordsPerMinuteNotification(-1)"}));

    // The reader paces: polls do not move the text.
    const int shown = s.view.runsShown();
    s.runUntil(6000000);
    EXPECT_EQ(s.view.runsShown(), shown);
    s.post(note::kManualForward);
    s.post(note::kManualForward);
    EXPECT_EQ(s.view.runsShown(), shown + 2);
    s.clock.setMicroseconds(8500000);
    s.post(note::kManualStopTimer);
    EXPECT_FALSE(s.window->manualMode());
    s.runToEnd();
    EXPECT_FALSE(s.timer.running);
    EXPECT_EQ(s.timer.starts, 1);
    EXPECT_EQ(s.timer.stops, 1);
    // Two steps of two words in six seconds; the last is not counted twice.
    EXPECT_EQ(log.posts.back(), "SetWordsPerMinuteNotification(40)");
}

TEST(Runs, FortyThousandWordsGiveTheirRateAndTheAveragesGrowPastAnInt)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 40000;
    });
    s.prefs.setInt64Value(3000000000LL, prefkey::kAveTotalWords);
    s.view.setRuns({Chunk{40000}, Chunk{1}});
    BusLog log(s.bus, {note::kSetWordsPerMinute});
    s.post(note::kStartPlaying);
    s.atMillis(0);
    s.post(note::kStopPlaying);
    s.runToEnd();
    ASSERT_EQ(log.posts.size(), 2u);
    EXPECT_EQ(log.posts[1], "SetWordsPerMinuteNotification(40000)");
    EXPECT_EQ(s.prefs.int64Value(prefkey::kAveTotalWords), 3000040000LL);
    EXPECT_EQ(s.prefs.int64Value(prefkey::kAveTotalTime), 60000);
    // And on disk, read back by a fresh holder.
    CurrentPrefs again(*s.site.admin);
    again.loadPrefsFileForUser("Ann");
    EXPECT_EQ(again.int64Value(prefkey::kAveTotalWords), 3000040000LL);
}

TEST(Runs, ARunOfNoTimeGivesNoRate)
{
    Session s;
    s.view.setRuns(runsOfWords({3, 3, 3}));
    BusLog log(s.bus, {note::kSetWordsPerMinute, note::kSetAverageActual});
    s.post(note::kManualStartTimer);
    s.post(note::kManualForward);
    s.post(note::kStopPlaying);
    s.window->myTimer();  // same microsecond
    EXPECT_FALSE(s.timer.running);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"SetWordsPerMinuteNotification(-1)"}));
    EXPECT_EQ(s.prefs.int64Value(prefkey::kAveTotalTime), 0);
}

TEST(Runs, TheEndOfTheTextEndsTheRunAtOnceAndTheNextStartRewinds)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
        r.delay.bFixed = 1;
    });
    s.view.setRuns(runsOfWords({1, 1, 1}));
    BusLog log(s.bus, {note::kSetWordsPerMinute, note::kForcedStopPlay});
    s.post(note::kStartPlaying);
    s.runToEnd();
    EXPECT_FALSE(s.timer.running);
    // Three displays of a second; the end adds no display of its own.
    EXPECT_EQ(log.posts.back(), "SetWordsPerMinuteNotification(60)");

    log.posts.clear();
    s.post(note::kStartPlaying);
    EXPECT_FALSE(s.window->playing());
    ASSERT_EQ(s.site.alertTexts().size(), 1u);
    EXPECT_NE(s.site.alertTexts()[0].find("end of the text"), std::string::npos);
    EXPECT_EQ(s.view.shownRuns.back(), 0);  // rewound, the first run shown
    EXPECT_EQ(log.posts, (std::vector<std::string>{"ForcedStopPlayNotification(NO)"}));
    s.post(note::kStartPlaying);
    EXPECT_TRUE(s.window->playing());
}

TEST(Runs, AManualStartAtTheEndLeavesManualModeOff)
{
    Session s;
    s.view.setRuns(runsOfWords({1, 1}));
    s.post(note::kPageForward);
    s.post(note::kPageForward);
    ASSERT_TRUE(s.view.endOfText());
    s.post(note::kManualStartTimer);
    EXPECT_FALSE(s.window->manualMode());
    EXPECT_FALSE(s.window->playing());
    EXPECT_EQ(s.view.shownRuns.back(), 0);
    s.post(note::kStartPlaying);
    s.runUntil(100);
    EXPECT_FALSE(s.window->manualMode());
    EXPECT_EQ(s.view.runsShown(), 4);  // paced: the next run at once
}

TEST(Runs, StartIsIgnoredDuringARunAndABurstSaysItStarted)
{
    Session s;
    s.view.setRuns(runsOfWords({1, 1, 1, 1, 1, 1}));
    BusLog log(s.bus, {note::kForcedStopPlay});
    s.post(note::kBurstForward);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"ForcedStopPlayNotification(YES)"}));
    s.post(note::kStartPlaying);
    EXPECT_TRUE(s.window->bursting());
    EXPECT_FALSE(s.window->playing());
    s.post(note::kBurstForward);  // ignored as well
    EXPECT_EQ(s.view.runsShown(), 1);
}

TEST(Runs, AWordTheViewCannotShowIsSteppedOver)
{
    Session s;
    s.view.setRuns({Chunk{1}, Chunk{0}, Chunk{1}, Chunk{1}});
    s.post(note::kStartPlaying);
    s.runToEnd();
    EXPECT_EQ(s.view.shownRuns, (std::vector<int>{0, 2, 3}));
}

TEST(Runs, TheReadTimerCountsSecondsOfRunningAndIsSavedAtEachRunsEnd)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
    });
    s.view.setRuns(runsOfWords({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    BusLog log(s.bus, {note::kSetReadTimer});
    s.post(note::kStartPlaying);
    s.runUntil(3500000);
    EXPECT_EQ(s.window->readTime(), 3);
    EXPECT_EQ(log.posts.back(), "SetReadTimerNotification(3)");
    s.post(note::kStopPlaying);
    s.runToEnd();
    EXPECT_EQ(s.window->readTime(), 3);  // no counting after the stop
    CurrentPrefs disk(*s.site.admin);
    disk.loadPrefsFileForUser("Ann");
    EXPECT_EQ(disk.intValue(prefkey::kReadTime), 3);

    s.post(note::kSetReadTimer, 0);  // the strip's reset
    EXPECT_EQ(s.window->readTime(), 0);
    s.window->cleanup();
    CurrentPrefs again(*s.site.admin);
    again.loadPrefsFileForUser("Ann");
    EXPECT_EQ(again.intValue(prefkey::kReadTime), 0);
}

TEST(Runs, LoadingATextEndsTheRunAndItsSpeech)
{
    Session s;
    s.prefs.setBOOLValue(true, prefkey::kSpeakingOn);
    s.view.setRuns(runsOfWords({1, 1, 1}));
    s.post(note::kStartPlaying);
    ASSERT_EQ(s.engine->spoken.size(), 1u);
    const int stops = s.engine->stops;
    s.window->loadTextBuffer(TextBuffer::fromBytes("new text here", TextEncoding::Utf8), "/x/new.txt", -5);
    EXPECT_FALSE(s.window->playing());
    EXPECT_FALSE(s.timer.running);
    EXPECT_GT(s.engine->stops, stops);
    EXPECT_EQ(s.view.position(), 0);
    EXPECT_EQ(s.window->wordCount(), 3);
    s.window->loadTextBuffer(TextBuffer::fromBytes("new text here", TextEncoding::Utf8), "/x/new.txt", 9999);
    EXPECT_EQ(s.view.position(), 13);
}

// --- speech pacing ------------------------------------------------------------------

TEST(SpeechPacing, ADisplayAdvancesWhenSpeechPassesItsEndOrIsDone)
{
    Session s;
    s.prefs.setBOOLValue(true, prefkey::kSpeakingOn);
    s.view.setRuns(runsOfWords({1, 2, 1, 1}));  // bytes 0, 5, 15, 20, 25
    s.post(note::kPageForward);                  // run 0 on screen
    s.post(note::kStartPlaying);
    ASSERT_EQ(s.engine->spoken.size(), 1u);
    EXPECT_EQ(s.engine->spoken[0].text, "word word word word word ");
    const uint32_t firstTag = s.engine->lastTag();

    s.runUntil(50000);
    EXPECT_EQ(s.view.runsShown(), 1);  // speech is still on run 0
    s.engine->word(5);                 // the first word of run 1
    s.runUntil(60000);
    EXPECT_EQ(s.view.runsShown(), 2);
    s.engine->word(10);  // inside run 1
    s.runUntil(70000);
    EXPECT_EQ(s.view.runsShown(), 2);

    // Speech switched off mid-run: the run keeps following speech.
    s.prefs.setBOOLValue(false, prefkey::kSpeakingOn);
    s.runUntil(5000000);
    EXPECT_EQ(s.view.runsShown(), 2);

    s.engine->done();
    s.window->myTimer();
    EXPECT_EQ(s.view.runsShown(), 3);

    // A new run; a late event of the old utterance moves nothing.
    s.post(note::kStopPlaying);
    s.runToEnd();
    s.prefs.setBOOLValue(true, prefkey::kSpeakingOn);
    s.post(note::kStartPlaying);
    ASSERT_NE(s.engine->lastTag(), firstTag);
    s.engine->word(firstTag, 20);
    s.runUntil(s.clock.microseconds() + 50000);
    EXPECT_EQ(s.view.runsShown(), 3);
}

TEST(SpeechPacing, WithoutASpeechChannelTheRunIsTimed)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
    });
    s.prefs.setBOOLValue(true, prefkey::kSpeakingOn);
    auto silent = std::make_unique<SpeechEngineFake>();
    silent->available = false;
    TTS none(std::move(silent));
    none.initSpeech();
    QorWindow window({s.view, s.options, s.prefs, none, s.clock, s.bus, s.host, s.timer});
    s.window.reset();
    s.view.setRuns(runsOfWords({1, 1, 1, 1}));
    s.post(note::kStartPlaying);
    s.clock.setMicroseconds(0);
    window.myTimer();
    s.clock.setMicroseconds(500000);
    window.myTimer();
    EXPECT_EQ(s.view.runsShown(), 1);  // a second a word, not a race
    s.clock.setMicroseconds(1000000);
    window.myTimer();
    EXPECT_EQ(s.view.runsShown(), 2);
}

TEST(SpeechPacing, StopEndsSpeechAndTheRunAtOnce)
{
    Session s;
    s.prefs.setBOOLValue(true, prefkey::kSpeakingOn);
    s.view.setRuns(runsOfWords({1, 1, 1}));
    s.post(note::kStartPlaying);
    const int stops = s.engine->stops;
    s.prefs.setBOOLValue(false, prefkey::kSpeakingOn);
    s.post(note::kStopPlaying);
    EXPECT_GT(s.engine->stops, stops);
    s.runUntil(s.clock.microseconds() + 1000);
    EXPECT_FALSE(s.timer.running);
}

// --- positions, the estimate and the back rule ---------------------------------------

TEST(Position, TheSliderMovesTheTextWithoutItsValueComingBack)
{
    Session s;
    s.view.setRuns(runsOfWords({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    BusLog log(s.bus, {note::kPercentUpdateViaPlay});
    s.post(note::kPercentUpdateViaSlider, 50);
    EXPECT_EQ(s.view.percentSet, 50);
    EXPECT_TRUE(log.posts.empty());
    EXPECT_EQ(QorWindow::lastPercentPosted(), 60);  // the run shown there
    s.post(note::kPageForward);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"PercentUpdateViaPlayNotification(70)"}));
    s.post(note::kFinishedSliding);
    EXPECT_EQ(log.posts.back(), "PercentUpdateViaPlayNotification(70)");
}

struct EstimateCase {
    int64_t words;
    int percent;
    int speed;
    int unit;
    int64_t seconds;
};

TEST(Estimate, SecondsLeftInAnyUnit)
{
    const EstimateCase cases[] = {
        {12000, 40, 300, kUnitWPM, 1440},
        {12000, 100, 300, kUnitWPM, 0},
        {0, 0, 300, kUnitWPM, 0},
        {400000, 0, 1, kUnitWPM, 24000000},  // past 32 bits on the way
        {12000, 40, 25, kUnitCPS, 1440},     // 25 CPS is 300 WPM
        {12000, 40, 1500, kUnitCPM, 1440},   // so is 1500 CPM
    };
    for (const EstimateCase& c : cases)
        EXPECT_EQ(completionSeconds(c.words, c.percent, c.speed, c.unit), c.seconds)
            << c.words << " " << c.percent << " " << c.speed << " " << c.unit;
}

TEST(Estimate, EveryDisplayAndSpeedChangePostsIt)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 300;
    });
    std::string text;
    for (int i = 0; i < 12000; ++i)
        text += "word ";
    s.window->loadTextFromClipboardBuffer(TextBuffer::fromBytes(text, TextEncoding::Utf8));
    BusLog log(s.bus, {note::kSetCompletionETA});
    s.view.setPercent(40);
    s.post(note::kUpdateTargetSpeed);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"SetCompletionETANotification(1440)"}));
    s.post(note::kPageForward);
    EXPECT_EQ(log.posts.size(), 2u);
}

struct BackCase {
    int mode;
    int opt;
    bool highlightOnly;
    int displays;    // runs shown by the step back
    bool resetLine;  // how
};

TEST(BackRule, RedisplayByModeAndHighlight)
{
    const BackCase cases[] = {
        {0, 0, false, 1, true}, {2, 1, true, 1, true},  {3, 6, true, 1, true}, {4, 6, false, 1, true},
        {3, 7, false, 1, false}, {4, 9, false, 1, false}, {3, 8, true, 0, false}, {4, 7, true, 0, false},
    };
    for (const BackCase& c : cases) {
        Session s;
        s.withOptions([&](OptionsRecord& r) {
            r.displayMode.mode = c.mode;
            r.displayMode.modeOpt = c.opt;
        });
        s.view.setRuns(runsOfWords({1, 1, 1, 1}));
        s.post(note::kPageForward);
        s.post(note::kPageForward);
        s.view.backHighlightOnly = c.highlightOnly;
        const int before = s.view.runsShown();
        BusLog log(s.bus, {note::kPercentUpdateViaPlay});
        s.post(note::kWordBack);
        EXPECT_EQ(s.view.runsShown() - before, c.displays) << c.mode << "/" << c.opt;
        if (c.displays) {
            EXPECT_EQ(s.view.resetLines.back(), c.resetLine) << c.mode << "/" << c.opt;
            EXPECT_EQ(s.view.shownRuns.back(), 0);
        } else {
            EXPECT_EQ(log.posts.size(), 1u) << "the percentage follows the highlight";
        }
    }
}

TEST(BackRule, AStepBackAtTheStartDoesNothing)
{
    Session s;
    s.view.setRuns(runsOfWords({1, 1}));
    s.post(note::kPageForward);
    s.post(note::kPageBack);
    EXPECT_EQ(s.view.runsShown(), 1);
}

TEST(Position, WordForwardCountsForTheRateAndPageForwardDoesNot)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 60;
    });
    s.view.setRuns(runsOfWords({1, 5, 5, 1, 1, 1, 1, 1}));
    BusLog log(s.bus, {note::kSetWordsPerMinute});
    s.post(note::kManualStartTimer);
    s.post(note::kManualForward);  // 1 word
    s.clock.setMicroseconds(1000000);
    s.post(note::kWordForward);    // 5 more
    s.post(note::kPageForward);    // not counted
    s.clock.setMicroseconds(2000000);
    s.post(note::kStopPlaying);
    s.window->myTimer();
    EXPECT_EQ(log.posts.back(), "SetWordsPerMinuteNotification(180)");  // 6 words in 2 s
}

// --- bookmarks, search, strips, title, frame -----------------------------------------

TEST(Bookmarks, NeedAFileAndJumpStraightToAnOnlyOne)
{
    Session s;
    s.window->loadTextFromClipboardBuffer(TextBuffer::fromBytes("one two three four", TextEncoding::Utf8));
    s.post(note::kSetBookMark);
    s.post(note::kGotoBookMark);
    EXPECT_EQ(s.site.alerts.shown.size(), 2u);
    EXPECT_TRUE(s.bookmarks.added.empty());

    s.window->loadTextBuffer(TextBuffer::fromBytes("one two three four", TextEncoding::Utf8), "/t/a.txt", 4);
    s.site.alerts.shown.clear();
    s.post(note::kGotoBookMark);
    EXPECT_EQ(s.site.alertTexts().size(), 1u);  // none yet
    s.post(note::kSetBookMark);
    ASSERT_EQ(s.bookmarks.added.size(), 1u);
    EXPECT_EQ(s.bookmarks.added[0], (std::pair<std::string, int32_t>{"/t/a.txt", 4}));

    s.bookmarks.positions = {8};
    BusLog log(s.bus, {note::kPercentUpdateViaPlay});
    s.post(note::kGotoBookMark);
    EXPECT_EQ(s.bookmarks.panels, 0);
    EXPECT_EQ(s.view.position(), 8);
    EXPECT_EQ(log.posts.size(), 1u);

    s.bookmarks.positions = {4, 99999};
    s.bookmarks.choice = 99999;  // past a text that has since grown shorter
    s.post(note::kGotoBookMark);
    EXPECT_EQ(s.bookmarks.panels, 1);
    EXPECT_EQ(s.view.position(), 18);
    s.bookmarks.choice = -1;  // cancelled
    s.post(note::kGotoBookMark);
    EXPECT_EQ(s.view.position(), 18);
}

TEST(Window, SearchUsesTheFieldsString)
{
    Session s;
    s.view.setRuns(runsOfWords({1, 1}));
    s.host.search = "Café";
    s.post(note::kSentenceSearch);
    EXPECT_EQ(s.view.searched, "Café");
}

TEST(Window, HidingBothStripsGivesTheReadingArea257PointsAndIsStored)
{
    Session s;
    s.post(note::kToggleSliderView);
    EXPECT_TRUE(s.host.sliderHidden);
    EXPECT_EQ(s.host.topImage, "downArrow.png");
    EXPECT_EQ(s.window->readingAreaGrowth(), 35);
    s.post(note::kToggleControlView);
    EXPECT_EQ(s.window->readingAreaGrowth(), 257);
    EXPECT_EQ(s.options.record().hideProgress, 1);
    EXPECT_EQ(s.options.record().hideControls, 1);
    // Options that say "shown" bring them back.
    s.withOptions([](OptionsRecord& r) {
        r.hideProgress = 0;
        r.hideControls = 0;
    });
    s.post(note::kOptionsUpdate);
    EXPECT_FALSE(s.host.sliderHidden);
    EXPECT_FALSE(s.host.controlHidden);
    EXPECT_EQ(s.host.bottomImage, "upArrow.png");
    EXPECT_EQ(s.window->readingAreaGrowth(), 0);
}

TEST(Window, TooltipsComeFromTheTableAndGoDuringARun)
{
    Session s;
    s.prefs.setBOOLValue(true, prefkey::kTooltips);
    s.post(note::kTurnOnToolTips, true);
    EXPECT_FALSE(s.host.tooltips[0].empty());
    EXPECT_NE(s.host.tooltips[0], "TopControl");
    s.view.setRuns(runsOfWords({1, 1}));
    s.post(note::kStartPlaying);
    EXPECT_EQ(s.host.tooltips, (std::vector<std::string>{"", "", ""}));
    s.post(note::kStopPlaying);
    EXPECT_FALSE(s.host.tooltips[2].empty());
}

TEST(Window, TitleNamesTheReader)
{
    Session s;
    const std::string edition = s.host.title;
    EXPECT_FALSE(edition.empty());
    const std::string ann = "Ann";
    s.window->setTitleLogon(&ann);
    EXPECT_EQ(s.host.title, edition + " (User - Ann)");
    s.window->setTitleLogon(nullptr);
    EXPECT_EQ(s.host.title, edition);
}

TEST(Window, MovesAreHeldAndSavedOnceTheySettle)
{
    Session s;
    const std::string file = s.options.optionsFilePath();
    std::string before;
    fs::readFile(file, before, 1 << 16);
    s.host.visible = {0, 24, 1280, 776};
    s.host.window = {30, 74, 640, 480};
    s.window->windowDidMove();
    s.host.window = {40, 84, 700, 500};
    s.window->windowDidResize();
    EXPECT_EQ(s.options.record().windowX, 40);
    EXPECT_EQ(s.options.record().windowY, 60);
    EXPECT_EQ(s.options.record().windowWidth, 700);
    std::string during;
    fs::readFile(file, during, 1 << 16);
    EXPECT_EQ(during, before);
    EXPECT_TRUE(s.window->framePending());
    EXPECT_TRUE(s.window->flushFrame());
    CurrentOptions fresh;
    fresh.setUserFolderSource([&] { return s.site.users() + "Ann/"; });
    fresh.loadOptionsFile();
    EXPECT_EQ(fresh.record().windowX, 40);
    EXPECT_EQ(fresh.record().windowHeight, 500);
}

TEST(Window, ScreenSizeUpdateCutsToTheScreenAndCentresUnlessAtTheTop)
{
    struct Case {
        int x, y, w, h;
        WindowRect frame;
    } cases[] = {
        {-1, 0, 800, 600, {240, 100, 800, 600}},
        {10, 40, 800, 600, {240, 100, 800, 600}},
        {10, 0, 800, 600, {10, 0, 800, 600}},
        {10, 0, 2000, 900, {0, 0, 1280, 800}},
    };
    for (const Case& c : cases) {
        Session s;
        s.withOptions([&](OptionsRecord& r) {
            r.windowX = c.x;
            r.windowY = c.y;
            r.windowWidth = c.w;
            r.windowHeight = c.h;
        });
        s.post(note::kScreenSizeUpdate);
        EXPECT_EQ(s.host.window, c.frame) << c.x << "," << c.y;
        EXPECT_EQ(s.options.record().windowX, c.frame.x);
        EXPECT_EQ(s.options.record().windowWidth, c.frame.width);
    }
}

TEST(Window, KeysGoToTheKeyMapAndClosingQuits)
{
    struct Keys final : KeyHandler {
        std::vector<int> seen;
        bool keyPressed(int code, bool shift, bool control) override
        {
            seen.push_back(code * 4 + (shift ? 2 : 0) + (control ? 1 : 0));
            return code == 49;
        }
    } keys;
    Session s;
    EXPECT_FALSE(s.window->keyDown(49, false, false));  // no key map yet
    s.window->setKeyHandler(&keys);
    EXPECT_TRUE(s.window->keyDown(49, true, false));
    EXPECT_FALSE(s.window->keyDown(12, false, true));
    EXPECT_EQ(keys.seen, (std::vector<int>{49 * 4 + 2, 12 * 4 + 1}));
    s.window->close();
    EXPECT_EQ(s.host.quits, 1);
}

TEST(Window, ALogonRestoresTheReadTimerAndBlanksTheFigures)
{
    Session s;
    s.prefs.setIntValue(125, prefkey::kReadTime);
    BusLog log(s.bus, {note::kSetWordsPerMinute, note::kSetLastTraditional, note::kSetAverageActual});
    s.window->initForUser();
    EXPECT_EQ(s.window->readTime(), 125);
    EXPECT_EQ(log.posts, (std::vector<std::string>{"SetWordsPerMinuteNotification(-1)",
                                                   "SetLastTraditionalNotification(-1)",
                                                   "SetAverageActualNotification"}));
}

}  // namespace
}  // namespace qor
