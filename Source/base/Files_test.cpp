#include "base/Files.h"
#include "base/TempFolder.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace qor::fs {
namespace {

mode_t modeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

std::string contents(const std::string& path)
{
    std::string s;
    readFile(path, s, 1 << 20);
    return s;
}

TEST(AtomicWrite, ReplacesWholeAndSetsModeWhateverTheUmask)
{
    TempFolder dir;
    std::string f = dir / "prefs";
    mode_t old = ::umask(077);
    ASSERT_EQ(writeFileAtomic(f, "first"), kNoErr);
    ASSERT_EQ(writeFileAtomic(f, "second, longer"), kNoErr);
    ::umask(old);
    EXPECT_EQ(contents(f), "second, longer");
    EXPECT_EQ(modeOf(f), 0666u);
    std::vector<Entry> entries;
    ASSERT_EQ(listFolder(dir.path(), entries), kNoErr);
    ASSERT_EQ(entries.size(), 1u) << "no temporary file is left behind";
}

TEST(AtomicWrite, KillBeforeRenameLeavesTheOldFileWhole)
{
    TempFolder dir;
    std::string f = dir / "scores";
    ASSERT_EQ(writeFileAtomic(f, "the old contents"), kNoErr);

    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        setAtomicWriteHookForTesting([](const std::string&) { ::raise(SIGKILL); });
        writeFileAtomic(f, "the new contents that never land");
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(contents(f), "the old contents");
}

TEST(AtomicWrite, FailsCleanlyInAMissingFolder)
{
    TempFolder dir;
    EXPECT_EQ(writeFileAtomic(dir / "nope/file", "x"), kFileNotFound);
    EXPECT_EQ(writeFileAtomic(dir.path() + "/", "x"), kBadName);
}

TEST(Folders, CreateWithModesAndReportDuplicates)
{
    TempFolder dir;
    mode_t old = ::umask(022);
    EXPECT_EQ(makeFolder(dir / "Users"), kNoErr);
    EXPECT_EQ(makeFolder(dir / "Users"), kDuplicateName);
    EXPECT_EQ(makeFolders(dir / "a/b/c"), kNoErr);
    EXPECT_EQ(createFile(dir / "a/b/c/f"), kNoErr);
    EXPECT_EQ(createFile(dir / "a/b/c/f"), kDuplicateName);
    ::umask(old);
    EXPECT_EQ(modeOf(dir / "Users"), 0777u);
    EXPECT_EQ(modeOf(dir / "a/b"), 0777u);
    EXPECT_EQ(modeOf(dir / "a/b/c/f"), 0666u);
}

TEST(Folders, ListingOrderSkipsDotsAndReportsTypes)
{
    TempFolder dir;
    for (const char* n : {"banana", "Apple", "apple", "cherry"})
        ASSERT_EQ(createFile(dir / n), kNoErr);
    ASSERT_EQ(makeFolder(dir / "Box"), kNoErr);
    ASSERT_EQ(::symlink("banana", (dir / "link").c_str()), 0);
    std::vector<Entry> e;
    ASSERT_EQ(listFolder(dir.path(), e), kNoErr);
    std::vector<std::string> names;
    for (auto& x : e)
        names.push_back(x.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Apple", "apple", "banana", "Box", "cherry", "link"}));
    EXPECT_EQ(e[3].type, EntryType::Folder);
    EXPECT_EQ(e[5].type, EntryType::Link);
    EXPECT_EQ(listFolder(dir / "missing", e), kFileNotFound);
    EXPECT_TRUE(e.empty());
}

TEST(ReadFile, IsBounded)
{
    TempFolder dir;
    ASSERT_EQ(writeFileAtomic(dir / "f", "0123456789"), kNoErr);
    std::string out;
    EXPECT_EQ(readFile(dir / "f", out, 10), kNoErr);
    EXPECT_EQ(out, "0123456789");
    EXPECT_EQ(readFile(dir / "f", out, 9), kMemFull);
    EXPECT_TRUE(out.empty());
    ASSERT_EQ(createFile(dir / "empty"), kNoErr);
    EXPECT_EQ(readFile(dir / "empty", out, 10), kNoErr);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(readFile(dir / "missing", out, 10), kFileNotFound);
    EXPECT_EQ(readFile(dir.path(), out, 10), kParamError);
}

TEST(Status, FromErrno)
{
    EXPECT_EQ(statusFromErrno(0), kNoErr);
    EXPECT_EQ(statusFromErrno(ENOENT), kFileNotFound);
    EXPECT_EQ(statusFromErrno(EEXIST), kDuplicateName);
    EXPECT_EQ(statusFromErrno(EACCES), kAccessDenied);
    EXPECT_EQ(statusFromErrno(EROFS), kVolumeLocked);
    EXPECT_EQ(statusFromErrno(ENOSPC), kDiskFull);
    EXPECT_EQ(statusFromErrno(EXDEV), kIoError);
}

TEST(Paths, JoinAndSplit)
{
    EXPECT_EQ(joinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(joinPath("/a", "/b"), "/a/b");
    EXPECT_EQ(folderPart("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(folderPart("c.txt"), "");
    EXPECT_EQ(lastComponent("/a/b/"), "b");
    EXPECT_EQ(lastComponent("/a/b/c.txt"), "c.txt");
}

}  // namespace
}  // namespace qor::fs
