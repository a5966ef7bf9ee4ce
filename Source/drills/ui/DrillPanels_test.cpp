#include "drills/ui/LoadDrillTextPanel.h"

#include "tests/TestsTestSupport.h"
#include "users/CurrentPrefs.h"
#include "users/QorAdmin.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace qor {
namespace {

using testing_tests::TestSite;

// Drill text sets with a reader whose preferences the chooser uses. Only
// ".txt" files are drill texts.
struct ChooserSite : TestSite {
    ChooserSite() : admin(external, 3), prefs(admin)
    {
        admin.createUsersDirectory();
        fs::makeFolder(external + "Users/Admin");
        prefs.loadPrefsFileForUser("Admin");
        for (const char* t : {"01 The Lighthouse Cat", "02 How Bees Make Honey"})
            text("# Warm-Up Drills", std::string(t) + ".txt");
        text("Class Texts", "Monday.txt");
        text("Class Texts", "Notes.rtf");
    }
    void text(const std::string& set, const std::string& file) const
    {
        fs::makeFolders(external + "DrillText/" + set);
        fs::writeFileAtomic(external + "DrillText/" + set + "/" + file, "text");
    }
    QorAdmin admin;
    CurrentPrefs prefs;
};

// The chooser's rules are SetItemChooser's; here: the drill text catalogues
// and the caller's keys are the ones in use.
TEST(LoadDrillTextPanel, ListsTheDrillTextsAndStoresUnderTheCallersKeys)
{
    ChooserSite s;
    s.prefs.setStringValue("# warm-up drills", "LastDrillTextSetForLoading");
    s.prefs.setStringValue("02 How Bees Make Honey", "LastDrillTextForLoading");
    LoadDrillText model(s.prefs, "LastDrillTextSetForLoading", "LastDrillTextForLoading", s.external);
    LoadDrillTextPanel panel(model);
    panel.initialize();
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.windowTitle(), "Choose a Drill Text");
    EXPECT_EQ(panel.setMenu()->currentText(), "# Warm-Up Drills");
    EXPECT_EQ(panel.itemList()->count(), 2);
    EXPECT_EQ(panel.itemList()->currentRow(), 1);
    if (std::getenv("QOR_PANEL_SHOTS"))
        panel.grab().save("/tmp/quorlinth-load-drill-text.png");

    panel.setMenu()->setCurrentText("Class Texts");
    ASSERT_EQ(panel.itemList()->count(), 1);
    EXPECT_EQ(panel.itemList()->item(0)->text(), "Monday");
    QTest::mouseClick(panel.okButton(), Qt::LeftButton);
    EXPECT_TRUE(model.result());
    EXPECT_EQ(model.drillTextFileName(), s.external + "DrillText/Class Texts/Monday.txt");
    EXPECT_EQ(model.drillSetName(), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastDrillTextSetForLoading"), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastDrillTextForLoading"), "Monday");
}

}  // namespace
}  // namespace qor
