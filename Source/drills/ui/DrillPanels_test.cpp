#include "drills/ui/LoadDrillTextPanel.h"

#include "testing/ui/WidgetTestSupport.h"
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

struct ChooserSite : TestSite {
    ChooserSite() : admin(external, 3), prefs(admin)
    {
        admin.createUsersDirectory();
        fs::makeFolder(external + "Users/Admin");
        prefs.loadPrefsFileForUser("Admin");
        for (const char* t : {"01 The Lighthouse Cat", "02 How Bees Make Honey"})
            text("# Warm-Up Drills", std::string(t) + ".txt");
        text("Class Texts", "Monday.txt");
        fs::makeFolders(external + "DrillText/Empty/");
    }
    void text(const std::string& set, const std::string& file) const
    {
        fs::makeFolders(external + "DrillText/" + set);
        fs::writeFileAtomic(external + "DrillText/" + set + "/" + file, "text");
    }
    QorAdmin admin;
    CurrentPrefs prefs;
};

TEST(LoadDrillTextPanel, StartsAtTheStoredChoiceReloadsOnASetAndStoresOK)
{
    ChooserSite s;
    s.prefs.setStringValue("# warm-up drills", "LastDrillTextSetForLoading");
    s.prefs.setStringValue("No Longer There", "LastDrillTextForLoading");
    LoadDrillText model(s.prefs, "LastDrillTextSetForLoading", "LastDrillTextForLoading", s.external);
    LoadDrillTextPanel panel(model);
    panel.initialize();
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.setMenu()->currentText(), "# Warm-Up Drills");
    EXPECT_EQ(panel.textList()->count(), 2);
    EXPECT_EQ(panel.textList()->currentRow(), 0) << "a stored text that is gone selects the first";
    if (std::getenv("QOR_PANEL_SHOTS"))
        panel.grab().save("/tmp/quorlinth-load-drill-text.png");

    panel.setMenu()->setCurrentText("Empty");
    EXPECT_EQ(panel.textList()->count(), 0);
    EXPECT_FALSE(panel.okButton()->isEnabled());

    panel.setMenu()->setCurrentText("Class Texts");
    ASSERT_EQ(panel.textList()->count(), 1);
    EXPECT_TRUE(panel.okButton()->isEnabled());
    QPoint row = panel.textList()->visualItemRect(panel.textList()->item(0)).center();
    QTest::mouseClick(panel.textList()->viewport(), Qt::LeftButton, {}, row);
    QTest::mouseDClick(panel.textList()->viewport(), Qt::LeftButton, {}, row);
    EXPECT_TRUE(model.result()) << "a double click acts as OK";
    EXPECT_EQ(model.drillTextFileName(), s.external + "DrillText/Class Texts/Monday.txt");
    EXPECT_EQ(model.drillSetName(), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastDrillTextSetForLoading"), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastDrillTextForLoading"), "Monday");
}

TEST(LoadDrillTextPanel, NoDrillTextsRootKeepsOKDisabled)
{
    TestSite site;
    QorAdmin admin(site.external, 3);
    admin.createUsersDirectory();
    fs::makeFolder(site.external + "Users/Admin");
    CurrentPrefs prefs(admin);
    prefs.loadPrefsFileForUser("Admin");
    LoadDrillText model(prefs, "LastDrillSetInEditor", "LastDrillTextInEditor", site.external);
    LoadDrillTextPanel panel(model);
    panel.initialize();
    EXPECT_EQ(panel.setMenu()->count(), 0);
    EXPECT_FALSE(panel.okButton()->isEnabled());
    QTest::mouseClick(child<QPushButton>(&panel, "mCancelButton"), Qt::LeftButton);
    EXPECT_FALSE(model.result());
    EXPECT_EQ(model.drillTextFileName(), "");
}

}  // namespace
}  // namespace qor
