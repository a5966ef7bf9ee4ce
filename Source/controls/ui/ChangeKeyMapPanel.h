#pragma once
// The key dialog: the function's name, Shift and Control boxes, the list of
// keys, and the duplicate message under them.

#include "controls/ChangeKeyMapModel.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;

namespace qor {

class KeyMapping;

class ChangeKeyMapPanel : public QDialog {
    Q_OBJECT
public:
    ChangeKeyMapPanel(ChangeKeyMapModel& model, QWidget* parent = nullptr);

    // Shows the model's function (after initializeWithIndex).
    void refresh();

private:
    void okButton();
    void showError();

    ChangeKeyMapModel& m_model;
    QLabel* mFunctionName = nullptr;
    QCheckBox* mShiftButton = nullptr;
    QCheckBox* mControlButton = nullptr;
    QListWidget* mKeysView = nullptr;
    QLabel* mErrorMessageTxt = nullptr;
    bool m_bRefreshing = false;
};

// Runs the key dialog for a function of the map; true when a key was
// stored (or set for this session when it could not be saved).
bool runChangeKeyMapPanel(QWidget* parent, int index, KeyMapping& map);

}  // namespace qor
