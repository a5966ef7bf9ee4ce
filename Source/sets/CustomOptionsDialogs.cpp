#include "sets/CustomOptionsDialogs.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "display/CurrentOptions.h"
#include "sets/SetDialogs.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/QorAlert.h"
#include "users/CurrentPrefs.h"

namespace qor {

// --- the shared set pop-up ----------------------------------------------------------------

CustomOptionsSetChooser::CustomOptionsSetChooser(std::string externalFolder)
    : m_external(std::move(externalFolder)), m_sets(m_external)
{
}

void CustomOptionsSetChooser::initializeSets(std::string_view preferredSet)
{
    m_sets = CustomOptionsSets(m_external);
    m_list.reset();
    m_selectedSet = -1;
    if (m_sets.count() == 0) {
        setLoaded();
        return;
    }
    int i = m_sets.indexOfEqualString(preferredSet);
    chooseSet(i < 0 ? 0 : i);
}

std::string CustomOptionsSetChooser::selectedSetName() const
{
    return m_sets.getStringAtIndex(m_selectedSet);
}

void CustomOptionsSetChooser::chooseSet(int index)
{
    if (!m_sets.validIndex(index))
        return;
    m_selectedSet = index;
    m_list = std::make_unique<CustomOptionsFilesList>(m_sets.getStringAtIndex(index), m_external);
    setLoaded();
}

std::vector<std::string> CustomOptionsSetChooser::optionNames() const
{
    std::vector<std::string> out;
    if (m_list)
        for (int i = 0; i < m_list->count(); ++i)
            out.push_back(m_list->stringAtIndex(i));
    return out;
}

int CustomOptionsSetChooser::rowOf(std::string_view storedName) const
{
    if (!m_list || m_list->count() == 0)
        return -1;
    int i = m_list->indexOfEqualString(storedName);
    return i < 0 ? 0 : i;
}

// --- select -----------------------------------------------------------------------------------

SelectCustomOptionsModel::SelectCustomOptionsModel(CurrentPrefs& prefs, CurrentOptions& options,
                                                   NotificationBus& bus, std::string externalFolder)
    : CustomOptionsSetChooser(std::move(externalFolder)), m_prefs(prefs), m_options(options), m_bus(bus)
{
}

void SelectCustomOptionsModel::initialize()
{
    initializeSets(m_prefs.stringValue(kLastCustOptSetKey));
}

void SelectCustomOptionsModel::setLoaded()
{
    m_selectedRow = rowOf(m_prefs.stringValue(kLastCustOptionKey));
}

bool SelectCustomOptionsModel::ok()
{
    const OptionFileRec* rec = m_list ? m_list->optionFileRecFromIndex(m_selectedRow) : nullptr;
    if (!rec)
        return false;
    OptionsRecord options = rec->options;
    m_options.setOptions(options);
    m_prefs.setStringValue(selectedSetName(), kLastCustOptSetKey);
    m_prefs.setStringValue(m_list->stringAtIndex(m_selectedRow), kLastCustOptionKey);
    m_bus.post(note::kScreenSizeUpdate);
    m_bus.post(note::kTargetSpeedUnit, static_cast<int>(options.unit));
    m_bus.post(note::kTargetSpeedLimits);
    m_bus.post(note::kUpdateTargetSpeed);
    m_bus.post(note::kOptionsUpdate);
    return true;
}

// --- add or replace ------------------------------------------------------------------------------

AddOrReplaceCustomOptionsModel::AddOrReplaceCustomOptionsModel(CurrentPrefs& prefs,
                                                               std::string externalFolder)
    : CustomOptionsSetChooser(std::move(externalFolder)), m_prefs(prefs)
{
}

void AddOrReplaceCustomOptionsModel::initialize(std::string_view setName)
{
    m_result = false;
    m_optionName.clear();
    m_setName.clear();
    initializeSets(setName);
}

void AddOrReplaceCustomOptionsModel::setLoaded()
{
    int row = rowOf(m_prefs.stringValue(kLastCustOptionKey));
    m_initialName = row < 0 ? std::string() : m_list->stringAtIndex(row);
}

bool AddOrReplaceCustomOptionsModel::ok(std::string_view optionName)
{
    if (m_selectedSet < 0)
        return false;
    if (optionName.empty()) {
        showNamingError("BlankName");
        return false;
    }
    m_optionName = std::string(optionName);
    m_setName = selectedSetName();
    m_result = true;
    return true;
}

int storeCustomOption(const CustomOptionsFiles& files, std::string_view optionName, std::string_view setName,
                      const OptionsRecord& current)
{
    int rc = files.addOption(optionName, setName, current);
    switch (rc) {
    case fs::kNoErr:
    case fs::kDuplicateName: // the set keeps the option it has
        break;
    case fs::kAccessDenied:
        showNamingError("ReadOnlySet");
        break;
    case fs::kBadName:
        showNamingError(optionName.empty() ? "BlankName" : "BadSetName");
        break;
    case fs::kFileNotFound:
        QorAlert::message(missingOptionSetMessage(setName), kAlertOK, kSeverityWarning);
        break;
    default:
        QorAlert::displayOSErr(rc, 256);
        break;
    }
    return rc;
}

// --- remove -------------------------------------------------------------------------------------------

RemoveCustomOptionsModel::RemoveCustomOptionsModel(CurrentPrefs& prefs, std::string externalFolder)
    : CustomOptionsSetChooser(std::move(externalFolder)), m_prefs(prefs)
{
}

void RemoveCustomOptionsModel::initialize()
{
    initializeSets(m_prefs.stringValue(kLastCustOptSetKey));
}

void RemoveCustomOptionsModel::setLoaded()
{
    m_selectedRow = rowOf(m_prefs.stringValue(kLastCustOptionKey));
}

bool RemoveCustomOptionsModel::remove()
{
    if (!m_list || !m_list->validIndex(m_selectedRow))
        return false;
    std::string setName = selectedSetName();
    if (ObjUtils::readOnlyName(setName)) {
        showNamingError("ReadOnlySet");
        return false;
    }
    std::string name = m_list->stringAtIndex(m_selectedRow);
    if (QorAlert::question(localizedFormat("RemoveCompTest", table::kError, {name}), kAlertYesNo) != 1)
        return false;
    int rc = m_list->removeOptionAtIndex(m_selectedRow);
    chooseSet(m_selectedSet);
    return rc == fs::kNoErr;
}

} // namespace qor
