#pragma once
// The set catalogue: the entries of one folder, their names and file
// references side by side, and look-ups by name.
//
// A catalogue is a snapshot taken when it is filled and is never
// refreshed; every command takes a fresh one. Entries are kept in the
// system's one listing order (letter case ignored, ties by the bytes),
// whatever order the folder enumeration gives. Names are UTF-8; names
// whose first byte is "." and names the name rule refuses are never
// listed, so every listed name can be turned back into a path.
//
// Look-ups ignore letter case and answer the entry's own spelling on disk
// (realName), so a set typed "fast" opens the file "Fast.db".
//
// A file reference is the entry's full path (UTF-8).
//
// Adding a kind of set: derive from QorCat, add no fields, and fill the
// catalogue in the constructor from the kind's folder below the external
// folder, e.g.
//
//     class TestSets : public QorCat {
//     public:
//         explicit TestSets(const std::string& externalFolder = ObjUtils::externalPath())
//         { generateDirectoryList(kindFolder(externalFolder, "Tests")); }
//     };
//
// A missing folder leaves the catalogue empty; construction never fails.
// To keep only some entries, override acceptEntry().

#include "base/Files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

using FileRef = std::string;

class QorCat {
public:
    QorCat() = default;
    virtual ~QorCat() = default;
    QorCat(const QorCat&) = default;
    QorCat& operator=(const QorCat&) = default;

    // The folder of one kind below the external folder, with a trailing "/".
    static std::string kindFolder(const std::string& externalFolder, std::string_view kind);

    // Fills the catalogue with the folder's plain files. With a suffix
    // (given without its dot, e.g. "db") only names ending in "." + suffix
    // (letter case ignored) with a non-empty stem are kept; removeSuffix
    // stores them without ".suffix". Without a suffix every file is kept
    // under its whole name. False (catalogue empty) when the folder cannot
    // be listed.
    bool generateFileList(const std::string& folder, std::string_view suffix, bool removeSuffix);
    // Fills the catalogue with the folder's sub-folders (not links).
    bool generateDirectoryList(const std::string& folder);

    // Number of entries; 0 until a list was generated.
    int count() const { return static_cast<int>(m_pStringArray.size()); }
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    // The name and file reference at an index; "" outside the catalogue.
    const std::string& getStringAtIndex(int index) const;
    const FileRef& getFSRefAtIndex(int index) const;
    // The name as Mac OS Roman bytes, at most capacity - 1 of them, so a
    // field of `capacity` bytes always has room for its terminator. "" for
    // an index outside the catalogue.
    std::string getCString(size_t capacity, int index) const;

    // The first entry whose name equals the given one, letter case
    // ignored; -1 when there is none.
    int indexOfEqualString(std::string_view name) const;
    bool isDuplicate(std::string_view name) const { return indexOfEqualString(name) != -1; }
    // The listed spelling of a name (letter case ignored), if listed.
    std::optional<std::string> realName(std::string_view name) const;
    // The file reference of a name (letter case ignored), if listed.
    std::optional<FileRef> refForName(std::string_view name) const;

    // Removes an entry from the catalogue only (nothing on disk changes).
    bool deleteItemAtIndex(int index);
    void deleteItemWithName(std::string_view name);

    // The names in listing order (pop-ups and tables fill from it).
    const std::vector<std::string>& names() const { return m_pStringArray; }
    // The folder the catalogue was filled from ("" before).
    const std::string& folder() const { return m_folder; }

protected:
    // Called for each candidate entry after the catalogue's own rules; a
    // subclass may refuse more. `storedName` is the name it would be
    // listed under.
    virtual bool acceptEntry(const fs::Entry& entry, const std::string& storedName) const
    {
        (void)entry;
        (void)storedName;
        return true;
    }

private:
    void clear();
    void add(std::string name, FileRef ref);

    std::vector<std::string> m_pStringArray;
    std::vector<FileRef> m_pFSRefArray;
    std::string m_folder;
};

// The kinds of set that have their own catalogue class. Folder names are
// exact.
inline constexpr const char* kTestsFolderName = "Tests";
inline constexpr const char* kDrillTextFolderName = "DrillText";
inline constexpr const char* kDrillsFolderName = "Drills";
inline constexpr const char* kCustomOptionsFolderName = "CustomOptions3";
inline constexpr const char* kCoursesFolderName = "Courses";
inline constexpr const char* kLibraryFolderName = "Library";
inline constexpr const char* kSetFileSuffix = "db";

} // namespace qor
