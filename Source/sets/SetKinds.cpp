#include "sets/SetKinds.h"

#include "base/Files.h"
#include "base/NameRule.h"

namespace qor {

namespace {

const SetKind kKinds[] = {
    {SetKindId::CompTest, "Comprehension Test", kTestsFolderName, false, "CompTestSetExists"},
    {SetKindId::DrillText, "Drill Text", kDrillTextFolderName, false, "DuplicateDrillTextSet"},
    {SetKindId::Drill, "Drill", kDrillsFolderName, true, "DrillSetExists"},
    {SetKindId::CustomOptions, "Custom Options", kCustomOptionsFolderName, true, "DuplicatOptionSetName"},
    {SetKindId::Course, "Course", kCoursesFolderName, false, "DuplicateSetName"},
};

} // namespace

const SetKind& setKind(SetKindId id)
{
    for (const SetKind& k : kKinds)
        if (k.id == id)
            return k;
    return kKinds[0];
}

QorCat catalogueOf(const SetKind& kind, const std::string& externalFolder)
{
    QorCat cat;
    std::string folder = QorCat::kindFolder(externalFolder, kind.folderName);
    if (kind.fileKind)
        cat.generateFileList(folder, kSetFileSuffix, true);
    else
        cat.generateDirectoryList(folder);
    return cat;
}

SetStorage::SetStorage(const SetKind& kind, std::string externalFolder)
    : m_kind(kind), m_external(std::move(externalFolder))
{
}

std::string SetStorage::parentFolder() const
{
    return QorCat::kindFolder(m_external, m_kind.folderName);
}

bool SetStorage::nameAllowed(std::string_view name) const
{
    if (!isValidName(name))
        return false;
    // The file name with its ".db" must fit the file system too.
    return !m_kind.fileKind || isValidName(std::string(name) + "." + kSetFileSuffix);
}

std::string SetStorage::setPath(std::string_view name) const
{
    if (!nameAllowed(name))
        return {};
    if (auto ref = catalogue().refForName(name))
        return *ref;
    std::string file(name);
    if (m_kind.fileKind)
        file += std::string(".") + kSetFileSuffix;
    return fs::joinPath(parentFolder(), file);
}

int SetStorage::create(std::string_view name) const
{
    if (!fs::isFolder(parentFolder()))
        return fs::kFolderNotFound;
    if (!nameAllowed(name))
        return fs::kBadName;
    if (catalogue().isDuplicate(name))
        return fs::kDuplicateName;
    std::string path = setPath(name);
    return m_kind.fileKind ? fs::createFile(path) : fs::makeFolder(path);
}

int SetStorage::duplicate(std::string_view from, std::string_view to) const
{
    auto source = catalogue().refForName(from);
    if (!source)
        return fs::kFileNotFound;
    if (int rc = create(to); rc != fs::kNoErr)
        return rc;
    std::string target = setPath(to);
    bool ok =
        m_kind.fileKind ? ObjUtils::copyFileFrom(*source, target) : ObjUtils::copyFolderFrom(*source, target);
    return ok ? fs::kNoErr : fs::kIoError;
}

int SetStorage::remove(std::string_view name) const
{
    if (ObjUtils::readOnlyName(name))
        return fs::kAccessDenied;
    if (!nameAllowed(name))
        return fs::kBadName;
    auto ref = catalogue().refForName(name);
    if (!ref)
        return fs::kFileNotFound;
    if (m_kind.fileKind)
        return fs::removeFile(*ref);
    return ObjUtils::removeFolder(*ref, false) ? fs::kNoErr : fs::kIoError;
}

} // namespace qor
