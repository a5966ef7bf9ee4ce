#include "sets/QorCat.h"
#include "sets/QorStringList.h"
#include "sets/SetKinds.h"
#include "sets/SetsTestSupport.h"

#include <gtest/gtest.h>

#include <optional>

#include <unistd.h>

namespace qor {
namespace {

using testing_sets::SetSite;

// Every listing rule of a file kind ("db" suffix, cut) and of a folder
// kind, one entry at a time. "." and ".." are made as folders by every
// file system; the rest is made as a file, then as a folder.
struct ListingCase {
    const char* entry;
    std::optional<std::string> asFileOfFileKind; // listed name, if listed
    bool listedAsFolderOfFolderKind;
};

TEST(QorCatListing, EachEntryOnItsOwn)
{
    const ListingCase cases[] = {
        {".", std::nullopt, false},      {"..", std::nullopt, false},
        {".git", std::nullopt, false},   {"x.DB", "x", true}, // the suffix ignores letter case
        {"db", std::nullopt, true},                           // no ".db", and no stem
        {".db", std::nullopt, false},                         // a stem is needed, and a leading dot hides
        {"feedb", std::nullopt, true},   {".hidden.txt", std::nullopt, false},
        {"memotxt", std::nullopt, true}, {"Fast.db", "Fast", true},
        {"a.db.db", "a.db", true},
    };
    for (const ListingCase& c : cases) {
        SCOPED_TRACE(c.entry);
        SetSite s;
        std::string name = c.entry;
        if (name != "." && name != "..")
            s.file("CustomOptions3/" + name);
        QorCat files;
        ASSERT_TRUE(files.generateFileList(s.path("CustomOptions3"), "db", true));
        if (c.asFileOfFileKind) {
            ASSERT_EQ(files.count(), 1);
            EXPECT_EQ(files.getStringAtIndex(0), *c.asFileOfFileKind);
            EXPECT_EQ(files.getFSRefAtIndex(0), s.path("CustomOptions3/" + name));
        } else {
            EXPECT_EQ(files.count(), 0);
        }

        if (name != "." && name != "..")
            s.folder("Tests/" + name);
        QorCat folders;
        ASSERT_TRUE(folders.generateDirectoryList(s.path("Tests")));
        ASSERT_EQ(folders.count(), c.listedAsFolderOfFolderKind ? 1 : 0);
        if (c.listedAsFolderOfFolderKind) {
            EXPECT_EQ(folders.getStringAtIndex(0), name);
        }
    }
}

TEST(QorCatListing, KindsSeeOnlyTheirOwnEntries)
{
    SetSite s;
    s.folder("Tests/Set B");
    s.folder("Tests/set a");
    s.file("Tests/notes.txt");
    ::symlink("/", s.path("Tests/escape").c_str());
    s.file("CustomOptions3/Fast.db");
    s.file("CustomOptions3/fast notes.txt");
    s.folder("CustomOptions3/Folder.db");
    s.file("CustomOptions3/.hidden.db");

    QorCat tests = catalogueOf(setKind(SetKindId::CompTest), s.external);
    EXPECT_EQ(tests.names(), (std::vector<std::string>{"set a", "Set B"}));
    CustomOptionsSets options(s.external);
    EXPECT_EQ(options.names(), std::vector<std::string>{"Fast"});
}

TEST(QorCatListing, OneOrderIgnoringCaseTiesByBytes)
{
    SetSite s;
    for (const char* n : {"beta.db", "Alpha.db", "alpha.db", "a b.db", "a.db", "Zed.db"})
        s.file(std::string("Drills/") + n);
    DrillSessionSets sets(s.external);
    // "a b" before "a" would be wrong: the order is that of the cut names.
    EXPECT_EQ(sets.names(), (std::vector<std::string>{"a", "a b", "Alpha", "alpha", "beta", "Zed"}));
}

TEST(QorCatListing, AMissingFolderLeavesItEmpty)
{
    SetSite s;
    QorCat cat;
    EXPECT_FALSE(cat.generateDirectoryList(s.path("Nowhere")));
    EXPECT_EQ(cat.count(), 0);
    CourseSet courses(s.external + "missing/");
    EXPECT_EQ(courses.count(), 0);
}

TEST(QorCatLookup, IgnoresCaseAndAnswersTheSpellingOnDisk)
{
    SetSite s;
    s.file("CustomOptions3/Fast.db");
    s.file("CustomOptions3/Slow.DB");
    CustomOptionsSets sets(s.external);
    EXPECT_EQ(sets.indexOfEqualString("FAST"), 0);
    EXPECT_TRUE(sets.isDuplicate("slow"));
    EXPECT_FALSE(sets.isDuplicate("Fas"));
    EXPECT_EQ(sets.realName("slow"), "Slow");
    EXPECT_EQ(sets.refForName("slow"), s.path("CustomOptions3/Slow.DB"));
    EXPECT_EQ(sets.realName("medium"), std::nullopt);

    sets.deleteItemWithName("fast");
    EXPECT_EQ(sets.names(), std::vector<std::string>{"Slow"});
    EXPECT_EQ(sets.getFSRefAtIndex(0), s.path("CustomOptions3/Slow.DB"));
    EXPECT_TRUE(fs::exists(s.path("CustomOptions3/Fast.db"))); // memory only
    EXPECT_FALSE(sets.deleteItemAtIndex(5));
    EXPECT_EQ(sets.getStringAtIndex(-1), "");
}

TEST(QorCatLookup, CStringsKeepRoomForTheTerminator)
{
    SetSite s;
    s.folder("DrillText/Caf\xC3\xA9s"); // "Cafés": é is one Mac OS Roman byte
    QorCat cat = catalogueOf(setKind(SetKindId::DrillText), s.external);
    EXPECT_EQ(cat.getCString(64, 0), "Caf\x8Es");
    EXPECT_EQ(cat.getCString(5, 0), "Caf\x8E");
    EXPECT_EQ(cat.getCString(1, 0), "");
    EXPECT_EQ(cat.getCString(64, 1), "");
}

TEST(QorStringListTest, LooksUpIgnoringCaseAndKeepsInsertionOrder)
{
    QorStringList list;
    list.addString("Nora");
    list.addCString("Jos\x8E"); // Mac OS Roman bytes
    list.addString("anna");
    EXPECT_EQ(list.stringList(), (std::vector<std::string>{"Nora", "Jos\xC3\xA9", "anna"}));
    EXPECT_EQ(list.indexOfEqualString("ANNA"), 2);
    EXPECT_EQ(list.indexOfEqualString("JOS\xC3\x89"), 1); // É folds to é
    EXPECT_FALSE(list.isDuplicate("Ann"));
    list.replaceCString("Ben", 0);
    list.replaceCString("Nobody", 7);
    list.deleteStringAtIndex(2);
    list.deleteStringAtIndex(-1);
    EXPECT_EQ(list.stringList(), (std::vector<std::string>{"Ben", "Jos\xC3\xA9"}));
    EXPECT_EQ(list.getCString(1, 4), "Jos");
    EXPECT_EQ(list.getCString(1, 5), "Jos\x8E");
    EXPECT_EQ(list.getStringAtIndex(3), "");
}

} // namespace
} // namespace qor
