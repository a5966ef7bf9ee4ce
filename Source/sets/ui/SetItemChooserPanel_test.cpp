#include "sets/ui/SetItemChooserPanel.h"

#include "sets/SetsTestSupport.h"
#include "testing/ui/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace qor {
namespace {

using testing_sets::ChooserSite;

const SetItemChooserTexts kTexts{"Choose an Item", "Item set:", "Items:"};

QStringList rows(QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

QStringList labels(QWidget* w)
{
    QStringList out;
    for (QLabel* l : w->findChildren<QLabel*>())
        out << l->text();
    return out;
}

void doubleClickRow(QListWidget* list, int row)
{
    QPoint at = list->visualItemRect(list->item(row)).center();
    // A double click is a click followed by a double-click event.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// The chooser's panel over a site whose reader stored a set and an item,
// initialised.
struct OpenChooser {
    OpenChooser(const char* storedSet, const char* storedItem)
    {
        s.prefs.setStringValue(storedSet, "LastSet");
        s.prefs.setStringValue(storedItem, "LastItem");
        panel.initialize();
    }
    ChooserSite s;
    SetItemChooser model = s.chooser();
    SetItemChooserPanel panel{model, kTexts};
};

TEST(SetItemChooserPanel, ShowsTheStoredChoiceAndReloadsOnAnotherSet)
{
    OpenChooser c("class texts", "Tuesday");
    auto& [s, model, panel] = c;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    EXPECT_EQ(panel.windowTitle(), "Choose an Item");
    EXPECT_TRUE(labels(&panel).contains("Item set:"));
    EXPECT_TRUE(labels(&panel).contains("Items:"));
    EXPECT_EQ(panel.setMenu()->count(), 3);
    EXPECT_EQ(panel.setMenu()->currentText(), "Class Texts");
    EXPECT_EQ(rows(panel.itemList()), (QStringList{"Monday", "Tuesday"}));
    EXPECT_EQ(panel.itemList()->currentRow(), 1);
    EXPECT_TRUE(panel.okButton()->isEnabled());

    panel.setMenu()->setCurrentText("Empty");
    EXPECT_EQ(panel.itemList()->count(), 0);
    EXPECT_FALSE(panel.okButton()->isEnabled());

    panel.setMenu()->setCurrentText("# Warm-Up Drills");
    EXPECT_EQ(panel.itemList()->count(), 3);
    EXPECT_EQ(panel.itemList()->currentRow(), 0) << "a new set starts at its first item";
    EXPECT_TRUE(panel.okButton()->isEnabled());
    panel.itemList()->setCurrentRow(2);
    QTest::mouseClick(panel.okButton(), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_TRUE(model.result());
    EXPECT_EQ(model.chosenItemRef(), s.path("DrillText/# Warm-Up Drills/03 Tide Pools.txt"));
    EXPECT_EQ(s.prefs.stringValue("LastSet"), "# Warm-Up Drills");
    EXPECT_EQ(s.prefs.stringValue("LastItem"), "03 Tide Pools");
}

TEST(SetItemChooserPanel, ADoubleClickActsAsOK)
{
    OpenChooser c("Class Texts", "");
    auto& [s, model, panel] = c;
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    doubleClickRow(panel.itemList(), 1);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(model.result());
    EXPECT_EQ(model.chosenSetName(), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastItem"), "Tuesday");
}

TEST(SetItemChooserPanel, CancelAndNoSetsStoreNothing)
{
    OpenChooser c("Class Texts", "Gone");
    auto& [s, model, panel] = c;
    EXPECT_EQ(panel.itemList()->currentRow(), 0) << "a stored item that is gone selects the first";
    QTest::mouseClick(child<QPushButton>(&panel, "mCancelButton"), Qt::LeftButton);
    EXPECT_EQ(panel.result(), QDialog::Rejected);
    EXPECT_FALSE(model.result());
    EXPECT_EQ(model.chosenItemRef(), "");
    EXPECT_EQ(s.prefs.stringValue("LastItem"), "Gone");

    SetItemChooser none(s.prefs, "LastSet", "LastItem", nullptr, nullptr, s.external);
    SetItemChooserPanel empty(none, kTexts);
    empty.initialize();
    EXPECT_EQ(empty.setMenu()->count(), 0);
    EXPECT_EQ(empty.itemList()->count(), 0);
    EXPECT_FALSE(empty.okButton()->isEnabled());
    QTest::mouseClick(empty.okButton(), Qt::LeftButton);
    EXPECT_FALSE(none.result());
    EXPECT_EQ(s.prefs.stringValue("LastSet"), "Class Texts");
}

} // namespace
} // namespace qor
