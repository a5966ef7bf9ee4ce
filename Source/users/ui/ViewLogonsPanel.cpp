#include "users/ui/ViewLogonsPanel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qor {

ViewLogonsPanel::ViewLogonsPanel(QorAdmin& admin, QWidget* parent)
    : QDialog(parent), m_controller(admin)
{
    setWindowTitle(tr("Users Logged On"));
    setModal(true);
    mTable = new QTableWidget(0, 1, this);
    mTable->setHorizontalHeaderLabels({tr("User")});
    mTable->horizontalHeader()->setStretchLastSection(true);
    mTable->verticalHeader()->hide();
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);

    mLogoffButton = new QPushButton(tr("Log Off"), this);
    mLogoffButton->setAutoDefault(false);
    mDoneButton = new QPushButton(tr("Done"), this);
    mDoneButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(mLogoffButton);
    buttons->addStretch();
    buttons->addWidget(mDoneButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("These users are logged on:"), this));
    layout->addWidget(mTable);
    layout->addLayout(buttons);
    resize(340, 360);

    connect(mTable, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { m_controller.selectRow(row); });
    connect(mLogoffButton, &QPushButton::clicked, this, [this] {
        m_controller.logoffButton();
        reload();
    });
    connect(mDoneButton, &QPushButton::clicked, this, [this] {
        m_controller.doneButton();
        accept();
    });
}

void ViewLogonsPanel::initialize()
{
    m_controller.initialize();
    reload();
}

void ViewLogonsPanel::reload()
{
    const auto& users = m_controller.users();
    QSignalBlocker block(mTable);
    mTable->setRowCount(static_cast<int>(users.size()));
    for (size_t i = 0; i < users.size(); ++i)
        mTable->setItem(static_cast<int>(i), 0, new QTableWidgetItem(QString::fromStdString(users[i])));
    mTable->setCurrentCell(m_controller.selectedRow(), 0);
    if (m_controller.selectedRow() < 0)
        mTable->clearSelection();
}

}  // namespace qor
