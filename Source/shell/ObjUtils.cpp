#include "shell/ObjUtils.h"

#include "base/Clock.h"
#include "base/Encoding.h"
#include "base/Files.h"
#include "base/NameRule.h"
#include "shell/QorVersion.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace qor {

const char* ObjUtils::kHelpFileName = "Quorlinth Home Help.pdf";
const char* ObjUtils::kSupportUrl = "https://www.quorlinth.com/support/";

namespace {

AppFolders g_folders;

std::string withSlash(std::string p)
{
    if (!p.empty() && p.back() != '/')
        p.push_back('/');
    return p;
}

std::string withoutSlash(std::string p)
{
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

std::string realPathOf(const std::string& p)
{
    char buf[PATH_MAX];
    if (::realpath(p.c_str(), buf))
        return buf;
    return {};
}

// The canonical form of a path that need not exist: every existing prefix
// is resolved (links included), ".", ".." and repeated "/" are folded.
std::string canonicalPath(const std::string& path)
{
    std::string abs = path;
    if (abs.empty() || abs.front() != '/') {
        char cwd[PATH_MAX];
        if (!::getcwd(cwd, sizeof cwd))
            return {};
        abs = std::string(cwd) + "/" + abs;
    }
    std::vector<std::string> parts;
    std::string resolved = "/";
    bool existing = true;  // the prefix so far exists and is canonical
    size_t i = 0;
    while (i <= abs.size()) {
        size_t j = abs.find('/', i);
        if (j == std::string::npos)
            j = abs.size();
        std::string comp = abs.substr(i, j - i);
        i = j + 1;
        if (comp.empty() || comp == ".")
            continue;
        if (comp == "..") {
            size_t slash = resolved.rfind('/');
            resolved = slash == 0 ? "/" : resolved.substr(0, slash);
            continue;
        }
        resolved = resolved == "/" ? "/" + comp : resolved + "/" + comp;
        if (existing) {
            std::string r = realPathOf(resolved);
            if (!r.empty())
                resolved = r;
            else
                existing = false;
        }
    }
    return resolved;
}

// True when path is base or lies below it, by whole components. Both are
// canonical, without a trailing "/".
bool isWithin(const std::string& path, const std::string& base)
{
    if (base == "/")
        return true;
    return path == base || (path.size() > base.size() && path.compare(0, base.size(), base) == 0 &&
                            path[base.size()] == '/');
}

std::string canonicalExternal()
{
    return canonicalPath(withoutSlash(g_folders.external));
}

bool resolvable(const std::string& path)
{
    std::string dir = fs::folderPart(path);
    return dir.empty() || fs::isFolder(dir);
}

}  // namespace

AppFolders AppFolders::forApplicationFolder(const std::string& appFolder)
{
    std::string app = withSlash(appFolder);
    AppFolders f;
    f.internal = app + "Resources/";
    f.sharedSupport = app + "SharedSupport/";
    std::string trimmed = withoutSlash(appFolder);
    f.external = withSlash(fs::folderPart(trimmed));
    if (f.external.empty())
        f.external = "./";
    return f;
}

void ObjUtils::setFolders(const AppFolders& folders)
{
    g_folders = {withSlash(folders.external), withSlash(folders.internal),
                 withSlash(folders.sharedSupport)};
}

const AppFolders& ObjUtils::folders()
{
    return g_folders;
}

// --- paths -----------------------------------------------------------------------

std::string ObjUtils::externalPath()
{
    return g_folders.external;
}

bool ObjUtils::getExternalDir(std::string& out)
{
    auto roman = utf8ToMacRoman(g_folders.external);
    if (!roman || roman->size() > 1023) {
        out.clear();
        return false;
    }
    out = *roman;
    return true;
}

std::string ObjUtils::internalPath()
{
    return g_folders.internal;
}

bool ObjUtils::getInternalDir(std::string& out)
{
    auto roman = utf8ToMacRoman(g_folders.internal);
    if (!roman || roman->size() > 1023) {
        out.clear();
        return false;
    }
    out = *roman;
    return true;
}

std::string ObjUtils::sharedSupport()
{
    return g_folders.sharedSupport;
}

bool ObjUtils::checkOutSide(const std::string& path)
{
    std::string ext = canonicalExternal();
    std::string p = canonicalPath(path);
    if (ext.empty() || p.empty())
        return false;  // cannot tell: treat as inside, the safe answer
    if (isWithin(p, ext + "/ImportExport"))
        return true;
    std::string parent = p == "/" ? "/" : withoutSlash(fs::folderPart(p));
    if (parent.empty())
        parent = "/";
    return !isWithin(parent, ext);
}

// --- files -----------------------------------------------------------------------

bool ObjUtils::fileOrDirExists(const std::string& path)
{
    return fs::exists(path);
}

int ObjUtils::createFileUsingCFURL(const std::string& path, const std::string&, const std::string&,
                                   std::string* outRef)
{
    if (!resolvable(path))
        return fs::kUnresolvedFolder;
    int rc = fs::createFile(path);
    if ((rc == fs::kNoErr || rc == fs::kDuplicateName) && outRef)
        *outRef = path;
    return rc;
}

int ObjUtils::createFolderUsingCFURL(const std::string& folder, const std::string& name,
                                     std::string* outRef)
{
    if (!fs::isFolder(folder))
        return fs::kUnresolvedFolder;
    if (!isValidName(name))
        return fs::kBadName;
    std::string path = fs::joinPath(folder, name);
    int rc = fs::makeFolder(path);
    if (rc == fs::kDuplicateName && !fs::isFolder(path))
        return rc;  // a file of that name is in the way
    if ((rc == fs::kNoErr || rc == fs::kDuplicateName) && outRef)
        *outRef = path;
    return rc;
}

bool ObjUtils::createFileAtPath(const std::string& path)
{
    if (fs::isPlainFile(path))
        return true;
    return fs::createFile(path) == fs::kNoErr;
}

bool ObjUtils::copyFileFrom(const std::string& from, const std::string& to)
{
    int64_t size = fs::fileSize(from);
    if (size < 0 || !fs::isPlainFile(from))
        return false;
    std::string data;
    if (fs::readFile(from, data, static_cast<size_t>(size) + (1u << 20)) != fs::kNoErr)
        return false;
    if (fs::writeFileAtomic(to, data) != fs::kNoErr)
        return false;
    copyFileDatesFrom(from, to);
    return true;
}

bool ObjUtils::copyFolderFrom(const std::string& from, const std::string& to)
{
    std::vector<fs::Entry> entries;
    if (fs::listFolder(from, entries) != fs::kNoErr || !fs::isFolder(to))
        return false;
    copyFileDatesFrom(from, to);
    for (const auto& e : entries) {
        if (e.type != fs::EntryType::File || e.name.front() == '.')
            continue;
        std::string dst = fs::joinPath(to, e.name);
        if (!createFileAtPath(dst) || !copyFileFrom(fs::joinPath(from, e.name), dst))
            return false;
    }
    return true;
}

bool ObjUtils::copyFileDatesFrom(const std::string& from, const std::string& to)
{
    struct stat st;
    if (::stat(from.c_str(), &st) != 0)
        return false;
    timespec times[2] = {st.st_atim, st.st_mtim};
    return ::utimensat(AT_FDCWD, to.c_str(), times, 0) == 0;
}

namespace {

bool g_removeKeep = false;
bool g_removeOk = true;

int removeEntry(const char* p, const struct stat*, int flag, struct FTW* ftw)
{
    if (ftw->level == 0 && g_removeKeep)
        return 0;
    int rc = (flag == FTW_DP || flag == FTW_D) ? ::rmdir(p) : ::unlink(p);
    if (rc != 0)
        g_removeOk = false;
    return 0;
}

}  // namespace

bool ObjUtils::removeFolder(const std::string& folder, bool keepFolder)
{
    std::string target = canonicalPath(withoutSlash(folder));
    std::string ext = canonicalExternal();
    if (target.empty() || ext.empty())
        return false;
    // Never the data root, the readers' folder, or a folder holding them.
    if (isWithin(ext, target) || target == ext + "/Users")
        return false;
    if (fs::isLink(withoutSlash(folder)) || !fs::isFolder(target))
        return false;
    g_removeKeep = keepFolder;
    g_removeOk = true;
    ::nftw(target.c_str(), removeEntry, 32, FTW_DEPTH | FTW_PHYS | FTW_MOUNT);
    return g_removeOk;
}

void ObjUtils::removeFileWithPath(const std::string& path)
{
    fs::removeFile(path);
}

void ObjUtils::removeFolderWithPath(const std::string& path)
{
    removeFolder(path, false);
}

char* ObjUtils::forkGetS(char* buffer, int length, std::FILE* file)
{
    if (!buffer || length <= 0 || !file)
        return nullptr;
    int n = 0;
    while (n < length - 1) {
        int c = std::fgetc(file);
        if (c == EOF)
            break;
        buffer[n++] = static_cast<char>(c);
        if (c == '\n')
            break;
    }
    buffer[n] = 0;
    return n == 0 ? nullptr : buffer;
}

void ObjUtils::cleanMicrosoftPath(std::string& path)
{
    for (char& c : path)
        if (c == '\\')
            c = '/';
}

// --- names and characters ----------------------------------------------------------

bool ObjUtils::readOnlyName(std::string_view name)
{
    return !name.empty() && name.front() == '#';
}

bool ObjUtils::startsWithBlank(std::string_view name)
{
    return !name.empty() && (name.front() == ' ' || name.front() == '\t');
}

bool ObjUtils::punctuation(char c)
{
    return c == ',' || c == ':' || c == ';';
}

bool ObjUtils::sentence(char c)
{
    return c == '.' || c == '!' || c == '?';
}

bool ObjUtils::hasSentence(std::string_view s)
{
    return !s.empty() && sentence(s.back());
}

bool ObjUtils::hasPunctuation(std::string_view s)
{
    return !s.empty() && punctuation(s.back());
}

int ObjUtils::removeCharFromBeginningOfString(char c, std::string& s)
{
    size_t n = 0;
    while (n < s.size() && s[n] == c)
        ++n;
    s.erase(0, n);
    return static_cast<int>(n);
}

int ObjUtils::removeCharFromBuffer(char c, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return 0;
    int out = 0;
    for (int i = 0; i < size; ++i)
        if (buffer[i] != c)
            buffer[out++] = buffer[i];
    return out;
}

// --- numbers, colours, fonts, dates ------------------------------------------------

int ObjUtils::roundDivNom(int a, int b)
{
    if (b <= 0)
        return 0;
    int64_t q = static_cast<int64_t>(a) / b;
    int64_t digit = static_cast<int64_t>(a) * 10 / b - 10 * q;
    return static_cast<int>(digit >= 5 ? q + 1 : q);
}

int ObjUtils::colorFloatToInt(float component)
{
    if (!(component > 0.0f))
        return 0;
    if (component >= 1.0f)
        return 65535;
    return static_cast<int>(component * 65535.0f);
}

float ObjUtils::colorIntToFloat(int component)
{
    return static_cast<float>(component / 65535.0);
}

bool ObjUtils::equalColor(const QorColor& a, const QorColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

std::string ObjUtils::fontWithName(const std::string& name)
{
    FontCatalog* fonts = platform().fonts;
    if (!fonts)
        return name;
    if (fonts->hasFont(name))
        return name;
    static const std::pair<const char*, const char*> replacements[] = {
        {"ArialMT", "Arial"},
        {"Arial-BoldMT", "Arial Bold"},
        {"CourierNewPSMT", "Courier"},
        {"CourierNewPS-BoldMT", "Courier Bold"},
        {"TimesNewRomanPSMT", "Times"},
        {"TimesNewRomanPS-BoldMT", "Times Bold"},
    };
    for (const auto& [requested, replacement] : replacements)
        if (name == requested && fonts->hasFont(replacement))
            return replacement;
    return "Helvetica";
}

namespace {

bool localTime(uint32_t seconds, std::tm& out)
{
    time_t t = static_cast<time_t>(static_cast<int64_t>(seconds) + kUnixTo2001);
    return ::localtime_r(&t, &out) != nullptr;
}

}  // namespace

std::string ObjUtils::formatDateDT(uint32_t seconds)
{
    std::tm tm{};
    if (!localTime(seconds, tm))
        return "00/00/0000";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", tm.tm_mon + 1, tm.tm_mday, tm.tm_year + 1900);
    return buf;
}

std::string ObjUtils::formatTimeDT(uint32_t seconds)
{
    std::tm tm{};
    if (!localTime(seconds, tm))
        return "00:00";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d", tm.tm_hour, tm.tm_min);
    return buf;
}

// --- platform ----------------------------------------------------------------------

std::string ObjUtils::version()
{
    return QorVersion::versionNumber();
}

Rect ObjUtils::visibleRect()
{
    ScreenInfo* s = platform().screen;
    return s ? s->visibleFrame() : Rect{};
}

bool ObjUtils::validPasteBoardData()
{
    Clipboard* c = platform().clipboard;
    return c && c->hasText();
}

std::string ObjUtils::clipboardString(bool* ok)
{
    Clipboard* c = platform().clipboard;
    std::optional<std::string> text = c ? c->text() : std::nullopt;
    if (ok)
        *ok = text.has_value();
    return text.value_or(std::string());
}

bool ObjUtils::displayHelp()
{
    Workspace* w = platform().workspace;
    return w && w->openFile(fs::joinPath(externalPath(), kHelpFileName));
}

bool ObjUtils::onlineHelp()
{
    Workspace* w = platform().workspace;
    return w && w->openUrl(kSupportUrl);
}

}  // namespace qor
