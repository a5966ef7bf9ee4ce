#include "users/QorAdmin.h"

#include "base/Files.h"
#include "users/UsersTestSupport.h"
#include "users/UsersUtils.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>

namespace qor {
namespace {

using testing_site::Site;

std::set<std::string> entriesOf(const std::string& folder)
{
    std::vector<fs::Entry> entries;
    fs::listFolder(folder, entries);
    std::set<std::string> names;
    for (const auto& e : entries)
        names.insert(e.name);
    return names;
}

std::string contents(const std::string& path)
{
    std::string s;
    fs::readFile(path, s, 1 << 20);
    return s;
}

TEST(QorAdminNames, OneRuleForEveryReaderFolder)
{
    Site s;
    ASSERT_TRUE(s.admin->setTheUser("Bob"));
    struct Case {
        std::string typed;
        bool accepted;
        std::string current;  // the name made current when accepted
    };
    const Case cases[] = {
        {"Bob", true, "Bob"},
        {"bob", true, "Bob"},  // the existing folder's spelling, no second folder
        {"BOB", true, "Bob"},
        {"../x", false, ""},
        {"../Tests", false, ""},
        {".", false, ""},
        {"..", false, ""},
        {"", false, ""},
        {" Bob", false, ""},
        {".hidden", false, ""},
        {std::string(64, 'n'), false, ""},
        {std::string(63, 'n'), true, std::string(63, 'n')},
        {"\xD0\x96uk", false, ""},  // no Mac OS Roman form
        {"Caf\xC3\xA9", true, "Caf\xC3\xA9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("name '" + c.typed + "'");
        std::string before = s.admin->userName();
        EXPECT_EQ(s.admin->setTheUser(c.typed), c.accepted);
        EXPECT_EQ(s.admin->userName(), c.accepted ? c.current : before);
        std::string dir;
        EXPECT_EQ(s.admin->getDirectoryPath(dir, c.typed), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(dir, s.users() + c.current + "/");
        }
    }
    EXPECT_EQ(entriesOf(s.users()),
              (std::set<std::string>{"Bob", std::string(63, 'n'), "Caf\xC3\xA9"}));
    EXPECT_EQ(entriesOf(s.external), (std::set<std::string>{"Users"}));
    // The stored form of the current name is Mac OS Roman.
    EXPECT_EQ(s.admin->getCstrUserName(), "Caf\x8E");
}

TEST(QorAdminNames, TypedNamesResolveToTheFolderOnDisk)
{
    Site s;
    s.addUser("Bob");
    s.addUser("bobby");
    EXPECT_EQ(s.admin->existingUserName("BOB"), "Bob");
    EXPECT_EQ(s.admin->existingUserName("Bobby"), "bobby");
    EXPECT_FALSE(s.admin->existingUserName("Bo"));
    EXPECT_TRUE(s.admin->doesUserExist("bOb"));
    // A legacy pair differing only in case: the exact spelling wins.
    s.addUser("bob");
    EXPECT_EQ(s.admin->existingUserName("bob"), "bob");
    EXPECT_EQ(s.admin->existingUserName("Bob"), "Bob");
    // A file or a link is no reader.
    fs::writeFileAtomic(s.users() + "Notes", "x");
    EXPECT_FALSE(s.admin->doesUserExist("Notes"));
    ASSERT_EQ(::symlink(s.external.c_str(), (s.users() + "Link").c_str()), 0);
    EXPECT_FALSE(s.admin->doesUserExist("Link"));
    EXPECT_FALSE(s.admin->setTheUser("Link"));
}

TEST(QorAdminFolders, ModesAreSetWhateverTheUmask)
{
    mode_t old = ::umask(077);
    Site s;
    bool made = s.admin->createDirectoryForUser("Bob");
    ::umask(old);
    ASSERT_TRUE(made);
    struct stat st;
    ASSERT_EQ(::stat(s.users().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0777u);
    ASSERT_EQ(::stat((s.users() + "Bob").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0777u);
}

TEST(QorAdminFolders, UsersFolderThatCannotBeMadeAlerts)
{
    Site s;
    // A file where the external folder should hold "Users".
    TempFolder other;
    fs::writeFileAtomic(other / "Users", "not a folder");
    QorAdmin admin(other.path(), 3);
    EXPECT_FALSE(admin.createUsersDirectory());
    ASSERT_EQ(s.alerts.shown.size(), 1u);
    EXPECT_EQ(s.alerts.shown[0].message, "UserDirectoryCreateErr");
    EXPECT_EQ(s.alerts.shown[0].severity, kSeverityCritical);
    EXPECT_FALSE(admin.setTheUser("Bob"));
    std::string dir;
    EXPECT_FALSE(admin.getDirectoryPath(dir, "Bob"));
}

TEST(QorAdminDelete, RefusesEverythingButAReaderFolderInsideUsers)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob", "pw");
    fs::makeFolder(s.external + "Tests");
    fs::writeFileAtomic(s.external + "Tests/story.sty", "keep me");
    for (const char* name : {"", ".", "..", "Admin", "admin", "../Tests", "Tests", "Bob/..", "Nobody"})
        EXPECT_FALSE(s.admin->deleteTheUser(name)) << "'" << name << "'";
    EXPECT_EQ(entriesOf(s.users()), (std::set<std::string>{"Admin", "Bob"}));
    EXPECT_EQ(contents(s.external + "Tests/story.sty"), "keep me");

    EXPECT_TRUE(s.admin->deleteTheUser("bob"));
    EXPECT_EQ(entriesOf(s.users()), (std::set<std::string>{"Admin"}));
}

TEST(QorAdminDelete, RemoveAllSkipsAdminDotEntriesLinksAndFiles)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("Bob", "pw");
    s.addUser("carl");
    fs::writeFileAtomic(s.userFile("carl", "Testres3m.db"), "scores");
    fs::makeFolder(s.users() + ".Trash");
    fs::makeFolder(s.external + "Tests");
    fs::writeFileAtomic(s.external + "Tests/story.sty", "keep me");
    ASSERT_EQ(::symlink((s.external + "Tests").c_str(), (s.users() + "Shortcut").c_str()), 0);
    fs::writeFileAtomic(s.users() + "readme", "x");

    EXPECT_TRUE(UsersUtils::removeAllUsersFromDisk(*s.admin));
    EXPECT_EQ(entriesOf(s.users()), (std::set<std::string>{"Admin", ".Trash", "Shortcut", "readme"}));
    EXPECT_EQ(contents(s.external + "Tests/story.sty"), "keep me");
    EXPECT_TRUE(fs::exists(s.userFile("Admin", ".PSWD")));
}

TEST(QorAdminPasswords, StoredWithItsTerminatorAndReadBack)
{
    Site s;
    ASSERT_TRUE(s.admin->setPassword("\x01\xFC\x9C", "Bob"));  // creates the folder
    EXPECT_EQ(contents(s.userFile("Bob", ".PSWD")), std::string("\x01\xFC\x9C\0", 4));
    struct stat st;
    ASSERT_EQ(::stat(s.userFile("Bob", ".PSWD").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u);

    std::string stored;
    EXPECT_EQ(s.admin->getPassword(stored, "bob"), PasswordRead::Read);
    EXPECT_EQ(stored, "\x01\xFC\x9C");
    EXPECT_TRUE(s.admin->doesPasswordExistForUser("Bob"));

    ASSERT_TRUE(s.admin->setPassword("", "Bob"));
    EXPECT_EQ(contents(s.userFile("Bob", ".PSWD")), std::string(1, '\0'));
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::Read);
    EXPECT_EQ(stored, "");
    EXPECT_FALSE(s.admin->setPassword("x", "../x"));
}

TEST(QorAdminPasswords, FilesThatHoldNoPassword)
{
    Site s;
    s.addUser("Bob");
    std::string stored = "junk";
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::None);
    EXPECT_EQ(stored, "");
    EXPECT_EQ(s.admin->getPassword(stored, "Nobody"), PasswordRead::None);

    // Left by a crash between truncating and writing: not the empty password.
    fs::writeFileAtomic(s.userFile("Bob", ".PSWD"), "");
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::Unreadable);
    fs::removeFile(s.userFile("Bob", ".PSWD"));
    fs::makeFolder(s.userFile("Bob", ".PSWD"));
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::Unreadable);
    ::rmdir(s.userFile("Bob", ".PSWD").c_str());

    // Oversized: only the first 255 bytes are read.
    fs::writeFileAtomic(s.userFile("Bob", ".PSWD"), std::string(5000, '\x03'));
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::Read);
    EXPECT_EQ(stored, std::string(255, '\x03'));
}

TEST(QorAdminPasswords, ACrashWhileSettingKeepsTheOldPassword)
{
    Site s;
    ASSERT_TRUE(s.admin->setPassword("\x01old", "Bob"));
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        fs::setAtomicWriteHookForTesting([](const std::string&) { ::raise(SIGKILL); });
        s.admin->setPassword("\x01new", "Bob");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    std::string stored;
    EXPECT_EQ(s.admin->getPassword(stored, "Bob"), PasswordRead::Read);
    EXPECT_EQ(stored, "\x01old");
}

TEST(QorAdminLogon, SetTheUserMovesTheLock)
{
    Site s;
    ASSERT_TRUE(s.admin->setTheUser("Bob"));
    EXPECT_TRUE(s.admin->validUser());
    EXPECT_TRUE(s.admin->isLockedUser("Bob"));
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::Own);

    ASSERT_TRUE(s.admin->setTheUser("Carl"));
    EXPECT_FALSE(s.admin->isLockedUser("Bob"));
    EXPECT_EQ(s.admin->lockState("Carl"), LockState::Own);

    // A name whose folder cannot be made changes nothing.
    EXPECT_FALSE(s.admin->setTheUser("../Tests"));
    EXPECT_EQ(s.admin->userName(), "Carl");
    EXPECT_EQ(s.admin->lockState("Carl"), LockState::Own);

    s.admin->logoff();
    EXPECT_FALSE(s.admin->isLockedUser("Carl"));
    EXPECT_EQ(s.admin->userName(), "Carl");
}

TEST(QorAdminLogon, LockStatesSeenFromAnotherHolder)
{
    Site s;
    QorAdmin other(s.external, 3);
    ASSERT_TRUE(s.admin->setTheUser("Bob"));
    EXPECT_EQ(other.lockState("Bob"), LockState::Live);
    EXPECT_TRUE(other.isLockedUser("Bob"));

    // The second logon removes the lock after the warning and takes its own.
    other.removeLockFile("Bob");
    ASSERT_TRUE(other.setTheUser("Bob"));
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::Live);
    // The first one logging off leaves the second one's lock in place.
    s.admin->logoff();
    EXPECT_EQ(other.lockState("Bob"), LockState::Own);
    // Nor does removing the first one's lock once more at quit.
    s.admin->deleteLockFile("Bob");
    EXPECT_EQ(other.lockState("Bob"), LockState::Own);
    other.logoff();
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::None);

    // A lock file nobody holds (its process ended abnormally).
    fs::createFile(s.userFile("Bob", "LockFile"));
    EXPECT_EQ(s.admin->lockState("Bob"), LockState::Stale);
    EXPECT_TRUE(s.admin->isLockedUser("Bob"));
}

TEST(QorAdminLogon, AdminAndTheSingleUserEdition)
{
    Site s;
    EXPECT_FALSE(s.admin->isAdmin());
    ASSERT_TRUE(s.admin->setTheUser("Admin"));
    EXPECT_TRUE(s.admin->isAdmin());
    ASSERT_TRUE(s.admin->setTheUser("Bob"));
    EXPECT_FALSE(s.admin->isAdmin());

    QorAdmin home(s.external, 1);
    EXPECT_TRUE(home.isAdmin());
    ASSERT_TRUE(home.logonImplicitUser());
    EXPECT_EQ(home.userName(), "QorUser");
    EXPECT_TRUE(home.isAdmin());
    EXPECT_TRUE(fs::isFolder(s.users() + "QorUser"));
}

TEST(UsersUtilsLists, ByType)
{
    Site s;
    s.addUser("Admin", "pw");
    s.addUser("bob", "pw");
    s.addUser("Carl");
    s.addUser("Dora");
    fs::writeFileAtomic(s.userFile("Dora", "Testres3m.db"), "x");
    fs::createFile(s.userFile("Carl", "LockFile"));
    fs::createFile(s.userFile("Admin", "LockFile"));
    fs::makeFolder(s.users() + ".hidden");

    using V = std::vector<std::string>;
    struct Case {
        int type;
        bool admin;
        V expected;
    };
    const Case cases[] = {
        {0, false, V{"bob", "Carl", "Dora"}},
        {0, true, V{"Admin", "bob", "Carl", "Dora"}},
        {1, false, V{"bob"}},
        {1, true, V{"Admin", "bob"}},
        {2, false, V{"Carl"}},
        {2, true, V{"Admin", "Carl"}},
        {3, false, V{"Dora"}},
        {9, false, V{"bob", "Carl", "Dora"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UsersUtils::getUserListFromType(c.type, c.admin, *s.admin), c.expected)
            << "type " << c.type << (c.admin ? " with Admin" : "");

    QorAdmin nowhere(s.external + "missing", 3);
    EXPECT_FALSE(UsersUtils::getUserListFromType(0, true, nowhere));
}

}  // namespace
}  // namespace qor
