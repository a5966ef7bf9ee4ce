#include "controls/BookMarks.h"
#include "controls/BookmarkDialogs.h"

#include "base/Files.h"
#include "base/PropertyList.h"
#include "base/TempFolder.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qor {
namespace {

struct BookmarkFixture {
    BookmarkFixture()
    {
        fs::makeFolders(tmp / "Users/Ann");
        saved = platform();
        PlatformServices s = saved;
        s.alerts = &alerts;
        installPlatform(s);
    }
    ~BookmarkFixture() { installPlatform(saved); }

    std::string file() const { return BookMarks::filePathFor(tmp / "Users", "Ann"); }
    void add(const std::string& name, const std::string& path, int32_t pos) const
    {
        BookMarks store(file());
        ASSERT_TRUE(store.addBookMark(name, path, pos));
    }
    PlistValue stored() const
    {
        PlistValue v;
        EXPECT_EQ(readPlistFile(file(), v), 0);
        return v;
    }
    std::vector<std::string> alertMessages() const
    {
        std::vector<std::string> out;
        for (const AlertRequest& r : alerts.shown)
            out.push_back(r.message);
        return out;
    }
    static std::string text(const char* key) { return MessageTables::localizedString(key, "Error"); }

    TempFolder tmp;
    RecordingAlerts alerts;
    PlatformServices saved;
};

PlistValue mark(PlistValue name, PlistValue path, PlistValue pos)
{
    PlistValue d = PlistValue::dict();
    if (!name.isNull())
        d.set("Name", std::move(name));
    if (!path.isNull())
        d.set("Path", std::move(path));
    if (!pos.isNull())
        d.set("Position", std::move(pos));
    return d;
}

PlistValue str(const char* s) { return PlistValue::string(s); }

TEST(BookMarks, FilePath)
{
    EXPECT_EQ(BookMarks::filePathFor("/site/Users", "Ann"), "/site/Users/Ann/bookmarks");
    EXPECT_EQ(BookMarks::filePathFor("/site/Users", ".."), "");
    EXPECT_EQ(BookMarks::filePathFor("/site/Users", "a/b"), "");
    EXPECT_EQ(BookMarks::filePathFor("", "Ann"), "");
}

TEST(BookMarks, PositionIsStoredAsDecimalTextAndReadBack)
{
    BookmarkFixture f;
    f.add("start", "/texts/a.txt", 1234);
    PlistValue item = f.stored().find("BookMarks")->items().at(0);
    EXPECT_EQ(item.find("Position")->type(), PlistValue::Type::String);
    EXPECT_EQ(item.find("Position")->toString(), "1234");
    EXPECT_EQ(item.find("Name")->toString(), "start");
    EXPECT_EQ(item.find("Path")->toString(), "/texts/a.txt");

    BookMarks store(f.file());
    store.initFileListFromPath("/texts/a.txt");
    EXPECT_EQ(store.positionForCurrentPathAtIndex(0), 1234);
    EXPECT_EQ(store.positionForCurrentPathAtIndex(1), -1);
}

TEST(BookMarks, StoredPositions)
{
    struct Case {
        const char* what;
        PlistValue stored;
        bool taken;
        int32_t position;
    } cases[] = {
        {"decimal text", str("1234"), true, 1234},
        {"zero", str("0"), true, 0},
        {"negative is pulled to 0", str("-5"), true, 0},
        {"beyond 32 bits is pulled in", str("99999999999"), true, 2147483647},
        {"plus sign", str("+7"), true, 7},
        {"an integer value", PlistValue::integer(42), true, 42},
        {"empty text", str(""), false, 0},
        {"trailing junk", str("12abc"), false, 0},
        {"blank inside", str("1 2"), false, 0},
        {"sign alone", str("-"), false, 0},
        {"far too many digits", str("123456789012345678901234"), false, 0},
        {"a real", PlistValue::real(3.5), false, 0},
        {"a dictionary", PlistValue::dict(), false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t out = -99;
        EXPECT_EQ(BookMarks::parsePosition(c.stored, out), c.taken);
        if (c.taken) {
            EXPECT_EQ(out, c.position);
        }
    }
}

TEST(BookMarks, MalformedEntriesAreLeftOut)
{
    BookmarkFixture f;
    PlistValue top = PlistValue::dict();
    top.set("BookMarks", PlistValue::array({
                             mark(str("good"), str("/a.txt"), str("10")),
                             str("not a dictionary"),
                             mark(PlistValue(), str("/a.txt"), str("1")),
                             mark(str("no path"), PlistValue(), str("1")),
                             mark(str("no position"), str("/a.txt"), PlistValue()),
                             mark(PlistValue::integer(3), str("/a.txt"), str("1")),
                             mark(str("bad position"), str("/a.txt"), str("ten")),
                             mark(str(""), str("/a.txt"), str("1")),
                             mark(str("empty path"), str(""), str("1")),
                             mark(str("also good"), str("/b.txt"), str("20")),
                         }));
    ASSERT_EQ(writePlistFile(f.file(), top), 0);
    BookMarks store(f.file());
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(*store.getBookMarkAtIndex(0), (BookMark{"good", "/a.txt", 10}));
    EXPECT_EQ(*store.getBookMarkAtIndex(1), (BookMark{"also good", "/b.txt", 20}));
    EXPECT_EQ(store.getBookMarkAtIndex(2), nullptr);
    store.initPathList();
    EXPECT_EQ(store.pathListCount(), 2);
}

TEST(BookMarks, UnusableFilesAreEmptyLists)
{
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"not a property list", "<<garbage>>"},
        {"no list", plistToXml(PlistValue::dict())},
        {"list of another type", plistToXml(PlistValue::dict({{"BookMarks", str("x")}}))},
        {"top level an array", plistToXml(PlistValue::array({str("x")}))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BookmarkFixture f;
        ASSERT_EQ(fs::writeFileAtomic(f.file(), c.bytes), 0);
        BookMarks store(f.file());
        EXPECT_EQ(store.count(), 0);
        store.initPathList();
        EXPECT_EQ(store.pathListCount(), 0);
        EXPECT_EQ(store.pathListAtIndex(0), "");
        EXPECT_FALSE(hasBookmarks(f.file()));
    }
}

TEST(BookMarks, NamesIgnoreCasePathsDoNot)
{
    BookmarkFixture f;
    f.add("chapter", "/texts/Story.txt", 5);
    BookMarks store(f.file());
    struct Case {
        const char* name;
        const char* path;
        bool duplicate;
    } cases[] = {
        {"chapter", "/texts/Story.txt", true},
        {"Chapter", "/texts/Story.txt", true},
        {"CHAPTER", "/texts/Story.txt", true},
        {"chapter", "/texts/story.txt", false},
        {"chapter", "/texts/Other.txt", false},
        {"chapter 2", "/texts/Story.txt", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(store.isDuplicateName(c.name, c.path), c.duplicate) << c.name << " " << c.path;
}

TEST(BookMarks, PathListKeepsOrderAndSpellings)
{
    BookmarkFixture f;
    f.add("one", "/t/B.txt", 1);
    f.add("two", "/t/A.txt", 2);
    f.add("three", "/t/b.txt", 3);
    f.add("four", "/t/B.txt", 4);
    BookMarks store(f.file());
    store.initPathList();
    ASSERT_EQ(store.pathListCount(), 3);
    EXPECT_EQ(store.pathListAtIndex(0), "/t/B.txt");
    EXPECT_EQ(store.pathListAtIndex(1), "/t/A.txt");
    EXPECT_EQ(store.pathListAtIndex(2), "/t/b.txt");

    struct Case {
        const char* path;
        std::vector<std::string> names;
        std::vector<int32_t> positions;
    } cases[] = {
        {"/t/B.txt", {"one", "four"}, {1, 4}},
        {"/t/b.txt", {"three"}, {3}},
        {"/t/A.txt", {"two"}, {2}},
        {"/t/none.txt", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        store.initFileListFromPath(c.path);
        std::vector<std::string> names;
        std::vector<int32_t> positions;
        for (int row = 0; row < store.bookMarkCountForCurrentPath(); ++row) {
            names.push_back(store.bookMarkListForCurrentPathAtIndex(row));
            positions.push_back(store.positionForCurrentPathAtIndex(row));
        }
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(positions, c.positions);
        EXPECT_EQ(bookmarkPositions(f.file(), c.path), c.positions);
    }
}

TEST(BookMarks, FailedWriteIsReportedAndNothingKept)
{
    BookmarkFixture f;
    std::filesystem::remove_all(f.tmp / "Users/Ann");
    BookMarks store(f.file());
    EXPECT_FALSE(store.addBookMark("x", "/a.txt", 1));
    EXPECT_EQ(store.count(), 0);
    EXPECT_FALSE(store.saveChanges());
    BookMarks none("");
    EXPECT_FALSE(none.saveChanges());
}

TEST(BookMarks, RemovalsByRowAndByPath)
{
    BookmarkFixture f;
    f.add("a1", "/a.txt", 1);
    f.add("b1", "/b.txt", 2);
    f.add("a2", "/a.txt", 3);
    f.add("a3", "/A.txt", 4);
    BookMarks store(f.file());
    store.initFileListFromPath("/a.txt");
    EXPECT_EQ(store.removeBookmarkForCurrentPathAtIndex(5), 0);
    EXPECT_EQ(store.removeBookmarkForCurrentPathAtIndex(1), 1);  // a2
    ASSERT_EQ(store.bookMarkCountForCurrentPath(), 1);
    EXPECT_EQ(store.bookMarkListForCurrentPathAtIndex(0), "a1");
    EXPECT_EQ(store.removeBookmarksForCurrentPath(), 1);
    ASSERT_EQ(store.count(), 2);
    EXPECT_EQ(store.getBookMarkAtIndex(0)->name, "b1");
    EXPECT_EQ(store.getBookMarkAtIndex(1)->name, "a3");  // another spelling, another file
    BookMarks disk(f.file());
    EXPECT_EQ(disk.count(), 4);  // nothing written yet
}

TEST(BookMarkNameModel, Names)
{
    BookmarkFixture f;
    f.add("chapter", "/t/story.txt", 5);
    struct Case {
        const char* name;
        const char* path;
        const char* alert;  // nullptr when stored
    } cases[] = {
        {"", "/t/story.txt", "BlankName"},
        {"Chapter", "/t/story.txt", "UniqueName"},
        {"chapter", "/t/other.txt", nullptr},
        {"   ", "/t/story.txt", nullptr},
        {"Part two", "/t/story.txt", nullptr},
        {"part TWO", "/t/story.txt", "UniqueName"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.alerts.shown.clear();
        BookMarkNameModel dialog(f.file());
        dialog.initializeWithFilePath(c.path, 77);
        EXPECT_EQ(dialog.ok(c.name), c.alert == nullptr);
        if (c.alert) {
            EXPECT_EQ(f.alertMessages(), std::vector<std::string>{f.text(c.alert)});
        } else {
            EXPECT_TRUE(f.alerts.shown.empty());
        }
    }
    BookMarks store(f.file());
    EXPECT_EQ(store.count(), 4);
    EXPECT_EQ(*store.getBookMarkAtIndex(3), (BookMark{"Part two", "/t/story.txt", 77}));
}

TEST(BookMarkNameModel, FailedWriteIsShownAndTheDialogStays)
{
    BookmarkFixture f;
    std::filesystem::remove_all(f.tmp / "Users/Ann");
    BookMarkNameModel dialog(f.file());
    dialog.initializeWithFilePath("/a.txt", 1);
    EXPECT_FALSE(dialog.ok("x"));
    EXPECT_EQ(f.alertMessages(), std::vector<std::string>{f.text("BookmarkNotSaved")});
}

TEST(GotoBookMarkModel, ChoosesOrCancels)
{
    BookmarkFixture f;
    f.add("one", "/a.txt", 10);
    f.add("other", "/b.txt", 99);
    f.add("two", "/a.txt", 20);
    GotoBookMarkModel dialog(f.file());
    dialog.initializeWithFilePath("/a.txt");
    ASSERT_EQ(dialog.nameCount(), 2);
    EXPECT_EQ(dialog.selectedName(), 0);
    dialog.selectName(1);
    EXPECT_TRUE(dialog.ok());
    EXPECT_FALSE(dialog.canceled());
    EXPECT_EQ(dialog.position(), 20);

    dialog.initializeWithFilePath("/a.txt");
    dialog.cancel();
    EXPECT_TRUE(dialog.canceled());
    EXPECT_EQ(dialog.position(), -1);

    dialog.initializeWithFilePath("/a.txt");
    dialog.selectName(-1);
    EXPECT_FALSE(dialog.ok());  // nothing chosen: stays open
    EXPECT_EQ(dialog.position(), -1);
}

TEST(LoadAndGotoBookMarkModel, TwoTextsFirstSelected)
{
    BookmarkFixture f;
    LoadAndGotoBookMarkModel empty(f.file());
    EXPECT_FALSE(empty.initialize());

    f.add("b-first", "/t/b.txt", 3);
    f.add("a-first", "/t/a.txt", 7);
    f.add("b-second", "/t/b.txt", 9);
    LoadAndGotoBookMarkModel dialog(f.file());
    ASSERT_TRUE(dialog.initialize());
    ASSERT_EQ(dialog.pathCount(), 2);
    EXPECT_EQ(dialog.pathAt(0), "/t/b.txt");
    EXPECT_EQ(dialog.pathAt(1), "/t/a.txt");
    EXPECT_EQ(dialog.selectedPath(), 0);
    ASSERT_EQ(dialog.nameCount(), 2);
    EXPECT_EQ(dialog.nameAt(0), "b-first");
    EXPECT_EQ(dialog.nameAt(1), "b-second");
    EXPECT_EQ(dialog.selectedName(), 0);

    dialog.selectName(1);
    dialog.selectPath(0);  // the row shown: the names stay as they are
    EXPECT_EQ(dialog.selectedName(), 1);
    dialog.selectPath(1);
    EXPECT_EQ(dialog.nameAt(0), "a-first");
    EXPECT_EQ(dialog.selectedName(), 0);
    ASSERT_TRUE(dialog.ok());
    int32_t pos = 0;
    EXPECT_EQ(dialog.filePathAndPosition(pos), "/t/a.txt");
    EXPECT_EQ(pos, 7);

    dialog.cancel();
    EXPECT_EQ(dialog.filePathAndPosition(pos), "");
    EXPECT_EQ(pos, -1);
}

TEST(RemoveBookMarkModel, RemovingTheLastRowSelectsTheNewLastRow)
{
    BookmarkFixture f;
    f.add("a1", "/a.txt", 1);
    f.add("b1", "/b.txt", 2);
    f.add("b2", "/b.txt", 3);
    f.add("c1", "/c.txt", 4);
    RemoveBookMarkModel dialog(f.file());
    ASSERT_TRUE(dialog.initialize());
    EXPECT_EQ(dialog.selectedPath(), 0);
    EXPECT_EQ(dialog.selectedNames(), std::vector<int>{0});

    dialog.selectPath(2);
    dialog.removeSelected();  // c1, the only name of the last row
    ASSERT_EQ(dialog.pathCount(), 2);
    EXPECT_EQ(dialog.selectedPath(), 1);
    EXPECT_EQ(dialog.pathAt(1), "/b.txt");
    EXPECT_EQ(dialog.nameCount(), 2);

    dialog.selectNames({0, 1});
    dialog.removeSelected();  // both of b
    ASSERT_EQ(dialog.pathCount(), 1);
    EXPECT_EQ(dialog.selectedPath(), 0);
    EXPECT_EQ(dialog.nameAt(0), "a1");

    dialog.removeAll();
    EXPECT_EQ(dialog.pathCount(), 0);
    EXPECT_EQ(dialog.nameCount(), 0);
    EXPECT_EQ(dialog.selectedPath(), -1);
    dialog.removeSelected();  // nothing left: nothing happens
    EXPECT_EQ(BookMarks(f.file()).count(), 4);  // Cancel: the file as it was

    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(BookMarks(f.file()).count(), 0);
}

TEST(RemoveBookMarkModel, RemoveSelectedKeepsTheRowNumber)
{
    BookmarkFixture f;
    f.add("a1", "/a.txt", 1);
    f.add("b1", "/b.txt", 2);
    f.add("c1", "/c.txt", 3);
    RemoveBookMarkModel dialog(f.file());
    ASSERT_TRUE(dialog.initialize());
    dialog.selectPath(1);
    dialog.removeSelected();
    EXPECT_EQ(dialog.selectedPath(), 1);
    EXPECT_EQ(dialog.pathAt(1), "/c.txt");  // the row now holds the next path
    EXPECT_EQ(dialog.nameAt(0), "c1");
    ASSERT_TRUE(dialog.ok());
    BookMarks disk(f.file());
    ASSERT_EQ(disk.count(), 2);
    EXPECT_EQ(disk.getBookMarkAtIndex(1)->name, "c1");
}

TEST(RemoveBookMarkModel, FailedWriteIsShownAndTheDialogStays)
{
    BookmarkFixture f;
    f.add("a1", "/a.txt", 1);
    RemoveBookMarkModel dialog(f.file());
    ASSERT_TRUE(dialog.initialize());
    dialog.removeAll();
    std::filesystem::remove_all(f.tmp / "Users/Ann");
    EXPECT_FALSE(dialog.ok());
    EXPECT_EQ(f.alertMessages(), std::vector<std::string>{f.text("BookmarkNotSaved")});
}

TEST(BookmarkDialogs, StoryPaths)
{
    EXPECT_TRUE(isStoryPath("/t/Test 1.sty"));
    EXPECT_FALSE(isStoryPath("/t/Test 1.txt"));
    EXPECT_FALSE(isStoryPath("st"));
    EXPECT_TRUE(isStoryPath("/t/TEST 2.STY"));
    EXPECT_FALSE(isStoryPath("/t/pdfsty"));
}

}  // namespace
}  // namespace qor
