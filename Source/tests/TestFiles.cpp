#include "tests/TestFiles.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/NameRule.h"
#include "shell/ObjUtils.h"
#include "tests/TestFilesList.h"
#include "text/QorFile.h"

#include <cstring>
#include <vector>

namespace qor {

namespace {

bool hasSuffixIgnoringCase(std::string_view name, std::string_view ext)
{
    return name.size() > ext.size() && equalIgnoringCase(name.substr(name.size() - ext.size()), ext);
}

// The entry of a folder that is `stem` + `ext`, letter case ignored; an
// exact spelling wins over another one.
std::string findEntry(const std::string& folder, std::string_view stem, std::string_view ext)
{
    std::vector<fs::Entry> entries;
    if (fs::listFolder(folder, entries) != fs::kNoErr)
        return {};
    std::string wanted = std::string(stem) + std::string(ext);
    std::string found;
    for (const auto& e : entries) {
        if (e.type == fs::EntryType::Folder || !hasSuffixIgnoringCase(e.name, ext))
            continue;
        if (e.name == wanted)
            return fs::joinPath(folder, e.name);
        if (found.empty() && equalIgnoringCase(e.name, wanted))
            found = fs::joinPath(folder, e.name);
    }
    return found;
}

}  // namespace

std::string shiftTestText(std::string_view content)
{
    std::string out(kShiftMarker);
    out.reserve(kShiftMarker.size() + content.size());
    for (char c : content)
        out.push_back(static_cast<char>(static_cast<unsigned char>(c) + 1));
    return out;
}

int32_t unshiftTestText(char* bytes, int32_t length)
{
    const auto marker = static_cast<int32_t>(kShiftMarker.size());
    if (!bytes || length < marker || std::memcmp(bytes, kShiftMarker.data(), kShiftMarker.size()) != 0)
        return length;
    int32_t n = length - marker;
    for (int32_t i = 0; i < n; ++i)
        bytes[i] = static_cast<char>(static_cast<unsigned char>(bytes[i + marker]) - 1);
    std::memset(bytes + n, 0, static_cast<size_t>(marker));
    return n;
}

bool testSetFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out)
{
    out.clear();
    if (externalFolder.empty() || !isValidName(setName, 1024))
        return false;
    out = fs::joinPath(fs::joinPath(externalFolder, "Tests"), setName) + "/";
    return true;
}

bool TestFiles::existingSetFolder(const std::string& externalFolder, std::string_view setName, std::string& out)
{
    if (!testSetFolderPath(externalFolder, setName, out))
        return false;
    if (fs::isFolder(out))
        return true;
    std::optional<std::string> real = TestSets(externalFolder).realName(setName);
    if (!real || !testSetFolderPath(externalFolder, *real, out)) {
        out.clear();
        return false;
    }
    return true;
}

int TestFiles::getParentRef(const std::string& externalFolder, std::string& out)
{
    out.clear();
    if (externalFolder.empty())
        return fs::kUnresolvedFolder;
    std::string root = fs::joinPath(externalFolder, "Tests") + "/";
    if (!fs::isFolder(root))
        return fs::kFolderNotFound;
    out = root;
    return fs::kNoErr;
}

std::string TestFiles::getURLRefFromSet(const std::string& externalFolder, std::string_view setName,
                                        std::string_view testName, std::string_view ext)
{
    std::string folder;
    if (!isValidName(testName) || !existingSetFolder(externalFolder, setName, folder))
        return {};
    return findEntry(folder, testName, ext);
}

TextBuffer TestFiles::getStoryFileFromURL(const std::string& path, bool fromEditor, bool keepFormat)
{
    if (path.empty())
        return {};
    std::string raw;
    if (fs::readFile(path, raw, static_cast<size_t>(kMaxTestFileSize)) != fs::kNoErr)
        return {};
    TextBuffer block = TextBuffer::fromBytes(raw, TextEncoding::MacRoman);
    if (!block)
        return {};
    int32_t n = unshiftTestText(block.data(), block.size());
    block.setSize(n);
    block.setSize(QorFile::cleanTest(block.data(), block.size(), fromEditor, keepFormat));
    block.setEncoding(isValidUtf8(block.view()) ? TextEncoding::Utf8 : TextEncoding::MacRoman);
    return block;
}

int TestFiles::saveShifted(const std::string& externalFolder, std::string_view content, std::string_view testName,
                           std::string_view setName, const char* ext)
{
    std::string folder;
    if (!isValidName(testName, kTestNameField) || !testSetFolderPath(externalFolder, setName, folder))
        return fs::kBadName;
    if (!existingSetFolder(externalFolder, setName, folder))
        return fs::kFolderNotFound;
    // An existing file in another letter case is the same test: keep its
    // spelling rather than leave two files behind.
    std::string path = findEntry(folder, testName, ext);
    if (path.empty())
        path = folder + std::string(testName) + ext;
    return fs::writeFileAtomic(path, shiftTestText(content), fs::kFileMode);
}

int TestFiles::saveStoryFile(const std::string& externalFolder, std::string_view content, std::string_view testName,
                             std::string_view setName)
{
    return saveShifted(externalFolder, content, testName, setName, kStoryExt);
}

int TestFiles::saveQuizFile(const std::string& externalFolder, std::string_view content, std::string_view testName,
                            std::string_view setName)
{
    return saveShifted(externalFolder, content, testName, setName, kQuizExt);
}

bool TestFiles::removeStoryAndTestFromName(const std::string& externalFolder, std::string_view testName,
                                           std::string_view setName)
{
    std::string folder;
    if (!isValidName(testName) || !testSetFolderPath(externalFolder, setName, folder))
        return false;
    if (!existingSetFolder(externalFolder, setName, folder))
        return true;
    for (const char* ext : {kStoryExt, kQuizExt}) {
        std::string path = findEntry(folder, testName, ext);
        if (!path.empty())
            fs::removeFile(path);
    }
    return true;
}

bool TestFiles::createTestSet(const std::string& externalFolder, std::string_view setName)
{
    std::string folder;
    if (!testSetFolderPath(externalFolder, setName, folder) || TestSets(externalFolder).isDuplicate(setName))
        return false;
    std::string root = fs::joinPath(externalFolder, "Tests");
    if (!fs::isFolder(root) && fs::makeFolders(root) != fs::kNoErr)
        return false;
    return fs::makeFolder(folder) == fs::kNoErr;
}

bool TestFiles::duplicateTestSet(const std::string& externalFolder, std::string_view setName,
                                 std::string_view newSetName)
{
    std::string from;
    std::string to;
    if (!existingSetFolder(externalFolder, setName, from) || !testSetFolderPath(externalFolder, newSetName, to))
        return false;
    if (!createTestSet(externalFolder, newSetName))
        return false;
    return ObjUtils::copyFolderFrom(from, to);
}

bool TestFiles::removeTestSet(const std::string& externalFolder, std::string_view setName)
{
    std::string folder;
    if (!existingSetFolder(externalFolder, setName, folder))
        return false;
    return ObjUtils::removeFolder(folder, false);
}

}  // namespace qor
