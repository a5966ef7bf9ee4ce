#pragma once
// The fine-tune dialog: the extra delays and their check boxes.

#include "display/FineTuneModel.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QSpinBox;

namespace qor {

class FineTunePanel : public QDialog {
    Q_OBJECT
public:
    FineTunePanel(FineTuneModel& model, QWidget* parent = nullptr);

private:
    void refresh();

    FineTuneModel& m_model;
    std::array<QCheckBox*, FineTuneModel::kFlagCount> mChecks{};
    std::array<QSpinBox*, FineTuneModel::kFieldCount> mFields{};
    bool m_refreshing = false;
};

}  // namespace qor
