#pragma once
// The user store: who is logged on, the reader folders in "Users", the
// password file ".PSWD", the logon lock "LockFile", and the current
// reader's score questions.
//
// The logon lock is a file that exists while the reader is logged on; the
// process that logged the reader on also holds an exclusive flock on it for
// as long as the logon lasts, so another process can tell a live logon from
// a lock file left behind by one that ended abnormally. The lock is
// advisory: the logon warns about it and lets the reader go on.

#include "shell/QorVersion.h"
#include "users/ScoreRecord.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

class Clock;
class GlobalOptions;

inline constexpr const char* kAdminUserName = "Admin";
inline constexpr const char* kImplicitUserName = "QorUser";
inline constexpr const char* kUsersFolderName = "Users";
inline constexpr const char* kPasswordFileName = ".PSWD";
inline constexpr const char* kLockFileName = "LockFile";
inline constexpr const char* kScoreFileName = "Testres3m.db";

// What reading a reader's ".PSWD" found.
enum class PasswordRead {
    None,        // the reader has no password file
    Read,        // the stored form was read
    Unreadable,  // a file exists but holds nothing usable: no logon on it
};

// The state of a reader's logon lock, seen from this process.
enum class LockState {
    None,   // no lock file
    Own,    // this process holds it
    Live,   // another process holds it (or it cannot be tested)
    Stale,  // the file is there but nobody holds it
};

class QorAdmin {
public:
    // The process-wide user store over ObjUtils' external folder.
    static QorAdmin& instance();

    // Over the external folder ObjUtils names, at each use.
    QorAdmin();
    // Over a given external folder, for a given edition.
    QorAdmin(std::string externalFolder, int edition);
    ~QorAdmin();
    QorAdmin(const QorAdmin&) = delete;
    QorAdmin& operator=(const QorAdmin&) = delete;

    // The external folder and "Users", each with a trailing "/".
    std::string externalFolder() const;
    std::string usersFolder() const;
    int edition() const { return m_edition; }

    // --- users and folders ---
    // Makes "Users" (0777) when missing; alerts "UserDirectoryCreateErr".
    bool createUsersDirectory();
    bool usersDirectoryExists() const;
    // Makes the reader's folder (0777) when missing: only for a name the
    // reader rule allows. True when the folder exists afterwards.
    bool createDirectoryForUser(std::string_view user);
    // Makes a folder by path; alerts with the path when it cannot.
    bool createUserDirectory(const std::string& path);
    // The reader's folder with a trailing "/", made when missing; false when
    // "Users" is missing or the folder cannot be made.
    bool getDirectoryPath(std::string& out, std::string_view user);
    // The folder's own spelling of a reader name, when the reader exists.
    std::optional<std::string> existingUserName(std::string_view typed) const;
    bool doesUserExist(std::string_view user) const;
    bool doesFileExist(std::string_view file, std::string_view user) const;

    // Makes the reader current: only when "Users" exists and the reader's
    // folder exists or can be made. Removes the previous reader's lock,
    // sets the name (as the folder spells it), creates the new lock. False,
    // and nothing changed, when the reader cannot be made current.
    bool setTheUser(std::string_view user);
    // The single-user edition's reader "QorUser".
    bool logonImplicitUser() { return setTheUser(kImplicitUserName); }
    // Sets the name (UTF-8) and its stored form (Mac OS Roman, 63 bytes).
    void setCstrUserName(std::string_view user);
    const std::string& getCstrUserName() const { return m_cUserName; }
    const std::string& userName() const { return mUserName; }
    bool validUser() const { return m_bCurrentUserValid; }
    // The current reader is "Admin"; always in the single-user edition.
    bool isAdmin() const;

    // Removes a reader's folder with everything in it. Refused (false) for
    // "Admin", for a name that is no reader entry ("", ".", "..", "a/b"),
    // and for anything but a folder directly inside "Users".
    bool deleteTheUser(std::string_view user);
    // Removes one file of the reader's folder; a missing file is no error.
    void deleteFile(std::string_view file, std::string_view user);
    void deletePasswordFile(std::string_view user) { deleteFile(kPasswordFileName, user); }
    // Removes a reader's logon lock. For this process's own reader only
    // the lock this process holds is removed: a lock another process has
    // taken since (a second logon of the same reader) stays.
    void deleteLockFile(std::string_view user);
    // Removes the lock file whoever holds it (the reader chose to log on
    // in spite of the warning).
    void removeLockFile(std::string_view user);
    void deleteScoreFile(std::string_view user) { deleteFile(kScoreFileName, user); }
    bool doesScoreFileExist(std::string_view user) const { return doesFileExist(kScoreFileName, user); }

    // --- passwords and locks ---
    // Replaces ".PSWD" atomically with the stored form and its zero byte.
    bool setPassword(std::string_view stored, std::string_view user);
    // Reads ".PSWD": at most its first 255 bytes, up to a zero byte.
    PasswordRead getPassword(std::string& stored, std::string_view user) const;
    bool doesPasswordExistForUser(std::string_view user) const;
    // Creates "LockFile" and holds it for this process.
    bool setLockForUser(std::string_view user);
    // The lock file exists.
    bool isLockedUser(std::string_view user) const;
    LockState lockState(std::string_view user) const;
    // Removes the current reader's lock (the name stays).
    void logoff();

    // --- the current reader's scores ---
    // The score store and site settings the questions use; the clock for
    // the time of a logged score. Not owned.
    void setScoreStore(ScoreStore* store) { m_scores = store; }
    void setSiteOptions(GlobalOptions* site) { m_site = site; }
    void setClock(const Clock* clock) { m_clock = clock; }

    bool testTaken(std::string_view story, std::string_view set);
    bool isValidFromPartial(std::string_view text, std::string_view set);
    bool lastScoreValid();
    bool isValidScore(const ScoreRecord& score);
    bool logSelfScorePercent(int percent, int speed, std::string_view set, std::string_view story);
    bool logForcedScorePercent(int percent, int speed, std::string_view set, std::string_view story,
                               std::string_view optionSet, std::string_view option);
    int getCurrentBRS();
    int getCurrentBRSFromUser(std::string_view user);

private:
    // The folder path of a reader (its existing spelling, else the name as
    // given) with a trailing "/"; empty for a name that is no reader entry.
    std::string userFolderPath(std::string_view user) const;
    std::string userFilePath(std::string_view file, std::string_view user) const;
    void releaseLock();
    bool logScore(ScoreRecord score);
    GlobalOptions& site() const;

    std::string m_external;  // empty: ask ObjUtils
    int m_edition;
    std::string m_cUserName;
    std::string mUserName;
    bool m_bCurrentUserValid = false;

    int m_lockFd = -1;        // the held "LockFile"
    std::string m_lockPath;

    ScoreStore* m_scores = nullptr;
    GlobalOptions* m_site = nullptr;
    const Clock* m_clock = nullptr;
};

}  // namespace qor
