#include "users/UsersUtils.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "users/QorAdmin.h"

namespace qor {

NameProblem UsersUtils::checkUserName(std::string_view utf8Name)
{
    return checkName(utf8Name, kUserNameField);
}

bool UsersUtils::isReaderEntryName(std::string_view name)
{
    if (name.empty() || name.front() == '.')
        return false;
    for (unsigned char c : name)
        if (c == '/' || c < 0x20 || c == 0x7F)
            return false;
    return true;
}

std::optional<std::vector<std::string>> UsersUtils::readerFolders(const std::string& usersFolder)
{
    std::vector<fs::Entry> entries;
    if (usersFolder.empty() || fs::listFolder(usersFolder, entries) != fs::kNoErr)
        return std::nullopt;
    std::vector<std::string> names;
    for (auto& e : entries)
        if (e.type == fs::EntryType::Folder && isReaderEntryName(e.name))
            names.push_back(std::move(e.name));
    return names;
}

std::optional<std::string> UsersUtils::findExistingUser(const std::string& usersFolder,
                                                        std::string_view typed)
{
    if (!isReaderEntryName(typed))
        return std::nullopt;
    auto folders = readerFolders(usersFolder);
    if (!folders)
        return std::nullopt;
    const std::string* caseless = nullptr;
    for (const auto& name : *folders) {
        if (name == typed)
            return name;
        if (!caseless && equalIgnoringCase(name, typed))
            caseless = &name;
    }
    if (caseless)
        return *caseless;
    return std::nullopt;
}

std::optional<std::vector<std::string>> UsersUtils::getUserListFromType(int type, bool includeAdmin,
                                                                       const QorAdmin& admin)
{
    std::string users = admin.usersFolder();
    auto folders = readerFolders(users);
    if (!folders)
        return std::nullopt;
    const char* required = nullptr;
    switch (type) {
    case kUsersWithPassword: required = kPasswordFileName; break;
    case kLoggedOnUsers: required = kLockFileName; break;
    case kUsersWithScores: required = kScoreFileName; break;
    default: break;
    }
    std::vector<std::string> out;
    for (auto& name : *folders) {
        if (!includeAdmin && equalIgnoringCase(name, kAdminUserName))
            continue;
        if (required && !fs::exists(fs::joinPath(fs::joinPath(users, name), required)))
            continue;
        out.push_back(std::move(name));
    }
    return out;
}

std::optional<std::vector<std::string>> UsersUtils::getUserListFromType(int type, bool includeAdmin)
{
    return getUserListFromType(type, includeAdmin, QorAdmin::instance());
}

bool UsersUtils::removeAllUsersFromDisk(QorAdmin& admin)
{
    auto users = getUserListFromType(kAllUsers, false, admin);
    if (!users)
        return false;
    bool ok = true;
    for (const auto& name : *users)
        ok = admin.deleteTheUser(name) && ok;
    return ok;
}

bool UsersUtils::removeAllUsersFromDisk()
{
    return removeAllUsersFromDisk(QorAdmin::instance());
}

}  // namespace qor
