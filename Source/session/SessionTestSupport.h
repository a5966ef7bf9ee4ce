#pragma once
// Test support for the reading window: a scripted reading view whose runs
// are given word by word, a recording window host and timer, and a
// fixture that puts a logged-on reader, a fake clock, a fake speech
// engine and a bus of its own around a QorWindow. Included by tests only.

#include "base/Clock.h"
#include "controls/SpeechEngineFake.h"
#include "controls/TTS.h"
#include "display/CurrentOptions.h"
#include "display/DisplayTestSupport.h"
#include "session/QorWindow.h"
#include "session/SessionView.h"
#include "shell/Messages.h"
#include "users/CurrentPrefs.h"
#include "users/UsersTestSupport.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace qor::testing_session {

// One run of the scripted text.
struct Chunk {
    int32_t words = 1;
    int32_t chars = 0;  // 0: five characters a word
    int32_t delay = 0;
    DelayCounts counts{};
};

// A text made of runs: run i covers bytes [start(i), start(i + 1)) of a
// text of letters and blanks, so speech positions can point into it.
// A run of 0 words is one the view cannot show (an overlong word).
class ScriptedView final : public SessionView {
public:
    explicit ScriptedView(Clock& clock) : m_clock(clock) {}

    void setRuns(std::vector<Chunk> runs)
    {
        m_runs = std::move(runs);
        m_starts.clear();
        m_text.clear();
        for (const Chunk& r : m_runs) {
            m_starts.push_back(static_cast<int32_t>(m_text.size()));
            for (int w = 0; w < std::max(1, r.words); ++w)
                m_text += "word ";
        }
        m_starts.push_back(static_cast<int32_t>(m_text.size()));
        m_loaded = true;
        m_next = 0;
        m_shown = -1;
    }

    // The runs shown so far, in order (index into the script), and when.
    std::vector<int> shownRuns;
    std::vector<int64_t> onsets;
    std::vector<bool> resetLines;
    int redraws = 0;
    bool backOK = true;
    bool backHighlightOnly = false;
    int32_t percentSet = -1;
    std::string searched;
    FontTrait fontSet;
    int32_t longest = 0;
    bool linesFit = true;

    void initData(TextBuffer block) override
    {
        m_text.assign(block.view());
        m_runs.clear();
        m_starts = {0};
        // A loaded text is one run per word.
        size_t i = 0;
        while (i < m_text.size()) {
            size_t j = m_text.find(' ', i);
            j = j == std::string::npos ? m_text.size() : j + 1;
            m_runs.push_back(Chunk{});
            m_starts.push_back(static_cast<int32_t>(j));
            i = j;
        }
        m_loaded = true;
        m_next = 0;
        m_shown = -1;
    }
    bool hasText() const override { return m_loaded; }
    int32_t textSize() const override { return static_cast<int32_t>(m_text.size()); }
    TextEncoding encoding() const override { return TextEncoding::Utf8; }
    void setPosition(int32_t offset) override
    {
        m_position = offset;
        m_next = 0;
        while (m_next < static_cast<int>(m_runs.size()) && m_starts[m_next + 1] <= offset)
            ++m_next;
        m_shown = -1;
    }

    int32_t displayTextBurst(DelayCounts& counts, int32_t& delayMs, int32_t& numChars, bool resetLine) override
    {
        resetLines.push_back(resetLine);
        counts.clear();
        delayMs = 0;
        numChars = 0;
        if (m_next >= static_cast<int>(m_runs.size()))
            return 0;
        const Chunk& r = m_runs[m_next];
        if (r.words == 0)
            return 0;  // stuck until stepped over
        m_shown = m_next++;
        counts = r.counts;
        counts.words = static_cast<int16_t>(r.words);
        delayMs = r.delay;
        numChars = r.chars ? r.chars : r.words * 5;
        shownRuns.push_back(m_shown);
        onsets.push_back(m_clock.microseconds());
        return r.words;
    }
    int32_t getStart() const override { return m_shown >= 0 ? m_starts[m_shown] : startOfNext(); }
    int32_t current() const override { return m_shown >= 0 ? m_starts[m_shown + 1] : startOfNext(); }
    int32_t getPercent() const override
    {
        return m_runs.empty() ? 0 : static_cast<int32_t>(100 * m_next / static_cast<int>(m_runs.size()));
    }
    void setPercent(int32_t percent) override
    {
        percentSet = percent;
        m_next = static_cast<int>(m_runs.size()) * percent / 100;
        m_shown = -1;
    }
    const char* startWords() const override { return m_text.data() + getStart(); }
    int32_t startLen() const override { return textSize() - getStart(); }
    bool endOfText() const override { return m_next >= static_cast<int>(m_runs.size()); }
    void resetData() override
    {
        m_next = 0;
        m_shown = -1;
    }
    bool backBlock(bool& highlightOnly) override
    {
        highlightOnly = backHighlightOnly;
        if (!backOK || m_shown <= 0)
            return false;
        m_next = m_shown - 1;
        m_shown = -1;
        return true;
    }
    bool backToPos(int32_t pos, bool& highlightOnly) override
    {
        highlightOnly = backHighlightOnly;
        setPosition(pos);
        return true;
    }
    void forwardOneWord() override
    {
        if (m_next < static_cast<int>(m_runs.size()))
            ++m_next;
    }
    bool searchString(std::string_view utf8) override
    {
        searched = std::string(utf8);
        return true;
    }
    void refreshDisplay() override {}
    int32_t longestLine() override { return longest; }
    bool doesXNumLinesFit(int) override { return linesFit; }
    void setFontAttribute(const FontTrait& font) override { fontSet = font; }
    const char* bufferAndSize(int32_t& size) const override
    {
        size = textSize();
        return m_text.data();
    }
    void redraw() override { ++redraws; }

    int32_t position() const { return m_position; }
    int runsShown() const { return static_cast<int>(shownRuns.size()); }

private:
    int32_t startOfNext() const
    {
        return m_next < static_cast<int>(m_starts.size()) ? m_starts[m_next] : textSize();
    }

    Clock& m_clock;
    std::vector<Chunk> m_runs;
    std::vector<int32_t> m_starts{0};
    std::string m_text;
    bool m_loaded = false;
    int m_next = 0;
    int m_shown = -1;
    int32_t m_position = 0;
};

class RecordingHost final : public WindowHost {
public:
    WindowRect visible{0, 0, 1280, 800};
    WindowRect window{100, 50, 800, 600};
    std::vector<WindowRect> frames;
    std::string title;
    bool sliderHidden = false;
    bool controlHidden = false;
    std::string topImage, bottomImage;
    std::vector<std::string> tooltips{"", "", ""};
    std::string search;
    int quits = 0;

    WindowRect visibleArea() const override { return visible; }
    WindowRect frame() const override { return window; }
    void setFrame(const WindowRect& f) override
    {
        window = f;
        frames.push_back(f);
    }
    void setTitle(const std::string& t) override { title = t; }
    void setSliderStripHidden(bool hidden, const std::string& image) override
    {
        sliderHidden = hidden;
        topImage = image;
    }
    void setControlStripHidden(bool hidden, const std::string& image) override
    {
        controlHidden = hidden;
        bottomImage = image;
    }
    void setTooltips(const std::string& a, const std::string& b, const std::string& c) override
    {
        tooltips = {a, b, c};
    }
    std::string searchFieldText() const override { return search; }
    void quit() override { ++quits; }
};

class CountingTimer final : public PacingTimer {
public:
    int starts = 0;
    int stops = 0;
    bool running = false;
    void start() override
    {
        ++starts;
        running = true;
    }
    void stop() override
    {
        ++stops;
        running = false;
    }
    void rescheduled() override {}
};

class FakeBookmarks final : public BookmarkService {
public:
    std::vector<int32_t> positions;
    int32_t choice = -1;
    int panels = 0;
    std::vector<std::pair<std::string, int32_t>> added;
    void addBookmark(const std::string& path, int32_t position) override { added.emplace_back(path, position); }
    std::vector<int32_t> bookmarkPositions(const std::string&) override { return positions; }
    int32_t chooseBookmark(const std::string&) override
    {
        ++panels;
        return choice;
    }
};

// A reader "Ann" logged on with default options, and a window over the
// scripted view.
struct Session {
    Session()
    {
        site.addUser("Ann");
        prefs.loadPrefsFileForUser("Ann");
        options.setUserFolderSource([this] { return site.users() + "Ann/"; });
        options.loadOptionsFile();
        auto fake = std::make_unique<SpeechEngineFake>();
        engine = fake.get();
        tts = std::make_unique<TTS>(std::move(fake));
        tts->initSpeech();
        QorWindow::resetLastPercentForTesting();
        MessageTables::setFolder(QOR_RESOURCES_DIR "/Messages");
        window = std::make_unique<QorWindow>(QorWindow::Services{
            view, options, prefs, *tts, clock, bus, host, timer, nullptr, &bookmarks});
    }

    ~Session() { MessageTables::setFolder(""); }

    // Changes the options in force (any speed allowed).
    template <typename F>
    void withOptions(F&& change)
    {
        OptionsRecord rec = options.options();
        rec.lowSpeed = kMinSpeed;
        rec.highSpeed = kMaxSpeed;
        change(rec);
        options.setOptions(rec);
    }

    // Polls the way the real timer does: at each moment the window asks
    // for, until the timer stops or the clock passes `untilMicros`.
    void runUntil(int64_t untilMicros)
    {
        for (int guard = 0; timer.running && guard < 1000000; ++guard) {
            const int64_t next = window->nextPollMicros();
            if (next > untilMicros)
                break;
            clock.setMicroseconds(std::max(clock.microseconds(), next));
            window->myTimer();
        }
        clock.setMicroseconds(std::max(clock.microseconds(), untilMicros));
    }
    void runToEnd(int64_t limitMicros = 3600LL * 1000000) { runUntil(limitMicros); }
    void atMillis(int64_t ms)
    {
        clock.setMicroseconds(ms * 1000);
        window->myTimer();
    }
    void post(std::string_view name, const NotificationObject& o = {}) { bus.post(name, o); }

    testing_site::Site site;
    CurrentPrefs prefs{*site.admin};
    CurrentOptions options;
    FakeClock clock;
    NotificationBus bus;
    ScriptedView view{clock};
    RecordingHost host;
    CountingTimer timer;
    FakeBookmarks bookmarks;
    SpeechEngineFake* engine = nullptr;
    std::unique_ptr<TTS> tts;
    std::unique_ptr<QorWindow> window;
};

}  // namespace qor::testing_session
