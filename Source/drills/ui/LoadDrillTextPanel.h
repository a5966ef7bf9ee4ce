#pragma once
// The drill text chooser: a pop-up of drill text sets over the list of the
// chosen set's texts, driving LoadDrillText.

#include "drills/LoadDrillText.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace qor {

class LoadDrillTextPanel : public QDialog {
    Q_OBJECT
public:
    LoadDrillTextPanel(LoadDrillText& model, QWidget* parent = nullptr);

    // Initialises the model and shows its state.
    void initialize();

    QComboBox* setMenu() const { return mSetMenu; }
    QListWidget* textList() const { return mTextList; }
    QPushButton* okButton() const { return mOKButton; }

private:
    void reload();
    void okPressed();

    LoadDrillText& m_model;
    QComboBox* mSetMenu = nullptr;
    QListWidget* mTextList = nullptr;
    QPushButton* mOKButton = nullptr;
    QPushButton* mCancelButton = nullptr;
};

}  // namespace qor
