#include "tests/UnpackTests.h"

#include "base/Record.h"
#include "tests/CompTestQuiz.h"
#include "tests/QuizTool.h"
#include "tests/TestFiles.h"
#include "tests/TestFilesList.h"
#include "tests/TestsTestSupport.h"
#include "text/QorFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <sstream>
#include <string>
#include <vector>

namespace qor {
namespace {

using testing_tests::TestSite;

std::string header(int16_t count)
{
    RecordWriter w(4);
    w.i16(0, count);
    return w.toString();
}

std::string entry(const std::string& name, const std::string& content)
{
    return "!!!" + name + "\r\n" + content;
}

// The entries as "name=content" for a compact comparison.
std::vector<std::string> parsed(const std::string& pack)
{
    std::vector<std::string> out;
    for (const auto& e : readTestPack(pack))
        out.push_back(e.name + "=" + e.content);
    return out;
}

TEST(TestPackParser, EndsAtTheEndOfThePackWhateverTheCountSays)
{
    const std::string three = entry("a.sty", "A\n") + entry("a.tst", "1. Q\r\n") + entry("b.sty", "B\n");
    const std::string longLine(25000, 'x');
    struct Case {
        const char* what;
        std::string pack;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"the count as written", header(3) + three, {"a.sty=A\n", "a.tst=1. Q\r\n", "b.sty=B\n"}},
        {"a count of 2 over 3 entries", header(2) + three, {"a.sty=A\n", "a.tst=1. Q\r\n"}},
        {"a count too large", header(32767) + three, {"a.sty=A\n", "a.tst=1. Q\r\n", "b.sty=B\n"}},
        {"a negative count", header(-1) + three, {}},
        {"a count of 0", header(0) + three, {}},
        {"only the header", header(5), {}},
        {"shorter than the header", "\x02", {}},
        {"a name ends at LF", header(1) + "!!!a.sty\nA\n", {"a.sty=A\n"}},
        {"a last line without LF is dropped", header(1) + entry("a.sty", "A\nB"), {"a.sty=A\n"}},
        {"lines before the first header belong to no file", header(1) + "junk\n" + entry("a.sty", "A\n"),
         {"a.sty=A\n"}},
        {"names with a slash or dots are refused", header(4) + entry("../x.sty", "1\n") + entry("a/b.sty", "2\n") +
                                                       entry("..", "3\n") + entry("ok.sty", "4\n"),
         {"ok.sty=4\n"}},
        {"a long line is copied whole and never read as a header",
         header(2) + entry("a.sty", longLine.substr(0, 10000) + "!!!" + longLine + "\n") + entry("b.sty", "B\n"),
         {"a.sty=" + longLine.substr(0, 10000) + "!!!" + longLine + "\n", "b.sty=B\n"}},
        {"an overlong header is skipped with its rest",
         header(2) + "!!!" + longLine + ".sty\r\nX\n" + entry("b.sty", "B\n"), {"b.sty=B\n"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parsed(c.pack), c.expected) << c.what;
}

TEST(TestPackWriter, WritesWhatTheParserReadsAndRefusesWhatItCannot)
{
    std::vector<PackEntry> entries{{"a.sty", "Line one\r\nLine two"}, {"a.tst", "1. Q\r  *A. x\r"}, {"e.sty", ""}};
    std::string pack;
    ASSERT_TRUE(writeTestPack(entries, pack));
    EXPECT_EQ(pack.substr(0, 4), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(parsed(pack), (std::vector<std::string>{"a.sty=Line one\r\nLine two\n", "a.tst=1. Q\r  *A. x\r\n",
                                                      "e.sty="}));

    struct Case {
        const char* what;
        PackEntry e;
    };
    const Case refused[] = {
        {"a header inside", {"a.sty", "ok\n!!!b.sty\n"}},
        {"a line too long", {"a.sty", std::string(10001, 'x')}},
        {"a slash in the name", {"a/b.sty", "x\n"}},
        {"a break in the name", {"a\r.sty", "x\n"}},
        {"no name", {"", "x\n"}},
    };
    for (const auto& c : refused) {
        std::string problem;
        EXPECT_FALSE(writeTestPack({c.e}, pack, &problem)) << c.what;
        EXPECT_FALSE(problem.empty()) << c.what;
    }
}

TEST(UnpackTestsSteps, OpensAndCopiesInStepsReportingProgress)
{
    TestSite site;
    std::string pack;
    ASSERT_TRUE(writeTestPack({{"One.sty", "Story\n"}, {"One.tst", "1. Q\r\n  *A. x\r\n"}, {"Two.sty", "S2\n"}}, pack));
    ASSERT_EQ(fs::writeFileAtomic(site.external + "Quorlinth/Resources/pk", pack), 0);

    UnpackTests unpacker;
    std::vector<std::string> progress;
    unpacker.setProgress([&](int current, int total, const std::string& name) {
        progress.push_back(std::to_string(current) + "/" + std::to_string(total) + " " + name);
    });
    ASSERT_TRUE(unpacker.startUnpackingInto(site.external + "Quorlinth/Resources/", site.external, "pk", "# Set"));
    int steps = 0;
    while (unpacker.step())
        ++steps;
    EXPECT_EQ(steps, 6) << "an open and a copy for each file";
    EXPECT_TRUE(unpacker.isFinished());
    EXPECT_FALSE(unpacker.hadError());
    EXPECT_EQ(progress, (std::vector<std::string>{"1/3 One.sty", "2/3 One.tst", "3/3 Two.sty"}));
    EXPECT_EQ(site.read(site.set("# Set") + "One.tst"), "1. Q\r\n  *A. x\r\n");
    struct stat st {};
    ASSERT_EQ(::stat((site.set("# Set") + "Two.sty").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);
    EXPECT_EQ(TestFilesList("# Set", site.external).count(), 1);
    EXPECT_TRUE(site.alerts.shown.empty());
}

TEST(UnpackTestsSteps, AMissingPackOrFolderIsShown)
{
    TestSite site;
    UnpackTests unpacker;
    EXPECT_FALSE(unpacker.startUnpackingInto(site.external + "Quorlinth/Resources/", site.external, "none", "# S"));
    EXPECT_TRUE(unpacker.isFinished());
    EXPECT_EQ(site.alertTexts(), std::vector<std::string>{"OpenAdditionalTestsErr"});
    EXPECT_EQ(site.alerts.shown.back().severity, kSeverityCritical);

    fs::writeFileAtomic(site.external + "Quorlinth/Resources/pk", header(0));
    fs::writeFileAtomic(site.external + "Tests/# S", "a file where the set folder goes");
    EXPECT_FALSE(unpacker.startUnpackingInto(site.external + "Quorlinth/Resources/", site.external, "pk", "# S"));
    EXPECT_EQ(site.alertTexts().back(), "TestFolderNotFoundErr");

    EXPECT_FALSE(unpacker.startUnpackingInto("", site.external, "pk", "# S"));
    EXPECT_EQ(site.alerts.shown.size(), 2u) << "no folder known: nothing shown";
}

TEST(UnpackTestsSteps, AFileThatCannotBeWrittenEndsWithTheErrorFlag)
{
    TestSite site;
    std::string pack;
    ASSERT_TRUE(writeTestPack({{"a.sty", "A\n"}, {"b.sty", "B\n"}, {"c.sty", "C\n"}}, pack));
    fs::writeFileAtomic(site.external + "pk", pack);
    fs::makeFolders(site.set("S") + "b.sty");  // a folder where b.sty goes
    fs::writeFileAtomic(site.set("S") + "b.sty/x", "keeps the folder from being replaced");
    UnpackTests unpacker;
    ASSERT_TRUE(unpacker.startUnpacking(site.external + "pk", site.set("S")));
    unpacker.runToEnd();
    EXPECT_TRUE(unpacker.hadError());
    EXPECT_EQ(unpacker.filesWritten(), 1);
    EXPECT_EQ(site.read(site.set("S") + "a.sty"), "A\n");
    EXPECT_FALSE(fs::exists(site.set("S") + "c.sty"));
}

TEST(StartUpUnpacking, UnpacksBothPacksOnlyBelow30Tests)
{
    TestSite site;
    EXPECT_EQ(testPacksToUnpack(site.external, 3).size(), 2u);
    ASSERT_EQ(testPacksToUnpack(site.external, 1).size(), 1u);
    EXPECT_STREQ(testPacksToUnpack(site.external, 1)[0].pack, "pktsts");
    for (int i = 0; i < 29; ++i) {
        site.put(kFirstTestSet, std::to_string(i) + ".sty", "s");
        site.put(kFirstTestSet, std::to_string(i) + ".tst", "1. q");
    }
    EXPECT_EQ(testPacksToUnpack(site.external, 3).size(), 2u) << "29 tests";
    site.put(kFirstTestSet, "29.sty", "s");
    EXPECT_EQ(testPacksToUnpack(site.external, 3).size(), 2u) << "a story without a quiz is no test";
    site.put(kFirstTestSet, "29.tst", "1. q");
    EXPECT_TRUE(testPacksToUnpack(site.external, 3).empty()) << "30 tests: also not the SAT-ACT set";
}

// ---- the shipped tests ------------------------------------------------------

int wordsOf(const std::string& text)
{
    std::istringstream in(text);
    std::string w;
    int n = 0;
    while (in >> w)
        ++n;
    return n;
}

// Checks one shipped test: the validator accepts it, and it has the form
// every shipped test has.
void checkShippedTest(const std::string& external, const std::string& set, const std::string& name)
{
    SCOPED_TRACE(set + "/" + name);
    CompTestQuiz quiz;
    ASSERT_TRUE(quiz.openTest(external, set, name));
    std::optional<QuizProblem> problem = quiz.checkTheTest();
    EXPECT_FALSE(problem.has_value()) << (problem ? problem->key + " at question " + std::to_string(problem->question + 1)
                                                  : std::string());
    int words = wordsOf(quiz.story());
    EXPECT_GE(words, 350);
    EXPECT_LE(words, 1200);

    TextBuffer text = TestFiles::getQuizFileFromURL(TestFiles::getURLRefFromSet(external, set, name, kQuizExt));
    QuizTool tool;
    tool.initalize(text.data(), text.size());
    int lines = tool.generateLines();
    EXPECT_LT(lines, QuizTool::kMaxLines) << "the whole quiz is read";
    int questions = tool.numCatagories();
    EXPECT_GE(questions, 8);
    EXPECT_LE(questions, 10);
    // Exactly one correct choice of four under every question.
    int choices = -1;
    int correct = 0;
    for (int i = 0; i <= lines; ++i) {
        if (i == lines || tool.isQuestion(i)) {
            if (choices >= 0) {
                EXPECT_EQ(choices, 4) << "before line " << i;
                EXPECT_EQ(correct, 1) << "before line " << i;
            }
            choices = 0;
            correct = 0;
            continue;
        }
        ++choices;
        correct += tool.isCorrect(i) ? 1 : 0;
    }
}

#ifdef QOR_TEST_PACKS_DIR
TEST(ShippedTests, ThePacksUnpackAll48TestsAndEachPassesTheValidator)
{
    TestSite site;
    std::string resources = QOR_TEST_PACKS_DIR;
    ASSERT_EQ(unpackShippedTests(resources, site.external, 3), 2);
    struct Set {
        const char* name;
        int tests;
    };
    for (const Set& s : {Set{kFirstTestSet, 36}, Set{kSatActTestSet, 12}}) {
        TestFilesList list(s.name, site.external);
        EXPECT_EQ(list.count(), s.tests) << s.name;
        for (int i = 0; i < list.count(); ++i)
            checkShippedTest(site.external, s.name, list.getStringAtIndex(i));
    }
    EXPECT_TRUE(testPacksToUnpack(site.external, 3).empty()) << "a fresh install meets the count rule";
    // A second run finds the tests in place and leaves them.
    EXPECT_EQ(unpackShippedTests(resources, site.external, 3), 0);
}
#endif

TEST(ShippedTests, TheSourceFilesAreTheTestsThePacksHold)
{
    // Every story and quiz of the source folders reaches the pack unchanged
    // (apart from a final line feed).
    for (const char* set : {"pktsts", "satact"}) {
        std::string folder = std::string(QOR_RESOURCES_DIR) + "/content/tests/" + set + "/";
        std::vector<fs::Entry> files;
        ASSERT_EQ(fs::listFolder(folder, files), 0) << folder;
        std::vector<PackEntry> entries;
        for (const auto& f : files) {
            if (f.name.size() < 4 || (f.name.substr(f.name.size() - 4) != ".sty" && f.name.substr(f.name.size() - 4) != ".tst"))
                continue;
            PackEntry e{f.name, {}};
            ASSERT_EQ(fs::readFile(folder + f.name, e.content, 1 << 20), 0);
            entries.push_back(e);
        }
        std::string pack;
        std::string problem;
        ASSERT_TRUE(writeTestPack(entries, pack, &problem)) << set << ": " << problem;
        auto back = readTestPack(pack);
        ASSERT_EQ(back.size(), entries.size()) << set;
        for (size_t i = 0; i < back.size(); ++i) {
            std::string expected = entries[i].content;
            if (!expected.empty() && expected.back() != '\n')
                expected += '\n';
            EXPECT_EQ(back[i].content, expected) << back[i].name;
        }
    }
}

}  // namespace
}  // namespace qor
