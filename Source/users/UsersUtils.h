#pragma once
// Reader names and the readers on disk.
//
// Every name that becomes a reader folder passes one rule: the foundation's
// name rule with the 64-byte field of the stored user name (63 Mac OS Roman
// bytes). Names compare ignoring letter case but the disk does not, so a
// typed name is always resolved to the spelling of the folder that exists:
// "bob" logs on the reader "Bob", never a second folder beside it.

#include "base/NameRule.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class QorAdmin;

class UsersUtils {
public:
    // The stored user name's field, terminator included.
    static constexpr size_t kUserNameField = 64;

    // Which readers a listing keeps.
    enum ListType : int {
        kAllUsers = 0,
        kUsersWithPassword = 1,   // a ".PSWD"
        kLoggedOnUsers = 2,       // a "LockFile"
        kUsersWithScores = 3,     // a "Testres3m.db"
    };

    // The rule for a name that is to become a reader folder.
    static NameProblem checkUserName(std::string_view utf8Name);

    // True for a folder entry of "Users" that can be a reader: not empty,
    // not beginning with ".", no "/" and no control byte. (Entries that
    // break the stricter creation rule are still readers once they exist.)
    static bool isReaderEntryName(std::string_view name);

    // The reader folders directly inside the users folder (links and files
    // are no readers), in the listing order; nothing when the folder cannot
    // be listed.
    static std::optional<std::vector<std::string>> readerFolders(const std::string& usersFolder);

    // The existing folder's spelling of a typed name: an exact match first,
    // else the first folder equal to it ignoring case. Nothing when no
    // reader has that name.
    static std::optional<std::string> findExistingUser(const std::string& usersFolder,
                                                       std::string_view typed);

    // The readers of a type, "Admin" left out unless includeAdmin; any other
    // type keeps all. Nothing when the users folder cannot be listed.
    static std::optional<std::vector<std::string>> getUserListFromType(int type, bool includeAdmin,
                                                                      const QorAdmin& admin);
    static std::optional<std::vector<std::string>> getUserListFromType(int type, bool includeAdmin);

    // Removes every reader folder except "Admin" with everything in it.
    // Only folders directly inside "Users" are touched. False when any
    // could not be removed.
    static bool removeAllUsersFromDisk(QorAdmin& admin);
    static bool removeAllUsersFromDisk();
};

}  // namespace qor
