#pragma once
// The pacing timer on Qt's event loop. It does not poll at a fixed rate:
// it sleeps until the moment the window asks for (nextPollMicros), waking
// a little early on a precise timer and waiting out the last stretch on
// the monotonic clock, so a display comes up within a fraction of a
// millisecond of its time at almost no CPU cost.
//
// While an application-modal panel runs, the window is not polled: the
// run waits, and its read timer does not count.

#include "session/WindowHost.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>

namespace qor {

class Clock;

class QtPacingTimer final : public QObject, public PacingTimer {
    Q_OBJECT
public:
    using NextPoll = std::function<int64_t()>;
    using Poll = std::function<void()>;

    explicit QtPacingTimer(Clock& clock, QObject* parent = nullptr);
    // What to ask and what to call; set before the timer is started.
    void setWindow(NextPoll nextPoll, Poll poll);

    void start() override;
    void stop() override;
    void rescheduled() override;
    bool active() const { return m_on; }

    // How early the precise timer wakes before the moment due.
    static constexpr int64_t kWakeEarlyMicros = 3000;
    // How often a modal panel is looked at while it holds the run.
    static constexpr int kModalRetryMs = 20;

private:
    void fire();
    void arm();

    Clock& m_clock;
    NextPoll m_nextPoll;
    Poll m_poll;
    QTimer m_timer;
    bool m_on = false;
    bool m_inPoll = false;
};

}  // namespace qor
