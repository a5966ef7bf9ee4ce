#include "text/TextData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

TextBuffer bytes(const std::string& s, TextEncoding enc = TextEncoding::Utf8)
{
    return TextBuffer::fromBytes(s, enc);
}

// One fetch, as the view sees it.
struct Fetch {
    std::string word; // "" when no word came back
    int32_t sentence;
    char separator;
    bool endWithCR;
    bool operator==(const Fetch&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Fetch& f)
{
    return os << "{'" << f.word << "', " << f.sentence << ", " << int(f.separator) << ", " << f.endWithCR
              << "}";
}

std::vector<Fetch> fetchAll(TextData& store, bool ignoreSeperator)
{
    std::vector<Fetch> out;
    while (!store.endOfText() && out.size() < 100) {
        int32_t len = -1, sent = -1;
        char sep = 'x';
        bool cr = true;
        const char* w = store.getNextWordAndLength(len, sent, ignoreSeperator, sep, cr);
        out.push_back({w ? std::string(w, static_cast<size_t>(len)) : std::string(), sent, sep, cr});
        if (!w) {
            EXPECT_EQ(len, 0);
        }
    }
    return out;
}

TEST(TextDataWords, WalksInBothSeparatorSettings)
{
    struct Case {
        std::string text;
        bool ignore;
        std::vector<Fetch> fetches;
    };
    const Case cases[] = {
        {"Hi there. Bye", true, {{"Hi", 0, 0, false}, {"there.", 1, ' ', false}, {"Bye", 1, ' ', false}}},
        {"Hi there. Bye",
         false,
         {{"Hi", 0, 0, false},
          {"", 0, ' ', false},
          {"there.", 1, 0, false},
          {"", 0, ' ', false},
          {"Bye", 1, 0, false}}},
        {"end.\tnext", true, {{"end.", 0, 0, false}, {"next", 1, ' ', false}}},
        {"end.\rnext", true, {{"end.", 1, 0, true}, {"next", 1, ' ', false}}},
        {"end.\"\rnext", true, {{"end.\"", 0, 0, true}, {"next", 1, ' ', false}}},
        {"word   \rx", true, {{"word", 0, 0, true}, {"x", 1, ' ', false}}},
        {"word\t\rx", true, {{"word", 0, 0, false}, {"x", 1, ' ', false}}},
        {"word\t\rx",
         false,
         {{"word", 0, 0, false}, {"", 0, '\t', false}, {"", 0, '\r', false}, {"x", 1, 0, false}}},
        // After the last word, trailing spaces give no word but a sentence end.
        {"last  ", true, {{"last", 0, 0, false}, {"", 1, ' ', false}}},
        {"  lead", true, {{"lead", 1, ' ', false}}},
    };
    for (const auto& c : cases) {
        TextData store;
        store.initData(bytes(c.text));
        EXPECT_EQ(fetchAll(store, c.ignore), c.fetches) << "'" << c.text << "' ignore " << c.ignore;
    }
}

TEST(TextDataWords, EmptyStoreGivesNothing)
{
    TextData store;
    int32_t len = 5, sent = 5, size = 5;
    char sep = 'x';
    bool cr = true;
    EXPECT_EQ(store.getNextWordAndLength(len, sent, true, sep, cr), nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(sent, 0);
    EXPECT_EQ(store.getNextFormattedLineAndLength(len), nullptr);
    EXPECT_EQ(store.bufferAndSize(size), nullptr);
    EXPECT_EQ(size, 0);
    EXPECT_EQ(store.percent(), 100);
    store.initData(bytes(""));
    EXPECT_EQ(store.getNextWordAndLength(len, sent, true, sep, cr), nullptr);
}

TEST(TextDataLines, SkipEmptyLinesExceptOnACR)
{
    TextData store;
    store.initData(bytes("one\r\r\rtwo\rthree"));
    std::vector<std::string> lines;
    int32_t len = 0;
    while (const char* l = store.getNextFormattedLineAndLength(len))
        lines.emplace_back(l, static_cast<size_t>(len));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three"}));
    store.setCurrent(3); // on a CR: one empty line
    ASSERT_NE(store.getNextFormattedLineAndLength(len), nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(store.current(), 6);
}

TEST(TextDataMoves, BackForwardAndNeedToGoBack)
{
    struct Case {
        std::string text;
        int32_t from;
        int32_t n;
        int32_t back;     // backWords(n, false)
        int32_t backKeep; // backWords(n, true)
        bool needToGoBack;
    };
    const Case cases[] = {
        {"aa bb cc", 6, 1, 3, 2, true},   {"aa bb cc", 6, 2, 0, 0, false}, // "aa" starts at 0
        {"aa bb cc", 8, 1, 6, 5, true},                                 // from the end the last word counts
        {"aa bb cc", 3, 1, 0, 0, false},  {" a bb", 3, 1, 0, 0, false}, // a word at offset 1 leads to 0 too
        {"  a bb", 4, 1, 2, 1, true},                                   // the n-th word starts at 2
        {"aa  \r bb", 6, 1, 0, 0, false}, {"aa bb  cc dd", 10, 2, 3, 2, true},
        {"aa bb", 0, 1, 0, 0, false},     {"aa bb", 3, 5, 0, 0, false},
    };
    for (const auto& c : cases) {
        TextData store;
        store.initData(bytes(c.text));
        store.setCurrent(c.from);
        EXPECT_EQ(store.needToGoBack(c.n), c.needToGoBack) << c.text << " from " << c.from;
        EXPECT_EQ(store.current(), c.from);
        store.backWords(c.n, false);
        EXPECT_EQ(store.current(), c.back) << c.text << " from " << c.from;
        store.setCurrent(c.from);
        store.backWords(c.n, true);
        EXPECT_EQ(store.current(), c.backKeep) << c.text << " from " << c.from << " keeping the space";
    }

    TextData store;
    store.initData(bytes("  aa bb\t\rcc"));
    store.forwardWords(1);
    EXPECT_EQ(store.current(), 2);
    store.forwardWords(2);
    EXPECT_EQ(store.current(), 9);
    store.forwardWords(3);
    EXPECT_EQ(store.current(), 11);
    EXPECT_TRUE(store.endOfText());
    store.setCurrent(4);
    store.pointToNextWord();
    EXPECT_EQ(store.current(), 5);
    store.pointToNextWord();
    EXPECT_EQ(store.current(), 5);
}

TEST(TextDataMoves, CursorAndStartStayInsideTheText)
{
    TextData store;
    store.initData(bytes("alpha beta"));
    for (int32_t from : {0, 4, 9, 10}) {
        store.setCurrent(from);
        store.forwardChars(100);
        EXPECT_EQ(store.current(), 9) << "forwardChars never reaches the end";
    }
    store.setCurrent(2);
    store.forwardChars(3);
    EXPECT_EQ(store.current(), 5);

    const std::pair<int32_t, int32_t> positions[] = {{-5, 0}, {4, 4}, {10, 10}, {11, 9}, {1 << 30, 9}};
    for (auto [offset, expected] : positions) {
        store.setPosition(offset);
        EXPECT_EQ(store.current(), expected) << offset;
        EXPECT_EQ(store.start(), expected) << "the block start is kept inside too: " << offset;
        EXPECT_EQ(store.startLen(), 10 - expected);
    }

    // An empty store keeps everything at 0, never at -1.
    TextData empty;
    empty.initData(bytes(""));
    for (int32_t offset : {5, -1, 0}) {
        empty.setCurrent(offset);
        EXPECT_EQ(empty.current(), 0);
        empty.setPosition(offset);
        EXPECT_EQ(empty.start(), 0);
        empty.forwardChars(offset);
        EXPECT_EQ(empty.current(), 0);
        EXPECT_EQ(empty.percent(), 100);
    }
}

TEST(TextDataPercent, JumpsAndReports)
{
    TextData store;
    store.initData(bytes("alpha beta"));
    const std::pair<int32_t, int32_t> jumps[] = {{0, 0},   {50, 6},  {30, 0}, {70, 6},
                                                 {100, 6}, {-20, 0}, {400, 6}};
    for (auto [p, cursor] : jumps) {
        store.setData(p);
        EXPECT_EQ(store.current(), cursor) << p;
        EXPECT_EQ(store.start(), cursor) << p;
    }
    store.setData(50);
    EXPECT_EQ(store.percent(), 60);
    store.setCurrent(10);
    EXPECT_EQ(store.percent(), 100);

    // 30 MB of words: the products need 64 bits.
    const int32_t size = 30 * 1000 * 1000;
    std::string big(static_cast<size_t>(size), 'w');
    for (size_t i = 9; i < big.size(); i += 10)
        big[i] = ' ';
    store.initData(bytes(big));
    for (int32_t p : {1, 25, 50, 99}) {
        store.setData(p);
        int64_t target = int64_t(p) * size / 100;
        EXPECT_LE(store.current(), target) << p;
        EXPECT_GT(store.current(), target - 10) << p;
        EXPECT_EQ(store.percent(), p) << p;
    }
}

TEST(TextDataSearch, FindsTheSentenceOfAWord)
{
    struct Case {
        std::string text;
        std::string word;
        int32_t from;
        int32_t cursor; // -1: not found
    };
    const std::string long255(255, 'q');
    const Case cases[] = {
        {"A cat. The dog ran.", "dog", 0, 7},
        {"bathe the end", "the", 0, 0},
        {"bathe the end", "The", 0, 0},
        {"bathe the end", "end", 0, -1}, // a match ending the text is never found
        {"One. Two! three four", "four", 0, -1},
        {"One. Two! three four ", "four", 0, 10},
        {"Go. We saw it. Then", "it", 0, 4}, // before sentence punctuation
        {"x cat.", "cat", 0, -1},            // the end of the text is no follower
        {"x cat.\r", "cat", 0, 0},
        {"x\tcat here", "cat", 0, -1},    // after a TAB
        {"x \"cat\" here", "cat", 0, -1}, // in quotes
        {"x cat, here", "cat", 0, -1},    // before a comma
        {"x\rcat here", "cat", 0, 0},
        {"dog at the start", "dog", 0, 0},
        {"One. dog two. dog three", "dog", 6, 14}, // from the cursor on
        {"ab cd", "", 0, -1},
        {"x " + long255 + " y", long255, 0, 0},
        {"x " + long255 + "q y", long255 + "q", 0, -1}, // 256 bytes: refused
    };
    for (const auto& c : cases) {
        TextData store;
        store.initData(bytes(c.text));
        store.setCurrent(c.from);
        store.setStart();
        bool found = store.searchForSentence(c.word.c_str());
        EXPECT_EQ(found, c.cursor >= 0) << c.word << " in " << c.text;
        EXPECT_EQ(store.current(), found ? c.cursor : c.from) << c.word << " in " << c.text;
        EXPECT_EQ(store.start(), c.from) << "the block start does not move";
    }
    TextData empty;
    EXPECT_FALSE(empty.searchForSentence("a"));
    EXPECT_FALSE(empty.searchForSentence(nullptr));
}

TEST(TextDataSearch, SearchesInTheBuffersOwnEncoding)
{
    TextData utf8;
    utf8.initData(bytes("Le caf\xC3\xA9 est bon. Un th\xC3\xA9 noir ici."));
    EXPECT_TRUE(utf8.searchForSentenceText("th\xC3\xA9"));
    EXPECT_EQ(utf8.current(), 18); // "Un"
    utf8.setCurrent(0);
    EXPECT_FALSE(utf8.searchForSentenceText("TH\xC3\x89")) << "only ASCII letters fold";

    TextData roman;
    roman.initData(bytes("Le caf\x8E est bon. Un th\x8E noir ici.", TextEncoding::MacRoman));
    EXPECT_TRUE(roman.searchForSentenceText("th\xC3\xA9"));
    EXPECT_EQ(roman.current(), 17); // "Un"
    roman.setCurrent(0);
    EXPECT_FALSE(roman.searchForSentenceText("\xE6\x97\xA5")) // not in Mac OS Roman
        << "a character the buffer cannot hold is not found";
    EXPECT_FALSE(roman.searchForSentenceText(""));
}

TEST(TextDataBuffer, TakesOwnershipAndResets)
{
    TextData store;
    TextBuffer b = bytes("some words here", TextEncoding::MacRoman);
    const char* raw = b.data();
    store.initData(std::move(b));
    store.setPosition(5);
    int32_t size = 0;
    EXPECT_EQ(store.bufferAndSize(size), raw);
    EXPECT_EQ(size, 15);
    EXPECT_EQ(store.encoding(), TextEncoding::MacRoman);
    EXPECT_EQ(std::string(store.startWords()), "words here");
    store.initData(bytes("new"));
    EXPECT_EQ(store.current(), 0);
    EXPECT_EQ(store.start(), 0);
    EXPECT_EQ(std::string(store.currentWords()), "new");
    store.init();
    EXPECT_EQ(store.bufferAndSize(size), nullptr);
    EXPECT_EQ(size, 0);
}

} // namespace
} // namespace qor
