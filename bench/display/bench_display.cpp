// The reading view with the real font measurer on a 600-point column:
// a step back deep into a long text against one near its start, and the
// cost of choosing and laying out chunks against measuring their words.
// Prints figures, then "back_step_90_vs_1 <ratio>" and
// "chunk_vs_measure <ratio>" as its last lines.
#include "display/CurrentOptions.h"
#include "display/MainView.h"
#include "display/ui/QtTextMeasurer.h"

#include <QApplication>
#include <QFontMetricsF>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using qor::DelayCounts;

double secondsSince(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

std::string makeText(size_t bytes)
{
    static const char* words[] = {"the",     "reader",  "moves",   "along", "a",        "line",   "of",
                                  "text,",   "quickly", "and",     "with",  "practice", "grows",  "faster.",
                                  "Words",   "such",    "as",      "extraordinary",   "appear", "now;",
                                  "then",    "again",   "slowly:", "pages", "turn",     "over",   "here."};
    std::string t;
    t.reserve(bytes + 64);
    unsigned seed = 12345;
    int inLine = 0;
    while (t.size() < bytes) {
        seed = seed * 1103515245u + 12345u;
        t += words[(seed >> 16) % (sizeof(words) / sizeof(words[0]))];
        if (++inLine >= 14 + static_cast<int>((seed >> 8) % 9)) {
            t += '\r';
            inLine = 0;
        } else {
            t += ' ';
        }
    }
    return t;
}

struct Setup {
    qor::QtTextMeasurer measurer;
    qor::NotificationBus bus;
    qor::CurrentOptions holder;
    std::unique_ptr<qor::MainViewExpert> view;

    explicit Setup(const std::string& text)
    {
        holder.setUserFolderSource([] { return std::string(); });
        qor::OptionsRecord rec = holder.options();
        rec.font.size = 18;
        rec.font.margin = 605;  // a 600-point column
        holder.setOptions(rec);
        view = std::make_unique<qor::MainViewExpert>(measurer, holder, bus);
        view->setViewSize(800, 700);
        view->initData(qor::TextBuffer::fromBytes(text, qor::TextEncoding::Utf8));
    }
    void mode(int m, int opt, int num)
    {
        qor::OptionsRecord rec = holder.options();
        rec.displayMode = {m, opt, num, 0};
        holder.setOptions(rec);
        view->optionsUpdate();
    }
    int32_t show(bool reset)
    {
        DelayCounts dc;
        int32_t d = 0, n = 0;
        return view->displayTextBurst(dc, d, n, reset);
    }
};

// Seconds per step back at a percentage of the text: read on a little,
// then step back and forward again, timing only the steps back.
double backStepAt(Setup& s, int percent, int steps)
{
    s.view->setPercent(percent);
    s.view->refreshDisplay();
    for (int i = 0; i < 40; ++i)
        s.show(false);
    double total = 0;
    for (int i = 0; i < steps; ++i) {
        bool highlight = false;
        auto t0 = Clock::now();
        s.view->backBlock(highlight);
        total += secondsSince(t0);
        s.show(false);
    }
    return total / steps;
}

// Seconds per step back from the first chunk shown after a jump (nothing
// kept before it).
double backStepAfterJumpAt(Setup& s, int percent, int steps)
{
    double total = 0;
    for (int i = 0; i < steps; ++i) {
        s.view->setPercent(percent);
        s.view->refreshDisplay();
        bool highlight = false;
        auto t0 = Clock::now();
        s.view->backBlock(highlight);
        total += secondsSince(t0);
    }
    return total / steps;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::string text = makeText(5u * 1024 * 1024);
    Setup s(text);

    // Back steps in the highlight options, where the page layout matters.
    s.mode(3, 7, 3);
    const int kSteps = 300;
    const double b1 = backStepAt(s, 1, kSteps);
    const double b90 = backStepAt(s, 90, kSteps);
    const double j1 = backStepAfterJumpAt(s, 1, 50);
    const double j90 = backStepAfterJumpAt(s, 90, 50);
    std::printf("back step at 1%%:  %.2f us\n", b1 * 1e6);
    std::printf("back step at 90%%: %.2f us\n", b90 * 1e6);
    std::printf("back step after a jump at 1%%:  %.2f us\n", j1 * 1e6);
    std::printf("back step after a jump at 90%%: %.2f us\n", j90 * 1e6);

    // Chunking in every mode over the same stretch of text; the slowest
    // is compared with measuring the words it showed.
    struct Mode {
        int mode, opt, num;
        const char* name;
    };
    const Mode modes[] = {{0, 0, 3, "center words"},        {0, 3, 1, "center sentence"},
                          {1, 2, 2, "upper left lines"},    {2, 0, 3, "eye trainer words"},
                          {2, 1, 3, "eye trainer fixations"}, {3, 6, 0, "unformatted page"},
                          {4, 6, 0, "formatted page"},      {3, 7, 3, "highlight words"},
                          {3, 8, 3, "highlight fixations"}, {4, 9, 2, "highlight lines"}};
    const int kChunks = 4000;
    double worstRatio = 0;
    const char* worstName = "";
    QFontMetricsF fm(s.measurer.font());
    for (const Mode& m : modes) {
        s.mode(m.mode, m.opt, m.num);
        s.view->setPosition(0);
        const int32_t from = s.view->current();
        int32_t chunks = 0;
        auto t0 = Clock::now();
        for (; chunks < kChunks; ++chunks)
            if (s.show(false) == 0)
                break;
        const double tChunk = secondsSince(t0);
        const int32_t to = s.view->current();
        // The same words, each measured once.
        std::vector<QString> words;
        size_t i = static_cast<size_t>(from);
        while (i < static_cast<size_t>(to)) {
            while (i < static_cast<size_t>(to) && (text[i] == ' ' || text[i] == '\r'))
                ++i;
            size_t j = i;
            while (j < static_cast<size_t>(to) && text[j] != ' ' && text[j] != '\r')
                ++j;
            if (j > i)
                words.push_back(QString::fromLatin1(text.data() + i, static_cast<qsizetype>(j - i)));
            i = j;
        }
        double sum = 0;
        auto t1 = Clock::now();
        for (const QString& w : words)
            sum += fm.horizontalAdvance(w);
        const double tMeasure = secondsSince(t1);
        benchmark::DoNotOptimize(sum);
        const double ratio = tMeasure > 0 ? tChunk / tMeasure : 0;
        std::printf("%-22s %5d chunks, %7zu words: layout %.2f ms, measuring %.2f ms, ratio %.2f\n", m.name,
                    chunks, words.size(), tChunk * 1e3, tMeasure * 1e3, ratio);
        if (ratio > worstRatio) {
            worstRatio = ratio;
            worstName = m.name;
        }
    }
    std::printf("slowest mode: %s\n", worstName);
    std::printf("back_step_after_jump_90_vs_1 %.2f\n", j1 > 0 ? j90 / j1 : 0);
    std::printf("back_step_90_vs_1 %.2f\n", b1 > 0 ? b90 / b1 : 0);
    std::printf("chunk_vs_measure %.2f\n", worstRatio);
    return 0;
}
