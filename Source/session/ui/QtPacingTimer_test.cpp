#include "session/ui/QtPacingTimer.h"

#include "base/Clock.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace qor {
namespace {

// Runs the event loop until `done` or about two seconds have passed.
template <typename F>
bool spinUntil(F done, int limitMs = 2000)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

TEST(QtPacingTimer, PollsWhenTheWindowSaysAndNeverBefore)
{
    Clock& clock = SystemClock::instance();
    QtPacingTimer timer(clock);
    int64_t due = clock.microseconds() + 30000;
    const int64_t firstDue = due;
    std::vector<int64_t> polls;
    timer.setWindow([&] { return due; },
                    [&] {
                        polls.push_back(clock.microseconds());
                        due = INT64_MAX;  // nothing more until told
                    });
    timer.start();
    ASSERT_TRUE(spinUntil([&] { return !polls.empty(); }));
    EXPECT_GE(polls[0], firstDue);

    // A command moves the next poll; the timer follows at once.
    due = clock.microseconds() + 10000;
    const int64_t expected = due;
    timer.rescheduled();
    ASSERT_TRUE(spinUntil([&] { return polls.size() == 2; }));
    EXPECT_GE(polls[1], expected);
    timer.stop();
    due = clock.microseconds();
    timer.rescheduled();
    spinUntil([] { return false; }, 50);
    EXPECT_EQ(polls.size(), 2u);
}

TEST(QtPacingTimer, AModalPanelHoldsTheRun)
{
    Clock& clock = SystemClock::instance();
    QtPacingTimer timer(clock);
    int polls = 0;
    timer.setWindow([&] { return clock.microseconds(); }, [&] { ++polls; });
    QDialog panel;
    panel.setWindowModality(Qt::ApplicationModal);
    panel.show();
    ASSERT_TRUE(spinUntil([] { return QApplication::activeModalWidget() != nullptr; }));
    timer.start();
    spinUntil([] { return false; }, 100);
    EXPECT_EQ(polls, 0);
    panel.hide();
    EXPECT_TRUE(spinUntil([&] { return polls > 0; }));
    timer.stop();
}

}  // namespace
}  // namespace qor
