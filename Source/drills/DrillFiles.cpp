#include "drills/DrillFiles.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "base/NameRule.h"
#include "text/QorFile.h"

#include <optional>

namespace qor {

bool drillTextSetFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out)
{
    out.clear();
    if (externalFolder.empty() || !isValidName(setName, kDrillSetNameField))
        return false;
    out = fs::joinPath(fs::joinPath(externalFolder, kDrillTextFolderName), setName) + "/";
    return true;
}

bool DrillFiles::getFolderPath(const std::string& externalFolder, std::string_view setName, std::string& out)
{
    if (!drillTextSetFolderPath(externalFolder, setName, out))
        return false;
    if (fs::isFolder(out))
        return true;
    std::optional<std::string> real = DrillTextSets(externalFolder).realName(setName);
    if (!real || !drillTextSetFolderPath(externalFolder, *real, out)) {
        out.clear();
        return false;
    }
    return true;
}

int DrillFiles::getParentRef(const std::string& externalFolder, std::string& out)
{
    out.clear();
    if (externalFolder.empty())
        return fs::kUnresolvedFolder;
    std::string root = QorCat::kindFolder(externalFolder, kDrillTextFolderName);
    if (!fs::isFolder(root))
        return fs::kFolderNotFound;
    out = root;
    return fs::kNoErr;
}

namespace {

// The path of a text of an existing set folder: the exact spelling when it
// exists, else the listed one that equals it ignoring letter case.
std::string textPath(const std::string& folder, std::string_view textName)
{
    std::string exact = folder + std::string(textName) + kDrillTextExt;
    if (fs::isPlainFile(exact))
        return exact;
    QorCat texts;
    texts.generateFileList(folder, "txt", true);
    return texts.refForName(textName).value_or(std::string());
}

}  // namespace

TextBuffer DrillFiles::getDrillTextBySetName(const std::string& externalFolder, std::string_view setName,
                                             std::string_view fileName)
{
    std::string folder;
    if (!isValidName(fileName) || !getFolderPath(externalFolder, setName, folder))
        return {};
    std::string_view stem = fileName;
    std::string_view ext(kDrillTextExt);
    if (stem.size() > ext.size() && equalIgnoringCase(stem.substr(stem.size() - ext.size()), ext))
        stem.remove_suffix(ext.size());
    std::string path = textPath(folder, stem);
    if (path.empty())
        path = folder + std::string(fileName);  // the loader says it cannot be found
    return QorFile::loadFileFromPath(path);
}

bool DrillFiles::saveDrillTextFile(const std::string& externalFolder, std::string_view setName,
                                   std::string_view textName, std::string_view bytes)
{
    std::string folder;
    if (!isValidName(textName, kDrillTextNameField - std::string_view(kDrillTextExt).size())
        || !getFolderPath(externalFolder, setName, folder))
        return false;
    std::string path = textPath(folder, textName);
    if (path.empty())
        path = folder + std::string(textName) + kDrillTextExt;
    return fs::writeFileAtomic(path, bytes, fs::kFileMode) == fs::kNoErr;
}

bool DrillFiles::createDrillSet(const std::string& externalFolder, std::string_view setName)
{
    std::string folder;
    if (!drillTextSetFolderPath(externalFolder, setName, folder) || DrillTextSets(externalFolder).isDuplicate(setName))
        return false;
    std::string root = fs::joinPath(externalFolder, kDrillTextFolderName);
    if (!fs::isFolder(root) && fs::makeFolders(root) != fs::kNoErr)
        return false;
    return fs::makeFolder(folder) == fs::kNoErr;
}

bool DrillFiles::duplicateDrillSet(const std::string& externalFolder, std::string_view setName,
                                   std::string_view newSetName)
{
    std::string from;
    std::string to;
    if (!getFolderPath(externalFolder, setName, from) || !drillTextSetFolderPath(externalFolder, newSetName, to))
        return false;
    if (!createDrillSet(externalFolder, newSetName))
        return false;
    return ObjUtils::copyFolderFrom(from, to);
}

bool DrillFiles::removeDrillSet(const std::string& externalFolder, std::string_view setName)
{
    std::string folder;
    if (!getFolderPath(externalFolder, setName, folder))
        return false;
    return ObjUtils::removeFolder(folder, false);
}

DrillTextSets::DrillTextSets(const std::string& externalFolder)
{
    if (!externalFolder.empty())
        generateDirectoryList(kindFolder(externalFolder, kDrillTextFolderName));
}

DrillFilesList::DrillFilesList(std::string setName, const std::string& externalFolder)
    : m_setName(std::move(setName))
{
    std::string folder;
    if (DrillFiles::getFolderPath(externalFolder, m_setName, folder))
        generateFileList(folder, "txt", true);
}

}  // namespace qor
