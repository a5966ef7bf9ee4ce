#include "session/ui/QtPacingTimer.h"

#include "base/Clock.h"

#include <QApplication>

#include <climits>
#include <ctime>

namespace qor {

namespace {

// Sleeps until the clock reads `due` (same monotonic base as SystemClock).
void sleepUntil(const Clock& clock, int64_t due)
{
    for (int64_t left = due - clock.microseconds(); left > 0; left = due - clock.microseconds()) {
        timespec ts{static_cast<time_t>(left / 1000000), static_cast<long>((left % 1000000) * 1000)};
        nanosleep(&ts, nullptr);
    }
}

}  // namespace

QtPacingTimer::QtPacingTimer(Clock& clock, QObject* parent) : QObject(parent), m_clock(clock)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &QtPacingTimer::fire);
}

void QtPacingTimer::setWindow(NextPoll nextPoll, Poll poll)
{
    m_nextPoll = std::move(nextPoll);
    m_poll = std::move(poll);
}

void QtPacingTimer::start()
{
    m_on = true;
    arm();
}

void QtPacingTimer::stop()
{
    m_on = false;
    m_timer.stop();
}

void QtPacingTimer::rescheduled()
{
    // A poll re-arms when it is done; a command in between re-arms now.
    if (m_on && !m_inPoll)
        arm();
}

void QtPacingTimer::arm()
{
    if (!m_on || !m_nextPoll)
        return;
    const int64_t due = m_nextPoll();
    if (due == INT64_MAX) {
        m_timer.stop();
        return;
    }
    const int64_t wait = due - m_clock.microseconds() - kWakeEarlyMicros;
    m_timer.start(wait > 0 ? static_cast<int>(std::min<int64_t>(wait / 1000, INT_MAX)) : 0);
}

void QtPacingTimer::fire()
{
    if (!m_on || !m_nextPoll || !m_poll)
        return;
    if (QApplication::activeModalWidget()) {
        m_timer.start(kModalRetryMs);
        return;
    }
    const int64_t due = m_nextPoll();
    if (due == INT64_MAX)
        return;
    if (due - m_clock.microseconds() > kWakeEarlyMicros) {
        arm();  // woke too early
        return;
    }
    sleepUntil(m_clock, due);
    m_inPoll = true;
    m_poll();
    m_inPoll = false;
    arm();
}

}  // namespace qor
