#pragma once
// The bookmark store: every bookmark of one reader (a name, the full path of
// a text file and a reading position), in the order they were made, kept in
// the property list "bookmarks" of the reader's folder.
//
// Paths are compared exactly (two spellings are two files here); names are
// compared ignoring letter case, so one text cannot have "chapter" and
// "Chapter". Each command and each opening of a dialog makes its own store,
// which reads the whole file when it is made. Adding writes the file at
// once; removals are written by saveChanges.
//
// An entry of the file that is not a bookmark (no name, no path, a position
// that is no decimal number) is logged and left out; a position beyond the
// range of a reading position is pulled into it.

#include "base/PropertyList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

struct BookMark {
    std::string name;
    std::string path;
    int32_t position = 0;
    bool operator==(const BookMark&) const = default;
};

class BookMarks {
public:
    static constexpr const char* kFileName = "bookmarks";
    static constexpr const char* kTopKey = "BookMarks";

    // The bookmarks file of a reader: "<usersFolder>/<user>/bookmarks", or
    // "" for a name that cannot be a reader's folder.
    static std::string filePathFor(const std::string& usersFolder, std::string_view user);

    // Reads the file at the path ("" gives an empty store that cannot save).
    explicit BookMarks(std::string filePath);

    // Appends the file's bookmarks; nothing when it cannot be read. The
    // number of entries left out as malformed.
    int loadDictionary();

    // Appends a bookmark and writes the file. False, and the bookmark not
    // kept, when the file could not be written.
    bool addBookMark(const std::string& name, const std::string& path, int32_t position);
    // A bookmark of this path (exactly) has this name (letter case ignored).
    bool isDuplicateName(std::string_view name, std::string_view path) const;

    int count() const { return static_cast<int>(m_bookMarkArray.size()); }
    // By index in the whole list; nullptr outside it.
    const BookMark* getBookMarkAtIndex(int index) const;
    // Removes from memory; false outside the list.
    bool removeBookMarkAtIndex(int index);
    // Writes the whole list atomically; false when it could not.
    bool saveChanges();

    // The distinct paths, in the order of their first bookmark.
    void initPathList();
    int pathListCount() const { return static_cast<int>(m_filePathList.size()); }
    std::string pathListAtIndex(int row) const;  // "" outside

    // The names of the bookmarks of one path, in list order.
    void initFileListFromPath(const std::string& path);
    const std::string& currentFilePath() const { return m_currentFilePath; }
    int bookMarkCountForCurrentPath() const { return static_cast<int>(m_bookMarkList.size()); }
    std::string bookMarkListForCurrentPathAtIndex(int row) const;  // "" outside
    // The position of the bookmark in that row; -1 outside the rows.
    int32_t positionForCurrentPathAtIndex(int row) const;
    // Removes the bookmark(s) of the current path in those rows (memory
    // only) and rebuilds the name list. The number removed.
    int removeBookmarkForCurrentPathAtIndex(int row);
    int removeBookmarksForCurrentPathAtRows(std::vector<int> rows);
    int removeBookmarksForCurrentPath();

    const std::string& filePath() const { return m_path; }

    // The stored form, and the bookmarks a stored form gives (`skipped`
    // counts the entries left out).
    static PlistValue toPlist(const std::vector<BookMark>& list);
    static std::vector<BookMark> fromPlist(const PlistValue& file, int* skipped);
    // A stored "Position": a decimal integer, optionally signed, nothing
    // else; pulled into 0..INT32_MAX. False for anything else.
    static bool parsePosition(const PlistValue& v, int32_t& out);

private:
    std::string m_path;
    std::vector<BookMark> m_bookMarkArray;
    std::vector<std::string> m_filePathList;
    std::vector<std::string> m_bookMarkList;
    std::vector<size_t> m_bookMarkRows;  // the index in the whole list of each name row
    std::string m_currentFilePath;
};

}  // namespace qor
