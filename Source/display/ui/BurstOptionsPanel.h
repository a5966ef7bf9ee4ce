#pragma once
// The burst dialog: what a burst counts, and how many of them.

#include "display/BurstOptionsModel.h"

#include <QDialog>

#include <array>

class QLabel;
class QRadioButton;
class QSpinBox;

namespace qor {

class BurstOptionsPanel : public QDialog {
    Q_OBJECT
public:
    BurstOptionsPanel(BurstOptionsModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    BurstOptionsModel& m_model;
    QSpinBox* mAmount = nullptr;
    QLabel* mAmountLabel = nullptr;
    std::array<QRadioButton*, BurstOptionsModel::kRowCount> mRows{};
    QLabel* mWarning = nullptr;
    bool m_refreshing = false;
};

}  // namespace qor
