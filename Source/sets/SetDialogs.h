#pragma once
// The rules of the three set dialogs (create, duplicate, delete), the
// naming rules they check, and the administrator's set commands that run
// them. The Qt panels in ui/ only show a model's texts and forward OK and
// Cancel to it.

#include "sets/QorCat.h"
#include "sets/SetKinds.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class QorAdmin;

// Where a typed set name is checked.
enum class NamingContext { Create, Duplicate, ImportSet, ImportGameText };

// The "Error" key for a typed name, "" when it may be used, checked in
// this order: empty ("BlankName"), a leading "#" ("SetCreate", or
// "SetImport" / "GameImport"), a leading blank ("StartWithBlank2", or
// "StartWithBlank1" on import), then the rest of the name rule
// ("BadSetName": "/", control bytes, characters Mac OS Roman lacks, too
// long). fileKind adds the ".db" of the file to the length test.
std::string setNameRuleKey(std::string_view name, NamingContext context, bool fileKind = false);

// Shows an "Error" key (type 0, severity 1), as the dialogs do for every
// naming failure.
void showNamingError(const std::string& key);

class CreateSetModel {
public:
    // Resets the dialog for a kind; `existing`, when given, is the
    // catalogue a new name must not be in (letter case ignored), which
    // refuses with the kind's own key.
    void initializeName(const SetKind& kind, const QorCat* existing = nullptr);

    const std::string& title() const { return m_title; }             // "Create %@ Set"
    const std::string& description() const { return m_description; } // "Enter new %@ set name."
    const std::string& setLabel() const { return m_setLabel; }       // "New %@ set name:"

    // OK with the typed text: true when the dialog may close; otherwise the
    // failure has been shown and the dialog stays open.
    bool ok(std::string_view typed);
    void cancel() { m_bCanceled = true; }
    bool canceled() const { return m_bCanceled; }
    std::optional<std::string> setName() const;

private:
    const SetKind* m_kind = nullptr;
    std::optional<QorCat> m_existing;
    std::string m_title, m_description, m_setLabel, m_name;
    bool m_bCanceled = true;
};

class DuplicateSetModel {
public:
    void initializeList(const QorCat& list, const SetKind& kind);

    const std::string& title() const { return m_title; }
    const std::string& description() const { return m_description; }
    const std::string& setLabel() const { return m_setLabel; }
    const std::string& newSetLabel() const { return m_newSetLabel; }
    // The pop-up's entries, in catalogue order.
    const std::vector<std::string>& setNames() const { return m_pList.names(); }

    // OK with the pop-up's index and the typed new name. No selection
    // does nothing (false, no message).
    bool ok(int selected, std::string_view typed);
    void cancel() { m_bCanceled = true; }
    bool canceled() const { return m_bCanceled; }
    std::optional<std::string> fromSetName() const;
    std::optional<std::string> toSetName() const;

private:
    QorCat m_pList;
    std::string m_pDeleteSetType;
    bool m_fileKind = false;
    std::string m_title, m_description, m_setLabel, m_newSetLabel, m_to;
    int m_selected = -1;
    bool m_bCanceled = true;
};

class DeleteSetModel {
public:
    // isSet: a set of the kind `name`; otherwise a game text of the game
    // `name`.
    void initializeList(const QorCat& list, std::string_view name, bool isSet);

    const std::string& title() const { return m_title; }
    const std::string& description() const { return m_description; }
    const std::string& setLabel() const { return m_setLabel; }
    const std::vector<std::string>& setNames() const { return m_pList.names(); }

    // OK with the pop-up's index: refuses a read-only entry, then asks to
    // proceed; true (the dialog closes) on Yes. No selection does nothing.
    bool ok(int selected);
    void cancel() { m_bCanceled = true; }
    bool canceled() const { return m_bCanceled; }
    std::optional<std::string> setName() const;

private:
    QorCat m_pList;
    std::string m_pDeleteSetType;
    bool m_bSet = true;
    std::string m_title, m_description, m_setLabel;
    int m_selected = -1;
    bool m_bCanceled = true;
};

// How the commands run their dialogs and what follows a new set. Each
// runner shows its dialog modally and returns when it closed.
struct SetCommandHooks {
    std::function<void(CreateSetModel&)> runCreate;
    std::function<void(DuplicateSetModel&)> runDuplicate;
    std::function<void(DeleteSetModel&)> runDelete;
    // After a custom options set was made and the administrator wants
    // to store the current options in it.
    std::function<void(const std::string& newSet)> addCustomOption;
    // After a drill set was made and the administrator wants to edit it.
    std::function<void(const std::string& newSet)> openDrillEditor;
};

// The administrator's create, duplicate and delete commands of each kind.
class SetCommands {
public:
    SetCommands(QorAdmin& admin, SetCommandHooks hooks,
                std::string externalFolder = ObjUtils::externalPath());

    // The reader logged on is the administrator; "AdminOnly" otherwise.
    bool adminCheckOK() const;

    // Each returns the set it made, copied or removed; nothing when it was
    // refused, cancelled or failed (a failed storage operation is shown).
    std::optional<std::string> createSet(SetKindId kind);
    std::optional<std::string> duplicateSet(SetKindId kind);
    std::optional<std::string> deleteSet(SetKindId kind);

    // The create loop without the administrator check (editors' new-set
    // buttons and the add-option dialog): the new set's name.
    std::optional<std::string> createSetUnchecked(SetKindId kind);

private:
    std::optional<std::string> runCreate(SetKindId kind);

    QorAdmin& m_admin;
    SetCommandHooks m_hooks;
    std::string m_external;
};

// Shows a failed storage operation on a set ("SetStorageFailed").
void alertSetStorageFailed(const SetKind& kind, std::string_view setName, int status);

} // namespace qor
