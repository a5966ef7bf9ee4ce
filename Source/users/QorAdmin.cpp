#include "users/QorAdmin.h"

#include "base/Clock.h"
#include "base/Encoding.h"
#include "base/Files.h"
#include "base/Log.h"
#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorAlert.h"
#include "users/GlobalOptions.h"
#include "users/QorEncryption.h"
#include "users/UsersUtils.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace qor {

namespace {

std::string withSlash(std::string p)
{
    if (!p.empty() && p.back() != '/')
        p.push_back('/');
    return p;
}

// A file name inside a reader's folder: one component, never "." or "..".
bool isFileName(std::string_view file)
{
    return !file.empty() && file != "." && file != ".." && file.find('/') == std::string_view::npos &&
           file.find('\0') == std::string_view::npos;
}

bool sameFile(int fd, const std::string& path)
{
    struct stat a, b;
    return ::fstat(fd, &a) == 0 && ::lstat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

}  // namespace

QorAdmin& QorAdmin::instance()
{
    static QorAdmin admin;
    return admin;
}

QorAdmin::QorAdmin() : m_edition(QorVersion::qorVersion()) {}

QorAdmin::QorAdmin(std::string externalFolder, int edition)
    : m_external(std::move(externalFolder)), m_edition(edition)
{
}

QorAdmin::~QorAdmin()
{
    // The file stays: the lock it stands for ends with the logon, not with
    // this object. Only the descriptor goes.
    releaseLock();
}

std::string QorAdmin::externalFolder() const
{
    return withSlash(m_external.empty() ? ObjUtils::externalPath() : m_external);
}

std::string QorAdmin::usersFolder() const
{
    std::string ext = externalFolder();
    if (ext.empty() || ext == "/")
        return {};
    return ext + kUsersFolderName + "/";
}

std::string QorAdmin::userFolderPath(std::string_view user) const
{
    std::string users = usersFolder();
    if (users.empty() || !UsersUtils::isReaderEntryName(user))
        return {};
    auto existing = UsersUtils::findExistingUser(users, user);
    return users + (existing ? *existing : std::string(user)) + "/";
}

std::string QorAdmin::userFilePath(std::string_view file, std::string_view user) const
{
    if (!isFileName(file))
        return {};
    std::string folder = userFolderPath(user);
    return folder.empty() ? std::string() : folder + std::string(file);
}

// --- users and folders ---------------------------------------------------------------------

bool QorAdmin::usersDirectoryExists() const
{
    std::string users = usersFolder();
    return !users.empty() && fs::isFolder(users);
}

bool QorAdmin::createUsersDirectory()
{
    if (usersDirectoryExists())
        return true;
    std::string users = usersFolder();
    if (!users.empty() && fs::makeFolder(users) == fs::kNoErr)
        return true;
    QorAlert::message(MessageTables::localizedString("UserDirectoryCreateErr", table::kError),
                      kAlertOK, kSeverityCritical);
    return false;
}

bool QorAdmin::createUserDirectory(const std::string& path)
{
    if (fs::isFolder(path))
        return true;
    if (fs::makeFolder(path) == fs::kNoErr)
        return true;
    QorAlert::message(formatMessage("The directory \"%s\" could not be created.", {path}), kAlertOK,
                      kSeverityCritical);
    return false;
}

std::optional<std::string> QorAdmin::existingUserName(std::string_view typed) const
{
    std::string users = usersFolder();
    if (users.empty())
        return std::nullopt;
    return UsersUtils::findExistingUser(users, typed);
}

bool QorAdmin::doesUserExist(std::string_view user) const
{
    return existingUserName(user).has_value();
}

bool QorAdmin::createDirectoryForUser(std::string_view user)
{
    if (doesUserExist(user))
        return true;
    NameProblem problem = UsersUtils::checkUserName(user);
    if (problem != NameProblem::None) {
        logLine("No reader folder for the name \"" + std::string(user) + "\": it " + describe(problem));
        return false;
    }
    if (!usersDirectoryExists())
        return false;
    return createUserDirectory(usersFolder() + std::string(user));
}

bool QorAdmin::getDirectoryPath(std::string& out, std::string_view user)
{
    out.clear();
    if (!usersDirectoryExists() || !createDirectoryForUser(user))
        return false;
    out = userFolderPath(user);
    return !out.empty();
}

bool QorAdmin::doesFileExist(std::string_view file, std::string_view user) const
{
    std::string path = userFilePath(file, user);
    return !path.empty() && fs::exists(path);
}

bool QorAdmin::setTheUser(std::string_view user)
{
    if (!usersDirectoryExists() || !createDirectoryForUser(user))
        return false;
    auto name = existingUserName(user);
    if (!name)
        return false;
    if (!mUserName.empty())
        deleteLockFile(mUserName);
    setCstrUserName(*name);
    if (!setLockForUser(*name))
        logLine("The logon lock of \"" + *name + "\" could not be created");
    m_bCurrentUserValid = true;
    return true;
}

void QorAdmin::setCstrUserName(std::string_view user)
{
    mUserName = std::string(user);
    m_cUserName = utf8ToMacRomanLossy(user);
    if (m_cUserName.size() > UsersUtils::kUserNameField - 1)
        m_cUserName.resize(UsersUtils::kUserNameField - 1);
}

bool QorAdmin::isAdmin() const
{
    return m_edition == 1 || equalIgnoringCase(mUserName, kAdminUserName);
}

bool QorAdmin::deleteTheUser(std::string_view user)
{
    if (!UsersUtils::isReaderEntryName(user) || equalIgnoringCase(user, kAdminUserName))
        return false;
    auto name = existingUserName(user);
    if (!name || equalIgnoringCase(*name, kAdminUserName))
        return false;
    std::string folder = usersFolder() + *name;
    if (m_lockFd >= 0 && m_lockPath == folder + "/" + kLockFileName)
        releaseLock();
    return ObjUtils::removeFolder(folder, false);
}

void QorAdmin::deleteFile(std::string_view file, std::string_view user)
{
    if (file == kLockFileName) {
        deleteLockFile(user);
        return;
    }
    std::string path = userFilePath(file, user);
    if (!path.empty())
        fs::removeFile(path);
}

// --- passwords -------------------------------------------------------------------------------

bool QorAdmin::setPassword(std::string_view stored, std::string_view user)
{
    std::string folder;
    if (!getDirectoryPath(folder, user))
        return false;
    std::string_view form = stored.substr(0, stored.find('\0'));
    form = form.substr(0, QorEncryption::kMaxPasswordBytes);
    return fs::writeFileAtomic(folder + kPasswordFileName, QorEncryption::passwordFileBytes(form),
                               fs::kFileMode) == fs::kNoErr;
}

PasswordRead QorAdmin::getPassword(std::string& stored, std::string_view user) const
{
    stored.clear();
    std::string path = userFilePath(kPasswordFileName, user);
    if (path.empty())
        return PasswordRead::None;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        if (errno == ENOENT)
            return PasswordRead::None;
        logLine("The password file " + path + " could not be opened");
        return PasswordRead::Unreadable;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return PasswordRead::Unreadable;
    }
    // Never more than the first 255 bytes.
    char buf[QorEncryption::kMaxPasswordFileBytes];
    size_t got = 0;
    while (got < sizeof buf) {
        ssize_t r = ::read(fd, buf + got, sizeof buf - got);
        if (r < 0 && errno == EINTR)
            continue;
        if (r < 0) {
            ::close(fd);
            return PasswordRead::Unreadable;
        }
        if (r == 0)
            break;
        got += static_cast<size_t>(r);
    }
    ::close(fd);
    if (!QorEncryption::storedFormFromFile(std::string_view(buf, got), stored)) {
        logLine("The password file " + path + " is empty");
        return PasswordRead::Unreadable;
    }
    return PasswordRead::Read;
}

bool QorAdmin::doesPasswordExistForUser(std::string_view user) const
{
    return doesFileExist(kPasswordFileName, user);
}

// --- locks -----------------------------------------------------------------------------------

void QorAdmin::releaseLock()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);  // closing the only descriptor ends the flock
    m_lockFd = -1;
    m_lockPath.clear();
}

bool QorAdmin::setLockForUser(std::string_view user)
{
    std::string path = userFilePath(kLockFileName, user);
    if (path.empty() || !fs::isFolder(fs::folderPart(path)))
        return false;
    releaseLock();
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, fs::kFileMode);
    if (fd < 0)
        return false;
    ::fchmod(fd, fs::kFileMode);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // Another process holds this very file; it stays theirs.
        ::close(fd);
        logLine("The logon lock " + path + " is held by another process");
        return true;
    }
    m_lockFd = fd;
    m_lockPath = path;
    return true;
}

bool QorAdmin::isLockedUser(std::string_view user) const
{
    return doesFileExist(kLockFileName, user);
}

LockState QorAdmin::lockState(std::string_view user) const
{
    std::string path = userFilePath(kLockFileName, user);
    if (path.empty() || !fs::exists(path))
        return LockState::None;
    if (m_lockFd >= 0 && m_lockPath == path && sameFile(m_lockFd, path))
        return LockState::Own;
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return LockState::Live;
    LockState state = LockState::Live;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
        ::flock(fd, LOCK_UN);
        state = LockState::Stale;
    }
    ::close(fd);
    return state;
}

void QorAdmin::deleteLockFile(std::string_view user)
{
    std::string path = userFilePath(kLockFileName, user);
    if (path.empty())
        return;
    bool current = !mUserName.empty() && equalIgnoringCase(user, mUserName);
    if (m_lockFd >= 0 && m_lockPath == path) {
        // Our own lock; a file another process has put in its place since
        // stays, as it stands for that process's logon.
        if (sameFile(m_lockFd, path))
            fs::removeFile(path);
        releaseLock();
        return;
    }
    if (current && m_lockFd < 0 && lockState(user) == LockState::Live)
        return;  // the current reader's lock held by another process's logon
    fs::removeFile(path);
}

void QorAdmin::removeLockFile(std::string_view user)
{
    std::string path = userFilePath(kLockFileName, user);
    if (path.empty())
        return;
    fs::removeFile(path);
    if (m_lockFd >= 0 && m_lockPath == path)
        releaseLock();
}

void QorAdmin::logoff()
{
    if (!mUserName.empty())
        deleteLockFile(mUserName);
}

// --- the current reader's scores --------------------------------------------------------------

GlobalOptions& QorAdmin::site() const
{
    return m_site ? *m_site : GlobalOptions::instance();
}

bool QorAdmin::isValidScore(const ScoreRecord& score)
{
    return qor::isValidScore(score, site().brsValues());
}

bool QorAdmin::testTaken(std::string_view story, std::string_view set)
{
    if (!m_scores || mUserName.empty())
        return false;
    for (const auto& s : m_scores->scores(mUserName))
        if (s.name == story && s.setName == set)
            return true;
    return false;
}

bool QorAdmin::isValidFromPartial(std::string_view text, std::string_view set)
{
    if (!m_scores || mUserName.empty())
        return false;
    BrsRequirements brs = site().brsValues();
    for (const auto& s : m_scores->scores(mUserName))
        if (s.setName == set && s.name.find(text) != std::string::npos && qor::isValidScore(s, brs))
            return true;
    return false;
}

bool QorAdmin::lastScoreValid()
{
    if (!m_scores || mUserName.empty())
        return false;
    auto all = m_scores->scores(mUserName);
    return !all.empty() && isValidScore(all.back());
}

bool QorAdmin::logScore(ScoreRecord score)
{
    if (!m_scores || mUserName.empty())
        return false;
    const Clock& clock = m_clock ? *m_clock : SystemClock::instance();
    score.seconds = static_cast<float>(clock.secondsSince2001());
    score.name = scoreName(score.name);
    score.setName = scoreName(score.setName);
    score.optionSet = scoreName(score.optionSet);
    score.option = scoreName(score.option);
    return m_scores->addScore(mUserName, score);
}

bool QorAdmin::logSelfScorePercent(int percent, int speed, std::string_view set, std::string_view story)
{
    return logScore({speed, percent, 0.0f, std::string(story), std::string(set), {}, {}, true});
}

bool QorAdmin::logForcedScorePercent(int percent, int speed, std::string_view set,
                                     std::string_view story, std::string_view optionSet,
                                     std::string_view option)
{
    return logScore({speed, percent, 0.0f, std::string(story), std::string(set),
                     std::string(optionSet), std::string(option), false});
}

int QorAdmin::getCurrentBRS()
{
    return getCurrentBRSFromUser(mUserName);
}

int QorAdmin::getCurrentBRSFromUser(std::string_view user)
{
    if (!m_scores || user.empty())
        return 0;
    return m_scores->currentBRS(std::string(user));
}

}  // namespace qor
