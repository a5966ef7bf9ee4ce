// Start-up benchmark: the time from exec to the first painted reading
// window with the example text, against a bare Qt window program (this
// executable with "--bare"), both under the same X display (Xvfb when
// there is none). The reader "Bench" has no password, so the logon panel
// is skipped; the launcher is not shown. Each program prints "painted"
// right after its first paint with content, and quits.
//
//   bench/run startup

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPaintEvent>

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

class ReportFirstPaint final : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    std::fputs("painted\n", stdout);
                    std::fflush(stdout);
                    QApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
    bool m_done = false;
};

int bare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto* label = new QLabel("Welcome");
    label->setAlignment(Qt::AlignCenter);
    window.setCentralWidget(label);
    window.resize(800, 600);
    ReportFirstPaint report;
    label->installEventFilter(&report);
    window.show();
    return app.exec();
}

// Milliseconds from spawning the program to its "painted" line; -1 when
// it never said so.
double timeToFirstPaint(const std::vector<std::string>& argv)
{
    int pipefd[2];
    if (pipe(pipefd) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipefd[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipefd[0]);
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const auto t0 = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipefd[1]);
    double ms = -1;
    if (rc == 0) {
        std::string seen;
        char buf[256];
        ssize_t n;
        while ((n = read(pipefd[0], buf, sizeof buf)) > 0) {
            seen.append(buf, static_cast<size_t>(n));
            if (seen.find("painted") != std::string::npos) {
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
                break;
            }
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    close(pipefd[0]);
    return ms;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--bare")
        return bare(argc, argv);

    namespace fs = std::filesystem;
    const fs::path self = fs::canonical("/proc/self/exe");
    const fs::path build = self.parent_path().parent_path();
    const fs::path site = fs::temp_directory_path() / ("quorlinth-startup-" + std::to_string(getpid()));
    const std::string install = std::string(QOR_SOURCE_DIR) + "/tools/install-site '" + build.string() + "' '" +
                                site.string() + "' >/dev/null";
    if (std::system(install.c_str()) != 0) {
        std::fprintf(stderr, "bench_startup: could not install a site\n");
        return 1;
    }
    fs::create_directories(site / "Users" / "Bench");

    pid_t xvfb = 0;
    if (!std::getenv("DISPLAY")) {
        int n = 150;
        while (fs::exists("/tmp/.X11-unix/X" + std::to_string(n)) || fs::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            ++n;
        const std::string display = ":" + std::to_string(n);
        std::vector<std::string> xargs = {"/usr/bin/Xvfb", display, "-screen", "0", "1280x900x24", "-nolisten", "tcp"};
        std::vector<char*> a;
        for (auto& s : xargs)
            a.push_back(s.data());
        a.push_back(nullptr);
        posix_spawn(&xvfb, a[0], nullptr, nullptr, a.data(), environ);
        for (int i = 0; i < 100 && !fs::exists("/tmp/.X11-unix/X" + std::to_string(n)); ++i)
            usleep(50000);
        setenv("DISPLAY", display.c_str(), 1);
    }
    unsetenv("QT_QPA_PLATFORM");

    const std::vector<std::string> app = {(site / "Quorlinth" / "quorlinth").string(), "--reader", "Bench",
                                          "--quit-after-first-paint"};
    const std::vector<std::string> plain = {self.string(), "--bare"};
    // One of each first, to warm the caches, then alternating runs.
    timeToFirstPaint(app);
    timeToFirstPaint(plain);
    std::vector<double> appMs, bareMs;
    for (int i = 0; i < 15; ++i) {
        appMs.push_back(timeToFirstPaint(app));
        bareMs.push_back(timeToFirstPaint(plain));
    }
    if (xvfb)
        kill(xvfb, SIGTERM);
    fs::remove_all(site);

    const double a = median(appMs), b = median(bareMs);
    std::printf("quorlinth first paint: median %.1f ms (min %.1f, max %.1f) over %zu runs\n", a,
                *std::min_element(appMs.begin(), appMs.end()), *std::max_element(appMs.begin(), appMs.end()),
                appMs.size());
    std::printf("bare Qt window:       median %.1f ms (min %.1f, max %.1f)\n", b,
                *std::min_element(bareMs.begin(), bareMs.end()), *std::max_element(bareMs.begin(), bareMs.end()));
    if (a < 0 || b <= 0) {
        std::printf("startup_vs_bare_qt nan\n");
        return 1;
    }
    std::printf("startup_vs_bare_qt %.3f\n", a / b);
    return 0;
}
