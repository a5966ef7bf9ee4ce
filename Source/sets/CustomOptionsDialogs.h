#pragma once
// The rules of the three custom option dialogs: apply an option
// (select), store the current options (add or replace) and delete
// options (remove). The Qt panels in ui/ drive these models.

#include "sets/CustomOptionsFiles.h"
#include "sets/SetKinds.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qor {

class CurrentOptions;
class CurrentPrefs;
class NotificationBus;

inline constexpr const char* kLastCustOptSetKey = "LastCustOptSet";
inline constexpr const char* kLastCustOptionKey = "LastCustOption";

// What the three dialogs share: the set pop-up over a fresh catalogue
// and the loaded list of the chosen set.
class CustomOptionsSetChooser {
public:
    explicit CustomOptionsSetChooser(std::string externalFolder = ObjUtils::externalPath());
    virtual ~CustomOptionsSetChooser() = default;

    // Rebuilds the pop-up and selects the set named `preferredSet`
    // (letter case ignored), else the first, and loads it.
    void initializeSets(std::string_view preferredSet);
    const std::vector<std::string>& setNames() const { return m_sets.names(); }
    int selectedSet() const { return m_selectedSet; }
    std::string selectedSetName() const;
    // Loads another set of the pop-up.
    void chooseSet(int index);

    // The option names of the loaded set, in list order (UTF-8).
    std::vector<std::string> optionNames() const;
    const CustomOptionsFilesList* list() const { return m_list.get(); }
    const std::string& externalFolder() const { return m_external; }

protected:
    // Called after a set was loaded (or the pop-up is empty).
    virtual void setLoaded() {}
    // The row of an option name (exact), else 0; -1 for an empty set.
    int rowOf(std::string_view storedName) const;

    std::string m_external;
    CustomOptionsSets m_sets;
    std::unique_ptr<CustomOptionsFilesList> m_list;
    int m_selectedSet = -1;
};

// Applies an option: the current reading options become the option's.
class SelectCustomOptionsModel : public CustomOptionsSetChooser {
public:
    SelectCustomOptionsModel(CurrentPrefs& prefs, CurrentOptions& options, NotificationBus& bus,
                             std::string externalFolder = ObjUtils::externalPath());

    // The last applied set and option are chosen again.
    void initialize();
    int selectedRow() const { return m_selectedRow; }
    void selectRow(int row) { m_selectedRow = row; }
    // OK or a double click: applies the selected row, stores the two
    // preferences and posts the option notifications. False (nothing
    // changes, the dialog stays) without a row.
    bool ok();

private:
    void setLoaded() override;

    CurrentPrefs& m_prefs;
    CurrentOptions& m_options;
    NotificationBus& m_bus;
    int m_selectedRow = -1;
};

// Stores the current options under a name in a set.
class AddOrReplaceCustomOptionsModel : public CustomOptionsSetChooser {
public:
    AddOrReplaceCustomOptionsModel(CurrentPrefs& prefs,
                                   std::string externalFolder = ObjUtils::externalPath());

    void initialize(std::string_view setName);
    // The name the combo box starts with: "LastCustOption" when the set
    // has it, else the first option, else "".
    const std::string& initialOptionName() const { return m_initialName; }
    // After the new-set button made a set: rebuild with it selected.
    void setCreated(const std::string& setName) { initialize(setName); }

    // OK with the combo box's text: true closes the dialog with result
    // YES. An empty name is refused with "BlankName" and the dialog stays.
    bool ok(std::string_view optionName);
    void cancel() { m_result = false; }
    bool result() const { return m_result; }
    const std::string& optionsFileName() const { return m_optionName; }
    const std::string& optionsSetName() const { return m_setName; }

private:
    void setLoaded() override;

    CurrentPrefs& m_prefs;
    std::string m_initialName, m_optionName, m_setName;
    bool m_result = false;
};

// Stores the current options as the add dialog asked: a set that ships
// with the system shows "ReadOnlySet", a name that is no Mac OS Roman
// text "BadSetName", a file error its message. The answer is addOption's.
int storeCustomOption(const CustomOptionsFiles& files, std::string_view optionName, std::string_view setName,
                      const OptionsRecord& current);

// Deletes options of a set.
class RemoveCustomOptionsModel : public CustomOptionsSetChooser {
public:
    explicit RemoveCustomOptionsModel(CurrentPrefs& prefs,
                                      std::string externalFolder = ObjUtils::externalPath());

    void initialize();
    int selectedRow() const { return m_selectedRow; }
    void selectRow(int row) { m_selectedRow = row; }
    bool removeEnabled() const { return m_list && m_list->count() > 0; }
    // Remove: refuses a read-only set ("ReadOnlySet"), asks
    // "RemoveCompTest", removes on Yes and reloads the set. True when an
    // option was removed.
    bool remove();

private:
    void setLoaded() override;

    CurrentPrefs& m_prefs;
    int m_selectedRow = -1;
};

} // namespace qor
