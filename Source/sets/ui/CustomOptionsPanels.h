#pragma once
// The three custom option dialogs. The rules are in
// sets/CustomOptionsDialogs.h; these panels show the model and forward
// the user's choices.

#include "sets/CustomOptionsDialogs.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QListWidget;
class QPushButton;

namespace qor {

// Apply an option: a set pop-up and the set's options.
class SelectCustomOptionsPanel : public QDialog {
    Q_OBJECT
public:
    SelectCustomOptionsPanel(SelectCustomOptionsModel& model, QWidget* parent = nullptr);
    QComboBox* setMenu() const { return mSetMenu; }
    QListWidget* optionTable() const { return mOptionTable; }

private:
    void refresh();
    void okPressed();

    SelectCustomOptionsModel& m_model;
    QComboBox* mSetMenu = nullptr;
    QListWidget* mOptionTable = nullptr;
    bool m_refreshing = false;
};

// Store the current options under a name. `newSet` runs the create-set
// dialog for a custom options set and answers the new set's name.
class AddOrReplaceCustomOptionsPanel : public QDialog {
    Q_OBJECT
public:
    using NewSetRunner = std::function<std::optional<std::string>(QWidget*)>;
    AddOrReplaceCustomOptionsPanel(AddOrReplaceCustomOptionsModel& model, NewSetRunner newSet,
                                   QWidget* parent = nullptr);
    QComboBox* setMenu() const { return mSetMenu; }
    QComboBox* optionCombo() const { return mOptionCombo; }

private:
    void refresh();

    AddOrReplaceCustomOptionsModel& m_model;
    NewSetRunner m_newSet;
    QComboBox* mSetMenu = nullptr;
    QComboBox* mOptionCombo = nullptr;
    bool m_refreshing = false;
};

// Delete options of a set.
class RemoveCustomOptionsPanel : public QDialog {
    Q_OBJECT
public:
    RemoveCustomOptionsPanel(RemoveCustomOptionsModel& model, QWidget* parent = nullptr);
    QComboBox* setMenu() const { return mSetMenu; }
    QListWidget* optionTable() const { return mOptionTable; }
    QPushButton* removeButton() const { return mRemoveButton; }

private:
    void refresh();

    RemoveCustomOptionsModel& m_model;
    QComboBox* mSetMenu = nullptr;
    QListWidget* mOptionTable = nullptr;
    QPushButton* mRemoveButton = nullptr;
    bool m_refreshing = false;
};

} // namespace qor
