#include "tests/ui/LoadCompTestStoryPanel.h"
#include "tests/ui/UnpackProgressPanel.h"

#include "tests/TestsTestSupport.h"
#include "users/CurrentPrefs.h"
#include "users/QorAdmin.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>

namespace qor {
namespace {

using testing_tests::TestSite;

// With QOR_PANEL_SHOTS set, each panel is also saved to /tmp as a PNG to
// look at.
void shoot(QWidget& w, const char* name)
{
    if (!std::getenv("QOR_PANEL_SHOTS"))
        return;
    w.grab().save(QString("/tmp/quorlinth-%1.png").arg(name));
}

// A site with two test sets and a reader whose preferences the chooser uses.
// A story without its quiz is no test.
struct ChooserSite : TestSite {
    ChooserSite() : admin(external, 3), prefs(admin)
    {
        admin.createUsersDirectory();
        fs::makeFolder(external + "Users/Admin");
        prefs.loadPrefsFileForUser("Admin");
        for (const char* t : {"01 The Giant Pumpkin", "02 From Egg to Frog", "03 The Library Cat"}) {
            put("# Comprehension Test Set 1", std::string(t) + ".sty", "story");
            put("# Comprehension Test Set 1", std::string(t) + ".tst", "1. q\r");
        }
        put("Class Tests", "Week One.sty", "story");
        put("Class Tests", "Week One.tst", "1. q\r");
        put("Class Tests", "Draft Without A Quiz.sty", "story");
    }
    QorAdmin admin;
    CurrentPrefs prefs;
};

QStringList rows(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The chooser's rules are SetItemChooser's; here: the test catalogues and
// the caller's keys are the ones in use.
TEST(LoadCompTestStoryPanel, ListsTheTestsAndStoresUnderTheCallersKeys)
{
    ChooserSite s;
    s.prefs.setStringValue("class tests", "LastCompTestSetForLoading");
    s.prefs.setStringValue("Week One", "LastCompTestForLoading");
    LoadCompTestStory model(s.prefs, "LastCompTestSetForLoading", "LastCompTestForLoading", s.external);
    LoadCompTestStoryPanel panel(model);
    panel.initialize();
    panel.show();
    EXPECT_EQ(panel.windowTitle(), "Choose a Comprehension Test");
    EXPECT_EQ(panel.setMenu()->currentText(), "Class Tests");
    EXPECT_EQ(rows(panel.itemList()), QStringList{"Week One"});
    EXPECT_TRUE(panel.okButton()->isEnabled());

    panel.setMenu()->setCurrentIndex(0);
    ASSERT_EQ(panel.setMenu()->currentText(), "# Comprehension Test Set 1");
    EXPECT_EQ(rows(panel.itemList()).size(), 3);
    EXPECT_EQ(panel.itemList()->currentRow(), 0);
    panel.itemList()->setCurrentRow(1);
    shoot(panel, "load-comp-test-story");
    QTest::mouseClick(panel.okButton(), Qt::LeftButton);
    EXPECT_TRUE(model.result());
    EXPECT_EQ(model.testStoryFileName(), s.set("# Comprehension Test Set 1") + "02 From Egg to Frog.sty");
    EXPECT_EQ(model.testStorySetName(), "# Comprehension Test Set 1");
    EXPECT_EQ(s.prefs.stringValue("LastCompTestSetForLoading"), "# Comprehension Test Set 1");
    EXPECT_EQ(s.prefs.stringValue("LastCompTestForLoading"), "02 From Egg to Frog");
}

TEST(UnpackProgressPanel, UnpacksWithTheEventLoopLive)
{
    TestSite site;
    std::vector<PackEntry> entries;
    for (int i = 1; i <= 6; ++i)
        entries.push_back({"Test " + std::to_string(i) + (i % 2 ? ".sty" : ".tst"), "line\n"});
    std::string pack;
    ASSERT_TRUE(writeTestPack(entries, pack));
    fs::writeFileAtomic(site.external + "pk", pack);

    UnpackTests unpacker;
    ASSERT_TRUE(unpacker.startUnpacking(site.external + "pk", site.set("# S")));
    UnpackProgressPanel panel;
    int ticks = 0;
    QString seen;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] {
        ++ticks;
        if (seen.isEmpty() && !panel.titleField()->text().isEmpty()) {
            seen = panel.titleField()->text();
            shoot(panel, "unpack-progress");
        }
    });
    other.start(1);
    panel.unpack(unpacker);
    EXPECT_TRUE(unpacker.isFinished());
    EXPECT_GT(ticks, 0) << "other timers ran while it unpacked";
    EXPECT_FALSE(seen.isEmpty());
    EXPECT_EQ(panel.progressBar()->value(), 6);
    EXPECT_EQ(panel.titleField()->text(), "Test 6.tst");
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(unpacker.filesWritten(), 6);
}

}  // namespace
}  // namespace qor
