#include "controls/BookmarkDialogs.h"

#include "base/Encoding.h"

#include "shell/Messages.h"
#include "shell/QorAlert.h"

#include <algorithm>

namespace qor {

namespace {

void alertKey(const char* key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityInformational);
}

}  // namespace

// --- naming ------------------------------------------------------------------

BookMarkNameModel::BookMarkNameModel(std::string bookmarksFile) : m_file(std::move(bookmarksFile)) {}

void BookMarkNameModel::initializeWithFilePath(const std::string& path, int32_t position)
{
    m_filePath = path;
    m_position = position;
}

bool BookMarkNameModel::ok(const std::string& name)
{
    if (name.empty()) {
        alertKey("BlankName");
        return false;
    }
    BookMarks store(m_file);
    if (store.isDuplicateName(name, m_filePath)) {
        alertKey("UniqueName");
        return false;
    }
    if (!store.addBookMark(name, m_filePath, m_position)) {
        alertKey("BookmarkNotSaved");
        return false;
    }
    return true;
}

// --- the tables ----------------------------------------------------------------

BookmarkTablesModel::BookmarkTablesModel(std::string bookmarksFile) : m_file(std::move(bookmarksFile)) {}

void BookmarkTablesModel::freshStore()
{
    m_store = std::make_unique<BookMarks>(m_file);
    m_previousRow = m_pathRow = m_nameRow = -1;
}

void BookmarkTablesModel::loadBookmarksFromIndex(int row)
{
    if (!m_store)
        return;
    m_store->initFileListFromPath(m_store->pathListAtIndex(row));
    m_nameRow = m_store->bookMarkCountForCurrentPath() > 0 ? 0 : -1;
    namesLoaded();
}

void BookmarkTablesModel::selectPath(int row)
{
    m_pathRow = (row >= 0 && row < pathCount()) ? row : -1;
    if (m_pathRow != -1 && m_pathRow != m_previousRow) {
        m_previousRow = m_pathRow;
        loadBookmarksFromIndex(m_pathRow);
    }
}

void BookmarkTablesModel::selectName(int row) { m_nameRow = (row >= 0 && row < nameCount()) ? row : -1; }

// --- go to -------------------------------------------------------------------

void GotoBookMarkModel::initializeWithFilePath(const std::string& path)
{
    freshStore();
    m_bCanceled = true;
    m_store->initFileListFromPath(path);
    m_nameRow = nameCount() > 0 ? 0 : -1;
}

bool GotoBookMarkModel::ok()
{
    if (m_nameRow < 0)
        return false;
    m_bCanceled = false;
    return true;
}

int32_t GotoBookMarkModel::position() const
{
    if (m_bCanceled || !m_store)
        return -1;
    return m_store->positionForCurrentPathAtIndex(m_nameRow);
}

// --- load and go to ----------------------------------------------------------------

bool LoadAndGotoBookMarkModel::initialize()
{
    freshStore();
    m_bCanceled = true;
    m_store->initPathList();
    if (pathCount() == 0)
        return false;
    selectPath(0);
    return true;
}

bool LoadAndGotoBookMarkModel::ok()
{
    if (m_pathRow < 0 || m_nameRow < 0)
        return false;
    m_bCanceled = false;
    return true;
}

std::string LoadAndGotoBookMarkModel::filePathAndPosition(int32_t& position) const
{
    position = -1;
    if (m_bCanceled || !m_store)
        return {};
    position = m_store->positionForCurrentPathAtIndex(m_nameRow);
    return position < 0 ? std::string() : m_store->currentFilePath();
}

// --- remove ------------------------------------------------------------------

bool RemoveBookMarkModel::initialize()
{
    freshStore();
    reinit(0);
    return bookmarkCount() > 0;
}

void RemoveBookMarkModel::namesLoaded()
{
    m_nameRows.clear();
    if (m_nameRow >= 0)
        m_nameRows.push_back(m_nameRow);
}

void RemoveBookMarkModel::reinit(int row)
{
    if (!m_store)
        return;
    m_store->initPathList();
    m_previousRow = m_pathRow = m_nameRow = -1;
    m_nameRows.clear();
    m_store->initFileListFromPath({});
    if (pathCount() == 0)
        return;
    selectPath(std::clamp(row, 0, pathCount() - 1));
}

void RemoveBookMarkModel::selectNames(std::vector<int> rows)
{
    std::erase_if(rows, [this](int r) { return r < 0 || r >= nameCount(); });
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    m_nameRows = std::move(rows);
    m_nameRow = m_nameRows.empty() ? -1 : m_nameRows.front();
}

void RemoveBookMarkModel::removeSelected()
{
    if (!m_store || m_pathRow < 0 || m_nameRows.empty())
        return;
    m_store->removeBookmarksForCurrentPathAtRows(m_nameRows);
    reinit(m_pathRow);
}

void RemoveBookMarkModel::removeAll()
{
    if (!m_store || m_pathRow < 0)
        return;
    m_store->removeBookmarksForCurrentPath();
    reinit(0);
}

bool RemoveBookMarkModel::ok()
{
    if (!m_store)
        return true;
    if (!m_store->saveChanges()) {
        alertKey("BookmarkNotSaved");
        return false;
    }
    return true;
}

// --- helpers -------------------------------------------------------------------

std::vector<int32_t> bookmarkPositions(const std::string& bookmarksFile, const std::string& path)
{
    BookMarks store(bookmarksFile);
    store.initFileListFromPath(path);
    std::vector<int32_t> out;
    for (int row = 0; row < store.bookMarkCountForCurrentPath(); ++row)
        out.push_back(store.positionForCurrentPathAtIndex(row));
    return out;
}

bool hasBookmarks(const std::string& bookmarksFile) { return BookMarks(bookmarksFile).count() > 0; }

bool isStoryPath(const std::string& path)
{
    // In any letter case: names come from other systems.
    return endsWithIgnoringCase(path, ".sty");
}

}  // namespace qor
