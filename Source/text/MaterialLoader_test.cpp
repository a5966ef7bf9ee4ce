#include "text/MaterialLoader.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"
#include "text/PdfTestFiles.h"
#include "text/QorFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace qor {
namespace {

using testing_pdf::makePdf;

// What reached the reading window, and in which order with the alerts.
struct Events {
    std::vector<std::string> log;
};

class FakeWindow final : public ReadingWindowTarget {
public:
    explicit FakeWindow(Events& events) : m_events(events) {}
    void loadTextBuffer(TextBuffer block, const std::string& path, int32_t position) override
    {
        m_events.log.push_back("load file");
        text = std::string(block.view());
        terminated = block.data()[block.size()] == 0;
        encoding = block.encoding();
        this->path = path;
        this->position = position;
        fromFile = true;
    }
    void loadTextFromClipboardBuffer(TextBuffer block) override
    {
        m_events.log.push_back("load text");
        text = std::string(block.view());
        terminated = block.data()[block.size()] == 0;
        encoding = block.encoding();
        path.clear();
        position = 0;
        fromFile = false;
    }
    void setMaterialCaption(const std::string& c) override { caption = c; }

    std::string text = "previous text";
    std::string caption = "previous caption";
    std::string path;
    int32_t position = -1;
    bool terminated = false;
    bool fromFile = false;
    TextEncoding encoding = TextEncoding::Utf8;

private:
    Events& m_events;
};

class LoggingAlerts final : public AlertPresenter {
public:
    explicit LoggingAlerts(Events& events) : m_events(events) {}
    int run(const AlertRequest& request) override
    {
        m_events.log.push_back("alert " + request.message);
        shown.push_back(request);
        return request.escapeButton;
    }
    std::vector<AlertRequest> shown;

private:
    Events& m_events;
};

class FakeClipboard final : public Clipboard {
public:
    bool hasText() const override { return contents.has_value(); }
    std::optional<std::string> text() const override { return contents; }
    std::optional<std::string> contents;
};

class FakeStories final : public StoryReader {
public:
    TextBuffer getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat) override
    {
        asked.push_back(path);
        flags.push_back(fromEditor || keepFormat);
        if (!story)
            return {};
        return TextBuffer::fromBytes(*story, TextEncoding::Utf8);
    }
    std::optional<std::string> story;
    std::vector<std::string> asked;
    std::vector<bool> flags;
};

class MaterialTest : public testing::Test {
protected:
    void SetUp() override { installPlatform({.clipboard = &m_clipboard, .alerts = &m_alerts}); }
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
    // The window, caption and count as a failed load must leave them.
    void expectUnchanged(const std::string& text, const std::string& caption, int32_t words)
    {
        EXPECT_EQ(m_window.text, text);
        EXPECT_EQ(m_window.caption, caption);
        EXPECT_EQ(m_loader.caption(), caption);
        EXPECT_EQ(m_loader.wordCount(), words);
    }

    TempFolder m_dir;
    Events m_events;
    FakeWindow m_window{m_events};
    LoggingAlerts m_alerts{m_events};
    FakeClipboard m_clipboard;
    MaterialLoader m_loader{m_window};
};

TEST_F(MaterialTest, TextFileLoadsCleanedAndCaptioned)
{
    std::string path = write("My Story.txt", "\xEF\xBB\xBF  Caf\xC3\xA9 @time  \r\nis here.\r\n\r\n");
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 7, false, false));
    EXPECT_EQ(m_window.text, "  Caf\xC3\xA9 time\ris here.");
    EXPECT_TRUE(m_window.terminated);
    EXPECT_EQ(m_window.encoding, TextEncoding::Utf8);
    EXPECT_EQ(m_window.path, path);
    EXPECT_EQ(m_window.position, 7);
    EXPECT_TRUE(m_window.fromFile);
    EXPECT_EQ(m_loader.wordCount(), 4);
    EXPECT_EQ(m_window.caption, "File: My Story.txt (4 Words)");
    EXPECT_EQ(m_loader.caption(), m_window.caption);
    EXPECT_TRUE(m_alerts.shown.empty());

    ASSERT_TRUE(m_loader.loadMaterialFromFileName(write("old.txt", "Caf\x8E cr\x8Ame"), 0, false, false));
    EXPECT_EQ(m_window.text, "Caf\x8E cr\x8Ame");
    EXPECT_EQ(m_window.encoding, TextEncoding::MacRoman);
}

TEST_F(MaterialTest, EmptyFileLoadsWithACountOfOne)
{
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(write("empty.txt", ""), 0, false, false));
    EXPECT_EQ(m_window.text, "");
    EXPECT_TRUE(m_window.terminated);
    EXPECT_EQ(m_window.caption, "File: empty.txt (1 Words)");
    EXPECT_TRUE(m_alerts.shown.empty()) << "an empty file is no failure";
}

TEST_F(MaterialTest, FailedReadsKeepThePreviousText)
{
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(write("first.txt", "first words"), 0, false, false));
    const std::string text = m_window.text, caption = m_window.caption;
    const int32_t words = m_loader.wordCount();

    // A missing file: nothing is said.
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(m_dir / "missing.txt", 0, false, false));
    EXPECT_FALSE(m_loader.loadMaterialFromFileName("", 0, false, false));
    EXPECT_TRUE(m_alerts.shown.empty());
    expectUnchanged(text, caption, words);

    // A folder cannot be read: the platform's error.
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(m_dir.path(), 0, false, false));
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, QorAlert::errorForCode(256).description);
    expectUnchanged(text, caption, words);

    // Over 2 GB: refused with Err021 before anything is read.
    std::string huge = m_dir / "huge.txt";
    int fd = ::open(huge.c_str(), O_CREAT | O_WRONLY, 0666);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::ftruncate(fd, off_t(3) << 30), 0);
    ::close(fd);
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(huge, 0, false, false));
    ASSERT_EQ(m_alerts.shown.size(), 2u);
    EXPECT_EQ(m_alerts.shown[1].message, "Err021");
    expectUnchanged(text, caption, words);

    // A story without a story reader.
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(write("s.sty", "story"), 0, true, false));
    expectUnchanged(text, caption, words);
}

TEST_F(MaterialTest, PdfTextLoads)
{
    std::string path = m_dir / "paper.pdf";
    ASSERT_TRUE(makePdf(path, testing_pdf::textPages({"Reading is fun. Speed it up.", "The end."})));
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 0, false, true));
    EXPECT_NE(m_window.text.find("Reading is fun. Speed it up."), std::string::npos) << m_window.text;
    EXPECT_NE(m_window.text.find("The end."), std::string::npos);
    for (unsigned char c : m_window.text)
        EXPECT_TRUE(c == 9 || c == 13 || (c >= 32 && c <= 254)) << "cleaned";
    EXPECT_EQ(m_loader.wordCount(),
              QorFile::getWordCount(m_window.text.data(), static_cast<int32_t>(m_window.text.size())));
    EXPECT_EQ(m_window.caption, "File: paper.pdf (" + std::to_string(m_loader.wordCount()) + " Words)");
    EXPECT_TRUE(m_alerts.shown.empty());
}

TEST_F(MaterialTest, ImageOnlyPdfLoadsItsMessageThenSaysImagePDF)
{
    std::string path = m_dir / "scan.pdf";
    ASSERT_TRUE(makePdf(path, testing_pdf::imagePage()));
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 0, false, true));
    const std::string message = "No Text Found in File (PDF maybe image only): " + path;
    EXPECT_EQ(m_window.text, message);
    int32_t words = QorFile::getWordCount(message.data(), static_cast<int32_t>(message.size()));
    EXPECT_EQ(m_loader.wordCount(), words);
    EXPECT_EQ(m_window.caption, "File: scan.pdf (" + std::to_string(words) + " Words)");
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].severity, kSeverityInformational);
    EXPECT_EQ(m_events.log, (std::vector<std::string>{"load file", "alert ImagePDF"}))
        << "the message comes after the text is loaded";
}

TEST_F(MaterialTest, TextBeginningLikeTheMessageIsNoImagePdf)
{
    std::string path = m_dir / "notes.pdf";
    ASSERT_TRUE(makePdf(path, testing_pdf::textPages({"No Text Found in File is a phrase I like."})));
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 0, false, true));
    EXPECT_NE(m_window.text.find("No Text Found in File is a phrase"), std::string::npos);
    EXPECT_TRUE(m_alerts.shown.empty());
}

TEST_F(MaterialTest, LockedPdfLoadsItsMessageQuietly)
{
    std::string path = m_dir / "locked.pdf";
    ASSERT_TRUE(makePdf(path, testing_pdf::textPages({"Secret words."}), "pw"));
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 0, false, true));
    EXPECT_EQ(m_window.text, "The following file is locked: " + path);
    EXPECT_TRUE(m_alerts.shown.empty());
}

TEST_F(MaterialTest, FailedPdfReadKeepsThePreviousText)
{
    std::string path = m_dir / "paper.pdf";
    ASSERT_TRUE(makePdf(path, testing_pdf::textPages({"Words that will not fit the limit."})));
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(write("a.txt", "kept text"), 0, false, false));
    TextBuffer::setMaxTextSizeForTesting(10);
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(path, 0, false, true));
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "Err021");
    expectUnchanged("kept text", "File: a.txt (2 Words)", 2);
}

TEST_F(MaterialTest, StoryComesFromTheStoryReaderAndIsCleaned)
{
    FakeStories stories;
    stories.story = "  @Once upon a time \r\n";
    m_loader.setStoryReader(&stories);
    std::string path = write("Tale.sty", "stored story bytes");
    ASSERT_TRUE(m_loader.loadMaterialFromFileName(path, 3, true, false));
    EXPECT_EQ(stories.asked, std::vector<std::string>{path});
    EXPECT_EQ(stories.flags, std::vector<bool>{false});
    EXPECT_EQ(m_window.text, "  Once upon a time");
    EXPECT_EQ(m_window.position, 3);
    EXPECT_EQ(m_window.caption, "File: Tale.sty (4 Words)");

    stories.story.reset();
    EXPECT_FALSE(m_loader.loadMaterialFromFileName(path, 0, true, false));
    expectUnchanged("  Once upon a time", "File: Tale.sty (4 Words)", 4);
}

TEST_F(MaterialTest, GivenTextIsMacRomanZeroFilledAndCleaned)
{
    struct Case {
        std::string given;
        std::string loaded;
        int32_t words;
    };
    const Case cases[] = {
        {"This is a test and only a test", "This is a test and only a test", 8},
        {"caf\xC3\xA9 \xE6\x97\xA5 \xE2\x82\xAC", "caf\x8E ? \xDB", 2}, // a lone '?' does not count
        {"one  \r\ntwo @three  ", "one\rtwo @three", 3},
        {"", "", 1},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(m_loader.loadMaterialFromText(c.given));
        EXPECT_EQ(m_window.text, c.loaded);
        EXPECT_TRUE(m_window.terminated);
        EXPECT_FALSE(m_window.fromFile);
        EXPECT_EQ(m_window.encoding, TextEncoding::MacRoman);
        EXPECT_EQ(m_loader.wordCount(), c.words) << c.given;
        EXPECT_EQ(m_window.caption, "Text: (" + std::to_string(c.words) + " Words)");
    }
    TextBuffer::setMaxTextSizeForTesting(8);
    EXPECT_FALSE(m_loader.loadMaterialFromText("far too long for the limit"));
    expectUnchanged("", "Text: (1 Words)", 1);
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "Err021");
}

TEST_F(MaterialTest, PasteLoadsTheClipboardWithAtSignsKept)
{
    m_clipboard.contents.reset();
    EXPECT_FALSE(m_loader.paste());
    EXPECT_EQ(m_events.log.size(), 0u) << "no text on the clipboard: nothing happens";
    EXPECT_EQ(m_window.text, "previous text");
    EXPECT_EQ(m_window.caption, "previous caption");

    m_clipboard.contents = "\r\n@keep  th\xC3\xA9 words  \r\n";
    ASSERT_TRUE(m_loader.paste());
    EXPECT_EQ(m_window.text, "@keep  th\xC3\xA9 words");
    EXPECT_EQ(m_window.encoding, TextEncoding::Utf8);
    EXPECT_FALSE(m_window.fromFile);
    EXPECT_EQ(m_window.caption, "Clipboard: (3 Words)");

    // Bytes that are not UTF-8 never reach a buffer marked UTF-8.
    m_clipboard.contents = "bad \xFF\xC3 end";
    ASSERT_TRUE(m_loader.paste());
    EXPECT_EQ(m_window.text, "bad \xEF\xBF\xBD\xEF\xBF\xBD end");

    TextBuffer::setMaxTextSizeForTesting(4);
    EXPECT_FALSE(m_loader.paste());
    EXPECT_EQ(m_window.text, "bad \xEF\xBF\xBD\xEF\xBF\xBD end");
    ASSERT_EQ(m_alerts.shown.size(), 1u);
    EXPECT_EQ(m_alerts.shown[0].message, "Err021");
}

TEST_F(MaterialTest, PasteUsesAGivenClipboardFirst)
{
    FakeClipboard own;
    own.contents = "own words";
    m_clipboard.contents = "platform words";
    m_loader.setClipboard(&own);
    ASSERT_TRUE(m_loader.paste());
    EXPECT_EQ(m_window.text, "own words");
}

} // namespace
} // namespace qor
