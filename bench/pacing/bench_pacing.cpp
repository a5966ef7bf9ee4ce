// Pacing benchmark: a 2,000-word text played at 600 WPM in Center Text
// through the real reading window core, the real reading view and Qt's
// event loop (offscreen), twice: woken by our timer, which sleeps until
// each display falls due, and by a repeating 0.5 ms timer that polls (a
// timerfd on the event loop). It records every display's onset (painted)
// against its due time, the process CPU time per second of reading, and
// the run's measured rate.
//
//   bench/run pacing            the full run (about seven minutes)
//   bench_pacing WORDS          a shorter text, for a quick look

#include "base/Clock.h"
#include "base/Files.h"
#include "base/TempFolder.h"
#include "controls/SpeechEngineFake.h"
#include "controls/TTS.h"
#include "display/CurrentOptions.h"
#include "display/MainView.h"
#include "display/StandardOptions.h"
#include "display/ui/MainViewWidget.h"
#include "display/ui/QtTextMeasurer.h"
#include "session/QorWindow.h"
#include "session/SessionView.h"
#include "session/ui/QtPacingTimer.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "users/CurrentPrefs.h"
#include "users/QorAdmin.h"

#include <QApplication>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

using namespace qor;

namespace {

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

// The design the original timer had: a repeating 0.5 ms timer, polled.
class PollingTimer final : public PacingTimer {
public:
    explicit PollingTimer(std::function<void()> poll) : m_poll(std::move(poll))
    {
        m_fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        m_notifier->setEnabled(false);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] {
            uint64_t expirations = 0;
            if (read(m_fd, &expirations, sizeof expirations) > 0 && m_on)
                m_poll();
        });
    }
    ~PollingTimer() override
    {
        m_notifier.reset();
        close(m_fd);
    }
    void start() override
    {
        m_on = true;
        itimerspec every{{0, 500000}, {0, 500000}};
        timerfd_settime(m_fd, 0, &every, nullptr);
        m_notifier->setEnabled(true);
    }
    void stop() override
    {
        m_on = false;
        itimerspec every{};
        timerfd_settime(m_fd, 0, &every, nullptr);
        m_notifier->setEnabled(false);
    }
    void rescheduled() override {}

private:
    std::function<void()> m_poll;
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_on = false;
};

// The window's platform side, reduced to what a run needs.
class BenchHost final : public WindowHost {
public:
    WindowRect visibleArea() const override { return {0, 0, 1280, 800}; }
    WindowRect frame() const override { return {0, 0, 800, 600}; }
    void setFrame(const WindowRect&) override {}
    void setTitle(const std::string&) override {}
    void setSliderStripHidden(bool, const std::string&) override {}
    void setControlStripHidden(bool, const std::string&) override {}
    void setTooltips(const std::string&, const std::string&, const std::string&) override {}
    std::string searchFieldText() const override { return {}; }
    void quit() override {}
};

struct RunFigures {
    std::vector<double> latenessMs;
    std::vector<double> wakeMs;  // from the moment due to the poll that shows it
    double cpuPerSecond = 0;
    int rate = -1;
    double wallSeconds = 0;
};

std::string benchText(int words)
{
    static const char* kWords[] = {"reading", "is", "a", "skill", "that", "grows", "with", "practice",
                                   "and", "patience", "every", "day", "brings", "new", "words", "to",
                                   "the", "eyes", "of", "careful", "readers", "who", "keep", "going"};
    std::string text;
    for (int i = 0; i < words; ++i) {
        if (i)
            text += ' ';
        text += kWords[(i * 7 + i / 5) % (sizeof kWords / sizeof kWords[0])];
    }
    return text;
}

double percentile(std::vector<double> v, double p)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(std::ceil(p * static_cast<double>(v.size()))) - 1);
    return v[i];
}

RunFigures playOnce(bool polling, int words, CurrentOptions& options, CurrentPrefs& prefs, TTS& tts)
{
    Clock& clock = SystemClock::instance();
    NotificationBus& bus = NotificationBus::instance();
    QtTextMeasurer measurer;
    MainViewExpert view(measurer, options, bus);
    MainViewWidget widget(view, measurer);
    widget.resize(800, 500);
    widget.show();
    QApplication::processEvents();

    RunFigures figures;
    QorWindow* corePtr = nullptr;
    int64_t due = INT64_MAX;
    MainViewSession session(view, [&] {
        widget.paintNowIfNeeded();
        if (due != INT64_MAX)
            figures.latenessMs.push_back(static_cast<double>(clock.microseconds() - due) / 1000.0);
    });

    BenchHost host;
    QtPacingTimer ours(clock);
    PollingTimer poller([&] {
        due = corePtr->displayDue();
        const int64_t woke = clock.microseconds();
        const size_t shown = figures.latenessMs.size();
        corePtr->myTimer();
        if (figures.latenessMs.size() > shown && due != INT64_MAX)
            figures.wakeMs.push_back(static_cast<double>(woke - due) / 1000.0);
        due = INT64_MAX;
    });
    PacingTimer& timer = polling ? static_cast<PacingTimer&>(poller) : static_cast<PacingTimer&>(ours);
    QorWindow core({session, options, prefs, tts, clock, bus, host, timer});
    corePtr = &core;
    ours.setWindow([&] { return core.nextPollMicros(); },
                   [&] {
                       due = core.displayDue();
                       const int64_t woke = clock.microseconds();
                       const size_t shown = figures.latenessMs.size();
                       core.myTimer();
                       if (figures.latenessMs.size() > shown && due != INT64_MAX)
                           figures.wakeMs.push_back(static_cast<double>(woke - due) / 1000.0);
                       due = INT64_MAX;
                   });

    Subscription rate = bus.subscribe(note::kSetWordsPerMinute, [&](const Notification& n) { figures.rate = n.intValue(); });
    core.loadTextFromClipboardBuffer(TextBuffer::fromBytes(benchText(words), TextEncoding::Utf8));
    QApplication::processEvents();

    const double cpu0 = cpuSeconds();
    const int64_t wall0 = clock.microseconds();
    bus.post(note::kStartPlaying);
    while (core.timerOn())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    figures.wallSeconds = static_cast<double>(clock.microseconds() - wall0) / 1e6;
    figures.cpuPerSecond = (cpuSeconds() - cpu0) / figures.wallSeconds;
    return figures;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int words = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;

    // A reader of its own in a temporary site.
    TempFolder dir;
    const std::string external = dir.path() + "/";
    QorAdmin admin(external, 3);
    admin.createUsersDirectory();
    fs::makeFolder(external + "Users/Bench");
    CurrentPrefs prefs(admin);
    prefs.loadPrefsFileForUser("Bench");
    CurrentOptions options;
    options.setUserFolderSource([&] { return external + "Users/Bench/"; });
    options.loadOptionsFile();
    OptionsRecord rec = options.options();
    StandardOptions::defaultWindowOptions(rec);
    rec.unit = kUnitWPM;
    rec.speed = 600;
    rec.displayMode.mode = 0;
    rec.displayMode.modeOpt = 0;
    rec.displayMode.modeOptNum = 1;
    rec.delay.bFixed = 0;
    rec.delay.bLongWordDelay = 0;
    rec.delay.bSentenceDelay = 0;
    rec.delay.bPuctuationDelay = 0;
    rec.delay.bBeginningOfLineDelay = 0;
    rec.delay.bBeginningOfPageDelay = 0;
    rec.delay.bMinimumDelay = 0;
    options.setOptions(rec);
    TTS tts(std::make_unique<SpeechEngineFake>());

    std::printf("text: %d words at 600 WPM, Center Text, one word a display, no extra delays\n", words);
    const RunFigures ourRun = playOnce(false, words, options, prefs, tts);
    const RunFigures pollRun = playOnce(true, words, options, prefs, tts);

    auto report = [](const char* name, const RunFigures& f) {
        std::printf("%-8s displays %zu  onset p50 %.3f ms  p99 %.3f ms  max %.3f ms  (wake p50 %.3f p99 %.3f)  "
                    "cpu %.4f s/s  rate %d WPM  (%.1f s)\n",
                    name, f.latenessMs.size(), percentile(f.latenessMs, 0.5), percentile(f.latenessMs, 0.99),
                    f.latenessMs.empty() ? 0.0 : *std::max_element(f.latenessMs.begin(), f.latenessMs.end()),
                    percentile(f.wakeMs, 0.5), percentile(f.wakeMs, 0.99), f.cpuPerSecond, f.rate, f.wallSeconds);
    };
    report("ours", ourRun);
    report("polling", pollRun);
    std::printf("onset_p99_ms %.3f\n", percentile(ourRun.latenessMs, 0.99));
    std::printf("cpu_vs_polling %.3f\n", pollRun.cpuPerSecond > 0 ? ourRun.cpuPerSecond / pollRun.cpuPerSecond : 0.0);
    std::printf("rate_error_pct %.3f\n", std::fabs(ourRun.rate - 600) / 600.0 * 100.0);
    return 0;
}
