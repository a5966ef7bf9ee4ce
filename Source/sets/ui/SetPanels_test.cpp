#include "sets/ui/CustomOptionsPanels.h"
#include "sets/ui/SetMenus.h"
#include "sets/ui/SetPanels.h"

#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "sets/SetsTestSupport.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "testing/ui/WidgetTestSupport.h"
#include "users/CurrentPrefs.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <cstdlib>

namespace qor {
namespace {

using testing_sets::SetSite;

// With QOR_SET_SHOTS set (and a real display, e.g. Xvfb), each panel is
// shown and the screen saved as /tmp/sets-shot-N.png to look at.
void shoot(QWidget& w, int n)
{
    if (!std::getenv("QOR_SET_SHOTS"))
        return;
    w.adjustSize();
    w.move(40, 40);
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    QTest::qWait(300);
    std::string cmd = "import -window root /tmp/sets-shot-" + std::to_string(n) + ".png";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    w.hide();
}

struct Tables {
    Tables() { MessageTables::setFolder(std::string(QOR_RESOURCES_DIR) + "/Messages"); }
    ~Tables() { MessageTables::setFolder(""); }
};

void click(QPushButton* b)
{
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

TEST(CreateSetPanelWidget, StaysOpenOnABadNameAndClosesOnAGoodOne)
{
    SetSite s;
    Tables t;
    s.folder("Tests/Fast");
    const SetKind& kind = setKind(SetKindId::CompTest);
    QorCat existing = catalogueOf(kind, s.external);
    CreateSetModel model;
    model.initializeName(kind, &existing);
    CreateSetPanel panel(model);
    EXPECT_EQ(panel.windowTitle(), "Create Comprehension Test Set");
    EXPECT_EQ(child<QLabel>(&panel, "mSetText")->text(), "New Comprehension Test set name:");
    shoot(panel, 1);
    panel.show();
    QTest::keyClicks(panel.nameField(), "fast");
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_TRUE(panel.isVisible());
    ASSERT_EQ(s.alerts.shown.size(), 1u);
    EXPECT_NE(s.alerts.shown[0].message.find("already exists"), std::string::npos);
    panel.nameField()->setText("Grade 5");
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(model.setName(), "Grade 5");
}

TEST(DuplicateSetPanelWidget, FillsThePopUpAndForwardsTheSelection)
{
    SetSite s;
    Tables t;
    s.file("CustomOptions3/# Standard Options.db");
    s.file("CustomOptions3/Mine.db");
    const SetKind& kind = setKind(SetKindId::CustomOptions);
    DuplicateSetModel model;
    model.initializeList(catalogueOf(kind, s.external), kind);
    DuplicateSetPanel panel(model);
    ASSERT_EQ(panel.setMenu()->count(), 2);
    EXPECT_EQ(panel.setMenu()->itemText(0), "# Standard Options");
    panel.nameField()->setText("Class 4B");
    shoot(panel, 2);
    panel.show();
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(model.fromSetName(), "# Standard Options");
    EXPECT_EQ(model.toSetName(), "Class 4B");
}

TEST(DuplicateSetPanelWidget, AnEmptyPopUpDoesNothing)
{
    SetSite s;
    const SetKind& kind = setKind(SetKindId::Drill);
    DuplicateSetModel model;
    model.initializeList(catalogueOf(kind, s.external), kind);
    DuplicateSetPanel panel(model);
    panel.show();
    panel.nameField()->setText("Copy");
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(s.alerts.shown.empty());
    click(child<QPushButton>(&panel, "cancelButton"));
    EXPECT_TRUE(model.canceled());
}

TEST(DeleteSetPanelWidget, AsksAndKeepsTheSelectionOnNo)
{
    SetSite s;
    Tables t;
    s.folder("DrillText/# Shipped Texts");
    s.folder("DrillText/Grade 5 Texts");
    const SetKind& kind = setKind(SetKindId::DrillText);
    DeleteSetModel model;
    model.initializeList(catalogueOf(kind, s.external), kind.kindName, true);
    DeleteSetPanel panel(model);
    EXPECT_EQ(panel.windowTitle(), "Remove Drill Text Set");
    panel.setMenu()->setCurrentIndex(1);
    shoot(panel, 3);
    panel.show();
    s.alerts.answers = {1}; // No
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.setMenu()->currentIndex(), 1);
    s.alerts.answers = {0}; // Yes
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(model.setName(), "Grade 5 Texts");

    DeleteSetModel empty;
    empty.initializeList(QorCat(), kind.kindName, true);
    DeleteSetPanel emptyPanel(empty);
    EXPECT_FALSE(child<QPushButton>(&emptyPanel, "okButton")->isEnabled());
}

std::string stored(const std::string& name, int speed)
{
    OptionFileRec r;
    r.name = name;
    StandardOptions::defaultWindowOptions(r.options);
    r.options.speed = speed;
    return CustomOptionsFiles::convertToPCRec(r);
}

struct OptionSite : SetSite {
    OptionSite()
    {
        logOn("Admin");
        prefs.loadPrefsFileForUser("Admin");
        file("CustomOptions3/# Standard Options.db", stored("Word by word, 250 wpm", 250) +
                                                         stored("Phrases, 400 wpm", 400) +
                                                         stored("Page, 600 wpm", 600));
        file("CustomOptions3/Class 4B.db", stored("Warm-up", 180));
        file("CustomOptions3/Empty.db");
    }
    Tables tables;
    CurrentPrefs prefs{*admin};
    CurrentOptions options;
    NotificationBus bus;
};

TEST(SelectCustomOptionsPanelWidget, DoubleClickAppliesTheRow)
{
    OptionSite s;
    SelectCustomOptionsModel model(s.prefs, s.options, s.bus, s.external);
    model.initialize();
    SelectCustomOptionsPanel panel(model);
    ASSERT_EQ(panel.optionTable()->count(), 3);
    EXPECT_EQ(panel.optionTable()->currentRow(), 0);
    panel.optionTable()->setCurrentRow(1);
    shoot(panel, 4);
    panel.show();
    QListWidgetItem* item = panel.optionTable()->item(1);
    QRect r = panel.optionTable()->visualItemRect(item);
    // A double click is a click followed by a double-click event.
    QTest::mouseClick(panel.optionTable()->viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(panel.optionTable()->viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(item->text(), "Phrases, 400 wpm"); // rows in byte order of the names
    EXPECT_EQ(s.options.record().speed, 400);
    EXPECT_EQ(s.prefs.stringValue(kLastCustOptionKey), item->text().toStdString());

    // Choosing another set loads it.
    SelectCustomOptionsPanel again(model);
    again.setMenu()->setCurrentIndex(1);
    EXPECT_EQ(again.optionTable()->count(), 1);
    EXPECT_EQ(again.optionTable()->item(0)->text(), "Warm-up");
}

TEST(AddOrReplaceCustomOptionsPanelWidget, NewSetButtonSelectsTheNewSet)
{
    OptionSite s;
    AddOrReplaceCustomOptionsModel model(s.prefs, s.external);
    model.initialize("Class 4B");
    AddOrReplaceCustomOptionsPanel panel(model, [&s](QWidget*) -> std::optional<std::string> {
        s.file("CustomOptions3/Reading Club.db");
        return std::string("Reading Club");
    });
    EXPECT_EQ(panel.setMenu()->currentText(), "Class 4B");
    EXPECT_EQ(panel.optionCombo()->currentText(), "Warm-up");
    shoot(panel, 5);
    panel.show();
    click(child<QPushButton>(&panel, "newSetButton"));
    EXPECT_EQ(panel.setMenu()->currentText(), "Reading Club");
    EXPECT_EQ(panel.optionCombo()->currentText(), "");
    panel.optionCombo()->setCurrentText("Quick look");
    click(child<QPushButton>(&panel, "okButton"));
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(model.result());
    EXPECT_EQ(model.optionsSetName(), "Reading Club");
    EXPECT_EQ(model.optionsFileName(), "Quick look");
}

TEST(RemoveCustomOptionsPanelWidget, RemoveIsEnabledOnlyWithRows)
{
    OptionSite s;
    s.prefs.setStringValue("Class 4B", kLastCustOptSetKey);
    RemoveCustomOptionsModel model(s.prefs, s.external);
    model.initialize();
    RemoveCustomOptionsPanel panel(model);
    EXPECT_EQ(panel.setMenu()->currentText(), "Class 4B");
    EXPECT_TRUE(panel.removeButton()->isEnabled());
    shoot(panel, 6);
    panel.show();
    s.alerts.answers = {0}; // Yes
    click(panel.removeButton());
    EXPECT_EQ(panel.optionTable()->count(), 0);
    EXPECT_FALSE(panel.removeButton()->isEnabled());
    EXPECT_EQ(s.read("CustomOptions3/Class 4B.db"), "");
    panel.setMenu()->setCurrentIndex(2); // "Empty"
    EXPECT_FALSE(panel.removeButton()->isEnabled());
    click(child<QPushButton>(&panel, "doneButton"));
    EXPECT_FALSE(panel.isVisible());
}

TEST(SetMenusWidget, OneSubMenuPerKindWithItsTaskCodes)
{
    QWidget parent;
    QMenu admin;
    installSetMenus(&admin, &parent);
    std::vector<std::pair<QString, std::vector<int>>> got;
    for (QAction* a : admin.actions()) {
        if (QMenu* sub = a->menu()) {
            std::vector<int> codes;
            for (QAction* entry : sub->actions())
                codes.push_back(entry->data().toInt());
            got.emplace_back(a->text(), codes);
        } else if (!a->isSeparator()) {
            got.emplace_back(a->text(), std::vector<int>{a->data().toInt()});
        }
    }
    const std::vector<std::pair<QString, std::vector<int>>> want = {
        {"Comprehension Test Sets", {1480, 1481, 1482}},
        {"Custom Options Sets", {1451, 1452, 1453}},
        {"Drill Text Sets", {1460, 1461, 1462}},
        {"Drill Sets", {1470, 1471, 1472}},
        {"Save Custom Option...", {1031}},
        {"Remove Custom Option...", {1450}},
    };
    EXPECT_EQ(got, want);
    EXPECT_FALSE(runSetCommand(1484, &parent)); // export is not a set command here
}

} // namespace
} // namespace qor
