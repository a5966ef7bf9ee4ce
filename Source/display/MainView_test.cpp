// The reading view's engine, laid out with a fixed-width measurer: every
// byte is 10 points wide, every line 20 points high. With a column
// `margin` M the text column is M - 5 wide and starts at (view width - M) / 2;
// the usable height is the view height - 13.
#include "display/MainView.h"

#include "display/BorderView.h"
#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

struct Chunk {
    int32_t words;
    std::string lines;  // the chunk's lines joined by "|"
    DelayCounts counts;
};

class ViewTest : public ::testing::Test {
protected:
    ViewTest()
    {
        holder.setUserFolderSource([] { return std::string(); });
        rec = holder.options();
        view = std::make_unique<MainViewExpert>(measurer, holder, bus);
    }

    void configure(int mode, int opt, int num, int margin, float viewWidth = 400, float viewHeight = 213,
                   bool combine = false)
    {
        rec.displayMode.mode = mode;
        rec.displayMode.modeOpt = opt;
        rec.displayMode.modeOptNum = num;
        rec.displayMode.modeOptCombineRes = combine ? 1 : 0;
        rec.font.margin = margin;
        holder.setOptions(rec);
        rec = holder.options();
        view->setViewSize(viewWidth, viewHeight);
    }

    void load(std::string_view text)
    {
        view->initData(TextBuffer::fromBytes(text, TextEncoding::Utf8));
        view->setPosition(0);
    }

    std::string shown() const
    {
        std::string s;
        for (int i = 0; i < view->lineCount(); ++i) {
            if (i)
                s += "|";
            s += view->line(i);
        }
        return s;
    }

    Chunk next(bool resetLine = false)
    {
        Chunk c;
        int32_t delay = 0, chars = 0;
        c.words = view->displayTextBurst(c.counts, delay, chars, resetLine);
        c.lines = shown();
        return c;
    }

    // The chunk on screen after loading, then every further one.
    std::vector<std::string> allChunks(int limit = 200)
    {
        std::vector<std::string> out{shown()};
        for (int i = 0; i < limit; ++i) {
            Chunk c = next();
            if (c.words == 0)
                break;
            out.push_back(c.lines);
        }
        return out;
    }

    FixedWidthMeasurer measurer{10, 20};
    NotificationBus bus;
    CurrentOptions holder;
    OptionsRecord rec;
    std::unique_ptr<MainViewExpert> view;
};

using Lines = std::vector<std::string>;

// --- chunking, every mode and option -------------------------------------------------

TEST_F(ViewTest, ChunkTablesForTheLineBuilder)
{
    struct Case {
        const char* name;
        int mode, opt, num, margin;
        const char* text;
        Lines chunks;
    };
    const Case cases[] = {
        {"center, one word", 0, 0, 1, 105, "one two three", {"one ", "two ", "three "}},
        // Room for two of the next three words: the third comes next.
        {"N=3, room for two", 0, 0, 3, 95, "aaa bbb ccc ddd", {"aaa bbb ", "ccc ddd "}},
        {"sentence, Mr.", 0, 3, 1, 305, "Mr. Smith came.", {"Mr. ", "Smith came. "}},
        {"phrases by newline", 0, 4, 1, 305, "one two\rthree four\rfive", {"one two ", "three four ", "five "}},
        {"phrases by punctuation", 1, 5, 1, 305, "a, b c; d e", {"a, ", "b c; ", "d e "}},
        // Whole lines reflowed to the column, two per chunk.
        {"whole lines N=2", 1, 2, 2, 75, "aa bb cc dd ee ff", {"aa bb |cc dd ", "ee ff "}},
        // Unformatted page: paragraph breaks vanish.
        {"unformatted page", 3, 6, 0, 105, "aa bb\r\rcc dd", {"aa bb cc |dd "}},
        // Formatted page: a TAB is five spaces, two CRs give one blank line,
        // a run of spaces stays.
        {"formatted page", 4, 6, 0, 205, "\tab\r\rcd  ef", {"     ab||cd  ef"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        configure(c.mode, c.opt, c.num, c.margin);
        load(c.text);
        EXPECT_EQ(allChunks(), c.chunks);
    }
}

TEST_F(ViewTest, CenterTextCentresOneWordBothWays)
{
    configure(0, 0, 1, 105, 205, 213);
    load("one two");
    // Column 100 wide from 50; "one " is 40 wide; usable height 200.
    EXPECT_FLOAT_EQ(view->sX(), 80);
    EXPECT_FLOAT_EQ(view->sY(), 90);
    Chunk c = next();
    EXPECT_EQ(c.words, 1);
    EXPECT_EQ(c.counts.flashes, 1);
    DisplayFrame f;
    view->frame(f);
    ASSERT_EQ(f.texts.size(), 1u);
    EXPECT_EQ(f.texts[0].bytes, "two");
}

TEST_F(ViewTest, UpperLeftEveryChunkIsANewScreenAtTheTopLeft)
{
    configure(1, 0, 2, 105, 205, 213);
    load("aa bb cc dd");
    Chunk c = next();
    EXPECT_EQ(c.lines, "cc dd ");
    EXPECT_EQ(c.counts.flashes, 1);
    EXPECT_FLOAT_EQ(view->sX(), 50);
    EXPECT_FLOAT_EQ(view->sY(), 0);
}

TEST_F(ViewTest, EyeTrainerChunksFollowAlongTheLineThenTheNextRowThenThePage)
{
    // Column 130 from 35, usable height 67: rows at 0, 20 and 40.
    configure(2, 0, 2, 135, 205, 80);
    load("aa bb cc dd ee ff gg hh ii jj kk ll");
    struct Step {
        const char* lines;
        float x, y;
        int flashes;
    };
    const Step steps[] = {
        {"cc dd ", 95, 0, 0},   // after "aa bb " on the same line
        {"ee ff ", 35, 20, 0},  // does not fit: the next row
        {"gg hh ", 95, 20, 0},
        {"ii jj ", 35, 40, 0},
        // No line is left below the last row: the page starts again.
        {"kk ll ", 35, 0, 1},
    };
    EXPECT_EQ(shown(), "aa bb ");
    for (const Step& s : steps) {
        SCOPED_TRACE(s.lines);
        Chunk c = next();
        EXPECT_EQ(c.lines, s.lines);
        EXPECT_FLOAT_EQ(view->sX(), s.x);
        EXPECT_FLOAT_EQ(view->sY(), s.y);
        EXPECT_EQ(c.counts.flashes, s.flashes);
    }
}

TEST_F(ViewTest, EyeTrainerFixationsFillTheZonesInTurn)
{
    // Column 300 from 47.5: zones end at 147.5, 247.5 and 347.5. A word
    // more than half inside a zone is still taken.
    configure(2, 1, 3, 305, 400, 213);
    load("aaa bbb ccc ddd eee fff ggg hhh");
    EXPECT_EQ(allChunks(), (Lines{"aaa bbb ccc ", "ddd eee ", "fff ggg ", "hhh "}));
    EXPECT_FLOAT_EQ(view->sX(), 47.5f);  // the next line, zone 1 again
    EXPECT_FLOAT_EQ(view->sY(), 20);
}

TEST_F(ViewTest, EndOfTextWithAndWithoutResetLine)
{
    configure(0, 0, 1, 105);
    load("one two");
    EXPECT_EQ(next().words, 1);  // "two"
    Chunk c = next();
    EXPECT_EQ(c.words, 0);
    c = next(true);
    EXPECT_EQ(c.words, 0);
    EXPECT_EQ(c.lines, "two ");  // the last word shown again
    EXPECT_EQ(c.counts.words, 0);
}

TEST_F(ViewTest, EndOfTextRepeatInAMultiLineChunkShowsTheLastWordOnce)
{
    // The text ends after a line end: the page's second line starts at the
    // end of the text, with the first line already shown.
    configure(4, 6, 0, 205, 300, 213);
    load("aa bb\r");
    EXPECT_EQ(shown(), "aa bb");
    EXPECT_EQ(next().words, 0);
    // Shown again at the end: the last word alone, once.
    Chunk c = next(true);
    EXPECT_EQ(c.words, 0);
    EXPECT_EQ(c.lines, "bb");
}

// --- the highlight builder -------------------------------------------------------------

TEST_F(ViewTest, HighlightWordsRunAlongThePageOverItsText)
{
    configure(3, 7, 2, 105, 205, 213);
    load("aa bb cc dd ee ff");
    EXPECT_EQ(shown(), "aa bb");
    EXPECT_EQ(view->backgroundLine(0), "aa bb cc");
    Chunk c = next();
    EXPECT_EQ(c.lines, " cc");  // the rest of the first line
    EXPECT_EQ(c.counts.displayLines, 0);
    c = next();
    EXPECT_EQ(c.lines, "dd ee");
    EXPECT_EQ(c.counts.displayLines, 1);
    EXPECT_FLOAT_EQ(view->sY(), 20);
    DisplayFrame f;
    view->frame(f);
    // Page text first, then the highlighted run at its place.
    ASSERT_GE(f.texts.size(), 2u);
    EXPECT_FALSE(f.texts.front().highlight);
    EXPECT_TRUE(f.texts.back().highlight);
    EXPECT_EQ(f.texts.back().bytes, "dd ee");
}

TEST_F(ViewTest, HighlightedRunIsDrawnWithoutItsLeadingSpace)
{
    configure(3, 7, 2, 205, 305, 213);
    load("aa bb word here");
    Chunk c = next();
    EXPECT_EQ(c.lines, " word here");
    DisplayFrame f;
    view->frame(f);
    EXPECT_EQ(f.texts.back().bytes, "word here");
    EXPECT_FLOAT_EQ(f.texts.back().x, view->sX() + 10);
}

TEST_F(ViewTest, HighlightWholeLinesKeepsABlankLineInTheChunk)
{
    configure(4, 9, 2, 505, 600, 213);
    load("aa bb\r\rcc dd\ree ff");
    EXPECT_EQ(shown(), "aa bb||cc dd");
    Chunk c = next();
    EXPECT_EQ(c.lines, "ee ff");
}

TEST_F(ViewTest, FormattedHighlightAfterThreeLineEndsStartsTwoLinesLower)
{
    configure(4, 7, 1, 505, 600, 213);
    load("aa\rbb");
    next();
    const float oneBreak = view->sY();
    load("aa\r\r\rbb");
    next();
    EXPECT_FLOAT_EQ(view->sY() - oneBreak, 40);
}

TEST_F(ViewTest, FormattedHighlightPassesLinesOfBlanks)
{
    configure(4, 7, 2, 505, 600, 213);
    load("aa\r  \r \rbb cc");
    Lines chunks = allChunks();
    EXPECT_EQ(chunks, (Lines{"aa", "bb cc"}));
}

TEST_F(ViewTest, HighlightFixationsUseTheZones)
{
    configure(3, 8, 2, 205, 300, 213);
    load("aaaa bbbb cccc dddd");
    Lines chunks = allChunks();
    ASSERT_GE(chunks.size(), 2u);
    EXPECT_EQ(chunks[0], "aaaa bbbb");
    EXPECT_EQ(chunks[1], " cccc dddd");
}

// --- back steps ----------------------------------------------------------------------------

TEST_F(ViewTest, BackStepTables)
{
    struct Case {
        const char* name;
        int mode, opt, num, margin;
        const char* text;
        Lines chunks;  // as shown going forward; a step back from the last
                       // shows the one before it
    };
    const Case cases[] = {
        {"words", 0, 0, 2, 105, "aa bb cc dd ee ff", {"aa bb ", "cc dd ", "ee ff "}},
        {"sentences", 0, 3, 1, 305, "One a. Two b. Three c.", {"One a. ", "Two b. ", "Three c. "}},
        {"two sentences", 0, 3, 2, 305, "A. B. C. D. E.", {"A. B. ", "C. D. ", "E. "}},
        {"newline phrases", 0, 4, 1, 305, "a b\rc d\re f", {"a b ", "c d ", "e f "}},
        {"punctuation", 1, 5, 1, 305, "a, b; c, d", {"a, ", "b; ", "c, ", "d "}},
        {"whole lines", 1, 2, 1, 75, "aa bb cc dd ee ff", {"aa bb ", "cc dd ", "ee ff "}},
        {"eye trainer words", 2, 0, 2, 205, "aa bb cc dd ee ff", {"aa bb ", "cc dd ", "ee ff "}},
        {"page", 3, 6, 0, 75, "aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu vv",
         {"aa bb |cc dd |ee ff |gg hh |ii jj |kk ll |mm nn |oo pp |qq rr |ss tt ", "uu vv "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        configure(c.mode, c.opt, c.num, c.margin, 300, 213);
        load(c.text);
        ASSERT_EQ(allChunks(), c.chunks);
        load(c.text);
        for (size_t i = 1; i < c.chunks.size(); ++i)
            next();
        bool highlight = true;
        ASSERT_TRUE(view->backBlock(highlight));
        EXPECT_FALSE(highlight);
        EXPECT_EQ(next(true).lines, c.chunks[c.chunks.size() - 2]);
    }
    // The first chunk of the text: nothing to go back to.
    configure(0, 0, 1, 105);
    load("aa bb");
    bool highlight = true;
    EXPECT_FALSE(view->backBlock(highlight));
    EXPECT_EQ(view->position(), 0);
}

TEST_F(ViewTest, HighlightStepBackShowsThePreviousChunkAsItWasShown)
{
    configure(3, 7, 2, 105, 205, 100);
    load("aa bb cc dd ee ff gg hh ii jj kk ll mm nn");
    std::vector<std::pair<std::string, float>> seen{{shown(), view->sY()}};
    for (int i = 0; i < 6; ++i) {
        next();
        seen.push_back({shown(), view->sY()});
    }
    for (int i = 5; i >= 0; --i) {
        bool highlight = false;
        ASSERT_TRUE(view->backBlock(highlight));
        EXPECT_TRUE(highlight);
        EXPECT_EQ(shown(), seen[static_cast<size_t>(i)].first) << i;
        EXPECT_FLOAT_EQ(view->sY(), seen[static_cast<size_t>(i)].second) << i;
    }
    bool highlight = false;
    EXPECT_FALSE(view->backBlock(highlight));
    // Forward again gives the same chunks.
    EXPECT_EQ(next().lines, seen[1].first);
}

TEST_F(ViewTest, HighlightStepBackAfterAJumpLaysOutAPageNearby)
{
    configure(3, 7, 2, 105, 205, 100);
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "w" + std::to_string(i % 10) + " ";
    load(text);
    view->setPosition(300);  // a jump: nothing kept before it
    const int32_t at = view->position();
    bool highlight = false;
    ASSERT_TRUE(view->backBlock(highlight));
    EXPECT_TRUE(highlight);
    EXPECT_LT(view->position(), at);
    EXPECT_GT(view->position(), at - 60);
}

TEST_F(ViewTest, BurstRepeatGoesBackToTheBurstStart)
{
    configure(0, 0, 1, 105);
    load("aa bb cc dd");
    next();
    const int32_t burst = view->position();
    next();
    next();
    bool highlight = true;
    ASSERT_TRUE(view->backToPos(burst, highlight));
    EXPECT_FALSE(highlight);
    EXPECT_EQ(next(true).lines, "bb ");

    configure(3, 7, 1, 105, 205, 213);
    load("aa bb cc dd ee");
    next();
    const int32_t hlBurst = view->position();
    const std::string hlShown = shown();
    next();
    next();
    ASSERT_TRUE(view->backToPos(hlBurst, highlight));
    EXPECT_TRUE(highlight);
    EXPECT_EQ(shown(), hlShown);
}

TEST_F(ViewTest, WordMovesAndSearch)
{
    configure(0, 0, 1, 105);
    load("The cat sat. Then other bathe. A dog ran.");
    view->forwardOneWord();
    EXPECT_EQ(next(true).lines, "cat ");
    view->backwardOneWord();
    EXPECT_EQ(next(true).lines, "The ");
    // 'the' only inside other words: nothing moves.
    load("An other bathe.");
    const int32_t before = view->position();
    EXPECT_FALSE(view->searchString("the"));
    EXPECT_EQ(view->position(), before);
    load("The cat sat. A dog ran.");
    EXPECT_TRUE(view->searchString("dog"));
    EXPECT_EQ(shown(), "A ");
}

// --- Formatted Page widths --------------------------------------------------------------

TEST_F(ViewTest, LongestLineAndCheckForMargin)
{
    configure(4, 6, 0, 405, 500, 213);
    load("short\r\rthe longest line here\rmid");
    EXPECT_EQ(view->longestLine(), 210 + 15);
    EXPECT_EQ(view->position(), 0);  // the cursor is restored
    EXPECT_EQ(view->checkForMargin(1000), 220);
    EXPECT_EQ(view->checkForMargin(100), 100);
    load("ab");
    EXPECT_EQ(view->checkForMargin(1000), 35);
    configure(0, 0, 1, 105);
    EXPECT_EQ(view->checkForMargin(1000), 0);
}

// --- delays ----------------------------------------------------------------------------------

TEST_F(ViewTest, AnalyzeDelaysTable)
{
    struct Case {
        const char* line;
        int mode;
        bool longWord, lineStart, pageStart, sentence, punct, minimum;
        int expected;
    };
    const Case cases[] = {
        {"extraordinary ideas", 1, true, false, false, false, false, false, 300},
        {"big ideas", 1, true, false, false, false, false, false, 0},
        // Upper Left: the chunk starts a line and a page; the long word replaces.
        {"extraordinary ideas", 1, true, false, true, false, false, false, 300},
        {"extraordinary ideas", 1, true, false, true, false, false, true, 500},
        {"big ideas", 1, false, false, true, false, false, false, 900},
        {"e.g. this", 1, false, false, false, true, false, false, 400},
        {"3.14", 1, false, false, false, true, false, false, 400},
        {"a, b", 1, false, false, false, false, true, false, 450},
        // Center Text: no chunk starts a line.
        {"big ideas", 0, false, true, false, false, false, false, 0},
        {"big ideas", 1, false, true, false, false, false, false, 700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        rec.delay.longWordDelay = 300;
        rec.delay.wordLength = 8;
        rec.delay.beginningOfPageDelay = 900;
        rec.delay.beginningOfLineDelay = 700;
        rec.delay.sentenceDelay = 400;
        rec.delay.punctuationDelay = 450;
        rec.delay.minimumDelay = 500;
        rec.delay.bLongWordDelay = c.longWord;
        rec.delay.bBeginningOfLineDelay = c.lineStart;
        rec.delay.bBeginningOfPageDelay = c.pageStart;
        rec.delay.bSentenceDelay = c.sentence;
        rec.delay.bPuctuationDelay = c.punct;
        rec.delay.bMinimumDelay = c.minimum;
        configure(c.mode, 0, 1, 305);
        load("x");
        if (c.mode == 1) {
            view->resetToTopOfPage();
        }
        EXPECT_EQ(view->analyzeDelays(c.line), c.expected);
    }
    EXPECT_EQ(MainView::getCharCount("Hi, you."), 5);
    EXPECT_EQ(MainView::countPunctuations("Hi, you."), 2);
}

TEST_F(ViewTest, ChunkReportsCountsAndDelay)
{
    rec.delay.bSentenceDelay = 1;
    rec.delay.sentenceDelay = 400;
    configure(1, 3, 1, 305);
    load("Hi. Go now, fast. Next\rone.");
    Chunk c = next();
    EXPECT_EQ(c.words, 3);
    EXPECT_EQ(c.counts.words, 3);
    EXPECT_EQ(c.counts.sentences, 1);
    EXPECT_EQ(c.counts.punctuations, 2);
    EXPECT_EQ(c.counts.flashes, 1);
    int32_t delay = 0, chars = 0;
    DelayCounts dc;
    view->displayTextBurst(dc, delay, chars, false);
    EXPECT_EQ(dc.newlines, 1);
    EXPECT_EQ(delay, 400);
    EXPECT_EQ(chars, 7);  // "Next one" without the mark
}

// --- faults mended -----------------------------------------------------------------------------

TEST_F(ViewTest, ChunksStayWithinAHundredLinesOf255Bytes)
{
    FixedWidthMeasurer tiny(0.01f, 1);
    auto v = std::make_unique<MainViewExpert>(tiny, holder, bus);
    rec.displayMode = {3, 6, 0, 0};
    rec.font.margin = 8000;
    holder.setOptions(rec);
    v->setViewSize(9000, 2000);
    std::string word(255, 'x');
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += word + " ";
    v->initData(TextBuffer::fromBytes(text, TextEncoding::Utf8));
    v->setPosition(0);
    EXPECT_LE(v->lineCount(), kMaxChunkLines);
    EXPECT_EQ(v->lineCount(), kMaxChunkLines);
    for (int i = 0; i < v->lineCount(); ++i)
        EXPECT_LE(v->line(i).size(), 255u);
    EXPECT_EQ(v->line(0), word);  // no room for the trailing space
    // The highlight options too, and the page text behind them.
    rec.displayMode = {3, 9, 20, 0};
    holder.setOptions(rec);
    v->setPosition(0);
    EXPECT_LE(v->backgroundLineCount(), kMaxChunkLines);
    for (int i = 0; i < v->backgroundLineCount(); ++i)
        EXPECT_LE(v->backgroundLine(i).size(), 255u);
}

TEST_F(ViewTest, EyeTrainerPageResetsWhenNoLineIsLeft)
{
    // Two-line chunks in a usable height of 57: below the second row the
    // lines-left count goes below zero, and must still reset the page.
    configure(2, 2, 2, 105, 205, 70);
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "ab ";
    load(text);
    int shownChunks = 0;
    while (next().words > 0 && shownChunks < 100)
        ++shownChunks;
    EXPECT_TRUE(view->endOfText());
    EXPECT_GE(shownChunks, 5);
}

TEST_F(ViewTest, FormattedSpaceThatDoesNotFitGivesBackOnlyItself)
{
    // Column 55: "abcd" and one space fill it; the second space does not
    // fit and goes to the next line alone, the word stays where it is.
    configure(4, 6, 0, 60, 300, 213);
    load("abcd  efgh");
    EXPECT_EQ(shown(), "abcd | efgh");
}

TEST_F(ViewTest, WideWordsAreShownAloneClippedInEveryOption)
{
    const std::string url = "http://example.invalid/a/very/long/address";
    for (int opt : {0, 7, 9}) {
        SCOPED_TRACE(opt);
        configure(opt == 0 ? 1 : 3, opt, 1, 105, 205, 213);
        load("go " + url + " on");
        Lines chunks = allChunks();
        std::string all;
        for (const std::string& c : chunks)
            all += c + "#";
        EXPECT_NE(all.find(url), std::string::npos);
        EXPECT_NE(all.find("on"), std::string::npos) << all;
    }
}

TEST_F(ViewTest, ReplayAndBurstStartsEndWithinTheText)
{
    configure(3, 7, 1, 105, 205, 100);
    load("aa bb cc");
    bool highlight = false;
    // A burst start from a longer text, and one before the text.
    EXPECT_TRUE(view->backToPos(1 << 30, highlight));
    EXPECT_LE(view->position(), 8);
    EXPECT_TRUE(view->backToPos(-5, highlight));
    EXPECT_EQ(view->position(), 0);
    load("");
    EXPECT_FALSE(view->backBlock(highlight));
    EXPECT_TRUE(view->backToPos(3, highlight));
}

TEST_F(ViewTest, SearchTakesAtMost255BytesAndIgnoresEmptyOrUnencodable)
{
    configure(0, 0, 1, 105);
    load("A word here. Another one.");
    const int32_t before = view->position();
    EXPECT_FALSE(view->searchString(""));
    EXPECT_FALSE(view->searchString(std::string(510, 'w')));
    EXPECT_EQ(view->position(), before);
    // A Mac OS Roman text cannot hold this character.
    view->initData(TextBuffer::fromBytes("A word. B", TextEncoding::MacRoman));
    EXPECT_FALSE(view->searchString("\xe4\xb8\xad"));
}

TEST_F(ViewTest, FontNameIsCutTo255Bytes)
{
    FontTrait f;
    f.fontName = std::string(300, 'F');
    f.size = 0;
    view->setFontAttribute(f);
    EXPECT_EQ(view->fontAttribute().fontName.size(), 255u);
    EXPECT_GE(view->fontAttribute().size, 1);
    FixedWidthMeasurer flat(10, 0);
    EXPECT_GE(flat.lineHeight(), 1.0f);
}

TEST_F(ViewTest, KeptChunkStartsAreDroppedOnChange)
{
    configure(3, 7, 1, 105, 205, 213);
    load("aa bb cc dd ee");
    next();
    next();
    EXPECT_GE(view->keptChunkStarts(), 3u);
    view->setViewSize(305, 213);
    EXPECT_LE(view->keptChunkStarts(), 1u);
    next();
    configure(3, 7, 2, 105, 305, 213);
    bool highlight = false;
    view->backBlock(highlight);
    EXPECT_LE(view->keptChunkStarts(), 2u);
    load("new text");
    EXPECT_LE(view->keptChunkStarts(), 1u);
}

// --- the test panel's view and the border strip --------------------------------------------

TEST(MainViewTest, RunsOnItsOwnRecordAndFixesTheBorder)
{
    FixedWidthMeasurer m;
    NotificationBus bus;
    CurrentOptions holder;
    holder.setUserFolderSource([] { return std::string(); });
    MainViewTest view(m, holder);
    BorderView border(holder, bus, false);
    view.setBorderView(&border);
    OptionsRecord rec;
    StandardOptions::defaultWindowOptions(rec);
    rec.font.margin = 300;
    rec.windowWidth = 50;  // a limit below zero: the record's column stays
    view.setOptions(rec);
    EXPECT_EQ(view.getOptions().font.margin, 300);
    EXPECT_TRUE(border.manualOverride());
    EXPECT_EQ(border.getMargin(), 300);
    EXPECT_EQ(holder.options().font.margin, 553);  // the reader's record is untouched

    // Formatted Page: the column follows the text.
    view.initData(TextBuffer::fromBytes("abcdefghij klm\rno", TextEncoding::Utf8));
    rec.displayMode = {4, 6, 0, 0};
    rec.windowWidth = 1000;
    view.setOptions(rec);
    EXPECT_EQ(view.getOptions().font.margin, 150);
    EXPECT_EQ(border.getMargin(), 150);
}

TEST(BorderView, MarginTable)
{
    NotificationBus bus;
    CurrentOptions holder;
    holder.setUserFolderSource([] { return std::string(); });
    BorderView border(holder, bus, true);
    border.setStripWidth(400);
    struct Press {
        float x;
        bool starts;
        int margin;
    };
    const Press presses[] = {
        {10, false, -1},  // within 16 points of the edge
        {395, false, -1},
        {190, true, 40},  // near the centre: a 40-point column
        {100, true, 200},
        {350, true, 300},
    };
    for (const Press& p : presses) {
        SCOPED_TRACE(p.x);
        const int before = border.getMargin();
        EXPECT_EQ(border.mouseDown(p.x, 5), p.starts);
        EXPECT_EQ(border.getMargin(), p.margin < 0 ? before : p.margin);
        border.mouseUp();
    }
    EXPECT_FALSE(border.mouseDown(100, 30));  // below the marker band
    // Dragging stops 24 points from the edges and ignores the centre.
    ASSERT_TRUE(border.mouseDown(100, 5));
    border.mouseDragged(2);
    EXPECT_EQ(border.getMargin(), 400 - 48);
    border.mouseDragged(205);
    EXPECT_EQ(border.getMargin(), 400 - 48);
    border.mouseUp();
    EXPECT_FLOAT_EQ(border.leftMarkerCentre(), 24 - 3);
    EXPECT_FLOAT_EQ(border.rightMarkerCentre(), 376 + 3);
    // A narrower strip narrows the column on resize, never below 40.
    border.setStripWidth(200);
    EXPECT_EQ(border.getMargin(), 160);
    border.setStripWidth(30);
    EXPECT_EQ(border.getMargin(), 40);
    EXPECT_GT(holder.options().font.margin, 0);
}

TEST(BorderView, OnlyTheReadingWindowsStripMaximizes)
{
    NotificationBus bus;
    CurrentOptions holder;
    holder.setUserFolderSource([] { return std::string(); });
    BorderView reading(holder, bus, true);
    BorderView panel(holder, bus, false);
    panel.setManualMargin(100);
    reading.setStripWidth(500);
    panel.setStripWidth(500);
    EXPECT_EQ(bus.observerCount(note::kMaximizeMargins), 1u);
    bus.post(note::kMaximizeMargins);
    EXPECT_EQ(reading.getMargin(), 500 - 44);
    EXPECT_EQ(panel.getMargin(), 100);
}

// --- pictures -----------------------------------------------------------------------------------

class FakeImage : public SequenceImage {
public:
    FakeImage(int w, int h) : m_w(w), m_h(h) {}
    int width() const override { return m_w; }
    int height() const override { return m_h; }

private:
    int m_w, m_h;
};

class SizedLoader : public ImageLoader {
public:
    std::shared_ptr<SequenceImage> load(const std::string& path) override
    {
        if (path.find("big") != std::string::npos)
            return std::make_shared<FakeImage>(1000, 1000);
        if (path.find("missing") != std::string::npos)
            return nullptr;
        return std::make_shared<FakeImage>(100, 50);
    }
};

TEST_F(ViewTest, PictureModeSkipsPicturesTooLargeInAnAdvanceStep)
{
    SizedLoader loader;
    auto list = std::make_unique<DispImg>();
    list->parse("// t\n// QUORLINTH IMAGE FILE\n10,20,30\nbig.png,0,5,5,100,0\na.png,0,5,5,100,0\n", "/ss", loader);
    view->setViewSize(640, 480);
    view->setGraphicsList(std::move(list));
    ASSERT_TRUE(view->isGraphics());
    EXPECT_EQ(view->graphicsList()->currentIndex(), 1);
    DisplayFrame f;
    view->frame(f);
    ASSERT_NE(f.picture, nullptr);
    EXPECT_FLOAT_EQ(f.pictureX, 270);
    EXPECT_FLOAT_EQ(f.pictureY, 215);
    EXPECT_EQ(f.background.red, 10 * 257);
    view->frame(f);  // painting again moves nothing
    EXPECT_EQ(view->graphicsList()->currentIndex(), 1);
    EXPECT_FALSE(view->nextPicture());

    // No picture lines: the background only.
    auto empty = std::make_unique<DispImg>();
    empty->parse("// t\n// QUORLINTH IMAGE FILE\n0,0,255\n", "/ss", loader);
    view->setGraphicsList(std::move(empty));
    EXPECT_FALSE(view->advancePictures());
    view->frame(f);
    EXPECT_EQ(f.picture, nullptr);
    EXPECT_EQ(f.background.blue, 65535);
    EXPECT_FALSE(view->nextPicture());
}

TEST_F(ViewTest, SingleCharacterIsCentredAndASpaceClearsIt)
{
    configure(0, 0, 1, 105, 205, 213);
    load("one");
    view->displayChar('X');
    DisplayFrame f;
    view->frame(f);
    ASSERT_TRUE(f.singleChar);
    ASSERT_EQ(f.texts.size(), 1u);
    EXPECT_FLOAT_EQ(f.texts[0].x, 102.5f - 5);
    view->displayChar(' ');
    view->frame(f);
    EXPECT_FALSE(f.singleChar);
    EXPECT_TRUE(f.texts.empty());
}

}  // namespace
}  // namespace qor
