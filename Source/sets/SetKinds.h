#pragma once
// The kinds of content set, their catalogues, and the storage operations
// every kind shares: create, duplicate and remove a set.
//
// A folder kind keeps one folder per set ({kind}/{set}/), a file kind one
// file per set ({kind}/{set}.db). Set names are looked up ignoring letter
// case through a fresh catalogue, so every operation works on the entry's
// own spelling, and every name that becomes a path passes the name rule
// first: a set path never leaves its kind's folder.

#include "sets/QorCat.h"
#include "shell/ObjUtils.h"

#include <string>
#include <string_view>

namespace qor {

enum class SetKindId { CompTest, DrillText, Drill, CustomOptions, Course };

struct SetKind {
    SetKindId id;
    const char* kindName;   // as the dialogs show it: "Comprehension Test"
    const char* folderName; // below the external folder: "Tests"
    bool fileKind;          // one "{set}.db" file per set
    const char* existsKey;  // "Error" key for a name already taken
};

const SetKind& setKind(SetKindId id);

// A fresh catalogue of a kind's sets below an external folder.
QorCat catalogueOf(const SetKind& kind, const std::string& externalFolder);

// The catalogue classes of the kinds this folder owns (the test and drill
// text catalogues live with their storage classes).
class CustomOptionsSets : public QorCat {
public:
    explicit CustomOptionsSets(const std::string& externalFolder = ObjUtils::externalPath())
    {
        generateFileList(kindFolder(externalFolder, kCustomOptionsFolderName), kSetFileSuffix, true);
    }
};

class DrillSessionSets : public QorCat {
public:
    explicit DrillSessionSets(const std::string& externalFolder = ObjUtils::externalPath())
    {
        generateFileList(kindFolder(externalFolder, kDrillsFolderName), kSetFileSuffix, true);
    }
};

class CourseSet : public QorCat {
public:
    explicit CourseSet(const std::string& externalFolder = ObjUtils::externalPath())
    {
        generateDirectoryList(kindFolder(externalFolder, kCoursesFolderName));
    }
};

// The storage operations of one kind below one external folder. Results
// are fs::Status codes: 0, or kFolderNotFound (the kind's folder is
// missing), kBadName (the name rule refuses the name), kDuplicateName (a
// set of that name exists, letter case ignored), kFileNotFound (no such
// set), kAccessDenied (removing a set that ships with the system), or the
// code of a failed file operation.
class SetStorage {
public:
    SetStorage(const SetKind& kind, std::string externalFolder = ObjUtils::externalPath());

    const SetKind& kind() const { return m_kind; }
    // The kind's folder, with a trailing "/".
    std::string parentFolder() const;
    // The path a set of that name has or would have: its existing
    // spelling when there is one; "" when the name rule refuses the name.
    std::string setPath(std::string_view name) const;

    int create(std::string_view name) const;
    // Copies a set (read-only ones too) into a new set. The copy is
    // writable whatever the source's permissions: files 0666, folders 0777.
    int duplicate(std::string_view from, std::string_view to) const;
    // Removes the set, and nothing outside it.
    int remove(std::string_view name) const;

    // A set name is usable as a path component of this kind.
    bool nameAllowed(std::string_view name) const;

private:
    QorCat catalogue() const { return catalogueOf(m_kind, m_external); }

    const SetKind& m_kind;
    std::string m_external;
};

} // namespace qor
