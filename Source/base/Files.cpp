#include "base/Files.h"

#include "base/Encoding.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace qor::fs {

namespace {

AtomicWriteHook g_atomicHook = nullptr;

// Writes all of data to fd, retrying short writes and interruptions.
bool writeAll(int fd, const char* data, size_t n)
{
    while (n > 0) {
        ssize_t w = ::write(fd, data, n);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (w == 0) {
            errno = EIO;
            return false;
        }
        data += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

void syncFolderOf(const std::string& path)
{
    std::string dir = folderPart(path);
    if (dir.empty())
        dir = ".";
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

int statusFromErrno(int err)
{
    switch (err) {
    case 0: return kNoErr;
    case ENOENT: return kFileNotFound;
    case ENOTDIR: return kFolderNotFound;
    case EEXIST:
    case ENOTEMPTY: return kDuplicateName;
    case EACCES:
    case EPERM: return kAccessDenied;
    case EROFS: return kVolumeLocked;
    case ENOSPC:
    case EDQUOT: return kDiskFull;
    case ENAMETOOLONG:
    case EILSEQ: return kBadName;
    case EMFILE:
    case ENFILE: return kTooManyOpen;
    case EBUSY: return kFileBusy;
    case ETXTBSY: return kOpenForWrite;
    case ENOMEM:
    case EFBIG: return kMemFull;
    case EINVAL:
    case EISDIR: return kParamError;
    case ENODEV:
    case ENXIO: return kNoSuchVolume;
    default: return kIoError;
    }
}

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (!out.empty() && out.back() != '/')
        out.push_back('/');
    while (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    out.append(name);
    return out;
}

std::string folderPart(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string lastComponent(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool exists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool isFolder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isPlainFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isLink(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

int64_t fileSize(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return statusFromErrno(errno);
    return static_cast<int64_t>(st.st_size);
}

int readFile(const std::string& path, std::string& out, size_t maxBytes)
{
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return statusFromErrno(errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int e = errno;
        ::close(fd);
        return statusFromErrno(e);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return kParamError;
    }
    if (st.st_size < 0 || static_cast<uint64_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return kMemFull;
    }
    // Read until the end of the file, never more than one byte past the
    // bound (the file may have grown since fstat).
    const size_t cap = maxBytes + 1;
    out.resize(std::min(static_cast<size_t>(st.st_size) + 1, cap));
    size_t got = 0;
    while (got < cap) {
        if (got == out.size())
            out.resize(std::min(cap, out.size() + 65536));
        ssize_t r = ::read(fd, &out[got], out.size() - got);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            int e = errno;
            ::close(fd);
            out.clear();
            return statusFromErrno(e);
        }
        if (r == 0)
            break;
        got += static_cast<size_t>(r);
    }
    ::close(fd);
    if (got > maxBytes) {
        out.clear();
        return kMemFull;
    }
    out.resize(got);
    return kNoErr;
}

int writeFileAtomic(const std::string& path, std::string_view data, mode_t mode)
{
    std::string dir = folderPart(path);
    std::string name = lastComponent(path);
    if (path.empty() || path.back() == '/' || name == "." || name == "..")
        return kBadName;
    std::string tmpl = dir + "." + name + ".tmp.XXXXXX";
    int fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
    if (fd < 0)
        return statusFromErrno(errno);
    auto fail = [&](int e) {
        ::close(fd);
        ::unlink(tmpl.c_str());
        return statusFromErrno(e);
    };
    if (::fchmod(fd, mode) != 0)
        return fail(errno);
    if (!writeAll(fd, data.data(), data.size()))
        return fail(errno);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        int e = errno;
        ::unlink(tmpl.c_str());
        return statusFromErrno(e);
    }
    if (g_atomicHook)
        g_atomicHook(tmpl);
    if (::rename(tmpl.c_str(), path.c_str()) != 0) {
        int e = errno;
        ::unlink(tmpl.c_str());
        return statusFromErrno(e);
    }
    syncFolderOf(path);
    return kNoErr;
}

int createFile(const std::string& path, mode_t mode)
{
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0)
        return statusFromErrno(errno);
    int rc = ::fchmod(fd, mode) == 0 ? kNoErr : statusFromErrno(errno);
    ::close(fd);
    return rc;
}

int makeFolder(const std::string& path, mode_t mode)
{
    if (::mkdir(path.c_str(), mode) != 0)
        return statusFromErrno(errno);
    if (::chmod(path.c_str(), mode) != 0)
        return statusFromErrno(errno);
    return kNoErr;
}

int makeFolders(const std::string& path, mode_t mode)
{
    if (path.empty())
        return kBadName;
    if (isFolder(path))
        return kNoErr;
    std::string parent = folderPart(path.back() == '/' ? path.substr(0, path.size() - 1) : path);
    if (!parent.empty() && parent != "/" && !isFolder(parent)) {
        int rc = makeFolders(parent.substr(0, parent.size() - 1), mode);
        if (rc != kNoErr)
            return rc;
    }
    int rc = makeFolder(path, mode);
    return rc == kDuplicateName && isFolder(path) ? kNoErr : rc;
}

int removeFile(const std::string& path)
{
    return ::unlink(path.c_str()) == 0 ? kNoErr : statusFromErrno(errno);
}

int renamePath(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? kNoErr : statusFromErrno(errno);
}

int listFolder(const std::string& path, std::vector<Entry>& out)
{
    out.clear();
    DIR* d = ::opendir(path.c_str());
    if (!d)
        return statusFromErrno(errno);
    int dfd = ::dirfd(d);
    while (true) {
        errno = 0;
        dirent* e = ::readdir(d);
        if (!e) {
            if (errno != 0) {
                int err = errno;
                ::closedir(d);
                out.clear();
                return statusFromErrno(err);
            }
            break;
        }
        std::string_view name(e->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st;
        EntryType type = EntryType::Other;
        if (::fstatat(dfd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            if (S_ISREG(st.st_mode))
                type = EntryType::File;
            else if (S_ISDIR(st.st_mode))
                type = EntryType::Folder;
            else if (S_ISLNK(st.st_mode))
                type = EntryType::Link;
        }
        out.push_back({std::string(name), type});
    }
    ::closedir(d);
    std::sort(out.begin(), out.end(),
              [](const Entry& a, const Entry& b) { return listingLess(a.name, b.name); });
    return kNoErr;
}

void setAtomicWriteHookForTesting(AtomicWriteHook hook)
{
    g_atomicHook = hook;
}

}  // namespace qor::fs
