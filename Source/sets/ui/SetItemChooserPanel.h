#pragma once
// The chooser of one item of a set: a pop-up of the sets over the list of
// the chosen set's items, driving SetItemChooser. The kind gives the
// window title and the two labels.

#include "sets/SetItemChooser.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QListWidget;
class QPushButton;

namespace qor {

struct SetItemChooserTexts {
    QString title;     // "Choose a Comprehension Test"
    QString setLabel;  // "Test set:"
    QString itemLabel; // "Tests:"
};

class SetItemChooserPanel : public QDialog {
    Q_OBJECT
public:
    SetItemChooserPanel(SetItemChooser& model, const SetItemChooserTexts& texts, QWidget* parent = nullptr);

    // Initialises the model and shows its state.
    void initialize();

    QComboBox* setMenu() const { return mSetMenu; }
    QListWidget* itemList() const { return mItemList; }
    QPushButton* okButton() const { return mOKButton; }

private:
    void reload();
    void okPressed();

    SetItemChooser& m_model;
    QComboBox* mSetMenu = nullptr;
    QListWidget* mItemList = nullptr;
    QPushButton* mOKButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};

} // namespace qor
