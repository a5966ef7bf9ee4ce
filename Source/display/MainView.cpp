#include "display/MainView.h"

#include "display/BorderView.h"
#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "shell/Notifications.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace qor {

namespace {

constexpr int kModeCenter = 0;
constexpr int kModeUpperLeft = 1;
constexpr int kModeEyeTrainer = 2;
constexpr int kModeFormatted = 4;
constexpr int kManyItems = 3200;
constexpr char kCR = 13;
constexpr char kTab = 9;

bool isSeparator(char c)
{
    return c == ' ' || c == kTab || c == kCR;
}
bool isSentenceMark(char c)
{
    return c == '!' || c == '.' || c == '?';
}
bool isPunctMark(char c)
{
    return c == ',' || c == ':' || c == ';';
}
float whole(float v)
{
    return std::trunc(v);
}
int32_t wholeInt(float v)
{
    if (!std::isfinite(v))
        return 0;
    if (v > 2.0e9f)
        return 2000000000;
    if (v < -2.0e9f)
        return -2000000000;
    return static_cast<int32_t>(v);
}

}  // namespace

// --- DisplayLine -----------------------------------------------------------------

bool DisplayLine::append(std::string_view s)
{
    size_t n = std::min(s.size(), static_cast<size_t>(kMaxLineBytes - len));
    std::memcpy(bytes.data() + len, s.data(), n);
    len += static_cast<int>(n);
    bytes[static_cast<size_t>(len)] = 0;
    return n == s.size();
}

bool DisplayLine::removeTrailingBlank()
{
    if (len > 0 && bytes[static_cast<size_t>(len - 1)] == ' ') {
        bytes[static_cast<size_t>(--len)] = 0;
        return true;
    }
    return false;
}

// --- measuring ---------------------------------------------------------------------

float MainView::textWidth(const char* word, int32_t len, int spaces, std::string_view bytes)
{
    int32_t size = 0;
    const char* base = m_textdata ? m_textdata->bufferAndSize(size) : nullptr;
    if (!base || word < base || word > base + size || len > 0xFFFF || spaces > 0xFFFF)
        return stringWidth(bytes);
    const auto off = static_cast<int32_t>(word - base);
    WidthEntry& e = m_widths[static_cast<size_t>((static_cast<uint32_t>(off) * 2654435761u) >> 20) % m_widths.size()];
    if (e.offset == off && e.len == len && e.spaces == spaces)
        return e.width;
    e.offset = off;
    e.len = len;
    e.spaces = spaces;
    e.width = stringWidth(bytes);
    return e.width;
}

void MainView::dropWidths()
{
    for (WidthEntry& e : m_widths)
        e.offset = -1;
}

// --- options and geometry ---------------------------------------------------------

MainView::MainView(TextMeasurer& measurer, CurrentOptions& options) : m_currentOptions(options), m_measurer(measurer)
{
}

const OptionsRecord& MainView::getOptions()
{
    m_currentOptions.getOptions(m_options);
    return m_options;
}

const OptionsRecord& MainView::refreshOptions()
{
    return getOptions();
}

void MainView::snapshotOptions()
{
    refreshOptions();
    m_S = m_measurer.spaceWidth();
    m_h = std::max(1.0f, m_measurer.lineHeight());
    if (layoutChanged()) {
        dropChunkStarts();
        m_bBackGroundSet = false;
    }
}

bool MainView::layoutChanged()
{
    LayoutKey k;
    k.mode = m_options.displayMode.mode;
    k.opt = m_options.displayMode.modeOpt;
    k.num = m_options.displayMode.modeOptNum;
    k.combine = m_options.displayMode.modeOptCombineRes;
    k.margin = m_options.font.margin;
    k.size = m_font.size;
    k.font = m_font.fontName;
    k.w = m_viewWidth;
    k.h = m_viewHeight;
    if (k == m_layoutKey)
        return false;
    m_layoutKey = std::move(k);
    return true;
}

bool MainView::highlightOption() const
{
    const int o = m_options.displayMode.modeOpt;
    return o >= 7 && o <= 9;
}

float MainView::colMargin() const
{
    return static_cast<float>(std::max<int32_t>(m_options.font.margin, kMinColumnWidth));
}

float MainView::getViewWidth()
{
    return colMargin() - 5;
}

float MainView::marginStart()
{
    return (m_viewWidth - colMargin()) / 2;
}

float MainView::getViewHeight()
{
    return m_viewHeight - 13;
}

float MainView::lineHeight()
{
    return std::max(1.0f, m_measurer.lineHeight());
}

void MainView::setFontAttribute(const FontTrait& font)
{
    m_font = font;
    // A stored name is at most 255 bytes and ends at its terminator.
    std::string& name = m_font.fontName;
    size_t nul = name.find('\0');
    if (nul != std::string::npos)
        name.resize(nul);
    if (name.size() > 255)
        name.resize(255);
    if (m_font.size < 1)
        m_font.size = 1;
    m_measurer.setFont(m_font);
    dropWidths();
    m_bNeedsDisplay = true;
}

void MainView::optionsUpdate()
{
    snapshotOptions();
    m_fixation = 1;
    m_nPreviousLines = 0;
    FontTrait f = m_font;
    copyFontTrait(f, m_options.font);
    setFontAttribute(f);
    dropChunkStarts();
    m_bBackGroundSet = false;
    refreshDisplay();
}

void MainView::setViewSize(float width, float height)
{
    width = std::isfinite(width) ? std::max(0.0f, width) : 0;
    height = std::isfinite(height) ? std::max(0.0f, height) : 0;
    if (width == m_viewWidth && height == m_viewHeight)
        return;
    m_viewWidth = width;
    m_viewHeight = height;
    dropChunkStarts();
    m_bBackGroundSet = false;
    if (m_bGraphics)
        advancePictures();
    else
        refreshDisplay();
    m_bNeedsDisplay = true;
}

int32_t MainView::calculateLinesLeft(int32_t y)
{
    if (y < 0)
        y = 0;
    const float H = getViewHeight();
    const float h = m_h;
    const int mode = m_options.displayMode.mode;
    float lines;
    if (highlightOption())
        lines = (H - static_cast<float>(y)) / h;
    else if (mode == kModeEyeTrainer)
        lines = (H - (static_cast<float>(y) + static_cast<float>(m_nLines) * h)) / h;
    else
        lines = H / h;
    int32_t n = wholeInt(lines);
    if ((mode == kModeCenter || mode == kModeUpperLeft) && n <= 0)
        n = 1;
    return n;
}

bool MainView::doesXNumLinesFit(int n)
{
    snapshotOptions();
    return static_cast<float>(n) * m_h <= getViewHeight();
}

// --- the text ---------------------------------------------------------------------

void MainView::initData(TextBuffer block)
{
    m_bGraphics = false;
    m_pDispImg.reset();
    if (!m_textdata)
        m_textdata = std::make_unique<TextData>();
    m_textdata->initData(std::move(block));
    dropWidths();
    dropChunkStarts();
    reset();
    m_lastCount = 0;
}

void MainView::setPosition(int32_t offset)
{
    if (!m_textdata)
        return;
    m_textdata->setPosition(offset);
    refreshDisplay();
}

int32_t MainView::position() const
{
    return m_textdata ? m_textdata->start() : 0;
}

int32_t MainView::current() const
{
    return m_textdata ? m_textdata->current() : 0;
}

int32_t MainView::getPercent() const
{
    return m_textdata ? m_textdata->percent() : 0;
}

void MainView::setPercent(int32_t percent)
{
    if (m_textdata)
        m_textdata->setData(percent);
}

bool MainView::endOfText() const
{
    return !m_textdata || m_textdata->endOfText();
}

void MainView::resetData()
{
    if (m_textdata)
        m_textdata->resetData();
}

void MainView::reset()
{
    m_cChar = ' ';
    m_nPreviousLines = 0;
    m_nLines = 0;
    m_bBackGroundSet = false;
    m_fixation = 1;
}

void MainView::resetToTopOfPage()
{
    m_lineLen = 0;
    m_sY = 0;
    m_sX = marginStart();
}

int32_t MainView::linesDown()
{
    const int32_t y = wholeInt(m_sY);
    if (y == 0)
        return 0;
    return wholeInt(static_cast<float>(y) / m_h);
}

// --- delays and counts ------------------------------------------------------------

int32_t MainView::getCharCount(std::string_view line)
{
    int32_t n = 0;
    for (char c : line)
        if (c != ' ' && !isSentenceMark(c) && !isPunctMark(c))
            ++n;
    return n;
}

int32_t MainView::countPunctuations(std::string_view line)
{
    int32_t n = 0;
    for (char c : line)
        if (isSentenceMark(c) || isPunctMark(c))
            ++n;
    return n;
}

int32_t MainView::analyzeDelays(std::string_view line)
{
    const DelayOptions& d = m_options.delay;
    const float colStart = marginStart();
    int32_t r = 0;
    if (d.bBeginningOfLineDelay && m_options.displayMode.mode != kModeCenter && m_sX == colStart &&
        d.beginningOfLineDelay > 0)
        r = d.beginningOfLineDelay;
    if (d.bBeginningOfPageDelay && m_sY == 0 && m_sX == colStart)
        r = std::max(r, d.beginningOfPageDelay);
    if (d.bLongWordDelay) {
        int32_t run = 0, longest = 0;
        for (char c : line) {
            if (c != ' ' && !isSentenceMark(c) && !isPunctMark(c))
                longest = std::max(longest, ++run);
            else
                run = 0;
        }
        if (longest >= d.wordLength)
            r = d.longWordDelay;
    }
    bool sentence = false, punct = false;
    for (char c : line) {
        sentence = sentence || isSentenceMark(c);
        punct = punct || isPunctMark(c);
    }
    if (d.bSentenceDelay && sentence)
        r = std::max(r, d.sentenceDelay);
    if (d.bPuctuationDelay && punct)
        r = std::max(r, d.punctuationDelay);
    if (d.bMinimumDelay)
        r = std::max(r, d.minimumDelay);
    return r;
}

int32_t MainView::chunkDelay()
{
    const DelayOptions& d = m_options.delay;
    if (!(d.bLongWordDelay || d.bSentenceDelay || d.bPuctuationDelay || d.bBeginningOfLineDelay ||
          d.bBeginningOfPageDelay || d.bMinimumDelay))
        return 0;
    int32_t r = 0;
    for (int i = 0; i < m_nLines; ++i)
        r = std::max(r, analyzeDelays(m_line[static_cast<size_t>(i)].view()));
    return r;
}

// --- the entry point --------------------------------------------------------------

int32_t MainView::displayTextBurst(DelayCounts& counts, int32_t& delay, int32_t& numChars, bool resetLine)
{
    counts.clear();
    delay = 0;
    numChars = 0;
    if (!m_textdata || m_bGraphics)
        return 0;
    snapshotOptions();
    if (highlightOption())
        return displayTextHighBurst(counts, delay, numChars, resetLine);
    return displayTextOrigBurst(counts, delay, numChars, resetLine);
}

// --- the line builder (options 0 to 6) --------------------------------------------

int32_t MainView::calculateWordsForSpace()
{
    TextData& td = *m_textdata;
    const int32_t saved = td.current();
    const float colStart = marginStart();
    const float C = getViewWidth();
    const float x = whole(m_sX + m_lineLen);
    int32_t len = 0, sent = 0;
    char sep = 0;
    bool cr = false;
    const char* w = td.getNextWordAndLength(len, sent, true, sep, cr);
    const float first = w ? textWidth(w, len, 0, {w, static_cast<size_t>(len)}) : 0;
    const float space = (first + m_S + x > colStart + C) ? C : colStart + C - x;
    td.setCurrent(saved);
    int32_t count = 0;
    float running = 0;
    while (count < kManyItems) {
        w = td.getNextWordAndLength(len, sent, true, sep, cr);
        if (!w)
            break;
        const float ww = textWidth(w, len, 0, {w, static_cast<size_t>(len)});
        if (running + ww > space)
            break;
        running = whole(running + ww + m_S);
        ++count;
    }
    td.setCurrent(saved);
    return count;
}

float MainView::zoneEnd(int k, bool wholePoints)
{
    const int N = std::max(1, m_options.displayMode.modeOptNum);
    const float colStart = marginStart();
    const float C = getViewWidth();
    if (k >= N)
        return colStart + C;
    const float zone = wholePoints ? whole(C / static_cast<float>(N)) : C / static_cast<float>(N);
    return colStart + zone * static_cast<float>(k);
}

int32_t MainView::displayTextOrigBurst(DelayCounts& dc, int32_t& delay, int32_t& numChars, bool resetLine)
{
    TextData& td = *m_textdata;
    const DisplayModeOptions& dm = m_options.displayMode;
    const int mode = dm.mode;
    const int opt = dm.modeOpt;
    const int N = std::max(1, dm.modeOptNum);
    if (resetLine)
        m_lineLen = 0;
    m_currentWord = 0;
    if (td.endOfText() && !resetLine)
        return 0;

    const float S = m_S;
    const float C = getViewWidth();
    const float colStart = marginStart();

    // How many lines, how many items on each.
    bool pageReset = false;
    int32_t L = calculateLinesLeft(resetLine ? 0 : wholeInt(m_sY));
    if (L <= 0) {
        resetToTopOfPage();
        pageReset = true;
        L = std::max(1, calculateLinesLeft(0));
    }
    int32_t lines;
    if (opt == 0 || opt == 1)
        lines = 1;
    else if (opt == 2)
        lines = (mode == kModeEyeTrainer && dm.modeOptCombineRes && L - N < N) ? L : N;
    else
        lines = kManyItems;
    lines = std::min({lines, L, static_cast<int32_t>(kMaxChunkLines)});
    int32_t W = opt == 0 ? N : kManyItems;
    if (mode == kModeEyeTrainer && opt == 0) {
        W = std::max(1, calculateWordsForSpace());
        if (dm.modeOptCombineRes && !resetLine) {
            if (W - N >= N)
                W = N;
        } else {
            W = std::min(W, N);
        }
    }
    td.setStart();
    const bool ignoreSep = mode != kModeFormatted;
    const bool trailingOn = mode != kModeFormatted;

    bool repeat = false;
    bool closed = false;
    int32_t endCount = 0;
    int32_t chunkWords = 0;
    int32_t kept = 0;
    int16_t sentences = 0, newlines = 0;
    float chunkX = m_sX + m_lineLen;  // option 1: where the chunk begins
    bool firstItem = true;

    while (kept < lines && !closed) {
        DisplayLine& out = m_line[static_cast<size_t>(kept)];
        out.clear();
        float w = 0;
        int32_t words = 0;
        int32_t items = 0;
        bool trailing = trailingOn;
        while (items < W) {
            const int32_t before = td.current();
            int32_t len = 0, sent = 0;
            char sep = 0;
            bool cr = false;
            const char* p = td.getNextWordAndLength(len, sent, ignoreSep, sep, cr);
            if (!p && sep == 0) {
                closed = true;
                // Nothing at all was shown: the last word is shown again.
                if (chunkWords == 0 && words == 0 && !repeat) {
                    td.backWords(1, false);
                    p = td.getNextWordAndLength(len, sent, ignoreSep, sep, cr);
                    if (!p)
                        break;
                    repeat = true;
                    resetLine = true;
                } else {
                    break;
                }
            }
            sentences = addCount(sentences, sent);
            if (cr)
                newlines = addCount(newlines, 1);
            const std::string_view word = p ? std::string_view(p, static_cast<size_t>(len)) : std::string_view();
            const float width = p ? textWidth(p, len, 0, word) : 0;
            // Bytes the item adds to the line.
            size_t addBytes = word.size();
            if (mode != kModeFormatted && words > 0 && p)
                addBytes += 1;
            else if (mode == kModeFormatted && sep == kTab && W > 1)
                addBytes += 5;
            else if (mode == kModeFormatted && sep == ' ' && W > 1)
                addBytes += 1;

            bool fits;
            bool endAfter = false;
            if (opt == 1) {
                if (firstItem && chunkX + width > colStart + C) {
                    chunkX = colStart;
                    m_fixation = 1;
                }
                const float start = chunkX + w;
                const float zEnd = zoneEnd(m_fixation, false);
                fits = start + width + S <= zEnd;
                if (!fits) {
                    if (m_fixation >= N) {
                        if (words > 0) {
                            trailing = zEnd > start + S;
                        } else {
                            trailing = false;
                            fits = true;
                            endAfter = start + width > zEnd;
                        }
                    } else if (whole(zEnd - start) > width / 2) {
                        fits = true;
                    }
                }
            } else {
                fits = w + width + S <= C;
            }
            if (fits && !out.room(addBytes))
                fits = false;  // the line buffer is full
            if (!fits) {
                if (words > 0 || (mode == kModeFormatted && !p)) {
                    // Give back only this item.
                    if (p)
                        td.backWords(1, false);
                    else
                        td.setCurrent(before);
                    sentences = addCount(sentences, -sent);
                    if (cr)
                        newlines = addCount(newlines, -1);
                    break;
                }
                endAfter = true;  // a word wider than the column is shown alone
            }
            firstItem = false;
            // Take the item.
            if (mode != kModeFormatted) {
                if (words > 0 && p) {
                    out.append(" ");
                    w += S;
                }
            } else if (!p) {
                if (sep == kTab && W > 1) {
                    out.append("     ");
                    w += 5 * S;
                } else if (sep == kCR && lines > 1) {
                    ++items;
                    break;
                } else if (sep == ' ' && W > 1) {
                    out.append(" ");
                    w += S;
                }
            }
            if (p && width > 0) {
                out.append(word);
                w += width;
                ++words;
                bool counts = false;
                if (opt == 3)
                    counts = isSentenceMark(word.back());
                else if (opt == 4)
                    counts = cr;
                else if (opt == 5)
                    counts = isSentenceMark(word.back()) || isPunctMark(word.back());
                if (counts && ++endCount >= N) {
                    closed = true;
                    ++items;
                    break;
                }
            }
            ++items;
            if (endAfter || (closed && repeat))
                break;
        }
        if (words == 0 && mode != kModeFormatted) {
            if (closed || items == 0)
                break;
            continue;  // an empty line is filled again
        }
        if (words == 0 && closed && items == 0)
            break;  // nothing after the text's end
        if (trailing && out.len > 0 && out.room(1)) {
            out.append(" ");
            w += S;
        }
        m_lineWidth[static_cast<size_t>(kept)] = w;
        numChars += getCharCount(out.view());
        chunkWords += words;
        ++kept;
    }

    dc.sentences = sentences;
    dc.newlines = newlines;
    if (chunkWords > 0) {
        if (opt == 1)
            m_fixation = m_fixation >= N ? 1 : m_fixation + 1;
        m_nLines = kept;
        m_lastCount = chunkWords;
        dc.flashes = calculateXY(resetLine || pageReset) ? 1 : 0;
        m_nPreviousLines = m_nLines;
        m_bNeedsDisplay = true;
    }
    delay = chunkWords > 0 ? chunkDelay() : 0;
    if (repeat || chunkWords == 0) {
        dc.flashes = 0;
        return 0;
    }
    m_totalWordCount = chunkWords;
    dc.words = addCount(0, chunkWords);
    int32_t punct = 0;
    for (int i = 0; i < m_nLines; ++i)
        punct += countPunctuations(m_line[static_cast<size_t>(i)].view());
    dc.punctuations = addCount(0, punct);
    return chunkWords;
}

bool MainView::calculateXY(bool resetLine)
{
    const int mode = m_options.displayMode.mode;
    const int opt = m_options.displayMode.modeOpt;
    const float H = getViewHeight();
    const float C = getViewWidth();
    const float colStart = marginStart();
    int32_t prev = mode == kModeCenter ? m_nLines : (m_nPreviousLines ? m_nPreviousLines : m_nLines);
    if (prev <= 0)
        prev = 1;
    const float B = whole(m_h * static_cast<float>(prev));
    if (resetLine) {
        resetToTopOfPage();
        m_lineCount = m_nLines;
    }
    if (mode == kModeCenter) {
        m_sY = (H - B) / 2;
        if ((opt == 2 || opt == 3) && m_nLines > 1) {
            m_sX = colStart;
        } else {
            float w = 0;
            for (int i = 0; i < m_nLines; ++i)
                w = std::max(w, whole(m_lineWidth[static_cast<size_t>(i)]));
            m_sX = colStart + (C - w) / 2;
        }
        return true;
    }
    if (mode == kModeUpperLeft) {
        resetToTopOfPage();
        m_lineCount = m_nLines;
        if (opt == 1)
            m_fixation = 1;
        return true;
    }
    if (mode == kModeEyeTrainer) {
        DisplayLine& first = m_line[0];
        if (m_sY > H) {
            resetToTopOfPage();
            m_lineLen = m_lineWidth[0];
            return true;
        }
        bool answer = resetLine;
        m_sX += m_lineLen;
        if (m_sX + m_lineWidth[0] > colStart + C) {
            const bool removed = first.removeTrailingBlank();
            if (m_sX + m_lineWidth[0] - (removed ? m_S : 0) > colStart + C) {
                m_sX = colStart;
                m_sY += B;
                // The row must fit below: a row past the usable height
                // starts the page again.
                if (m_sY + m_h * static_cast<float>(std::max(1, m_nLines)) > H) {
                    resetToTopOfPage();
                    answer = true;
                }
            }
            if (removed)
                first.append(" ");
        }
        m_lineLen = m_lineWidth[0];
        return answer;
    }
    m_sX = colStart;
    m_sY = 0;
    return true;
}

// --- the highlight builder (options 7 to 9) ---------------------------------------

bool MainView::getNextFullWord(Item& item)
{
    TextData& td = *m_textdata;
    int32_t n = 0;
    const char* b = td.bufferAndSize(n);
    item = Item{};
    m_nLastFullPosition = td.current();
    int32_t i = td.current();
    static thread_local std::array<char, 2 * kMaxLineBytes + 2> scratch;
    int spaces = 0;
    const bool formatted = m_options.displayMode.mode == kModeFormatted;
    if (formatted) {
        while (i < n && (b[i] == ' ' || b[i] == kTab)) {
            if (b[i] == ' ')
                ++spaces;
            ++i;
        }
        if (i < n && b[i] == kCR) {
            td.setCurrent(i + 1);
            spaces = std::min(spaces, kMaxLineBytes);
            std::memset(scratch.data(), ' ', static_cast<size_t>(spaces));
            item.word = std::string_view(scratch.data(), static_cast<size_t>(spaces));
            item.spaces = spaces;
            item.text = b + i;
            item.cr = true;
            item.end = i + 1 >= n;
            return item.end;
        }
    } else {
        bool any = false;
        while (i < n && isSeparator(b[i])) {
            ++i;
            any = true;
        }
        spaces = any ? 1 : 0;
    }
    if (i >= n) {
        td.setCurrent(n);
        item.end = true;
        return true;
    }
    const int32_t first = i;
    while (i < n && !isSeparator(b[i]))
        ++i;
    int32_t len = std::min<int32_t>(i - first, kMaxLineBytes);
    spaces = std::min(spaces, kMaxLineBytes - len);
    std::memset(scratch.data(), ' ', static_cast<size_t>(spaces));
    std::memcpy(scratch.data() + spaces, b + first, static_cast<size_t>(len));
    item.word = std::string_view(scratch.data(), static_cast<size_t>(spaces + len));
    item.spaces = spaces;
    item.text = b + first;
    item.textLen = len;
    if (len > 0 && isSentenceMark(b[i - 1]) && (i == n || b[i] == ' ' || b[i] == kCR || b[i] == '\n'))
        item.sentences = 1;
    td.setCurrent(i);
    item.end = i >= n;
    return item.end;
}

void MainView::goBackFullWord()
{
    m_textdata->setCurrent(m_nLastFullPosition);
}

void MainView::skipBlanksAfterUndo()
{
    TextData& td = *m_textdata;
    if (m_options.displayMode.mode != kModeFormatted) {
        td.pointToNextWord();
        return;
    }
    int32_t n = 0;
    const char* b = td.bufferAndSize(n);
    int32_t i = td.current();
    while (i < n && (b[i] == ' ' || b[i] == kTab))
        ++i;
    td.setCurrent(i);
}

int32_t MainView::calculateWordsLeftOnLine()
{
    TextData& td = *m_textdata;
    const int32_t saved = td.current();
    const float limit = marginStart() + getViewWidth();
    float running = 0;
    int32_t count = 0;
    Item it;
    while (count < kManyItems) {
        const bool end = getNextFullWord(it);
        if (it.cr || it.word.size() == static_cast<size_t>(it.spaces))
            break;
        running = whole(running + itemWidth(it));
        if (m_sX + running > limit)
            break;
        ++count;
        if (end)
            break;
    }
    td.setCurrent(saved);
    return count;
}

int MainView::calculateNewXY(bool r, bool& pageReset, float& x, float& y)
{
    TextData& td = *m_textdata;
    const int mode = m_options.displayMode.mode;
    const int opt = m_options.displayMode.modeOpt;
    const float colStart = marginStart();
    const float C = getViewWidth();
    const float H = getViewHeight();
    const float h = m_h;
    pageReset = r;
    if (opt == 9) {
        x = colStart;
        y = r ? 0 : y + static_cast<float>(std::max(0, m_nLines - 1)) * h;
    } else if (r) {
        x = colStart;
        y = 0;
    } else {
        x += m_line0Width;
    }
    if (mode == kModeFormatted) {
        int32_t n = 0;
        const char* b = td.bufferAndSize(n);
        int32_t i = td.current();
        // Blanks before a line end belong to that line end.
        while (i < n && (b[i] == ' ' || b[i] == kTab))
            ++i;
        if (i < n && b[i] == kCR) {
            td.setCurrent(i + 1);
            x = colStart;
            bool firstPass = true;
            for (;;) {
                const float next = firstPass ? y + h : y;
                firstPass = false;
                if (next > H) {
                    y = 0;
                    pageReset = true;
                }
                // A line of blanks is a blank line too.
                int32_t c = td.current();
                while (c < n && (b[c] == ' ' || b[c] == kTab))
                    ++c;
                if (c >= n || b[c] != kCR)
                    break;
                td.setCurrent(c + 1);
                x = colStart;
                y += h;
            }
            if (!r)
                y += h;
            if (y + h > H) {
                y = 0;
                pageReset = true;
            }
            skipBlanksAfterUndo();
            return 0;
        }
    }
    if (opt == 9) {
        if (!r)
            y += h;
        if (y + h > H) {
            y = 0;
            pageReset = true;
        }
        if (td.current() == 0)
            return 1;
    } else {
        const int32_t saved = td.current();
        Item it;
        getNextFullWord(it);
        td.setCurrent(saved);
        if (x + itemWidth(it) > colStart + C) {
            x = colStart;
            y += h;
            if (y >= H - h) {
                y = 0;
                pageReset = true;
            }
        } else if (!pageReset) {
            return 2;
        }
    }
    td.pointToNextWord();
    return 1;
}

int32_t MainView::displayTextHighBurst(DelayCounts& dc, int32_t& delay, int32_t& numChars, bool resetLine)
{
    TextData& td = *m_textdata;
    const DisplayModeOptions& dm = m_options.displayMode;
    const int opt = dm.modeOpt;
    const int N = std::max(1, dm.modeOptNum);
    m_currentWord = 0;
    if (td.endOfText() && !resetLine)
        return 0;
    if (resetLine && !m_bReplaying)
        dropChunkStarts();
    td.setStart();
    const ChunkStart start{td.start(), m_nLines, m_fixation, m_bBackGroundSet ? m_bgPos : -1, m_bgLine,
                           m_sX,       m_sY,    m_line0Width, resetLine};
    if (resetLine)
        resetToTopOfPage();

    bool pageReset = false;
    float x = m_sX, y = m_sY;
    if (calculateNewXY(resetLine, pageReset, x, y) == 1)
        dc.displayLines = 1;
    m_sX = x;
    m_sY = y;
    const int32_t firstPos = td.current();
    if (opt == 8 && m_sX == marginStart())
        m_fixation = 1;

    const float C = getViewWidth();
    const float colStart = marginStart();
    int32_t L = calculateLinesLeft(wholeInt(m_sY));
    if (L <= 0) {
        m_sY = 0;
        m_sX = colStart;
        pageReset = true;
        L = std::max(1, calculateLinesLeft(0));
    }
    int32_t lines = (opt == 9) ? ((dm.modeOptCombineRes && L - N < N) ? L : N) : 1;
    lines = std::min({lines, L, static_cast<int32_t>(kMaxChunkLines)});
    int32_t W = kManyItems;
    if (opt == 7) {
        W = std::max(1, calculateWordsLeftOnLine());
        if (dm.modeOptCombineRes) {
            if (W - N >= N)
                W = N;
        } else {
            W = std::min(W, N);
        }
    }

    int16_t sentences = 0, newlines = 0;
    int32_t chunkWords = 0;
    int32_t built = 0;
    int32_t filled = 0;
    bool closed = false;
    for (int li = 0; li < lines && li < kMaxChunkLines && !closed; ++li) {
        DisplayLine& out = m_line[static_cast<size_t>(li)];
        out.clear();
        float a = 0;
        int32_t taken = 0;
        int32_t words = 0;
        while (taken < W) {
            Item it;
            const bool end = getNextFullWord(it);
            if (end)
                closed = true;
            sentences = addCount(sentences, it.sentences);
            if (it.cr) {
                newlines = addCount(newlines, 1);
                if (opt != 9) {
                    newlines = addCount(newlines, -1);
                    goBackFullWord();
                    closed = false;
                    break;
                }
                if (out.len == 0 && words == 0 && lines < std::min<int32_t>(L, kMaxChunkLines)) {
                    ++lines;  // a blank line of the text stays in the chunk
                    break;
                }
                if (li == lines - 1) {
                    newlines = addCount(newlines, -1);
                    goBackFullWord();
                    closed = false;
                }
                break;
            }
            if (static_cast<int>(it.word.size()) == it.spaces) {
                if (end)
                    break;
                continue;  // nothing but blanks
            }
            const float width = itemWidth(it);
            bool fits;
            if (opt == 7) {
                fits = a + width <= C - (m_sX - colStart);
            } else if (opt == 9) {
                fits = a + width <= C;
            } else {
                const float zEnd = zoneEnd(m_fixation, true);
                fits = m_sX + a + width <= zEnd;
                if (!fits && m_fixation < N) {
                    const float spacesW = it.spaces > 0 ? stringWidth(it.word.substr(0, static_cast<size_t>(it.spaces))) : 0;
                    const float bare = width - spacesW;
                    const float startBare = m_sX + a + spacesW;
                    fits = startBare <= zEnd && (zEnd - startBare) > bare / 2;
                }
            }
            if (fits && !out.room(it.word.size()))
                fits = false;
            if (!fits) {
                if (chunkWords + words == 0) {
                    // A word wider than the room is shown alone, clipped,
                    // so that reading goes on.
                    out.append(it.word);
                    a += width;
                    ++words;
                    break;
                }
                goBackFullWord();
                sentences = addCount(sentences, -it.sentences);
                closed = false;
                if (opt == 9 && filled + 1 < lines)
                    skipBlanksAfterUndo();
                break;
            }
            if (width > 0) {
                out.append(it.word);
                a += width;
                ++words;
            }
            ++taken;
            if (end)
                break;
        }
        m_lineWidth[static_cast<size_t>(li)] = a;
        numChars += getCharCount(out.view());
        if (out.len > 0)
            ++filled;
        chunkWords += words;
        built = li + 1;
    }
    dc.sentences = sentences;
    dc.newlines = newlines;
    if (chunkWords == 0)
        return 0;

    if (opt == 8)
        m_fixation = m_fixation >= N ? 1 : m_fixation + 1;
    m_nLines = built;
    m_lastCount = chunkWords;
    m_line0Width = m_lineWidth[0];
    if (pageReset || resetLine || !m_bBackGroundSet)
        buildBackground(firstPos, linesDown());
    m_nPreviousLines = m_nLines;
    m_bNeedsDisplay = true;
    m_history.push_back(start);

    delay = chunkDelay();
    m_totalWordCount = chunkWords;
    dc.words = addCount(0, chunkWords);
    int32_t punct = 0;
    for (int i = 0; i < m_nLines; ++i)
        punct += countPunctuations(m_line[static_cast<size_t>(i)].view());
    dc.punctuations = addCount(0, punct);
    dc.flashes = pageReset ? 1 : 0;
    return chunkWords;
}

void MainView::buildBackground(int32_t firstPos, int32_t k)
{
    TextData& td = *m_textdata;
    const int32_t saved = td.current();
    const int32_t savedLast = m_nLastFullPosition;
    m_bBackGroundSet = true;
    m_bgPos = firstPos;
    m_bgLine = k;
    td.setCurrent(firstPos);
    const float C = getViewWidth();
    const int32_t P = std::min<int32_t>(calculateLinesLeft(0), kMaxChunkLines);
    if (k >= P) {
        for (int i = 0; i < P; ++i)
            m_backgroundLine[static_cast<size_t>(i)].clear();
        m_nBackgroundLines = std::max<int32_t>(0, P);
        td.setCurrent(saved);
        m_nLastFullPosition = savedLast;
        return;
    }
    for (int i = 0; i < k; ++i)
        m_backgroundLine[static_cast<size_t>(i)].clear();
    int32_t line = k;
    bool textEnded = false;
    while (line < P && !textEnded) {
        DisplayLine& out = m_backgroundLine[static_cast<size_t>(line)];
        out.clear();
        float width = 0;
        int32_t words = 0;
        while (words < kManyItems) {
            Item it;
            const bool end = getNextFullWord(it);
            if (it.cr)
                break;
            if (static_cast<int>(it.word.size()) == it.spaces) {
                if (end) {
                    textEnded = true;
                    break;
                }
                continue;
            }
            const float ww = itemWidth(it);
            if (words > 0 && (width + ww > C || !out.room(it.word.size()))) {
                goBackFullWord();
                if (line + 1 < P)
                    skipBlanksAfterUndo();
                break;
            }
            out.append(it.word);
            width += ww;
            ++words;
            if (end) {
                textEnded = true;
                break;
            }
        }
        ++line;
    }
    m_nBackgroundLines = line;
    td.setCurrent(saved);
    m_nLastFullPosition = savedLast;
}

// --- showing again, moving --------------------------------------------------------

void MainView::refreshDisplay()
{
    if (!m_textdata || m_bGraphics)
        return;
    snapshotOptions();
    m_textdata->useStart();
    calculateXY(true);
    DelayCounts dc;
    int32_t d = 0, n = 0;
    displayTextBurst(dc, d, n, true);
}

MainView::PreviousWord MainView::stepBackOneWord()
{
    TextData& td = *m_textdata;
    td.backWords(1, false);
    PreviousWord p;
    p.pos = td.current();
    int32_t sent = 0;
    char sep = 0;
    p.text = td.getNextWordAndLength(p.len, sent, true, sep, p.cr);
    td.setCurrent(p.pos);
    return p;
}

void MainView::walkBackLines(int nLines, int maxWords)
{
    TextData& td = *m_textdata;
    const float C = getViewWidth();
    int line = 0;
    float running = 0;
    int count = 0;
    while (td.current() > 0) {
        const PreviousWord prev = stepBackOneWord();
        const int32_t pos = prev.pos;
        const int32_t len = prev.len;
        const char* w = prev.text;
        const float width = w ? textWidth(w, len, 0, {w, static_cast<size_t>(len)}) : 0;
        if (count > 0 && (count >= maxWords || whole(running) + width > C)) {
            if (++line >= nLines) {
                td.setCurrent(pos);
                td.forwardWords(1);
                return;
            }
            running = width + m_S;
            count = 1;
            td.setCurrent(pos);
            continue;
        }
        running = whole(running) + width + m_S;
        ++count;
        td.setCurrent(pos);
    }
}

void MainView::walkBackMarks(int option, int n)
{
    TextData& td = *m_textdata;
    int count = 0;
    while (td.current() > 0) {
        const PreviousWord prev = stepBackOneWord();
        const int32_t pos = prev.pos;
        const int32_t len = prev.len;
        const bool cr = prev.cr;
        const char* w = prev.text;
        bool mark = false;
        if (w && len > 0) {
            const char last = w[len - 1];
            mark = option == 3 ? isSentenceMark(last) : option == 4 ? cr : isPunctMark(last);
        }
        if (mark && ++count > n) {
            td.setCurrent(pos);
            td.forwardWords(1);
            return;
        }
        td.setCurrent(pos);
    }
}

void MainView::walkBackFixation()
{
    TextData& td = *m_textdata;
    const int N = std::max(1, m_options.displayMode.modeOptNum);
    const float zone = getViewWidth() / static_cast<float>(N);
    m_fixation = 1;
    float running = 0;
    bool first = true;
    while (td.current() > 0) {
        const PreviousWord prev = stepBackOneWord();
        const int32_t pos = prev.pos;
        const int32_t len = prev.len;
        const char* w = prev.text;
        const float width = w ? textWidth(w, len, 0, {w, static_cast<size_t>(len)}) : 0;
        if (!first && running + width - zone > width / 2) {
            td.setCurrent(pos);
            td.forwardWords(1);
            return;
        }
        running = whole(running + width + m_S);
        first = false;
        td.setCurrent(pos);
    }
}

bool MainView::backBlock(bool& highlight)
{
    highlight = false;
    if (!m_textdata || m_bGraphics)
        return false;
    snapshotOptions();
    TextData& td = *m_textdata;
    if (!td.needToGoBack(m_lastCount))
        return false;
    if (highlightOption()) {
        highlight = true;
        return highlightStepBack();
    }
    const int mode = m_options.displayMode.mode;
    const int opt = m_options.displayMode.modeOpt;
    const int N = std::max(1, m_options.displayMode.modeOptNum);
    const int pageLines = std::max(1, wholeInt(getViewHeight() / m_h));
    td.backWords(m_lastCount, false);
    switch (opt) {
    case 0:
        walkBackLines(1, N);
        break;
    case 1:
        walkBackFixation();
        break;
    case 2:
        walkBackLines(std::min(N, pageLines), kManyItems);
        break;
    case 3:
    case 4:
    case 5:
        walkBackMarks(opt, N);
        break;
    default:
        walkBackLines(pageLines, kManyItems);
        break;
    }
    if (mode <= 3)
        calculateXY(true);
    return true;
}

void MainView::showChunkStart(const ChunkStart& s)
{
    TextData& td = *m_textdata;
    m_sX = s.sX;
    m_sY = s.sY;
    m_nLines = s.nLines;
    m_nPreviousLines = s.nLines;
    m_fixation = s.fixation;
    m_line0Width = s.line0Width;
    if (s.bgPos >= 0)
        buildBackground(s.bgPos, s.bgLine);
    else
        m_bBackGroundSet = false;
    td.setCurrent(s.blockStart);
    DelayCounts dc;
    int32_t d = 0, n = 0;
    m_bReplaying = true;
    displayTextHighBurst(dc, d, n, s.resetLine);
    m_bReplaying = false;
}

void MainView::replayNear(int32_t t, bool inclusive)
{
    TextData& td = *m_textdata;
    const int32_t pageLines = std::max<int32_t>(1, calculateLinesLeft(0));
    const int32_t perLine = std::max<int32_t>(1, wholeInt(getViewWidth() / std::max(1.0f, m_S)));
    td.setCurrent(t);
    td.backWords(std::min<int32_t>(pageLines * perLine, 1 << 20), false);
    const int32_t p0 = td.current();
    reset();
    dropChunkStarts();
    td.setPosition(p0);
    DelayCounts dc;
    int32_t d = 0, n = 0;
    bool first = true;
    for (int guard = 0; guard < (1 << 20); ++guard) {
        const int32_t before = td.current();
        if (!first && (inclusive ? before > t : before >= t))
            break;
        if (!first && td.endOfText())
            break;
        const int32_t shown = displayTextHighBurst(dc, d, n, first);
        first = false;
        if (shown == 0 || td.current() == before)
            break;
    }
}

bool MainView::highlightStepBack()
{
    if (m_history.size() >= 2) {
        m_history.pop_back();
        const ChunkStart s = m_history.back();
        m_history.pop_back();
        showChunkStart(s);
        return true;
    }
    const int32_t t = m_history.empty() ? position() : m_history.back().blockStart;
    if (t <= 0)
        return false;
    replayNear(t, false);
    // The chunk before the one that held t.
    if (m_history.size() >= 2 && position() >= t) {
        m_history.pop_back();
        const ChunkStart s = m_history.back();
        m_history.pop_back();
        showChunkStart(s);
    }
    return true;
}

bool MainView::highlightBackTo(int32_t t)
{
    for (size_t i = m_history.size(); i-- > 0;) {
        if (m_history[i].blockStart <= t) {
            const ChunkStart s = m_history[i];
            m_history.resize(i);
            showChunkStart(s);
            return true;
        }
    }
    replayNear(t, true);
    return true;
}

bool MainView::backToPos(int32_t pos, bool& highlight)
{
    highlight = false;
    if (!m_textdata || m_bGraphics)
        return false;
    snapshotOptions();
    int32_t size = 0;
    m_textdata->bufferAndSize(size);
    pos = std::clamp(pos, 0, size);  // a burst start from an earlier text
    const int opt = m_options.displayMode.modeOpt;
    if (opt == 1) {
        bool h = false;
        if (!backBlock(h)) {
            m_textdata->setPosition(pos);
            calculateXY(true);
        }
        return true;
    }
    if (highlightOption()) {
        highlight = true;
        return highlightBackTo(pos);
    }
    m_textdata->setPosition(pos);
    calculateXY(true);
    return true;
}

void MainView::forwardOneWord()
{
    if (!m_textdata)
        return;
    snapshotOptions();
    m_textdata->useStart();
    m_textdata->forwardWords(1);
    calculateXY(true);
}

void MainView::backwardOneWord()
{
    if (!m_textdata)
        return;
    snapshotOptions();
    m_textdata->useStart();
    m_textdata->backWords(1, false);
    calculateXY(true);
}

bool MainView::searchString(std::string_view utf8)
{
    if (!m_textdata || utf8.empty())
        return false;
    // At most 255 bytes, cut at a character boundary.
    if (utf8.size() > static_cast<size_t>(kMaxLineBytes)) {
        size_t cut = kMaxLineBytes;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        utf8 = utf8.substr(0, cut);
    }
    TextData& td = *m_textdata;
    const int32_t saved = td.current();
    if (!td.searchForSentenceText(utf8)) {
        td.setCurrent(saved);
        return false;
    }
    td.setStart();
    refreshDisplay();
    return true;
}

int32_t MainView::longestLine()
{
    const int32_t widest = widestFormattedLine();
    return widest > 0 ? widest + 15 : 0;
}

int32_t MainView::widestFormattedLine()
{
    if (!m_textdata)
        return 0;
    snapshotOptions();
    TextData& td = *m_textdata;
    int32_t size = 0;
    td.bufferAndSize(size);
    if (size == 0)
        return 0;
    const int32_t saved = td.current();
    td.setCurrent(0);
    float widest = 0;
    for (;;) {
        int32_t len = 0;
        const char* p = td.getNextFormattedLineAndLength(len);
        if (!p)
            break;
        if (len > 0)
            widest = std::max(widest, whole(stringWidth({p, static_cast<size_t>(std::min(len, kMaxLineBytes))})));
        if (td.endOfText() || td.current() == size - 1)
            break;
    }
    td.setCurrent(saved);
    return wholeInt(widest);
}

int32_t MainView::checkForMargin(int32_t limit)
{
    snapshotOptions();
    m_nPreviousLines = 0;
    m_fixation = 1;
    if (m_options.displayMode.mode != kModeFormatted) {
        calculateXY(true);
        return std::min(0, limit);
    }
    const int32_t widest = widestFormattedLine();
    calculateXY(true);
    if (widest < 25)
        return std::min(35, limit);
    return std::min(widest + 10, limit);
}

// --- single character and pictures ------------------------------------------------

void MainView::displayChar(char c)
{
    m_cChar = c;
    if (c == ' ') {
        for (DisplayLine& l : m_line)
            l.clear();
        m_lineWidth.fill(0);
        resetToTopOfPage();
    }
    m_bNeedsDisplay = true;
}

void MainView::setGraphicsList(std::unique_ptr<DispImg> list)
{
    m_pDispImg = std::move(list);
    m_bGraphics = m_pDispImg != nullptr;
    if (m_bGraphics)
        advancePictures();
    m_bNeedsDisplay = true;
}

bool MainView::advancePictures()
{
    if (!m_pDispImg)
        return false;
    m_bNeedsDisplay = true;
    return m_pDispImg->skipPicturesLargerThan(m_viewWidth, m_viewHeight);
}

bool MainView::nextPicture()
{
    if (!m_pDispImg || !m_pDispImg->incrementImage())
        return false;
    return advancePictures();
}

// --- what to draw -----------------------------------------------------------------

void MainView::frame(DisplayFrame& out)
{
    out.texts.clear();
    out.picture = nullptr;
    out.singleChar = false;
    out.background = m_font.backgroundColor;
    out.background.alpha = 65535;
    if (m_bGraphics) {
        out.background = {0, 0, 0, 65535};
        if (!m_pDispImg)
            return;
        if (m_pDispImg->hasBackground())
            out.background = {m_pDispImg->backRed(), m_pDispImg->backGreen(), m_pDispImg->backBlue(), 65535};
        const ImgDef* d = m_pDispImg->getCurrentImage();
        if (d && m_pDispImg->currentFits(m_viewWidth, m_viewHeight)) {
            out.background = {d->red, d->green, d->blue, 65535};
            if (d->image) {
                const ImgPoint p = m_pDispImg->getPt(m_viewWidth, m_viewHeight);
                out.picture = d;
                out.pictureX = static_cast<float>(p.x);
                out.pictureY = static_cast<float>(p.y);
            }
        }
        return;
    }
    const float h = std::max(1.0f, m_measurer.lineHeight());
    const bool highlight = highlightOption();
    if (m_cChar != ' ') {
        const std::string s(1, m_cChar);
        const float w = stringWidth(s);
        out.singleChar = true;
        out.texts.push_back({m_viewWidth / 2 - w / 2, getViewHeight() / 2 - h / 2, s, highlight});
        return;
    }
    if (m_nLines <= 0)
        return;
    if (highlight) {
        const float colStart = marginStart();
        const float S = m_measurer.spaceWidth();
        for (int i = 0; i < m_nBackgroundLines && i < kMaxChunkLines; ++i) {
            std::string_view bl = m_backgroundLine[static_cast<size_t>(i)].view();
            if (!bl.empty())
                out.texts.push_back({colStart, static_cast<float>(i) * h, std::string(bl), false});
        }
        for (int i = 0; i < m_nLines && i < kMaxChunkLines; ++i) {
            std::string_view l = m_line[static_cast<size_t>(i)].view();
            if (!l.empty() && l.back() == ' ')
                l.remove_suffix(1);
            size_t n = 0;
            while (n < l.size() && l[n] == ' ')
                ++n;
            l.remove_prefix(n);
            if (!l.empty())
                out.texts.push_back({m_sX + static_cast<float>(n) * S, m_sY + static_cast<float>(i) * h, std::string(l), true});
        }
        return;
    }
    for (int i = 0; i < m_nLines && i < kMaxChunkLines; ++i) {
        std::string_view l = m_line[static_cast<size_t>(i)].view();
        if (!l.empty() && l.back() == ' ')
            l.remove_suffix(1);
        if (!l.empty())
            out.texts.push_back({m_sX, m_sY + static_cast<float>(i) * h, std::string(l), false});
    }
}

// --- the two views ----------------------------------------------------------------

MainViewExpert::MainViewExpert(TextMeasurer& measurer, CurrentOptions& options, NotificationBus& bus)
    : MainView(measurer, options), m_observer(bus)
{
    FontTrait f;
    copyFontTrait(f, getOptions().font);
    setFontAttribute(f);
    reset();
    m_observer.observe(note::kOptionsUpdate, [this](const Notification&) { optionsUpdate(); });
}

MainViewTest::MainViewTest(TextMeasurer& measurer, CurrentOptions& options) : MainView(measurer, options)
{
    StandardOptions::defaultWindowOptions(m_options);
    reset();
}

void MainViewTest::setOptions(const OptionsRecord& rec)
{
    m_options = rec;
    if (!isGraphics()) {
        FontTrait f = fontAttribute();
        copyFontTrait(f, rec.font);
        setFontAttribute(f);
        int32_t margin = checkForMargin(rec.windowWidth - 92);
        if (margin <= 0)
            margin = rec.font.margin;  // not a Formatted Page text: the record's column
        m_options.font.margin = margin;
    }
    if (mBorderView)
        mBorderView->setManualMargin(m_options.font.margin);
}

}  // namespace qor
