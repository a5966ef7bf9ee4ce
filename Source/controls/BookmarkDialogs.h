#pragma once
// The rules of the four bookmark dialogs: naming a new bookmark, going to a
// bookmark of the text on screen, loading a text at one of its bookmarks,
// and removing bookmarks. Each opening reads the bookmarks file afresh
// into a store of its own. The Qt panels (ui/BookmarkPanels.h) show these
// models' lists and selections and forward clicks to them.

#include "controls/BookMarks.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace qor {

// Naming a new bookmark for a text and a position.
class BookMarkNameModel {
public:
    explicit BookMarkNameModel(std::string bookmarksFile);

    void initializeWithFilePath(const std::string& path, int32_t position);
    const std::string& filePath() const { return m_filePath; }
    int32_t position() const { return m_position; }

    // OK with the name typed: true when the bookmark is stored and the
    // dialog closes. An empty name ("BlankName"), a name this text already
    // has, letter case ignored ("UniqueName"), and a failed write
    // ("BookmarkNotSaved") are shown and keep the dialog open.
    bool ok(const std::string& name);

private:
    std::string m_file;
    std::string m_filePath;
    int32_t m_position = 0;
};

// What the two-table dialogs share: the store, the paths, the names of the
// path shown, and the selections.
class BookmarkTablesModel {
public:
    explicit BookmarkTablesModel(std::string bookmarksFile);
    virtual ~BookmarkTablesModel() = default;

    int pathCount() const { return m_store ? m_store->pathListCount() : 0; }
    std::string pathAt(int row) const { return m_store ? m_store->pathListAtIndex(row) : std::string(); }
    int nameCount() const { return m_store ? m_store->bookMarkCountForCurrentPath() : 0; }
    std::string nameAt(int row) const
    {
        return m_store ? m_store->bookMarkListForCurrentPathAtIndex(row) : std::string();
    }
    int selectedPath() const { return m_pathRow; }
    int selectedName() const { return m_nameRow; }

    // The path table's selection changed: another row shows its names
    // (the first of them selected); -1 or the row shown changes nothing
    // but the selection.
    void selectPath(int row);
    void selectName(int row);
    // The names of a path row, the first selected.
    void loadBookmarksFromIndex(int row);

protected:
    void freshStore();
    // The name rows were rebuilt and the first (if any) selected.
    virtual void namesLoaded() {}
    std::string m_file;
    std::unique_ptr<BookMarks> m_store;
    int m_previousRow = -1;
    int m_pathRow = -1;
    int m_nameRow = -1;
};

// Going to one of the bookmarks of the text on screen: the names only.
class GotoBookMarkModel : public BookmarkTablesModel {
public:
    using BookmarkTablesModel::BookmarkTablesModel;

    // The names of the path, the first selected.
    void initializeWithFilePath(const std::string& path);
    // OK or a double click: true (the dialog closes) when a name is selected.
    bool ok();
    void cancel() { m_bCanceled = true; }
    bool canceled() const { return m_bCanceled; }
    // The chosen position; -1 when cancelled or nothing was chosen.
    int32_t position() const;

private:
    bool m_bCanceled = true;
};

// Loading a text at one of its bookmarks: paths and names.
class LoadAndGotoBookMarkModel : public BookmarkTablesModel {
public:
    using BookmarkTablesModel::BookmarkTablesModel;

    // The paths, the first selected with its names. False when there are
    // no bookmarks at all.
    bool initialize();
    bool ok();
    void cancel() { m_bCanceled = true; }
    bool canceled() const { return m_bCanceled; }
    // The chosen path and position; "" and -1 when cancelled.
    std::string filePathAndPosition(int32_t& position) const;

private:
    bool m_bCanceled = true;
};

// Removing bookmarks. Removals change the dialog's store only; OK writes
// them, Cancel drops them.
class RemoveBookMarkModel : public BookmarkTablesModel {
public:
    using BookmarkTablesModel::BookmarkTablesModel;

    // False when there are no bookmarks at all.
    bool initialize();
    // Rebuilds the paths and shows row r (the last row when r is beyond it).
    void reinit(int row);
    // The names chosen; several may be.
    void selectNames(std::vector<int> rows);
    const std::vector<int>& selectedNames() const { return m_nameRows; }
    // Removes the chosen names of the path shown, then shows the same path
    // row again (which may now hold another path). Nothing without a choice.
    void removeSelected();
    // Removes every bookmark of the path shown, then shows the first row.
    void removeAll();
    // Writes the store; true when the dialog closes. A failed write is
    // shown ("BookmarkNotSaved") and keeps the dialog open.
    bool ok();
    // What the store holds now (tests and the title).
    int bookmarkCount() const { return m_store ? m_store->count() : 0; }

private:
    void namesLoaded() override;
    std::vector<int> m_nameRows;
};

// The positions of a path's bookmarks, in their listing order.
std::vector<int32_t> bookmarkPositions(const std::string& bookmarksFile, const std::string& path);
// True when the reader has any bookmark.
bool hasBookmarks(const std::string& bookmarksFile);
// A document is a comprehension-test story when its name ends in ".sty",
// in any letter case (the one rule for bookmarks and the File menu).
bool isStoryPath(const std::string& path);

}  // namespace qor
