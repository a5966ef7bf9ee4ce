#include "session/MaterialCommands.h"

#include "base/Files.h"
#include "display/StandardOptions.h"
#include "session/SessionTestSupport.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing::BusLog;

TEST(MaterialCommands, DocumentsAreHandedOnByOneRule)
{
    TempFolder dir;
    const std::string signed_ = dir.path() + "/scan";
    fs::writeFileAtomic(signed_, "%PDF-1.5\n");
    struct Case {
        std::string path;
        bool story, pdf;
    } cases[] = {
        {"/t/notes.txt", false, false}, {"/t/notes.pdf.txt", false, false}, {"/t/Report.PDF", false, true},
        {"/t/01 Bees.STY", true, false}, {"/t/pdfsty", false, false},       {signed_, false, true},
    };
    for (const Case& c : cases) {
        MaterialRequest r = openDocumentRequest(c.path);
        EXPECT_EQ(r.isStory, c.story) << c.path;
        EXPECT_EQ(r.isPdf, c.pdf) << c.path;
        EXPECT_EQ(r.position, 0);
    }
    EXPECT_EQ(bookmarkRequest("/t/a.sty", 120).position, 120);
    EXPECT_TRUE(bookmarkRequest("/t/a.sty", 120).isStory);
    EXPECT_EQ(bookmarkRequest("/t/a.txt", -1).position, 0);
}

TEST(MaterialCommands, RecentDocumentsAreNewestFirstWithoutRepeatsAndKept)
{
    testing_session::Session s;
    for (int i = 0; i < 12; ++i)
        addRecentDocument(s.prefs, "/d/" + std::to_string(i) + ".txt");
    addRecentDocument(s.prefs, "/d/5.txt");
    std::vector<std::string> list = recentDocuments(s.prefs);
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(list[0], "/d/5.txt");
    EXPECT_EQ(list[1], "/d/11.txt");
    EXPECT_EQ(std::count(list.begin(), list.end(), "/d/5.txt"), 1);
    CurrentPrefs again(*s.site.admin);
    again.loadPrefsFileForUser("Ann");
    EXPECT_EQ(recentDocuments(again), list);
    clearRecentDocuments(s.prefs);
    EXPECT_TRUE(recentDocuments(s.prefs).empty());
}

TEST(MaterialCommands, SaveAsWritesUtf8OrRefuses)
{
    TempFolder dir;
    const std::string ok = dir.path() + "/ok.txt";
    const std::string text = "Caf\xC3\xA9 au lait";
    EXPECT_TRUE(saveTextAs(text.data(), static_cast<int32_t>(text.size()), ok));
    std::string back;
    fs::readFile(ok, back, 100);
    EXPECT_EQ(back, text);
    // Mac OS Roman bytes are not UTF-8: refused, nothing written.
    const std::string roman = "Caf\x8E";
    const std::string bad = dir.path() + "/bad.txt";
    EXPECT_FALSE(saveTextAs(roman.data(), 4, bad));
    EXPECT_FALSE(fs::exists(bad));
    EXPECT_FALSE(saveTextAs(text.data(), 5, dir.path() + "/no/such/folder/x.txt"));
}

TEST(MaterialCommands, SpeechSwitchAnnouncesItsUnitAndChecksFollowTheState)
{
    testing_session::Session s;
    OptionsRecord rec = s.options.options();
    rec.unit = kUnitCPM;
    BusLog log(s.bus, {note::kTargetSpeedUnit, note::kTargetSpeedLimits, note::kUpdateTargetSpeed});
    setSpeaking(true, s.prefs, rec, s.bus);
    EXPECT_TRUE(s.prefs.boolValue(prefkey::kSpeakingOn));
    setSpeaking(false, s.prefs, rec, s.bus);
    EXPECT_EQ(log.posts, (std::vector<std::string>{
                             "TargetSpeedUnitNotification(3)", "TargetSpeedLimitsNotification",
                             "UpdateTargetSpeedNotification", "TargetSpeedUnitNotification(2)",
                             "TargetSpeedLimitsNotification", "UpdateTargetSpeedNotification"}));
    rec.hideProgress = 1;
    MenuChecks c = menuChecks(s.prefs, rec);
    EXPECT_TRUE(c.speechOff);
    EXPECT_FALSE(c.speechOn);
    EXPECT_TRUE(c.hideSlider);
    EXPECT_FALSE(c.showSlider);
    EXPECT_TRUE(c.showControl);
}

}  // namespace
}  // namespace qor
