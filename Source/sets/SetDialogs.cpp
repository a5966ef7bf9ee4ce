#include "sets/SetDialogs.h"

#include "base/NameRule.h"
#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "users/QorAdmin.h"

namespace qor {

std::string setNameRuleKey(std::string_view name, NamingContext context, bool fileKind)
{
    const bool import = context == NamingContext::ImportSet || context == NamingContext::ImportGameText;
    if (name.empty())
        return "BlankName";
    if (name.front() == '#') {
        if (context == NamingContext::ImportSet)
            return "SetImport";
        if (context == NamingContext::ImportGameText)
            return "GameImport";
        return "SetCreate";
    }
    if (ObjUtils::startsWithBlank(name))
        return import ? "StartWithBlank1" : "StartWithBlank2";
    NameProblem p = checkName(name);
    if (p == NameProblem::None && fileKind)
        p = checkName(std::string(name) + "." + kSetFileSuffix);
    return p == NameProblem::None ? std::string() : std::string("BadSetName");
}

void showNamingError(const std::string& key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityInformational);
}

namespace {
std::string describeStatus(int status)
{
    switch (status) {
    case fs::kFolderNotFound:
        return "the folder that holds these sets is missing.";
    case fs::kDuplicateName:
        return "a set of that name exists already.";
    case fs::kFileNotFound:
        return "the set was not found.";
    case fs::kAccessDenied:
        return "the set ships with Quorlinth.";
    case fs::kBadName:
        return "the name cannot be used.";
    case fs::kDiskFull:
        return "the disk is full.";
    default:
        break;
    }
    std::string text = QorAlert::fileSystemMessage(status);
    return text.empty() ? "error " + std::to_string(status) + "." : text;
}
} // namespace

void alertSetStorageFailed(const SetKind& kind, std::string_view setName, int status)
{
    QorAlert::message(
        localizedFormat("SetStorageFailed", table::kError, {kind.kindName, setName, describeStatus(status)}),
        kAlertOK, kSeverityWarning);
}

namespace {
std::string display(std::string_view key, std::initializer_list<FormatArg> args)
{
    return localizedFormat(key, table::kDisplay, args);
}
} // namespace

// --- create ---------------------------------------------------------------------------

void CreateSetModel::initializeName(const SetKind& kind, const QorCat* existing)
{
    m_kind = &kind;
    m_existing.reset();
    if (existing)
        m_existing = *existing;
    m_name.clear();
    m_bCanceled = true;
    m_title = formatMessage("Create %@ Set", {kind.kindName});
    m_description = formatMessage("Enter new %@ set name.", {kind.kindName});
    m_setLabel = formatMessage("New %@ set name:", {kind.kindName});
}

bool CreateSetModel::ok(std::string_view typed)
{
    if (!m_kind)
        return false;
    std::string key = setNameRuleKey(typed, NamingContext::Create, m_kind->fileKind);
    if (key.empty() && m_existing && m_existing->isDuplicate(typed))
        key = m_kind->existsKey;
    if (!key.empty()) {
        showNamingError(key);
        return false;
    }
    m_name = std::string(typed);
    m_bCanceled = false;
    return true;
}

std::optional<std::string> CreateSetModel::setName() const
{
    if (m_bCanceled || m_name.empty())
        return std::nullopt;
    return m_name;
}

// --- duplicate --------------------------------------------------------------------------

void DuplicateSetModel::initializeList(const QorCat& list, const SetKind& kind)
{
    m_pList = list;
    m_pDeleteSetType = kind.kindName;
    m_fileKind = kind.fileKind;
    m_to.clear();
    m_selected = -1;
    m_bCanceled = true;
    m_title = formatMessage("Duplicate %@ Set", {kind.kindName});
    m_description = formatMessage(
        "Select %@ set that you want to duplicate and provide a name for the new set.", {kind.kindName});
    m_setLabel = formatMessage("%@ set that will be duplicated:", {kind.kindName});
    m_newSetLabel = formatMessage("New %@ set name:", {kind.kindName});
}

bool DuplicateSetModel::ok(int selected, std::string_view typed)
{
    if (!m_pList.validIndex(selected))
        return false;
    std::string key = setNameRuleKey(typed, NamingContext::Duplicate, m_fileKind);
    if (key.empty() && m_pList.isDuplicate(typed))
        key = "DuplicateSetName";
    if (!key.empty()) {
        showNamingError(key);
        return false;
    }
    m_selected = selected;
    m_to = std::string(typed);
    m_bCanceled = false;
    return true;
}

std::optional<std::string> DuplicateSetModel::fromSetName() const
{
    if (m_bCanceled || !m_pList.validIndex(m_selected))
        return std::nullopt;
    return m_pList.getStringAtIndex(m_selected);
}

std::optional<std::string> DuplicateSetModel::toSetName() const
{
    if (m_bCanceled)
        return std::nullopt;
    return m_to;
}

// --- delete ---------------------------------------------------------------------------------

void DeleteSetModel::initializeList(const QorCat& list, std::string_view name, bool isSet)
{
    m_pList = list;
    m_pDeleteSetType = std::string(name);
    m_bSet = isSet;
    m_selected = -1;
    m_bCanceled = true;
    if (isSet) {
        m_title = display("RemoveTheSet", {name});
        m_description = display("SelectSetToRemove", {name});
        m_setLabel = display("SetThatWillBeRemoved", {name});
    } else {
        m_title = display("RemoveGameText", {});
        m_description = display("RemoveTheGameText", {name});
        m_setLabel = display("SelectGameTextToBeRemoved", {name});
    }
}

bool DeleteSetModel::ok(int selected)
{
    if (!m_pList.validIndex(selected))
        return false;
    const std::string& name = m_pList.getStringAtIndex(selected);
    if (ObjUtils::readOnlyName(name)) {
        showNamingError(m_bSet ? "RemoveReadOnlySet" : "RemoveReadOnlyGameText");
        return false;
    }
    std::string question = m_bSet ? display("RemoveSetProceed", {name, m_pDeleteSetType})
                                  : display("RemoveGameTextProceed", {name});
    if (QorAlert::question(question, kAlertYesNo) != 1)
        return false;
    m_selected = selected;
    m_bCanceled = false;
    return true;
}

std::optional<std::string> DeleteSetModel::setName() const
{
    if (m_bCanceled || !m_pList.validIndex(m_selected))
        return std::nullopt;
    return m_pList.getStringAtIndex(m_selected);
}

// --- the commands --------------------------------------------------------------------------------

SetCommands::SetCommands(QorAdmin& admin, SetCommandHooks hooks, std::string externalFolder)
    : m_admin(admin), m_hooks(std::move(hooks)), m_external(std::move(externalFolder))
{
}

bool SetCommands::adminCheckOK() const
{
    if (m_admin.isAdmin())
        return true;
    showNamingError("AdminOnly");
    return false;
}

std::optional<std::string> SetCommands::runCreate(SetKindId id)
{
    const SetKind& kind = setKind(id);
    QorCat existing = catalogueOf(kind, m_external);
    CreateSetModel model;
    model.initializeName(kind, &existing);
    if (m_hooks.runCreate)
        m_hooks.runCreate(model);
    auto name = model.setName();
    if (!name)
        return std::nullopt;
    int rc = SetStorage(kind, m_external).create(*name);
    if (rc != fs::kNoErr) {
        alertSetStorageFailed(kind, *name, rc);
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> SetCommands::createSetUnchecked(SetKindId kind)
{
    return runCreate(kind);
}

std::optional<std::string> SetCommands::createSet(SetKindId id)
{
    if (!adminCheckOK())
        return std::nullopt;
    auto name = runCreate(id);
    if (!name)
        return std::nullopt;
    if (id == SetKindId::CustomOptions) {
        if (QorAlert::question(MessageTables::localizedString("AddCustomOption", table::kDisplay),
                               kAlertYesNo) == 1 &&
            m_hooks.addCustomOption)
            m_hooks.addCustomOption(*name);
    } else if (id == SetKindId::Drill) {
        if (QorAlert::question(MessageTables::localizedString("DrillSetCreated", table::kError),
                               kAlertYesNo) == 1 &&
            m_hooks.openDrillEditor)
            m_hooks.openDrillEditor(*name);
    }
    return name;
}

std::optional<std::string> SetCommands::duplicateSet(SetKindId id)
{
    if (!adminCheckOK())
        return std::nullopt;
    const SetKind& kind = setKind(id);
    DuplicateSetModel model;
    model.initializeList(catalogueOf(kind, m_external), kind);
    if (m_hooks.runDuplicate)
        m_hooks.runDuplicate(model);
    auto from = model.fromSetName();
    auto to = model.toSetName();
    if (!from || !to)
        return std::nullopt;
    int rc = SetStorage(kind, m_external).duplicate(*from, *to);
    if (rc != fs::kNoErr) {
        alertSetStorageFailed(kind, *to, rc);
        return std::nullopt;
    }
    return to;
}

std::optional<std::string> SetCommands::deleteSet(SetKindId id)
{
    if (!adminCheckOK())
        return std::nullopt;
    const SetKind& kind = setKind(id);
    DeleteSetModel model;
    model.initializeList(catalogueOf(kind, m_external), kind.kindName, true);
    if (m_hooks.runDelete)
        m_hooks.runDelete(model);
    auto name = model.setName();
    if (!name)
        return std::nullopt;
    int rc = SetStorage(kind, m_external).remove(*name);
    if (rc != fs::kNoErr) {
        alertSetStorageFailed(kind, *name, rc);
        return std::nullopt;
    }
    return name;
}

} // namespace qor
