#include "controls/BookMarks.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/Log.h"
#include "base/NameRule.h"

#include <algorithm>
#include <limits>

namespace qor {

namespace {

constexpr int64_t kMaxPosition = std::numeric_limits<int32_t>::max();

}  // namespace

std::string BookMarks::filePathFor(const std::string& usersFolder, std::string_view user)
{
    if (usersFolder.empty() || !isValidName(user))
        return {};
    return fs::joinPath(fs::joinPath(usersFolder, user), kFileName);
}

BookMarks::BookMarks(std::string filePath) : m_path(std::move(filePath)) { loadDictionary(); }

bool BookMarks::parsePosition(const PlistValue& v, int32_t& out)
{
    int64_t n = 0;
    if (v.type() == PlistValue::Type::Integer) {
        n = v.toInt();
    } else if (v.type() == PlistValue::Type::String) {
        std::string s = v.toString();
        size_t i = 0;
        bool negative = false;
        if (i < s.size() && (s[i] == '-' || s[i] == '+'))
            negative = s[i++] == '-';
        if (i == s.size() || s.size() - i > 18)
            return false;
        for (; i < s.size(); ++i) {
            if (s[i] < '0' || s[i] > '9')
                return false;
            n = n * 10 + (s[i] - '0');
        }
        if (negative)
            n = -n;
    } else {
        return false;
    }
    out = static_cast<int32_t>(std::clamp<int64_t>(n, 0, kMaxPosition));
    return true;
}

std::vector<BookMark> BookMarks::fromPlist(const PlistValue& file, int* skipped)
{
    std::vector<BookMark> list;
    int bad = 0;
    const PlistValue* items = file.find(kTopKey);
    if (items && items->isArray()) {
        for (const PlistValue& item : items->items()) {
            const PlistValue* name = item.find("Name");
            const PlistValue* path = item.find("Path");
            const PlistValue* pos = item.find("Position");
            BookMark b;
            if (!name || name->type() != PlistValue::Type::String || !path ||
                path->type() != PlistValue::Type::String || !pos || !parsePosition(*pos, b.position)) {
                ++bad;
                continue;
            }
            b.name = name->toString();
            b.path = path->toString();
            if (b.name.empty() || b.path.empty()) {
                ++bad;
                continue;
            }
            list.push_back(std::move(b));
        }
    }
    if (skipped)
        *skipped = bad;
    return list;
}

PlistValue BookMarks::toPlist(const std::vector<BookMark>& list)
{
    PlistValue items = PlistValue::array();
    for (const BookMark& b : list) {
        PlistValue d = PlistValue::dict();
        d.set("Name", PlistValue::string(b.name));
        d.set("Path", PlistValue::string(b.path));
        d.set("Position", PlistValue::string(std::to_string(b.position)));
        items.append(std::move(d));
    }
    PlistValue top = PlistValue::dict();
    top.set(kTopKey, std::move(items));
    return top;
}

int BookMarks::loadDictionary()
{
    if (m_path.empty())
        return 0;
    PlistValue file;
    if (readPlistFile(m_path, file) != fs::kNoErr)
        return 0;
    int skipped = 0;
    std::vector<BookMark> list = fromPlist(file, &skipped);
    if (skipped > 0)
        logLine("Bookmarks " + m_path + ": " + std::to_string(skipped) + " malformed entries left out");
    m_bookMarkArray.insert(m_bookMarkArray.end(), std::make_move_iterator(list.begin()),
                           std::make_move_iterator(list.end()));
    return skipped;
}

bool BookMarks::addBookMark(const std::string& name, const std::string& path, int32_t position)
{
    m_bookMarkArray.push_back(BookMark{name, path, std::max<int32_t>(position, 0)});
    if (saveChanges())
        return true;
    m_bookMarkArray.pop_back();
    return false;
}

bool BookMarks::isDuplicateName(std::string_view name, std::string_view path) const
{
    return std::any_of(m_bookMarkArray.begin(), m_bookMarkArray.end(), [&](const BookMark& b) {
        return b.path == path && equalIgnoringCase(b.name, name);
    });
}

const BookMark* BookMarks::getBookMarkAtIndex(int index) const
{
    return index >= 0 && index < count() ? &m_bookMarkArray[static_cast<size_t>(index)] : nullptr;
}

bool BookMarks::removeBookMarkAtIndex(int index)
{
    if (index < 0 || index >= count())
        return false;
    m_bookMarkArray.erase(m_bookMarkArray.begin() + index);
    return true;
}

bool BookMarks::saveChanges()
{
    if (m_path.empty())
        return false;
    int rc = writePlistFile(m_path, toPlist(m_bookMarkArray));
    if (rc != fs::kNoErr)
        logLine("Bookmarks " + m_path + " could not be written (" + std::to_string(rc) + ")");
    return rc == fs::kNoErr;
}

void BookMarks::initPathList()
{
    m_filePathList.clear();
    m_bookMarkList.clear();
    m_bookMarkRows.clear();
    for (const BookMark& b : m_bookMarkArray)
        if (std::find(m_filePathList.begin(), m_filePathList.end(), b.path) == m_filePathList.end())
            m_filePathList.push_back(b.path);
}

std::string BookMarks::pathListAtIndex(int row) const
{
    return row >= 0 && row < pathListCount() ? m_filePathList[static_cast<size_t>(row)] : std::string();
}

void BookMarks::initFileListFromPath(const std::string& path)
{
    m_currentFilePath = path;
    m_bookMarkList.clear();
    m_bookMarkRows.clear();
    for (size_t i = 0; i < m_bookMarkArray.size(); ++i) {
        if (m_bookMarkArray[i].path == path) {
            m_bookMarkList.push_back(m_bookMarkArray[i].name);
            m_bookMarkRows.push_back(i);
        }
    }
}

std::string BookMarks::bookMarkListForCurrentPathAtIndex(int row) const
{
    return row >= 0 && row < bookMarkCountForCurrentPath() ? m_bookMarkList[static_cast<size_t>(row)]
                                                           : std::string();
}

int32_t BookMarks::positionForCurrentPathAtIndex(int row) const
{
    if (row < 0 || row >= bookMarkCountForCurrentPath())
        return -1;
    return m_bookMarkArray[m_bookMarkRows[static_cast<size_t>(row)]].position;
}

int BookMarks::removeBookmarkForCurrentPathAtIndex(int row) { return removeBookmarksForCurrentPathAtRows({row}); }

int BookMarks::removeBookmarksForCurrentPathAtRows(std::vector<int> rows)
{
    std::vector<size_t> doomed;
    for (int row : rows)
        if (row >= 0 && row < bookMarkCountForCurrentPath())
            doomed.push_back(m_bookMarkRows[static_cast<size_t>(row)]);
    std::sort(doomed.begin(), doomed.end());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it)
        m_bookMarkArray.erase(m_bookMarkArray.begin() + static_cast<std::ptrdiff_t>(*it));
    initFileListFromPath(m_currentFilePath);
    return static_cast<int>(doomed.size());
}

int BookMarks::removeBookmarksForCurrentPath()
{
    size_t before = m_bookMarkArray.size();
    std::erase_if(m_bookMarkArray, [&](const BookMark& b) { return b.path == m_currentFilePath; });
    initFileListFromPath(m_currentFilePath);
    return static_cast<int>(before - m_bookMarkArray.size());
}

}  // namespace qor
