#include "text/QorFile.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using namespace std::string_literals;

// Runs an in-place cleaning on a copy and checks that the bytes it gave up
// are zero.
template <typename F> std::string runInPlace(const std::string& in, F&& f)
{
    std::vector<char> buf(in.begin(), in.end());
    buf.push_back('\x7f'); // a guard the operation must not touch
    int32_t n = f(buf.data(), static_cast<int32_t>(in.size()));
    EXPECT_GE(n, 0);
    EXPECT_LE(n, static_cast<int32_t>(in.size()));
    for (size_t i = static_cast<size_t>(n); i < in.size(); ++i)
        EXPECT_EQ(buf[i], 0) << "byte " << i << " after the new size is not zero";
    EXPECT_EQ(buf.back(), '\x7f');
    return std::string(buf.data(), static_cast<size_t>(n));
}

std::string clean(const std::string& in, bool removeAtSign)
{
    return runInPlace(in, [&](char* b, int32_t n) { return QorFile::cleanData(b, n, removeAtSign); });
}

std::string letters(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s.push_back(static_cast<char>('a' + i % 26));
    return s;
}

// n copies of a two-byte UTF-8 letter.
std::string accented(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += "\xC3\xA9";
    return s;
}

struct CleanCase {
    const char* what;
    std::string in;
    std::string out;
};

TEST(CleanData, IsByteExact)
{
    std::string kept;
    kept.push_back('\x7f');
    for (int c = 128; c <= 254; ++c)
        kept.push_back(static_cast<char>(c));
    std::string dropped;
    for (int c = 0; c < 32; ++c)
        if (c != 9 && c != 10 && c != 13)
            dropped.push_back(static_cast<char>(c));
    dropped.push_back('\xff');
    const std::string six = letters(600);

    const CleanCase cases[] = {
        {"CR LF and the spaces before it go", "one two  \r\nthree", "one two\rthree"},
        {"a lone LF becomes CR, the space before it stays", "a \nb", "a \rb"},
        {"leading CR and TAB go, leading spaces stay", "\r\r\t  Hello", "  Hello"},
        {"spaces directly before a CR go even at the start", " \r a", " a"},
        {"a dropped byte between space and CR keeps the space", "a \x01\rb", "a \rb"},
        {"spaces before a CR that follows a CR LF", "a\r\n   \rb", "a\r\rb"},
        {"CR LF LF is two line ends", "a\r\n\nb", "a\r\rb"},
        {"LF CR LF is two line ends", "a\n\r\nb", "a\r\rb"},
        {"TABs inside stay, trailing separators go", "a\tb \t\r \r\n", "a\tb"},
        {"only separators", " \r\t ", ""},
        {"control bytes and 255 vanish", "x"s + dropped + "y", "xy"},
        {"127 and 128 to 254 stay", kept, kept},
        {"600 letters become 255, 255 and 88", six,
         six.substr(0, 255) + " " + six.substr(256, 255) + " " + six.substr(512)},
        {"a TAB restarts the word cap", letters(200) + "\t" + letters(200),
         letters(200) + "\t" + letters(200)},
        {"a cap split may fall inside a UTF-8 character", "a" + accented(150),
         ("a" + accented(150)).replace(255, 1, " ")},
        {"a space the cap wrote before a CR stays", letters(256) + "\rnext", letters(255) + " \rnext"},
        {"... while a real one there goes", letters(256) + "  \rnext", letters(255) + " \rnext"},
        {"long lines: spaces before CR LF", letters(30) + "      \r\n" + letters(30) + "\t \r\nend",
         letters(30) + "\r" + letters(30) + "\t\rend"},
        {"long lines: a dropped byte keeps the spaces", letters(30) + "   \x01\r" + letters(20),
         letters(30) + "   \r" + letters(20)},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clean(c.in, false), c.out) << c.what;
}

TEST(CleanData, AtSignRemovalRunsLastWhenAsked)
{
    EXPECT_EQ(clean("  Mail @bob\r\nat bob@example.com  ", true), "  Mail bob\rat bob@example.com");
    EXPECT_EQ(clean("  Mail @bob\r\nat bob@example.com  ", false), "  Mail @bob\rat bob@example.com");
    // The cap counts the at sign: it is removed after the split.
    EXPECT_EQ(clean("@" + letters(300), true), letters(254) + " " + letters(300).substr(255));
}

TEST(RemoveAtSigns, DropsOnlyASignStartingAWordBeforeALetterOrDigit)
{
    const CleanCase cases[] = {
        {"at the start", "@alpha", "alpha"},
        {"after a double quote", "\"@delta\"", "\"delta\""},
        {"after space, TAB and CR", "a @b\t@c\r@9", "a b\tc\r9"},
        {"inside a word", "x@y", "x@y"},
        {"before a space", "@ alone", "@ alone"},
        {"before another at sign", "@@a", "@@a"},
        {"at the end", "end @", "end @"},
        {"after other punctuation", "(@x", "(@x"},
        {"before a non-ASCII letter", "@\xC3\xA9t\xC3\xA9", "@\xC3\xA9t\xC3\xA9"},
        {"none", "plain text", "plain text"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(runInPlace(c.in, [](char* b, int32_t n) { return QorFile::removeAtSigns(b, n); }), c.out)
            << c.what;
}

TEST(WordCount, FollowsTheCountingRule)
{
    struct Case {
        std::string text;
        int32_t words;
    };
    const Case cases[] = {
        {"a I x be", 3},    // the one-byte x does not count
        {"be x", 2},        // the run reaching the end always counts
        {"", 1},            // so an empty text counts 1
        {"be ", 2},         // and trailing separators count one more
        {"  \r\rhello", 1}, // leading CRs and spaces are skipped
        {"A i", 2},
        {"x y", 1},
        {"a\tb c", 2},     // TAB does not separate: "a\tb" is one word
        {"ab \t\t cd", 3}, // a run of two TABs is a two-byte word
        {"one\rtwo\r\rthree", 3},
        {"the  end", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QorFile::getWordCount(c.text.data(), static_cast<int32_t>(c.text.size())), c.words)
            << "'" << c.text << "'";
    EXPECT_EQ(QorFile::getWordCount(nullptr, 0), 1);
}

TEST(CleanTest, StoryVariants)
{
    auto story = [](const std::string& in, bool fromEditor, bool keepFormat) {
        return runInPlace(
            in, [&](char* b, int32_t n) { return QorFile::cleanTest(b, n, fromEditor, keepFormat); });
    };
    const std::string sample = "  Hello,\r\n\r\n  world \x01 \r\n";
    EXPECT_EQ(story(sample, false, false), "Hello, world ");
    EXPECT_EQ(story("un caf\xC3\xA9\r\n", false, false), "un caf\xC3\xA9");
    EXPECT_EQ(story("un caf\x8E", false, false), "un caf\x8E"); // Mac OS Roman too
    // An LF is not among the bytes a removable at sign may follow.
    EXPECT_EQ(story("@x\tline\r\n@y\r@z\r\n", false, true), "xline\r\n@y\rz");
    EXPECT_EQ(story("@x\tline \r\n\t", true, false), "@xline ");
    // Stories cap words at 254 bytes; the 255th is lost.
    const std::string l = letters(300);
    EXPECT_EQ(story(l, false, false), l.substr(0, 254) + " " + l.substr(255));
    EXPECT_EQ(
        runInPlace(" \x01@a\r\nb ", [](char* b, int32_t n) { return QorFile::cleanTestData(b, n, false); }),
        "@a b ");
    EXPECT_EQ(
        runInPlace(" \x01@a\r\nb ", [](char* b, int32_t n) { return QorFile::cleanTestData(b, n, true); }),
        "a b ");
}

TEST(LineEnds, StripAndMark)
{
    auto strip = [](std::string in, void (*f)(char*, int32_t&)) {
        return runInPlace(in, [&](char* b, int32_t n) {
            f(b, n);
            return n;
        });
    };
    EXPECT_EQ(strip("a\r\nb\rc\r", QorFile::stripCR), "a\nbc");
    EXPECT_EQ(strip("a \r\nb  \r\n\r\n  ", QorFile::stripTrailingBlanksCRLF), "a\nb");
    EXPECT_EQ(strip("one  \ntwo\n\n", QorFile::stripTrailingBlanksCRLF), "one\ntwo");
    EXPECT_EQ(strip("\n\n", QorFile::stripTrailingBlanksCRLF), "\n");
    EXPECT_EQ(strip("  ", QorFile::stripTrailingBlanksCRLF), "");

    std::string marked = "a  \r\nb \r";
    QorFile::turnCRLFintoCRHex03(marked.data(), static_cast<int32_t>(marked.size()));
    EXPECT_EQ(marked, "a\x03\x03\r\x03"
                      "b\x03\r");
}

TEST(ByteClasses, AboveSpaceAndFormatted)
{
    EXPECT_FALSE(QorFile::greaterThanSpace(' '));
    EXPECT_TRUE(QorFile::greaterThanSpace('!'));
    EXPECT_TRUE(QorFile::greaterThanSpace('\xE9'));
    for (int c = 0; c < 256; ++c) {
        bool formatted = c == 9 || c == 10 || c == 13 || (c >= 32 && c <= 254);
        EXPECT_EQ(QorFile::formatedChar(static_cast<char>(c)), formatted) << c;
    }
}

// --- reading files ------------------------------------------------------------

class FileTest : public testing::Test {
protected:
    void SetUp() override { installPlatform({.alerts = &m_alerts}); }
    void TearDown() override
    {
        installPlatform({});
        TextBuffer::setMaxTextSizeForTesting(0);
    }
    std::string write(const std::string& name, const std::string& bytes)
    {
        std::string path = m_dir / name;
        EXPECT_EQ(fs::writeFileAtomic(path, bytes), fs::kNoErr);
        return path;
    }

    TempFolder m_dir;
    RecordingAlerts m_alerts;
};

TEST_F(FileTest, OnePassLoadEqualsReadCleanCount)
{
    std::string mixed;
    for (int i = 0; i < 40; ++i)
        mixed += "Caf\xC3\xA9 @na\xC3\xAFve  line\r\n\tend.  \n" + letters(300) + " x a\r";
    struct Case {
        const char* what;
        std::string bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"UTF-8", mixed, TextEncoding::Utf8},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + mixed, TextEncoding::Utf8},
        {"Mac OS Roman", "Caf\x8E na\x95ve \r\n@be \xFF x", TextEncoding::MacRoman},
        {"a mark before bytes that are not UTF-8", "\xEF\xBB\xBFwith \x8E", TextEncoding::MacRoman},
        {"invalid late in the file", mixed + "\xC3(", TextEncoding::MacRoman},
        {"a truncated sequence at the end", "ab \xE2\x82", TextEncoding::MacRoman},
        {"overlong form", "\xC0\xAF", TextEncoding::MacRoman},
        {"only line ends", "\r\n\r\n", TextEncoding::Utf8},
        {"empty", "", TextEncoding::Utf8},
    };
    for (const auto& c : cases) {
        std::string path = write("t.txt", c.bytes);
        TextBuffer plain;
        ASSERT_EQ(QorFile::readTextFile(path, plain), fs::kNoErr) << c.what;
        EXPECT_EQ(plain.encoding(), c.encoding) << c.what;
        plain.setSize(QorFile::cleanData(plain.data(), plain.size(), true));

        TextBuffer fast;
        TextReadResult r = QorFile::readCleanedText(path, fast);
        ASSERT_EQ(r.status, fs::kNoErr) << c.what;
        ASSERT_TRUE(fast) << c.what;
        EXPECT_EQ(fast.view(), plain.view()) << c.what;
        EXPECT_EQ(fast.encoding(), c.encoding) << c.what;
        EXPECT_EQ(r.wordCount, QorFile::getWordCount(plain.data(), plain.size())) << c.what;
        EXPECT_EQ(fast.data()[fast.size()], 0) << c.what;
    }
}

TEST_F(FileTest, ByteOrderMarkDroppedOnlyFromUtf8)
{
    TextBuffer b;
    ASSERT_EQ(QorFile::readTextFile(write("bom.txt", "\xEF\xBB\xBFHi"), b), fs::kNoErr);
    EXPECT_EQ(b.view(), "Hi");
    ASSERT_EQ(QorFile::readTextFile(write("roman.txt", "\xEF\xBB\xBFHi\x8E"), b), fs::kNoErr);
    EXPECT_EQ(b.view(), "\xEF\xBB\xBFHi\x8E");
    EXPECT_EQ(b.encoding(), TextEncoding::MacRoman);
}

TEST_F(FileTest, TextTooLargeForASignedSizeIsRefused)
{
    // A sparse file just over 2 GB: refused on its size, never read.
    std::string path = m_dir / "huge.txt";
    int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0666);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, (off_t(1) << 31) + 10), 0);
    ::close(fd);

    TextBuffer b;
    EXPECT_EQ(QorFile::readCleanedText(path, b).status, fs::kMemFull);
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(QorFile::readBufferFromFileCF(path, false).isNull());
    EXPECT_TRUE(QorFile::loadFileFromPath(path).isNull());
    ASSERT_EQ(m_alerts.shown.size(), 2u);
    EXPECT_EQ(m_alerts.shown[0].message, "Err021");
    EXPECT_EQ(m_alerts.shown[0].severity, kSeverityInformational);
    EXPECT_EQ(m_alerts.shown[1].message, "Err021");
}

TEST_F(FileTest, FailedTextReadShowsThePlatformError)
{
    EXPECT_TRUE(QorFile::readBufferFromFileCF(m_dir / "missing.txt", false).isNull());
    EXPECT_TRUE(QorFile::readBufferFromFileCF(m_dir.path(), false).isNull()); // a folder
    ASSERT_EQ(m_alerts.shown.size(), 2u);
    EXPECT_EQ(m_alerts.shown[0].message, QorAlert::errorForCode(260).description);
    EXPECT_EQ(m_alerts.shown[1].message, QorAlert::errorForCode(256).description);
}

TEST_F(FileTest, RawReadByPathCleansWithAtSignsAndTerminates)
{
    TextBuffer b = QorFile::loadFileFromPath(write("drill.txt", "\xEF\xBB\xBF@drill  \r\ntext @x\r\n"));
    ASSERT_TRUE(b);
    EXPECT_EQ(b.view(), "drill\rtext x");
    EXPECT_EQ(b.data()[b.size()], 0);

    // An empty file is an empty text, not a failure.
    TextBuffer empty = QorFile::loadFileFromPath(write("empty.txt", ""));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(empty.data()[0], 0);
    EXPECT_TRUE(m_alerts.shown.empty());

    std::string missing = m_dir / "gone.txt";
    EXPECT_TRUE(QorFile::loadFileFromPath(missing).isNull());
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "The file \"" + missing + "\" could not be found.");
    EXPECT_EQ(m_alerts.shown[0].severity, kSeverityWarning);

    EXPECT_TRUE(QorFile::loadFileFromPath(m_dir.path()).isNull()); // a folder: no message
    EXPECT_EQ(m_alerts.shown.size(), 1u);
}

TEST_F(FileTest, RawReadKeepsTheBytes)
{
    int status = 1;
    TextBuffer b = QorFile::readBufferFromFile(write("raw", "a\r\n\x00@b\xFF"s), &status);
    EXPECT_EQ(status, fs::kNoErr);
    ASSERT_TRUE(b);
    EXPECT_EQ(b.view(), "a\r\n\x00@b\xFF"s);
    EXPECT_EQ(b.data()[b.size()], 0);
    EXPECT_EQ(b.encoding(), TextEncoding::MacRoman);

    TextBuffer empty = QorFile::readBufferFromFile(write("none", ""), &status);
    EXPECT_EQ(status, fs::kNoErr);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty.size(), 0);

    EXPECT_TRUE(QorFile::readBufferFromFile(m_dir / "missing", &status).isNull());
    EXPECT_EQ(status, fs::kFileNotFound);
    EXPECT_TRUE(m_alerts.shown.empty());
}

TEST_F(FileTest, SaveReplacesAnExistingFileAtomically)
{
    std::string path = write("saved.txt", "old and longer contents");
    ::chmod(path.c_str(), 0600);
    mode_t old = ::umask(077);
    EXPECT_EQ(QorFile::saveFileFromBuffer(path, "new", 3), 0);
    ::umask(old);
    std::string back;
    ASSERT_EQ(fs::readFile(path, back, 100), fs::kNoErr);
    EXPECT_EQ(back, "new");
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);

    // Only existing files are overwritten.
    EXPECT_EQ(QorFile::saveFileFromBuffer(m_dir / "absent.txt", "x", 1), fs::kFileNotFound);
    EXPECT_FALSE(fs::exists(m_dir / "absent.txt"));

    // A link stays a link; its target gets the bytes.
    std::string link = m_dir / "link.txt";
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    EXPECT_EQ(QorFile::saveFileFromBuffer(link, "via link", 8), 0);
    EXPECT_TRUE(fs::isLink(link));
    ASSERT_EQ(fs::readFile(path, back, 100), fs::kNoErr);
    EXPECT_EQ(back, "via link");
}

} // namespace
} // namespace qor
