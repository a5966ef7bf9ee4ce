#pragma once
// The speed dialog: unit menu, low and high limits and target speed.

#include "display/SpeedOptionsModel.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace qor {

class SpeedOptionsPanel : public QDialog {
    Q_OBJECT
public:
    SpeedOptionsPanel(SpeedOptionsModel& model, QWidget* parent = nullptr);

private:
    void refresh();
    void refreshHints();
    void okButton();

    SpeedOptionsModel& m_model;
    QComboBox* mUnitMenu = nullptr;
    std::array<QLineEdit*, 3> mFields{};
    std::array<QLabel*, 3> mUnitLabels{};
    std::array<QLabel*, 3> mApproxLabels{};
    QLabel* mDescription = nullptr;
};

}  // namespace qor
