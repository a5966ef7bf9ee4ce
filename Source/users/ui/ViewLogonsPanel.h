#pragma once
// The logons view: a thin Qt face over ViewLogonsController.

#include "users/ViewLogonsController.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

namespace qor {

class ViewLogonsPanel : public QDialog {
    Q_OBJECT
public:
    explicit ViewLogonsPanel(QorAdmin& admin, QWidget* parent = nullptr);

    void initialize();
    ViewLogonsController& controller() { return m_controller; }
    QTableWidget* table() const { return mTable; }
    QPushButton* logoffButton() const { return mLogoffButton; }

private:
    void reload();

    ViewLogonsController m_controller;
    QTableWidget* mTable = nullptr;
    QPushButton* mLogoffButton = nullptr;
    QPushButton* mDoneButton = nullptr;
};

}  // namespace qor
