// Text intake, measured side by side with the system's own tools on the
// same files, made fresh in a temporary folder:
//   - loading a 50 MB plain text (read, decode, clean, count) against
//     `wc -w`, and the peak resident memory while loading;
//   - the text of a 300-page PDF against `pdftotext`.
// Each figure is the best of several interleaved runs.
#include "base/Files.h"
#include "base/TempFolder.h"
#include "text/PdfReader.h"
#include "text/QorFile.h"
#include "text/TextBuffer.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kTextBytes = 50u * 1024 * 1024;
constexpr int kPdfPages = 300;
constexpr int kRuns = 5;

double secondsSince(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Runs a program with its output thrown away; returns the wall time, or a
// negative value when it failed. `usage` receives the child's resources.
double runTool(std::vector<std::string> args, struct rusage* usage = nullptr)
{
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    auto t0 = Clock::now();
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return -1;
    int status = 0;
    struct rusage ru {};
    if (wait4(pid, &status, 0, &ru) != pid)
        return -1;
    double t = secondsSince(t0);
    if (usage)
        *usage = ru;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? t : -1;
}

// A small fast generator, so the fixtures are the same on every run.
struct Rng {
    uint64_t s = 0x9E3779B97F4A7C15ull;
    uint32_t next()
    {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return static_cast<uint32_t>(s >> 16);
    }
    uint32_t below(uint32_t n) { return next() % n; }
};

// 50 MB of text: mixed CR, LF and CR LF line ends, TABs, accented UTF-8
// words, sentence ends and now and then a word far over the word cap.
bool writeTextFixture(const std::string& path)
{
    static const char* const words[] = {
        "the",
        "reader",
        "moves",
        "quickly",
        "across",
        "a",
        "page",
        "of",
        "words",
        "and",
        "I",
        "see",
        "caf\xC3\xA9",
        "na\xC3\xAFve",
        "\xC3\xBC"
        "ber",
        "d\xC3\xA9j\xC3\xA0",
        "r\xC3\xA9sum\xC3\xA9",
        "fa\xC3\xA7"
        "ade",
        "x",
        "eyes",
        "span",
        "speed",
        "training",
        "comprehension",
        "is",
        "in",
        "stra\xC3\x9F"
        "e",
        "\xC3\x86r\xC3\xB8",
        "sentence.",
        "again!",
        "why?",
        "\xE2\x80\x9Cquoted\xE2\x80\x9D",
    };
    constexpr size_t nWords = sizeof(words) / sizeof(words[0]);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::string chunk;
    chunk.reserve(1 << 20);
    Rng rng;
    size_t written = 0;
    std::string overlong(600, 'o');
    while (written < kTextBytes) {
        chunk.clear();
        while (chunk.size() < (1u << 20) - 1024) {
            int perLine = 6 + static_cast<int>(rng.below(10));
            for (int w = 0; w < perLine; ++w) {
                if (rng.below(2000) == 0)
                    chunk += overlong;
                else
                    chunk += words[rng.below(nWords)];
                chunk += rng.below(20) == 0 ? '\t' : ' ';
            }
            switch (rng.below(3)) {
            case 0:
                chunk += "\r";
                break;
            case 1:
                chunk += "\n";
                break;
            default:
                chunk += "\r\n";
                break;
            }
        }
        size_t n = std::min(chunk.size(), kTextBytes - written);
        if (std::fwrite(chunk.data(), 1, n, f) != n) {
            std::fclose(f);
            return false;
        }
        written += n;
    }
    return std::fclose(f) == 0;
}

// A 300-page PDF made with Ghostscript: 45 lines of about 11 words a page.
bool writePdfFixture(const std::string& folder, const std::string& pdfPath)
{
    static const char* const words[] = {"reading", "speed", "grows",  "with", "practice", "and",  "the",
                                        "eyes",    "learn", "to",     "take", "in",       "more", "words",
                                        "at",      "each",  "glance", "of",   "page."};
    constexpr size_t nWords = sizeof(words) / sizeof(words[0]);
    std::string ps = "%!PS\n";
    Rng rng;
    for (int p = 0; p < kPdfPages; ++p) {
        ps += "/Helvetica findfont 10 scalefont setfont\n";
        for (int line = 0; line < 45; ++line) {
            ps += "50 " + std::to_string(750 - line * 15) + " moveto (";
            for (int w = 0; w < 11; ++w) {
                if (w)
                    ps += ' ';
                ps += words[rng.below(nWords)];
            }
            ps += ") show\n";
        }
        ps += "showpage\n";
    }
    std::string psPath = folder + "/pages.ps";
    if (qor::fs::writeFileAtomic(psPath, ps) != qor::fs::kNoErr)
        return false;
    return runTool({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pdfwrite",
                    "-sOutputFile=" + pdfPath, psPath}) >= 0;
}

// The material entry's work on a text file, without the window.
int32_t loadText(const std::string& path)
{
    qor::TextBuffer block;
    qor::TextReadResult r = qor::QorFile::readCleanedText(path, block);
    return r.status == 0 ? r.wordCount : -1;
}

// The material entry's work on a PDF, without the window.
int32_t loadPdf(const std::string& path)
{
    qor::TextBuffer block;
    if (qor::QorFile::readPdfFile(path, block, qor::standardPdfReader()) != qor::PdfStatus::Text)
        return -1;
    block.setSize(qor::QorFile::cleanData(block.data(), block.size(), true));
    return qor::QorFile::getWordCount(block.data(), block.size());
}

int fail(const char* what)
{
    std::fprintf(stderr, "bench_text: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // The child that loads once, so its peak memory is the load's alone.
    if (argc == 3 && std::strcmp(argv[1], "--load-once") == 0)
        return loadText(argv[2]) >= 0 ? 0 : 1;

    qor::TempFolder dir;
    const std::string text = dir / "fixture.txt";
    const std::string pdf = dir / "fixture.pdf";
    if (!writeTextFixture(text))
        return fail("could not write the text fixture");
    if (!writePdfFixture(dir.path(), pdf))
        return fail("could not make the PDF fixture (is Ghostscript installed?)");

    // Warm both files into the page cache, and check the tools run.
    int32_t words = loadText(text);
    int32_t pdfWords = loadPdf(pdf);
    if (words < 0 || pdfWords < 0)
        return fail("our load failed");
    if (runTool({"wc", "-w", text}) < 0)
        return fail("wc -w failed");
    if (runTool({"pdftotext", "-q", pdf, "-"}) < 0)
        return fail("pdftotext failed (is poppler-utils installed?)");

    double ours = 1e9, wc = 1e9, oursPdf = 1e9, tool = 1e9;
    for (int r = 0; r < kRuns; ++r) {
        auto t0 = Clock::now();
        loadText(text);
        ours = std::min(ours, secondsSince(t0));
        wc = std::min(wc, runTool({"wc", "-w", text}));
        t0 = Clock::now();
        loadPdf(pdf);
        oursPdf = std::min(oursPdf, secondsSince(t0));
        tool = std::min(tool, runTool({"pdftotext", "-q", pdf, "-"}));
    }

    struct rusage usage {};
    if (runTool({"/proc/self/exe", "--load-once", text}, &usage) < 0)
        return fail("the loading child failed");
    const double peak = static_cast<double>(usage.ru_maxrss) * 1024.0; // kilobytes on Linux

    std::printf("text fixture: %zu bytes, %d words (our count)\n", kTextBytes, words);
    std::printf("text_load_ms %.1f  (read, decode, clean, count)\n", ours * 1e3);
    std::printf("wc_w_ms %.1f\n", wc * 1e3);
    std::printf("text_load_peak_rss_bytes %.0f  (%.2f times the file)\n", peak, peak / kTextBytes);
    std::printf("pdf fixture: %d pages, %lld bytes, %d words\n", kPdfPages,
                static_cast<long long>(qor::fs::fileSize(pdf)), pdfWords);
    std::printf("pdf_text_ms %.1f  (open, extract, clean, count)\n", oursPdf * 1e3);
    std::printf("pdftotext_ms %.1f\n", tool * 1e3);
    std::printf("text_load_peak_rss_vs_size %.2f\n", peak / kTextBytes);
    std::printf("text_load_vs_wc %.2f\n", ours / wc);
    std::printf("pdf_vs_pdftotext %.2f\n", oursPdf / tool);
    return 0;
}
