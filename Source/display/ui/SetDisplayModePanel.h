#pragma once
// The display-mode dialog: mode list, option list, count and the
// combine-residual check box.

#include "display/DisplayModeModel.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace qor {

class SetDisplayModePanel : public QDialog {
    Q_OBJECT
public:
    SetDisplayModePanel(DisplayModeModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    DisplayModeModel& m_model;
    QListWidget* mModeList = nullptr;
    QListWidget* mOptionList = nullptr;
    QLabel* mDescription = nullptr;
    QLabel* mCountTitle = nullptr;
    QSpinBox* mCount = nullptr;
    QLabel* mCountLabel = nullptr;
    QCheckBox* mCombineCheck = nullptr;
    bool m_refreshing = false;
};

}  // namespace qor
