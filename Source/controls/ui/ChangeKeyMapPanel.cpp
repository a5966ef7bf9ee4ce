#include "controls/ui/ChangeKeyMapPanel.h"

#include "controls/KeyMapping.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

ChangeKeyMapPanel::ChangeKeyMapPanel(ChangeKeyMapModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Change Key"));
    auto* layout = new QVBoxLayout(this);

    auto* intro = new QLabel(tr("Choose the key for:"), this);
    layout->addWidget(intro);
    mFunctionName = new QLabel(this);
    mFunctionName->setObjectName("functionName");
    QFont bold = mFunctionName->font();
    bold.setBold(true);
    mFunctionName->setFont(bold);
    layout->addWidget(mFunctionName);

    auto* modifiers = new QHBoxLayout;
    mShiftButton = new QCheckBox(tr("Shift"), this);
    mShiftButton->setObjectName("shiftButton");
    mControlButton = new QCheckBox(tr("Control"), this);
    mControlButton->setObjectName("controlButton");
    modifiers->addWidget(mShiftButton);
    modifiers->addWidget(mControlButton);
    modifiers->addStretch(1);
    layout->addLayout(modifiers);

    mKeysView = new QListWidget(this);
    mKeysView->setObjectName("keysView");
    mKeysView->setSelectionMode(QAbstractItemView::SingleSelection);
    mKeysView->setUniformItemSizes(true);
    for (int row = 0; row < KeyMapping::descriptionCount(); ++row)
        mKeysView->addItem(QString::fromStdString(KeyMapping::descriptionByIndex(row)));
    mKeysView->setMinimumHeight(220);
    layout->addWidget(mKeysView, 1);

    mErrorMessageTxt = new QLabel(this);
    mErrorMessageTxt->setObjectName("errorMessageTxt");
    mErrorMessageTxt->setWordWrap(true);
    mErrorMessageTxt->setStyleSheet("color: #b00020;");
    mErrorMessageTxt->setText(QString::fromStdString(ChangeKeyMapModel::errorText()));
    mErrorMessageTxt->setVisible(false);
    layout->addWidget(mErrorMessageTxt);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);

    connect(mShiftButton, &QCheckBox::toggled, this, [this](bool on) {
        if (m_bRefreshing)
            return;
        m_model.setShift(on);
        showError();
    });
    connect(mControlButton, &QCheckBox::toggled, this, [this](bool on) {
        if (m_bRefreshing)
            return;
        m_model.setControl(on);
        showError();
    });
    connect(mKeysView, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_bRefreshing)
            return;
        QList<QListWidgetItem*> chosen = mKeysView->selectedItems();
        m_model.selectRow(chosen.isEmpty() ? -1 : mKeysView->row(chosen.front()));
        showError();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &ChangeKeyMapPanel::okButton);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(340);
    refresh();
}

void ChangeKeyMapPanel::refresh()
{
    m_bRefreshing = true;
    mFunctionName->setText(QString::fromStdString(m_model.functionName()));
    mShiftButton->setChecked(m_model.shift());
    mControlButton->setChecked(m_model.control());
    mKeysView->clearSelection();
    if (m_model.selectedRow() >= 0) {
        mKeysView->setCurrentRow(m_model.selectedRow());
        mKeysView->scrollToItem(mKeysView->item(m_model.selectedRow()), QAbstractItemView::PositionAtCenter);
    }
    m_bRefreshing = false;
    showError();
}

void ChangeKeyMapPanel::showError() { mErrorMessageTxt->setVisible(m_model.errorVisible()); }

void ChangeKeyMapPanel::okButton()
{
    switch (m_model.ok()) {
    case ChangeKeyMapModel::OkResult::Stored:
    case ChangeKeyMapModel::OkResult::NotSaved:
        accept();
        break;
    case ChangeKeyMapModel::OkResult::Duplicate:
        QApplication::beep();
        showError();
        break;
    case ChangeKeyMapModel::OkResult::NoRow:
        break;
    }
}

bool runChangeKeyMapPanel(QWidget* parent, int index, KeyMapping& map)
{
    ChangeKeyMapModel model(map);
    model.initializeWithIndex(index);
    if (model.index() < 0)
        return false;
    ChangeKeyMapPanel panel(model, parent);
    return panel.exec() == QDialog::Accepted;
}

}  // namespace qor
