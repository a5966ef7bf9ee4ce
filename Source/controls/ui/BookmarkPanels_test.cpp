#include "controls/ui/BookmarkPanels.h"
#include "testing/ui/WidgetTestSupport.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/Messages.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace qor {
namespace {

struct PanelFixture {
    PanelFixture()
    {
        fs::makeFolders(tmp / "Users/Ann");
        saved = platform();
        PlatformServices s = saved;
        s.alerts = &alerts;
        installPlatform(s);
    }
    ~PanelFixture() { installPlatform(saved); }
    std::string file() const { return BookMarks::filePathFor(tmp / "Users", "Ann"); }
    void add(const std::string& name, const std::string& path, int32_t pos) const
    {
        BookMarks store(file());
        ASSERT_TRUE(store.addBookMark(name, path, pos));
    }
    static QStringList rows(QTableWidget* t)
    {
        QStringList out;
        for (int r = 0; r < t->rowCount(); ++r)
            out << t->item(r, 0)->text();
        return out;
    }
    static QList<int> selected(QTableWidget* t)
    {
        QList<int> out;
        for (const QModelIndex& i : t->selectionModel()->selectedRows())
            out << i.row();
        std::sort(out.begin(), out.end());
        return out;
    }

    TempFolder tmp;
    RecordingAlerts alerts;
    PlatformServices saved;
};

// Runs `act` on the modal dialog once it is open.
void whenModal(std::function<void(QDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

void click(QWidget* w, const char* name)
{
    auto* b = w->findChild<QPushButton*>(name);
    ASSERT_NE(b, nullptr) << name;
    QTest::mouseClick(b, Qt::LeftButton);
}

TEST(BookMarkNamePanel, BlankNameStaysOpenThenStores)
{
    PanelFixture f;
    BookMarkNameModel model(f.file());
    model.initializeWithFilePath("/texts/story.txt", 321);
    BookMarkNamePanel panel(model);
    auto* edit = child<QLineEdit>(&panel, "setNameEdit");
    ASSERT_TRUE(edit);
    click(&panel, "okButton");
    EXPECT_NE(panel.result(), QDialog::Accepted);
    ASSERT_EQ(f.alerts.shown.size(), 1u);
    EXPECT_EQ(f.alerts.shown[0].message, MessageTables::localizedString("BlankName", "Error"));

    QTest::keyClicks(edit, "Chapter 3");
    click(&panel, "okButton");
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    BookMarks store(f.file());
    ASSERT_EQ(store.count(), 1);
    EXPECT_EQ(*store.getBookMarkAtIndex(0), (BookMark{"Chapter 3", "/texts/story.txt", 321}));
}

TEST(GotoBookMarkPanel, DoubleClickChooses)
{
    PanelFixture f;
    f.add("start", "/a.txt", 10);
    f.add("middle", "/a.txt", 500);
    f.add("elsewhere", "/b.txt", 7);
    GotoBookMarkModel model(f.file());
    model.initializeWithFilePath("/a.txt");
    GotoBookMarkPanel panel(model);
    auto* names = child<QTableWidget>(&panel, "bookmarkView");
    ASSERT_TRUE(names);
    EXPECT_EQ(PanelFixture::rows(names), (QStringList{"start", "middle"}));
    EXPECT_EQ(PanelFixture::selected(names), QList<int>{0});
    emit names->cellDoubleClicked(1, 0);
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(model.position(), 500);
}

TEST(GotoBookMarkPanel, ServiceAnswersPositionsAndCancel)
{
    PanelFixture f;
    f.add("start", "/a.txt", 10);
    f.add("middle", "/a.txt", 500);
    QtBookmarkService service(nullptr, [&f] { return f.file(); });
    EXPECT_EQ(service.bookmarkPositions("/a.txt"), (std::vector<int32_t>{10, 500}));
    EXPECT_EQ(service.bookmarkPositions("/A.txt"), std::vector<int32_t>{});

    whenModal([](QDialog* d) { click(d, "cancelButton"); });
    EXPECT_EQ(service.chooseBookmark("/a.txt"), -1);
    whenModal([](QDialog* d) {
        d->findChild<QTableWidget*>("bookmarkView")->selectRow(1);
        click(d, "okButton");
    });
    EXPECT_EQ(service.chooseBookmark("/a.txt"), 500);

    whenModal([](QDialog* d) {
        QTest::keyClicks(d->findChild<QLineEdit*>("setNameEdit"), "end");
        click(d, "okButton");
    });
    service.addBookmark("/a.txt", 900);
    EXPECT_EQ(service.bookmarkPositions("/a.txt"), (std::vector<int32_t>{10, 500, 900}));
}

TEST(LoadAndGotoBookMarkPanel, PathsNamesAndTheLoad)
{
    PanelFixture f;
    std::vector<std::tuple<std::string, int32_t, bool>> loads;
    auto load = [&loads](const std::string& p, int32_t pos, bool pdf) { loads.emplace_back(p, pos, pdf); };

    runLoadBookmarkPanel(nullptr, load, f.file());
    ASSERT_EQ(f.alerts.shown.size(), 1u);
    EXPECT_EQ(f.alerts.shown[0].message, MessageTables::localizedString("NoBookMarks", "Error"));
    EXPECT_TRUE(loads.empty());

    f.add("intro", "/t/Notes.txt", 4);
    f.add("table", "/t/Report.PDF", 88);
    f.add("summary", "/t/Notes.txt", 40);
    f.add("appendix", "/t/Report.PDF", 99);
    whenModal([](QDialog* d) {
        auto* paths = d->findChild<QTableWidget*>("filePathView");
        auto* names = d->findChild<QTableWidget*>("bookmarkView");
        EXPECT_EQ(PanelFixture::rows(paths), (QStringList{"/t/Notes.txt", "/t/Report.PDF"}));
        EXPECT_EQ(PanelFixture::selected(paths), QList<int>{0});
        EXPECT_EQ(PanelFixture::rows(names), (QStringList{"intro", "summary"}));
        paths->selectRow(1);
        EXPECT_EQ(PanelFixture::rows(names), (QStringList{"table", "appendix"}));
        EXPECT_EQ(PanelFixture::selected(names), QList<int>{0});
        emit names->cellDoubleClicked(1, 0);
    });
    runLoadBookmarkPanel(nullptr, load, f.file());
    ASSERT_EQ(loads.size(), 1u);
    EXPECT_EQ(loads[0], std::make_tuple(std::string("/t/Report.PDF"), 99, true));

    whenModal([](QDialog* d) { click(d, "okButton"); });
    runLoadBookmarkPanel(nullptr, load, f.file());
    ASSERT_EQ(loads.size(), 2u);
    EXPECT_EQ(loads[1], std::make_tuple(std::string("/t/Notes.txt"), 4, false));

    whenModal([](QDialog* d) { click(d, "cancelButton"); });
    runLoadBookmarkPanel(nullptr, load, f.file());
    EXPECT_EQ(loads.size(), 2u);
}

TEST(RemoveBookMarkPanel, RemoveThenOkOrCancel)
{
    PanelFixture f;
    runRemoveBookmarksPanel(nullptr, f.file());
    EXPECT_EQ(f.alerts.shown.size(), 1u);

    f.add("a1", "/a.txt", 1);
    f.add("b1", "/b.txt", 2);
    f.add("b2", "/b.txt", 3);
    RemoveBookMarkModel model(f.file());
    ASSERT_TRUE(model.initialize());
    RemoveBookMarkPanel panel(model);
    auto* paths = child<QTableWidget>(&panel, "filePathView");
    auto* names = child<QTableWidget>(&panel, "bookmarkView");
    ASSERT_TRUE(paths && names);
    paths->selectRow(1);
    EXPECT_EQ(PanelFixture::rows(names), (QStringList{"b1", "b2"}));
    names->selectAll();
    click(&panel, "removeSelectedButton");
    EXPECT_EQ(PanelFixture::rows(paths), QStringList{"/a.txt"});
    EXPECT_EQ(PanelFixture::selected(paths), QList<int>{0});
    EXPECT_EQ(PanelFixture::rows(names), QStringList{"a1"});
    EXPECT_EQ(BookMarks(f.file()).count(), 3);  // not yet written
    click(&panel, "removeAllButton");
    EXPECT_EQ(paths->rowCount(), 0);
    EXPECT_EQ(names->rowCount(), 0);
    EXPECT_FALSE(child<QPushButton>(&panel, "removeSelectedButton")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(&panel, "removeAllButton")->isEnabled());
    click(&panel, "okButton");
    EXPECT_EQ(panel.result(), QDialog::Accepted);
    EXPECT_EQ(BookMarks(f.file()).count(), 0);
}

TEST(RemoveBookMarkPanel, CancelKeepsTheFile)
{
    PanelFixture f;
    f.add("a1", "/a.txt", 1);
    whenModal([](QDialog* d) {
        click(d, "removeAllButton");
        click(d, "cancelButton");
    });
    runRemoveBookmarksPanel(nullptr, f.file());
    EXPECT_EQ(BookMarks(f.file()).count(), 1);
}

}  // namespace
}  // namespace qor
