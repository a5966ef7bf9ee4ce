#include "drills/DrillFiles.h"

#include "base/Files.h"
#include "base/NameRule.h"
#include "tests/TestsTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using testing_tests::TestSite;

struct DrillSite : TestSite {
    std::string drillSet(const std::string& name) const { return external + "DrillText/" + name + "/"; }
    void text(const std::string& setName, const std::string& file, const std::string& bytes) const
    {
        fs::makeFolders(drillSet(setName));
        fs::writeFileAtomic(drillSet(setName) + file, bytes);
    }
};

TEST(DrillFilesList, ListsTextFilesByNameIgnoringTheSuffixCase)
{
    DrillSite s;
    s.text("Set", "alpha.txt", "a");
    s.text("Set", "beta.TXT", "b");
    s.text("Set", "notes.rtf", "n");
    s.text("Set", ".hidden.txt", "h");
    s.text("Set", "memotxt", "m");
    fs::makeFolders(s.drillSet("Set") + "folder.txt");
    DrillFilesList list("set", s.external);
    EXPECT_EQ(list.names(), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(list.getFSRefAtIndex(1), s.drillSet("Set") + "beta.TXT");
    EXPECT_EQ(list.getSetName(), "set");
    EXPECT_EQ(DrillFilesList("Absent", s.external).count(), 0);
    EXPECT_EQ(DrillFilesList("..", s.external).count(), 0);
    EXPECT_EQ(DrillTextSets(s.external).names(), std::vector<std::string>{"Set"});
    EXPECT_EQ(DrillTextSets(s.external + "none/").count(), 0);
}

TEST(DrillFilesIo, ReadsWithAtSignCleaningAndOpensTheRealFile)
{
    DrillSite s;
    s.text("Set", "beta.TXT", "@Hello there.  \r\nA\x01 line @2 go.\r\n");
    TextBuffer text = DrillFiles::getDrillTextBySetName(s.external, "SET", "Beta.txt");
    ASSERT_TRUE(text);
    EXPECT_EQ(text.view(), "Hello there.\rA line 2 go.");
    EXPECT_EQ(text.data()[text.size()], 0);

    // A missing text shows the loader's message and reads as none.
    EXPECT_FALSE(DrillFiles::getDrillTextBySetName(s.external, "Set", "gone.txt"));
    ASSERT_EQ(s.alerts.shown.size(), 1u);
    EXPECT_NE(s.alerts.shown[0].message.find("could not be found"), std::string::npos);
    EXPECT_FALSE(DrillFiles::getDrillTextBySetName(s.external, "Set", "../Set/beta.txt"));
    EXPECT_FALSE(DrillFiles::getDrillTextBySetName(s.external, "../DrillText/Set", "beta.txt"));
}

std::string g_targetDuringWrite;
std::string g_targetPath;

TEST(DrillFilesIo, SavingReplacesTheTextWholeAndAtomically)
{
    DrillSite s;
    s.text("Set", "Old.TXT", "the old text");
    g_targetPath = s.drillSet("Set") + "Old.TXT";
    fs::setAtomicWriteHookForTesting([](const std::string&) {
        g_targetDuringWrite.clear();
        fs::readFile(g_targetPath, g_targetDuringWrite, 1 << 20);
    });
    bool saved = DrillFiles::saveDrillTextFile(s.external, "set", "old", "new");
    fs::setAtomicWriteHookForTesting(nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(g_targetDuringWrite, "the old text") << "the old text stays whole until the new one is in place";
    EXPECT_EQ(s.read(g_targetPath), "new");
    EXPECT_FALSE(fs::exists(s.drillSet("Set") + "old.txt")) << "one file per text, in its own spelling";

    ASSERT_TRUE(DrillFiles::saveDrillTextFile(s.external, "Set", "Fresh", "fresh text"));
    struct stat st {};
    ASSERT_EQ(::stat((s.drillSet("Set") + "Fresh.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);

    for (const char* bad : {"", "../x", "a/b", "..", ".dot", " lead"}) {
        EXPECT_FALSE(DrillFiles::saveDrillTextFile(s.external, "Set", bad, "x")) << bad;
        EXPECT_FALSE(DrillFiles::saveDrillTextFile(s.external, bad, "T", "x")) << bad;
        EXPECT_FALSE(DrillFiles::createDrillSet(s.external, bad)) << bad;
        EXPECT_FALSE(DrillFiles::removeDrillSet(s.external, bad)) << bad;
    }
    EXPECT_FALSE(DrillFiles::saveDrillTextFile(s.external, "Absent", "T", "x"));
    EXPECT_FALSE(fs::exists(s.drillSet("Absent")));
}

TEST(DrillSetOperations, CreateDuplicateAndRemoveStayInTheirSets)
{
    DrillSite s;
    s.text("# Shipped", "One.txt", "one");
    s.text("Other", "Keep.txt", "keep");
    ::chmod((s.drillSet("# Shipped") + "One.txt").c_str(), 0444);

    EXPECT_TRUE(DrillFiles::createDrillSet(s.external, "New"));
    EXPECT_FALSE(DrillFiles::createDrillSet(s.external, "new")) << "names of one kind ignore case";
    ASSERT_TRUE(DrillFiles::duplicateDrillSet(s.external, "# shipped", "Mine"));
    struct stat st {};
    ASSERT_EQ(::stat((s.drillSet("Mine") + "One.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);
    ASSERT_EQ(::stat(s.drillSet("Mine").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0777u);

    EXPECT_TRUE(DrillFiles::removeDrillSet(s.external, "MINE"));
    EXPECT_FALSE(fs::exists(s.drillSet("Mine")));
    EXPECT_TRUE(fs::exists(s.drillSet("Other") + "Keep.txt"));
    EXPECT_TRUE(fs::exists(s.drillSet("# Shipped") + "One.txt"));
    EXPECT_FALSE(DrillFiles::removeDrillSet(s.external, "Absent"));
}

TEST(ShippedDrillTexts, TwoSetsOfEightThatRead)
{
    for (const char* set : {"# Warm-Up Drills", "# Phrase Reading Drills"}) {
        std::string folder = std::string(QOR_RESOURCES_DIR) + "/content/drilltext/" + set + "/";
        QorCat texts;
        ASSERT_TRUE(texts.generateFileList(folder, "txt", true)) << set;
        EXPECT_EQ(texts.count(), 8) << set;
        for (int i = 0; i < texts.count(); ++i) {
            std::string raw;
            ASSERT_EQ(fs::readFile(texts.getFSRefAtIndex(i), raw, 1 << 20), 0);
            EXPECT_GT(raw.size(), 200u) << set << "/" << texts.getStringAtIndex(i);
            EXPECT_TRUE(isValidName(texts.getStringAtIndex(i))) << texts.getStringAtIndex(i);
        }
    }
}

}  // namespace
}  // namespace qor
