#pragma once
// Files and folders: status codes, bounded reads, atomic rewrites and the
// one listing order.
//
// Every operation reports a status code (0 for success, a negative code of
// the table below otherwise); nothing throws. Files the system creates are
// mode 0666 and folders 0777, set explicitly so the umask cannot narrow them.

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::fs {

// File-system status codes, as the stored formats and messages know them.
enum Status : int {
    kNoErr = 0,
    kDirFull = -33,
    kDiskFull = -34,
    kNoSuchVolume = -35,
    kIoError = -36,
    kBadName = -37,
    kEndOfFile = -39,
    kMemFull = -41,
    kTooManyOpen = -42,
    kFileNotFound = -43,
    kVolumeLocked = -46,
    kFileBusy = -47,
    kDuplicateName = -48,
    kOpenForWrite = -49,
    kParamError = -50,
    kWritePermission = -61,
    kFolderNotFound = -120,
    kUnresolvedFolder = -4960,
    kAccessDenied = -5000,
};

constexpr mode_t kFileMode = 0666;
constexpr mode_t kFolderMode = 0777;

// The status code for a C library errno value.
int statusFromErrno(int err);

// Joins a folder and a name with exactly one "/".
std::string joinPath(std::string_view folder, std::string_view name);
// The folder part of a path, up to and including its last "/" ("" when none).
std::string folderPart(std::string_view path);
// The last component of a path.
std::string lastComponent(std::string_view path);

bool exists(const std::string& path);
bool isFolder(const std::string& path);      // follows links
bool isPlainFile(const std::string& path);   // follows links
bool isLink(const std::string& path);
// The size of a file, or a negative status.
int64_t fileSize(const std::string& path);

// Reads a whole file of at most maxBytes bytes. A larger file gives kMemFull
// and leaves out empty.
int readFile(const std::string& path, std::string& out, size_t maxBytes);

// Replaces the file at path with data: writes a temporary file in the same
// folder, sets its mode, syncs it, and renames it over the old one, so the
// old file stays whole until the new one is complete.
int writeFileAtomic(const std::string& path, std::string_view data, mode_t mode = kFileMode);

// Creates an empty file with mode 0666; kDuplicateName when it exists.
int createFile(const std::string& path, mode_t mode = kFileMode);
// Creates a folder with mode 0777; kDuplicateName when it exists.
int makeFolder(const std::string& path, mode_t mode = kFolderMode);
// Creates a folder and any missing parents, each with mode 0777.
int makeFolders(const std::string& path, mode_t mode = kFolderMode);
int removeFile(const std::string& path);
int renamePath(const std::string& from, const std::string& to);

enum class EntryType : uint8_t { File, Folder, Link, Other };

struct Entry {
    std::string name;
    EntryType type;
};

// The entries of a folder without "." and "..", in the listing order
// (ignoring case, ties by bytes). Links are reported as links, not followed.
int listFolder(const std::string& path, std::vector<Entry>& out);

// Test seam: called with the temporary file's path after it is written and
// synced and before it is renamed into place.
using AtomicWriteHook = void (*)(const std::string& tempPath);
void setAtomicWriteHookForTesting(AtomicWriteHook hook);

}  // namespace qor::fs
