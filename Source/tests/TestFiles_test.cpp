#include "tests/TestFiles.h"
#include "tests/TestFilesList.h"
#include "tests/TestStoryReader.h"
#include "tests/TestsTestSupport.h"

#include "base/Files.h"
#include "text/MaterialLoader.h"
#include "text/ReadingWindowTarget.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

namespace qor {
namespace {

using testing_tests::TestSite;

std::string unshifted(std::string bytes)
{
    int32_t n = unshiftTestText(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes.substr(0, static_cast<size_t>(n));
}

const std::string kMarker(kShiftMarker);

TEST(ShiftTable, ReadsAsTheRuleSays)
{
    struct Case {
        const char* what;
        std::string file;
        std::string content;
    };
    const Case cases[] = {
        {"marker then shifted bytes", kMarker + "\x55\x6A\x01", std::string("Ti\0", 3)},
        {"a written 0 is a 255", kMarker + std::string("\0", 1), "\xFF"},
        {"the marker alone is empty", kMarker, ""},
        {"19 bytes of the marker stay", kMarker.substr(0, 19), kMarker.substr(0, 19)},
        {"plain text stays", "1. Who?\r   A. Me\r", "1. Who?\r   A. Me\r"},
        {"a marker not at the start stays", "x" + kMarker + "U", "x" + kMarker + "U"},
        {"a changed marker stays", "63472116963456146615U", "63472116963456146615U"},
        {"empty stays", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(unshifted(c.file), c.content) << c.what;
}

TEST(ShiftTable, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string shifted = shiftTestText(all);
    ASSERT_EQ(shifted.size(), 20u + 256u);
    EXPECT_EQ(shifted.substr(0, 20), kMarker);
    EXPECT_EQ(static_cast<unsigned char>(shifted[20 + 255]), 0u);  // 255 is written as 0
    EXPECT_EQ(static_cast<unsigned char>(shifted[20 + 'A']), 'B');
    EXPECT_EQ(unshifted(shifted), all);
}

TEST(TestFilesIo, SavedStoriesAndQuizzesAreShiftedAndReadBack)
{
    TestSite site;
    ASSERT_TRUE(TestFiles::createTestSet(site.external, "Mine"));
    ASSERT_EQ(TestFiles::saveQuizFile(site.external, "1. Why?\r  *A. So\xFF\r   B. No\r", "T", "Mine"), 0);
    ASSERT_EQ(TestFiles::saveStoryFile(site.external, "One line.\rTwo\tlines.", "T", "Mine"), 0);

    std::string raw = site.read(site.set("Mine") + "T.tst");
    EXPECT_EQ(raw.substr(0, 20), kMarker);
    EXPECT_EQ(raw.find("Why"), std::string::npos) << "answers are hidden from casual reading";
    struct stat st {};
    ASSERT_EQ(::stat((site.set("Mine") + "T.tst").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);

    TextBuffer quiz = TestFiles::getQuizFileFromURL(site.set("Mine") + "T.tst");
    ASSERT_TRUE(quiz);
    EXPECT_EQ(quiz.view(), "1. Why?\r  *A. So\xFF\r   B. No");
    EXPECT_EQ(quiz.data()[quiz.size()], 0);
    EXPECT_EQ(quiz.encoding(), TextEncoding::MacRoman);

    // The editor keeps the lines; reading material is one line of words.
    TextBuffer forEditor = TestFiles::getStoryFileFromURL(site.set("Mine") + "T.sty", true, true);
    EXPECT_EQ(forEditor.view(), "One line.\rTwolines.");
    TextBuffer material = TestStoryReader::instance().getStoryFileFromURL(site.set("Mine") + "T.sty", false, false);
    EXPECT_EQ(material.view(), "One line. Twolines.");
}

TEST(TestFilesIo, PlainFilesReadTheSameAndMissingOnesReadAsNone)
{
    TestSite site;
    site.put("S", "Plain.sty", "A plain story.\n");
    EXPECT_EQ(TestFiles::getStoryFileFromURL(site.set("S") + "Plain.sty", false, true).view(), "A plain story.");
    EXPECT_FALSE(TestFiles::getStoryFileFromURL(site.set("S") + "None.sty", false, true));
    EXPECT_FALSE(TestFiles::getStoryFileFromURL("", false, true));
}

TEST(TestFilesIo, NamesThatWouldEscapeTheSetAreRefused)
{
    TestSite site;
    ASSERT_TRUE(TestFiles::createTestSet(site.external, "S"));
    for (const char* name : {"", "../T", "a/b", "..", ".hidden"}) {
        EXPECT_EQ(TestFiles::saveQuizFile(site.external, "1. Q\r", name, "S"), fs::kBadName) << name;
        EXPECT_EQ(TestFiles::saveStoryFile(site.external, "x", "T", name), fs::kBadName) << name;
        EXPECT_FALSE(TestFiles::createTestSet(site.external, name)) << name;
        EXPECT_FALSE(TestFiles::removeTestSet(site.external, name)) << name;
    }
    EXPECT_EQ(TestFiles::saveQuizFile(site.external, "1. Q\r", "T", "Absent"), fs::kFolderNotFound);
    EXPECT_TRUE(fs::isFolder(site.external + "Tests"));
}

TEST(TestFilesList, ListsStoriesWithAQuizIgnoringCaseAndOpensTheRealFiles)
{
    TestSite site;
    site.put("S", "a.sty", "story a");
    site.put("S", "A.TST", "1. Q?\r  *A. yes\r   B. no\r");
    site.put("S", "b.sty", "story b without a quiz");
    site.put("S", "C.STY", "story c");
    site.put("S", "c.tst", "1. Q?\r");
    site.put("S", "d.txt", "not a test");
    site.put("S", ".e.sty", "hidden");
    site.put("S", ".e.tst", "hidden");

    TestFilesList list("S", site.external);
    ASSERT_EQ(list.names(), (std::vector<std::string>{"a", "C"}));
    EXPECT_EQ(list.quizPath(0), site.set("S") + "A.TST");
    std::string name;
    TextBuffer quiz = list.getFileCount(0, name, true, false, true);
    EXPECT_EQ(name, "a");
    EXPECT_EQ(quiz.view(), "1. Q?\r  *A. yes\r   B. no");
    EXPECT_EQ(list.getFileCount(1, name, false, false, true).view(), "story c");
    EXPECT_FALSE(list.getFileCount(2, name, false, false, true));
    EXPECT_EQ(name, "");
    EXPECT_FALSE(list.getFileCount(-1, name, false, false, true));

    EXPECT_EQ(TestFiles::getURLRefFromSet(site.external, "s", "A", ".tst"), site.set("S") + "A.TST");
    EXPECT_EQ(TestFiles::getURLRefFromSet(site.external, "S", "b", ".tst"), "");

    EXPECT_EQ(TestFilesList("Absent", site.external).count(), 0);
    EXPECT_EQ(TestFilesList("../..", site.external).count(), 0);
}

TEST(TestSetOperations, DuplicateOfAShippedSetIsWritableAndRemoveStaysInside)
{
    TestSite site;
    site.put("# Shipped", "T.sty", "story");
    site.put("# Shipped", "T.tst", "1. Q\r");
    site.put("Other", "Keep.sty", "keep");
    ::chmod((site.set("# Shipped") + "T.sty").c_str(), 0444);
    ::chmod(site.set("# Shipped").c_str(), 0555);

    ASSERT_TRUE(TestFiles::duplicateTestSet(site.external, "# Shipped", "Copy"));
    EXPECT_FALSE(TestFiles::duplicateTestSet(site.external, "# Shipped", "Copy")) << "the new set exists";
    struct stat st {};
    ASSERT_EQ(::stat((site.set("Copy") + "T.sty").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);
    ASSERT_EQ(::stat(site.set("Copy").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0777u);
    EXPECT_EQ(TestFilesList("Copy", site.external).count(), 1);

    EXPECT_TRUE(TestFiles::removeStoryAndTestFromName(site.external, "t", "Copy"));
    EXPECT_EQ(TestFilesList("Copy", site.external).count(), 0);
    EXPECT_TRUE(TestFiles::removeTestSet(site.external, "Copy"));
    EXPECT_FALSE(fs::exists(site.set("Copy")));
    EXPECT_TRUE(fs::exists(site.set("Other") + "Keep.sty"));
    ::chmod(site.set("# Shipped").c_str(), 0777);

    TestSets sets(site.external);
    EXPECT_EQ(sets.names(), (std::vector<std::string>{"# Shipped", "Other"}));
    EXPECT_EQ(TestSets(site.external + "nowhere/").count(), 0);
}

class StoryWindow final : public ReadingWindowTarget {
public:
    void loadTextBuffer(TextBuffer block, const std::string& p, int32_t) override
    {
        text = std::string(block.view());
        path = p;
    }
    void loadTextFromClipboardBuffer(TextBuffer) override {}
    void setMaterialCaption(const std::string& c) override { caption = c; }
    std::string text, path, caption;
};

TEST(TestStoryReader, LoadsShiftedAndPlainStoriesAsReadingMaterial)
{
    TestSite site;
    ASSERT_TRUE(TestFiles::createTestSet(site.external, "S"));
    ASSERT_EQ(TestFiles::saveStoryFile(site.external, "The @fox ran.\rIt hid.", "Fox", "S"), 0);
    site.put("S", "Plain.sty", "Plain   story\nof five words.\n");
    StoryWindow window;
    MaterialLoader loader(window);
    loader.setStoryReader(&TestStoryReader::instance());

    ASSERT_TRUE(loader.loadMaterialFromFileName(site.set("S") + "Fox.sty", 0, true, false));
    EXPECT_EQ(window.text, "The fox ran. It hid.");
    EXPECT_EQ(window.caption, "File: Fox.sty (5 Words)");
    ASSERT_TRUE(loader.loadMaterialFromFileName(site.set("S") + "Plain.sty", 0, true, false));
    EXPECT_EQ(window.text, "Plain story of five words.");
    EXPECT_FALSE(loader.loadMaterialFromFileName(site.set("S") + "None.sty", 0, true, false));
}

}  // namespace
}  // namespace qor
