#pragma once
// The three set dialogs and the editors' way to make a set on the fly.
// Each panel shows its model's texts and forwards OK and Cancel to it;
// the rules are in sets/SetDialogs.h.

#include "sets/SetDialogs.h"

#include <QDialog>

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;

namespace qor {

class CreateSetPanel : public QDialog {
    Q_OBJECT
public:
    CreateSetPanel(CreateSetModel& model, QWidget* parent = nullptr);
    QLineEdit* nameField() const { return mSetNameEdit; }

private:
    CreateSetModel& m_model;
    QLabel* mDescriptionText = nullptr;
    QLabel* mSetText = nullptr;
    QLineEdit* mSetNameEdit = nullptr;
};

class DuplicateSetPanel : public QDialog {
    Q_OBJECT
public:
    DuplicateSetPanel(DuplicateSetModel& model, QWidget* parent = nullptr);
    QComboBox* setMenu() const { return mSetNameMenu; }
    QLineEdit* nameField() const { return mNewSetNameEdit; }

private:
    DuplicateSetModel& m_model;
    QLabel* mDescriptionText = nullptr;
    QLabel* mSetText = nullptr;
    QLabel* mNewSetText = nullptr;
    QComboBox* mSetNameMenu = nullptr;
    QLineEdit* mNewSetNameEdit = nullptr;
};

class DeleteSetPanel : public QDialog {
    Q_OBJECT
public:
    DeleteSetPanel(DeleteSetModel& model, QWidget* parent = nullptr);
    QComboBox* setMenu() const { return mSetNameMenu; }

private:
    DeleteSetModel& m_model;
    QLabel* mDescriptionText = nullptr;
    QLabel* mSetText = nullptr;
    QComboBox* mSetNameMenu = nullptr;
};

// Runs each dialog modally over its model.
void runCreateSetPanel(CreateSetModel& model, QWidget* parent);
void runDuplicateSetPanel(DuplicateSetModel& model, QWidget* parent);
void runDeleteSetPanel(DeleteSetModel& model, QWidget* parent);

// The dialog runners of the set commands, with their panels over `parent`.
SetCommandHooks setPanelHooks(QWidget* parent);

// The editors' new-set buttons: create a set without the administrator
// check and answer its name (nothing when cancelled or failed).
class QorPanels {
public:
    static QorPanels& instance();
    std::optional<std::string> createNewCompTestSet(QWidget* parent = nullptr);
    std::optional<std::string> createNewDrillTextSet(QWidget* parent = nullptr);
    std::optional<std::string> createNewSet(SetKindId kind, QWidget* parent = nullptr);
};

} // namespace qor
