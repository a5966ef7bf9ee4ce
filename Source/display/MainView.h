#pragma once
// The reading view's engine: chooses the next chunk of the text by display
// mode and option, breaks it into display lines, places it on the page,
// keeps the page text behind highlighted chunks, moves the reading
// position, and accounts each chunk's delays. It produces what to draw
// (frame()); the widget paints that and nothing else.
//
// Geometry: C = column width (`margin` - 5), the column starts at
// (view width - `margin`) / 2, the usable height is view height - 13, y
// grows downwards. A chunk holds at most 100 lines of at most 255 bytes.
//
// Every entry point reads the options once through getOptions(), the one
// way the geometry sees them; MainViewTest answers its own record there.

#include "display/DelayCounts.h"
#include "display/OptionsRecord.h"
#include "display/TextMeasurer.h"
#include "shell/NotificationBus.h"
#include "text/DispImg.h"
#include "text/TextData.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class CurrentOptions;
class BorderView;

inline constexpr int kMaxChunkLines = 100;
inline constexpr int kMaxLineBytes = 255;

// One display line: at most 255 bytes, always zero-terminated.
struct DisplayLine {
    std::array<char, kMaxLineBytes + 1> bytes{};
    int len = 0;

    void clear()
    {
        len = 0;
        bytes[0] = 0;
    }
    std::string_view view() const { return {bytes.data(), static_cast<size_t>(len)}; }
    // Appends what fits; false when something had to be left out.
    bool append(std::string_view s);
    bool room(size_t n) const { return static_cast<size_t>(len) + n <= static_cast<size_t>(kMaxLineBytes); }
    bool removeTrailingBlank();
};

// What the widget paints, in view coordinates.
struct DrawText {
    float x = 0;
    float y = 0;
    std::string bytes;  // as stored; the widget decodes UTF-8 first, Mac OS Roman second
    bool highlight = false;
};

struct DisplayFrame {
    QorColor background{0, 0, 0, 65535};
    std::vector<DrawText> texts;
    // Picture mode: the picture to draw at (pictureX, pictureY), when one fits.
    const ImgDef* picture = nullptr;
    float pictureX = 0;
    float pictureY = 0;
    // The single character: centred, drawn with the highlight colours in
    // the highlight options.
    bool singleChar = false;
};

class MainView {
public:
    MainView(TextMeasurer& measurer, CurrentOptions& options);
    virtual ~MainView() = default;
    MainView(const MainView&) = delete;
    MainView& operator=(const MainView&) = delete;

    // --- options ---
    // A fresh copy of the reading options (MainViewTest: its own record).
    virtual const OptionsRecord& getOptions();
    int32_t displayMode() { return getOptions().displayMode.mode; }
    int32_t displayModeOpt() { return getOptions().displayMode.modeOpt; }
    int32_t displayModeOptNum() { return getOptions().displayMode.modeOptNum; }
    void setFontAttribute(const FontTrait& font);
    const FontTrait& fontAttribute() const { return m_font; }
    // The options changed: fixation and previous lines reset, font copied,
    // the chunk shown again.
    void optionsUpdate();
    void setBorderView(BorderView* border) { mBorderView = border; }

    // --- the view ---
    // The widget's size; a change drops the kept chunk starts.
    void setViewSize(float width, float height);
    float getRealWidth() const { return m_viewWidth; }
    float getViewWidth();   // C
    float marginStart();    // column start
    float getViewHeight();  // usable height
    float lineHeight();
    float stringWidth(std::string_view bytes) { return m_measurer.stringWidth(bytes); }
    int32_t calculateLinesLeft(int32_t y);
    bool doesXNumLinesFit(int n);

    // --- the text ---
    void initData(TextBuffer block);
    bool hasText() const { return m_textdata != nullptr; }
    TextData* textData() { return m_textdata.get(); }
    void setPosition(int32_t offset);
    int32_t position() const;
    int32_t getStart() const { return position(); }
    int32_t current() const;
    int32_t getPercent() const;
    void setPercent(int32_t percent);
    bool endOfText() const;
    void resetData();
    // The text from the chunk on screen to the end (speech reads it).
    const char* startWords() const { return m_textdata ? m_textdata->startWords() : nullptr; }
    int32_t startLen() const { return m_textdata ? m_textdata->startLen() : 0; }
    const char* bufferAndSize(int32_t& size) const
    {
        size = 0;
        return m_textdata ? m_textdata->bufferAndSize(size) : nullptr;
    }

    // --- chunks ---
    // Shows the next chunk: words shown (0: nothing new, the text is
    // exhausted); counts, extra delay and characters out.
    int32_t displayTextBurst(DelayCounts& counts, int32_t& delay, int32_t& numChars, bool resetLine);
    void refreshDisplay();
    void reset();
    void resetToTopOfPage();
    int32_t linesDown();

    // --- moving ---
    // Back one chunk; `highlight` true when the chunk was shown already.
    bool backBlock(bool& highlight);
    // Back to where a burst began.
    bool backToPos(int32_t pos, bool& highlight);
    void forwardOneWord();
    void backwardOneWord();
    // Moves to the sentence holding the word (UTF-8); nothing on no match.
    bool searchString(std::string_view utf8);
    int32_t longestLine();
    int32_t checkForMargin(int32_t limit);

    // --- single character and pictures ---
    void displayChar(char c);
    char singleChar() const { return m_cChar; }
    // Takes the picture list and shows pictures instead of text.
    void setGraphicsList(std::unique_ptr<DispImg> list);
    bool isGraphics() const { return m_bGraphics; }
    DispImg* graphicsList() { return m_pDispImg.get(); }
    // Moves past pictures that do not fit the view; false when none fits.
    bool advancePictures();
    // To the next picture that fits; false at the end of the list.
    bool nextPicture();

    // --- delays ---
    int32_t analyzeDelays(std::string_view line);
    static int32_t countPunctuations(std::string_view line);
    static int32_t getCharCount(std::string_view line);

    // --- what to draw ---
    void frame(DisplayFrame& out);
    bool needsDisplay() const { return m_bNeedsDisplay; }
    void clearNeedsDisplay() { m_bNeedsDisplay = false; }

    // --- state (tests, widget) ---
    int32_t lineCount() const { return m_nLines; }
    std::string_view line(int i) const { return m_line[static_cast<size_t>(i)].view(); }
    int32_t backgroundLineCount() const { return m_nBackgroundLines; }
    std::string_view backgroundLine(int i) const { return m_backgroundLine[static_cast<size_t>(i)].view(); }
    float sX() const { return m_sX; }
    float sY() const { return m_sY; }
    int32_t fixation() const { return m_fixation; }
    int32_t lastCount() const { return m_lastCount; }
    size_t keptChunkStarts() const { return m_history.size(); }

protected:
    const OptionsRecord& refreshOptions();
    OptionsRecord m_options;
    CurrentOptions& m_currentOptions;
    BorderView* mBorderView = nullptr;

private:
    struct Item {  // one read of the highlight builder's word reader
        std::string_view word;  // leading spaces included
        int spaces = 0;
        const char* text = nullptr;  // the word's bytes in the text
        int32_t textLen = 0;
        int32_t sentences = 0;
        bool cr = false;
        bool end = false;
    };
    // The state a highlighted chunk is built from, kept for each chunk shown.
    struct ChunkStart {
        int32_t blockStart;
        int32_t nLines;
        int32_t fixation;
        int32_t bgPos;
        int32_t bgLine;
        float sX;
        float sY;
        float line0Width;
        bool resetLine;
    };

    void snapshotOptions();
    // Widths of the text's words, remembered by their place in the text
    // (a chunk measures the words it peeks at, counts and places once).
    float textWidth(const char* word, int32_t len, int spaces, std::string_view bytes);
    float itemWidth(const Item& it) { return it.text ? textWidth(it.text, it.textLen, it.spaces, it.word) : stringWidth(it.word); }
    void dropWidths();
    bool highlightOption() const;
    float colMargin() const;
    int32_t displayTextOrigBurst(DelayCounts& dc, int32_t& delay, int32_t& numChars, bool resetLine);
    int32_t displayTextHighBurst(DelayCounts& dc, int32_t& delay, int32_t& numChars, bool resetLine);
    bool calculateXY(bool resetLine);
    int calculateNewXY(bool resetLine, bool& pageReset, float& x, float& y);
    int32_t calculateWordsForSpace();
    int32_t calculateWordsLeftOnLine();
    bool getNextFullWord(Item& item);
    void goBackFullWord();
    void skipBlanksAfterUndo();
    void buildBackground(int32_t firstPos, int32_t k);
    int32_t chunkDelay();
    float zoneEnd(int k, bool wholePoints);
    // The back walks of the line builder's options.
    // The word before the cursor; the cursor is left at its start.
    struct PreviousWord {
        int32_t pos = 0;
        const char* text = nullptr;
        int32_t len = 0;
        bool cr = false;
    };
    PreviousWord stepBackOneWord();
    void walkBackLines(int nLines, int maxWords);
    void walkBackMarks(int option, int n);
    void walkBackFixation();
    // Shows again the chunk of a kept start (the top one is removed first).
    void showChunkStart(const ChunkStart& s);
    bool highlightStepBack();
    bool highlightBackTo(int32_t t);
    // Lays the text out from about a page before t and shows chunks until
    // the one holding t (inclusive) or the one before it.
    void replayNear(int32_t t, bool inclusive);
    void dropChunkStarts() { m_history.clear(); }
    bool layoutChanged();
    int32_t widestFormattedLine();

    TextMeasurer& m_measurer;
    FontTrait m_font;
    std::unique_ptr<TextData> m_textdata;
    std::array<DisplayLine, kMaxChunkLines> m_line{};
    std::array<DisplayLine, kMaxChunkLines> m_backgroundLine{};
    std::array<float, kMaxChunkLines> m_lineWidth{};  // as laid out
    struct WidthEntry {
        int32_t offset = -1;
        int32_t len = 0;
        int32_t spaces = 0;
        float width = 0;
    };
    std::array<WidthEntry, 4096> m_widths{};
    int32_t m_nPreviousLines = 0;
    int32_t m_nLines = 0;
    float m_lineLen = 0;
    int32_t m_lineCount = 0;
    float m_sX = 0;
    float m_sY = 0;
    int32_t m_fixation = 1;
    int32_t m_currentWord = 0;
    int32_t m_lastCount = 0;
    int32_t m_nLastFullPosition = 0;
    int32_t m_totalWordCount = 0;
    bool m_bBackGroundSet = false;
    int32_t m_nBackgroundLines = 0;
    int32_t m_bgPos = 0;
    int32_t m_bgLine = 0;
    float m_line0Width = 0;
    char m_cChar = ' ';
    bool m_bGraphics = false;
    std::unique_ptr<DispImg> m_pDispImg;
    bool m_bNeedsDisplay = false;
    float m_viewWidth = 640;
    float m_viewHeight = 480;
    // Per entry point: measured once.
    float m_S = 0;
    float m_h = 1;
    std::vector<ChunkStart> m_history;
    bool m_bReplaying = false;
    // What the kept chunk starts were laid out with.
    struct LayoutKey {
        int32_t mode = -1, opt = -1, num = -1, margin = -1, size = -1;
        uint8_t combine = 0;
        std::string font;
        float w = 0, h = 0;
        bool operator==(const LayoutKey&) const = default;
    } m_layoutKey;
};

// The reading window's view: re-reads the options on "OptionsUpdateNotification".
class MainViewExpert : public MainView {
public:
    MainViewExpert(TextMeasurer& measurer, CurrentOptions& options, NotificationBus& bus = NotificationBus::instance());

private:
    NotificationObserver m_observer;
};

// The timed screen test's view: runs on a record of its own.
class MainViewTest : public MainView {
public:
    MainViewTest(TextMeasurer& measurer, CurrentOptions& options);
    const OptionsRecord& getOptions() override { return m_options; }
    // Takes the record; the column width comes from the text (Formatted
    // Page) or the record, and is fixed in the border strip.
    void setOptions(const OptionsRecord& rec);
};

}  // namespace qor
