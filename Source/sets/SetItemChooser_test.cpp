#include "sets/SetItemChooser.h"

#include "sets/SetsTestSupport.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

using testing_sets::ChooserSite;

std::string selectedItemName(const SetItemChooser& c)
{
    return c.items() ? c.items()->getStringAtIndex(c.selectedItem()) : std::string();
}

TEST(SetItemChooser, StartsAtTheStoredChoiceOrTheFirst)
{
    struct Case {
        const char* storedSet;
        const char* storedItem;
        const char* set;
        const char* item; // "" when nothing can be selected
        bool okEnabled;
    };
    const Case cases[] = {
        {"Class Texts", "Tuesday", "Class Texts", "Tuesday", true},
        {"class texts", "TUESDAY", "Class Texts", "Tuesday", true}, // letter case ignored
        {"Class Texts", "Gone", "Class Texts", "Monday", true},
        {"Gone", "Tuesday", "# Warm-Up Drills", "01 The Lighthouse Cat", true},
        {"", "", "# Warm-Up Drills", "01 The Lighthouse Cat", true},
        {"Empty", "Monday", "Empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.storedSet) + " / " + c.storedItem);
        ChooserSite s;
        s.prefs.setStringValue(c.storedSet, "LastSet");
        s.prefs.setStringValue(c.storedItem, "LastItem");
        SetItemChooser chooser = s.chooser();
        chooser.initialize();
        EXPECT_EQ(chooser.sets().getStringAtIndex(chooser.selectedSet()), c.set);
        EXPECT_EQ(selectedItemName(chooser), c.item);
        EXPECT_EQ(chooser.okEnabled(), c.okEnabled);
        EXPECT_FALSE(chooser.result());
    }
}

TEST(SetItemChooser, OKStoresTheChoiceAndCancelStoresNothing)
{
    ChooserSite s;
    SetItemChooser chooser = s.chooser();
    chooser.initialize();
    chooser.selectSet(chooser.sets().indexOfEqualString("Class Texts"));
    chooser.selectItem(1);
    EXPECT_EQ(chooser.chosenItemRef(), "") << "nothing is chosen before OK";
    EXPECT_EQ(chooser.chosenSetName(), "");
    ASSERT_TRUE(chooser.ok());
    EXPECT_TRUE(chooser.result());
    EXPECT_EQ(chooser.chosenItemRef(), s.path("DrillText/Class Texts/Tuesday.txt"));
    EXPECT_EQ(chooser.chosenSetName(), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastSet"), "Class Texts");
    EXPECT_EQ(s.prefs.stringValue("LastItem"), "Tuesday");

    // Another run starts from the stored choice; Cancel changes nothing.
    chooser.initialize();
    EXPECT_FALSE(chooser.result());
    EXPECT_EQ(selectedItemName(chooser), "Tuesday");
    chooser.selectItem(0);
    chooser.cancel();
    EXPECT_FALSE(chooser.result());
    EXPECT_EQ(chooser.chosenItemRef(), "");
    EXPECT_EQ(s.prefs.stringValue("LastItem"), "Tuesday");

    // OK on an empty set is refused and stores nothing.
    chooser.selectSet(chooser.sets().indexOfEqualString("Empty"));
    EXPECT_FALSE(chooser.ok());
    EXPECT_FALSE(chooser.result());
    EXPECT_EQ(s.prefs.stringValue("LastSet"), "Class Texts");
}

TEST(SetItemChooser, ChoosingASetReloadsItsItemsAndBadIndexesAreIgnored)
{
    ChooserSite s;
    s.prefs.setStringValue("Class Texts", "LastSet");
    s.prefs.setStringValue("Tuesday", "LastItem");
    SetItemChooser chooser = s.chooser();
    chooser.initialize();
    const int classTexts = chooser.selectedSet();

    // The same set again keeps the selection; indexes outside are ignored.
    for (int index : {classTexts, -1, chooser.sets().count()})
        chooser.selectSet(index);
    chooser.selectItem(2);
    chooser.selectItem(-1);
    EXPECT_EQ(chooser.selectedSet(), classTexts);
    EXPECT_EQ(selectedItemName(chooser), "Tuesday");

    chooser.selectSet(chooser.sets().indexOfEqualString("# Warm-Up Drills"));
    ASSERT_NE(chooser.items(), nullptr);
    EXPECT_EQ(chooser.items()->names(),
              (std::vector<std::string>{"01 The Lighthouse Cat", "02 How Bees Make Honey", "03 Tide Pools"}));
    EXPECT_EQ(chooser.selectedItem(), 0) << "a new set starts at its first item";
}

TEST(SetItemChooser, InitializeTakesAFreshCatalogue)
{
    ChooserSite s;
    SetItemChooser chooser = s.chooser();
    chooser.initialize();
    const int before = chooser.sets().count();
    s.item("New Set", "Friday");
    s.prefs.setStringValue("New Set", "LastSet");
    chooser.initialize();
    EXPECT_EQ(chooser.sets().count(), before + 1);
    EXPECT_EQ(chooser.sets().getStringAtIndex(chooser.selectedSet()), "New Set");
    EXPECT_EQ(selectedItemName(chooser), "Friday");
}

TEST(SetItemChooser, NoSetsKeepOKDisabled)
{
    struct Case {
        const char* what;
        SetItemChooser::SetCatalogue sets;
        SetItemChooser::ItemCatalogue items;
    };
    const Case cases[] = {
        {"no sets folder",
         [](const std::string& external) {
             auto cat = std::make_unique<QorCat>();
             cat->generateDirectoryList(QorCat::kindFolder(external, "Missing"));
             return cat;
         },
         &ChooserSite::items},
        {"no catalogue made", [](const std::string&) { return std::unique_ptr<QorCat>(); }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ChooserSite s;
        s.prefs.setStringValue("Class Texts", "LastSet");
        SetItemChooser chooser(s.prefs, "LastSet", "LastItem", c.sets, c.items, s.external);
        chooser.initialize();
        EXPECT_EQ(chooser.sets().count(), 0);
        EXPECT_EQ(chooser.selectedSet(), -1);
        EXPECT_EQ(chooser.items(), nullptr);
        chooser.selectSet(0);
        chooser.selectItem(0);
        EXPECT_FALSE(chooser.okEnabled());
        EXPECT_FALSE(chooser.ok());
        EXPECT_EQ(chooser.chosenItemRef(), "");
        EXPECT_EQ(chooser.chosenSetName(), "");
    }
}

} // namespace
} // namespace qor
