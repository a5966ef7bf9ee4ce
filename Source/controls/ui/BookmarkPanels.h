#pragma once
// The four bookmark dialogs and the commands that open them.
//
// The reading window uses them through QtBookmarkService (the naming and
// go-to dialogs); the File menu calls runLoadBookmarkPanel and
// runRemoveBookmarksPanel. Every function reads the bookmarks file of the
// reader logged on unless a file is given.

#include "controls/BookmarkDialogs.h"
#include "session/WindowHost.h"

#include <QDialog>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace qor {

class QorAdmin;

// The bookmarks file of the reader logged on; "" without one.
std::string currentBookmarksFile();
std::string bookmarksFileOf(const QorAdmin& admin);

class BookMarkNamePanel : public QDialog {
    Q_OBJECT
public:
    BookMarkNamePanel(BookMarkNameModel& model, QWidget* parent = nullptr);

private:
    BookMarkNameModel& m_model;
    QLineEdit* mSetNameEdit = nullptr;
};

class GotoBookMarkPanel : public QDialog {
    Q_OBJECT
public:
    GotoBookMarkPanel(GotoBookMarkModel& model, QWidget* parent = nullptr);
    void refresh();

private:
    void accepting();
    GotoBookMarkModel& m_model;
    QTableWidget* mBookmarkView = nullptr;
    bool m_bRefreshing = false;
};

// The path and name tables that the load and remove dialogs share.
class BookmarkTablesPanel : public QDialog {
    Q_OBJECT
public:
    BookmarkTablesPanel(BookmarkTablesModel& model, bool manyNames, QWidget* parent);
    void refresh();

protected:
    virtual void namesChosen();
    // The name rows the view selects.
    virtual std::vector<int> namesShown() const;
    // The row of the two tables under their headings; `right` is the
    // bookmarks' column, for more below it.
    QHBoxLayout* tablesRow(QVBoxLayout*& right);
    BookmarkTablesModel& m_tables;
    QTableWidget* mFilePathView = nullptr;
    QTableWidget* mBookmarkView = nullptr;
    bool m_bRefreshing = false;
};

class LoadAndGotoBookMarkPanel : public BookmarkTablesPanel {
    Q_OBJECT
public:
    LoadAndGotoBookMarkPanel(LoadAndGotoBookMarkModel& model, QWidget* parent = nullptr);

private:
    void accepting();
    LoadAndGotoBookMarkModel& m_model;
};

class RemoveBookMarkPanel : public BookmarkTablesPanel {
    Q_OBJECT
public:
    RemoveBookMarkPanel(RemoveBookMarkModel& model, QWidget* parent = nullptr);

private:
    void namesChosen() override;
    std::vector<int> namesShown() const override;
    void refreshButtons();
    RemoveBookMarkModel& m_model;
    QPushButton* mRemoveSelected = nullptr;
    QPushButton* mRemoveAll = nullptr;
};

// The naming dialog for a new bookmark; true when one was stored.
bool runBookMarkNamePanel(QWidget* parent, const std::string& path, int32_t position,
                          const std::string& bookmarksFile = currentBookmarksFile());
// The go-to dialog: the position chosen, -1 when cancelled.
int32_t runGotoBookMarkPanel(QWidget* parent, const std::string& path,
                             const std::string& bookmarksFile = currentBookmarksFile());

// File menu: load a text at one of its bookmarks. "NoBookMarks" when the
// reader has none; otherwise the dialog, and unless cancelled `load` with
// the path, the position and whether the document is read as a PDF. (A
// path ending in "sty" is a test story: isStoryPath.)
using BookmarkLoad = std::function<void(const std::string& path, int32_t position, bool isPdf)>;
void runLoadBookmarkPanel(QWidget* parent, BookmarkLoad load,
                          const std::string& bookmarksFile = currentBookmarksFile());
// File menu: remove bookmarks. "NoBookMarks" when the reader has none.
void runRemoveBookmarksPanel(QWidget* parent, const std::string& bookmarksFile = currentBookmarksFile());

// The reading window's bookmarks (installed with QorWindow's services).
class QtBookmarkService final : public BookmarkService {
public:
    using FileSource = std::function<std::string()>;
    // Dialogs open over `parent`; the file is asked for at each use.
    explicit QtBookmarkService(QWidget* parent = nullptr, FileSource file = currentBookmarksFile);
    void setParent(QWidget* parent) { m_parent = parent; }

    void addBookmark(const std::string& path, int32_t position) override;
    std::vector<int32_t> bookmarkPositions(const std::string& path) override;
    int32_t chooseBookmark(const std::string& path) override;

private:
    QWidget* m_parent;
    FileSource m_file;
};

}  // namespace qor
