#include "sets/SetDialogs.h"
#include "sets/SetsTestSupport.h"
#include "shell/Messages.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace qor {
namespace {

using testing_sets::modeOf;
using testing_sets::SetSite;

TEST(SetNamingRules, CheckedInTheirOrder)
{
    struct Case {
        const char* name;
        const char* create; // also the duplicate dialog's key
        const char* importSet;
        const char* importGameText;
    };
    const Case cases[] = {
        {"", "BlankName", "BlankName", "BlankName"},
        {"#", "SetCreate", "SetImport", "GameImport"},
        {"# x", "SetCreate", "SetImport", "GameImport"}, // "#" before the space
        {" #x", "StartWithBlank2", "StartWithBlank1", "StartWithBlank1"},
        {"\tTabbed", "StartWithBlank2", "StartWithBlank1", "StartWithBlank1"},
        {"a/b", "BadSetName", "BadSetName", "BadSetName"},
        {"..", "BadSetName", "BadSetName", "BadSetName"},
        {".hidden", "BadSetName", "BadSetName", "BadSetName"},
        {"bell\x07", "BadSetName", "BadSetName", "BadSetName"},
        {"\xE2\x82\xAC"
         "uro",
         "", "", ""},                                                    // € is in Mac OS Roman
        {"snow \xE2\x98\x83", "BadSetName", "BadSetName", "BadSetName"}, // ☃ is not
        {"Fast Readers", "", "", ""},
        {"x#", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(setNameRuleKey(c.name, NamingContext::Create), c.create);
        EXPECT_EQ(setNameRuleKey(c.name, NamingContext::Duplicate), c.create);
        EXPECT_EQ(setNameRuleKey(c.name, NamingContext::ImportSet), c.importSet);
        EXPECT_EQ(setNameRuleKey(c.name, NamingContext::ImportGameText), c.importGameText);
    }
    // A file kind's name leaves room for its ".db".
    std::string longest(252, 'a');
    EXPECT_EQ(setNameRuleKey(longest, NamingContext::Create, true), "");
    EXPECT_EQ(setNameRuleKey(longest + "a", NamingContext::Create, true), "BadSetName");
    EXPECT_EQ(setNameRuleKey(longest + "a", NamingContext::Create, false), "");
}

TEST(CreateSetModelTest, TitlesAndTheKindsOwnDuplicateKey)
{
    SetSite s;
    s.file("CustomOptions3/Fast.db");
    const SetKind& kind = setKind(SetKindId::CustomOptions);
    QorCat existing = catalogueOf(kind, s.external);
    CreateSetModel m;
    m.initializeName(kind, &existing);
    EXPECT_EQ(m.title(), "Create Custom Options Set");
    EXPECT_EQ(m.description(), "Enter new Custom Options set name.");
    EXPECT_EQ(m.setLabel(), "New Custom Options set name:");
    EXPECT_TRUE(m.canceled());
    EXPECT_FALSE(m.ok("fast"));
    EXPECT_FALSE(m.ok("#Mine"));
    EXPECT_FALSE(m.ok(""));
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"DuplicatOptionSetName", "SetCreate", "BlankName"}));
    EXPECT_EQ(m.setName(), std::nullopt);
    EXPECT_TRUE(m.ok("faster"));
    EXPECT_FALSE(m.canceled());
    EXPECT_EQ(m.setName(), "faster");
    m.initializeName(kind);
    EXPECT_TRUE(m.canceled());
    EXPECT_EQ(m.setName(), std::nullopt);
}

TEST(DuplicateSetModelTest, RefusesATakenNameAndDoesNothingWithoutASelection)
{
    SetSite s;
    s.folder("Tests/Fast");
    const SetKind& kind = setKind(SetKindId::CompTest);
    DuplicateSetModel m;
    m.initializeList(catalogueOf(kind, s.external), kind);
    EXPECT_EQ(m.title(), "Duplicate Comprehension Test Set");
    EXPECT_EQ(m.setLabel(), "Comprehension Test set that will be duplicated:");
    EXPECT_EQ(m.newSetLabel(), "New Comprehension Test set name:");
    EXPECT_EQ(m.setNames(), std::vector<std::string>{"Fast"});
    EXPECT_FALSE(m.ok(0, "FAST"));
    EXPECT_FALSE(m.ok(0, " Copy"));
    EXPECT_EQ(s.alertTexts(), (std::vector<std::string>{"DuplicateSetName", "StartWithBlank2"}));
    EXPECT_FALSE(m.ok(-1, "Copy"));
    EXPECT_EQ(s.alerts.shown.size(), 2u);
    EXPECT_TRUE(m.ok(0, "Copy"));
    EXPECT_EQ(m.fromSetName(), "Fast");
    EXPECT_EQ(m.toSetName(), "Copy");

    DuplicateSetModel empty;
    empty.initializeList(QorCat(), kind);
    EXPECT_TRUE(empty.setNames().empty());
    EXPECT_FALSE(empty.ok(0, "Copy"));
    EXPECT_EQ(empty.fromSetName(), std::nullopt);
}

TEST(DeleteSetModelTest, ReadOnlyRefusedAndNoKeepsTheDialogOpen)
{
    SetSite s;
    s.file("CustomOptions3/# Standard Options.db");
    s.file("CustomOptions3/Mine.db");
    const SetKind& kind = setKind(SetKindId::CustomOptions);
    DeleteSetModel m;
    m.initializeList(catalogueOf(kind, s.external), kind.kindName, true);
    EXPECT_EQ(m.title(), "RemoveTheSet"); // no tables loaded: the key
    EXPECT_EQ(m.setNames(), (std::vector<std::string>{"# Standard Options", "Mine"}));
    EXPECT_FALSE(m.ok(0));
    ASSERT_EQ(s.alertTexts(), std::vector<std::string>{"RemoveReadOnlySet"});
    s.alerts.answers = {1}; // No
    EXPECT_FALSE(m.ok(1));
    EXPECT_EQ(s.alerts.shown.back().message, "RemoveSetProceed");
    EXPECT_TRUE(m.canceled());
    s.alerts.answers = {0}; // Yes
    EXPECT_TRUE(m.ok(1));
    EXPECT_EQ(m.setName(), "Mine");
    EXPECT_FALSE(m.ok(2));

    DeleteSetModel game;
    game.initializeList(QorCat(), "Eye-Span", false);
    EXPECT_EQ(game.title(), "RemoveGameText");
    EXPECT_FALSE(game.ok(0));
}

TEST(DeleteSetModelTest, TitlesFromTheTables)
{
    MessageTables::setFolder(std::string(QOR_RESOURCES_DIR) + "/Messages");
    DeleteSetModel m;
    m.initializeList(QorCat(), "Drill Text", true);
    EXPECT_EQ(m.title(), "Remove Drill Text Set");
    EXPECT_NE(m.description().find("Drill Text"), std::string::npos);
    MessageTables::setFolder("");
}

// The commands over a site, with scripted dialogs.
struct Commands {
    SetSite s;
    std::string createTyped, duplicateTyped;
    int duplicateIndex = 0, deleteIndex = 0;
    std::vector<std::string> followUps;
    SetCommands commands{*s.admin, hooks(), s.external};

    SetCommandHooks hooks()
    {
        SetCommandHooks h;
        h.runCreate = [this](CreateSetModel& m) { m.ok(createTyped); };
        h.runDuplicate = [this](DuplicateSetModel& m) { m.ok(duplicateIndex, duplicateTyped); };
        h.runDelete = [this](DeleteSetModel& m) { m.ok(deleteIndex); };
        h.addCustomOption = [this](const std::string& n) { followUps.push_back("add " + n); };
        h.openDrillEditor = [this](const std::string& n) { followUps.push_back("edit " + n); };
        return h;
    }
};

TEST(SetCommandsTest, OnlyTheAdministrator)
{
    Commands c;
    c.s.logOn("Nora");
    c.createTyped = "Mine";
    EXPECT_EQ(c.commands.createSet(SetKindId::Drill), std::nullopt);
    EXPECT_EQ(c.commands.deleteSet(SetKindId::Drill), std::nullopt);
    EXPECT_EQ(c.s.alertTexts(), (std::vector<std::string>{"AdminOnly", "AdminOnly"}));
    EXPECT_FALSE(fs::exists(c.s.path("Drills/Mine.db")));
    // The editors' path has no check.
    EXPECT_EQ(c.commands.createSetUnchecked(SetKindId::DrillText), "Mine");
    EXPECT_EQ(modeOf(c.s.path("DrillText/Mine")), 0777u);
}

TEST(SetCommandsTest, CreateThenTheKindsQuestion)
{
    Commands c;
    c.s.logOn("Admin");
    c.createTyped = "Fast";
    c.s.alerts.answers = {0}; // Yes to "AddCustomOption"
    EXPECT_EQ(c.commands.createSet(SetKindId::CustomOptions), "Fast");
    EXPECT_EQ(modeOf(c.s.path("CustomOptions3/Fast.db")), 0666u);
    EXPECT_EQ(c.s.alertTexts(), std::vector<std::string>{"AddCustomOption"});
    EXPECT_EQ(c.followUps, std::vector<std::string>{"add Fast"});

    c.createTyped = "fast"; // the same set: refused by the dialog, which then is cancelled
    EXPECT_EQ(c.commands.createSet(SetKindId::CustomOptions), std::nullopt);
    EXPECT_EQ(c.s.alertTexts().back(), "DuplicatOptionSetName");

    c.s.alerts.answers = {1}; // No to "DrillSetCreated"
    c.createTyped = "Warm-ups";
    EXPECT_EQ(c.commands.createSet(SetKindId::Drill), "Warm-ups");
    EXPECT_EQ(c.s.alertTexts().back(), "DrillSetCreated");
    EXPECT_EQ(c.followUps.size(), 1u);
}

TEST(SetCommandsTest, AFailedCreateIsShownAndAsksNothing)
{
    Commands c;
    c.s.logOn("Admin");
    ::rmdir(c.s.path("Drills").c_str());
    c.createTyped = "Warm-ups";
    EXPECT_EQ(c.commands.createSet(SetKindId::Drill), std::nullopt);
    EXPECT_EQ(c.s.alertTexts(), std::vector<std::string>{"SetStorageFailed"});
    EXPECT_TRUE(c.followUps.empty());
}

TEST(SetCommandsTest, ADuplicatedShippedSetIsWritable)
{
    for (SetKindId id : {SetKindId::CustomOptions, SetKindId::CompTest}) {
        Commands c;
        c.s.logOn("Admin");
        const SetKind& kind = setKind(id);
        std::string from = std::string(kind.folderName) + "/# Shipped";
        if (kind.fileKind) {
            c.s.file(from + ".db", std::string(692, 'r'));
            ::chmod(c.s.path(from + ".db").c_str(), 0444);
        } else {
            c.s.folder(from);
            c.s.file(from + "/one.sty", "story");
            c.s.file(from + "/.DS_Store", "x");
            ::chmod(c.s.path(from + "/one.sty").c_str(), 0444);
            ::chmod(c.s.path(from).c_str(), 0555);
        }
        c.duplicateTyped = "Mine";
        EXPECT_EQ(c.commands.duplicateSet(id), "Mine");
        std::string to = std::string(kind.folderName) + "/Mine";
        if (kind.fileKind) {
            EXPECT_EQ(c.s.read(to + ".db"), std::string(692, 'r'));
            EXPECT_EQ(modeOf(c.s.path(to + ".db")), 0666u);
        } else {
            EXPECT_EQ(c.s.read(to + "/one.sty"), "story");
            EXPECT_EQ(modeOf(c.s.path(to + "/one.sty")), 0666u);
            EXPECT_EQ(modeOf(c.s.path(to)), 0777u);
            EXPECT_FALSE(fs::exists(c.s.path(to + "/.DS_Store")));
            ::chmod(c.s.path(from).c_str(), 0777);
        }
        EXPECT_TRUE(c.s.alerts.shown.empty());
    }
}

TEST(SetCommandsTest, DeleteRemovesItsOwnSetAndNothingElse)
{
    Commands c;
    c.s.logOn("Admin");
    c.s.folder("Tests/# Shipped");
    c.s.folder("Tests/Mine");
    c.s.file("Tests/Mine/a.sty", "a");
    c.s.folder("Tests/Mine/inner");
    c.s.folder("Tests/Mine2");
    c.s.file("Tests/Mine2/b.sty", "b");
    c.s.folder("Outside");
    c.s.file("Outside/keep.txt", "keep");
    ::symlink(c.s.path("Outside").c_str(), c.s.path("Tests/Mine/link").c_str());

    c.deleteIndex = 1;        // "Mine"
    c.s.alerts.answers = {0}; // Yes
    EXPECT_EQ(c.commands.deleteSet(SetKindId::CompTest), "Mine");
    EXPECT_FALSE(fs::exists(c.s.path("Tests/Mine")));
    EXPECT_EQ(c.s.read("Outside/keep.txt"), "keep");
    EXPECT_EQ(c.s.read("Tests/Mine2/b.sty"), "b");
    EXPECT_TRUE(fs::isFolder(c.s.path("Tests/# Shipped")));
    EXPECT_TRUE(fs::isFolder(c.s.path("Users")));

    c.deleteIndex = 0; // "# Shipped": refused, nothing removed
    EXPECT_EQ(c.commands.deleteSet(SetKindId::CompTest), std::nullopt);
    EXPECT_EQ(c.s.alertTexts().back(), "RemoveReadOnlySet");
    EXPECT_TRUE(fs::isFolder(c.s.path("Tests/# Shipped")));
}

TEST(SetStorageTest, NamesNeverLeaveTheKindsFolder)
{
    SetSite s;
    s.folder("Tests/Real");
    SetStorage tests(setKind(SetKindId::CompTest), s.external);
    for (const char* bad : {"", ".", "..", "../Users", "a/b", "\xFF", "snow \xE2\x98\x83"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(tests.setPath(bad), "");
        EXPECT_EQ(tests.create(bad), fs::kBadName);
        EXPECT_EQ(tests.remove(bad), fs::kBadName);
    }
    EXPECT_EQ(tests.setPath("REAL"), s.path("Tests/Real"));
    EXPECT_EQ(tests.create("real"), fs::kDuplicateName);
    EXPECT_EQ(tests.remove("Unknown"), fs::kFileNotFound);
    EXPECT_EQ(tests.remove("# Standard"), fs::kAccessDenied);
    EXPECT_EQ(tests.remove("rEaL"), fs::kNoErr);
    EXPECT_TRUE(fs::isFolder(s.path("Tests")));
    EXPECT_TRUE(fs::isFolder(s.path("Users")));
}

} // namespace
} // namespace qor
