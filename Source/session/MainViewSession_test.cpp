// The window over the real reading view: a text plays to its end at the
// target speed and the figures come out right.

#include "display/MainView.h"
#include "display/TextMeasurer.h"
#include "session/SessionTestSupport.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::BusLog;

TEST(MainViewSession, ATextPlaysWordByWordToItsEnd)
{
    testing_session::Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 600;
        r.displayMode.mode = 0;  // centre, one word a display
        r.displayMode.modeOpt = 0;
        r.displayMode.modeOptNum = 1;
        r.delay.bFixed = 1;
        r.delay.bLongWordDelay = 0;
        r.delay.bSentenceDelay = 0;
        r.delay.bPuctuationDelay = 0;
        r.delay.bMinimumDelay = 0;
        r.delay.bBeginningOfLineDelay = 0;
        r.delay.bBeginningOfPageDelay = 0;
    });
    FixedWidthMeasurer measurer;
    MainViewExpert view(measurer, s.options, s.bus);
    view.setViewSize(600, 300);
    int redraws = 0;
    MainViewSession session(view, [&] { ++redraws; });
    QorWindow window({session, s.options, s.prefs, *s.tts, s.clock, s.bus, s.host, s.timer});
    s.window.reset();  // the scripted one stands aside
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += i ? " reading" : "reading";
    window.loadTextFromClipboardBuffer(TextBuffer::fromBytes(text, TextEncoding::Utf8));
    EXPECT_EQ(window.wordCount(), 40);

    BusLog log(s.bus, {note::kSetWordsPerMinute, note::kPercentUpdateViaPlay});
    s.post(note::kStartPlaying);
    for (int guard = 0; s.timer.running && guard < 100000; ++guard) {
        s.clock.setMicroseconds(std::max(s.clock.microseconds(), window.nextPollMicros()));
        window.myTimer();
    }
    EXPECT_FALSE(window.playing());
    EXPECT_TRUE(view.endOfText());
    EXPECT_GE(redraws, 40);
    // The first word is on screen from the load; Play goes on with the
    // other 39 at once, 100 ms each.
    EXPECT_EQ(s.clock.microseconds(), 3900000);
    ASSERT_FALSE(log.posts.empty());
    EXPECT_EQ(log.posts.back(), "SetWordsPerMinuteNotification(600)");
    EXPECT_EQ(QorWindow::lastPercentPosted(), 100);
}

}  // namespace
}  // namespace qor
