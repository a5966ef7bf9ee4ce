#pragma once
// The test chooser: a pop-up of test sets over the list of the chosen set's
// tests, driving LoadCompTestStory.

#include "tests/LoadCompTestStory.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace qor {

class LoadCompTestStoryPanel : public QDialog {
    Q_OBJECT
public:
    LoadCompTestStoryPanel(LoadCompTestStory& model, QWidget* parent = nullptr);

    // Initialises the model and shows its state.
    void initialize();

    QComboBox* setMenu() const { return mSetMenu; }
    QListWidget* testList() const { return mTestList; }
    QPushButton* okButton() const { return mOKButton; }

private:
    void reload();
    void okPressed();

    LoadCompTestStory& m_model;
    QComboBox* mSetMenu = nullptr;
    QListWidget* mTestList = nullptr;
    QPushButton* mOKButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};

}  // namespace qor
