#include "users/ui/PreferenceWindow.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qor {

PreferenceWindow::PreferenceWindow(PreferenceWinController& controller,
                                   std::function<void(QWidget*, int)> editKey, QWidget* parent)
    : QDialog(parent), m_controller(controller), m_editKey(std::move(editKey))
{
    setWindowTitle(tr("Preferences"));

    auto* general = new QWidget(this);
    mTooltipsCheck = new QCheckBox(tr("Show tooltips"), general);
    mMenuSoundCheck = new QCheckBox(tr("Play sounds in the launcher"), general);
    auto* generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(mTooltipsCheck);
    generalLayout->addWidget(mMenuSoundCheck);
    generalLayout->addStretch();

    auto* keys = new QWidget(this);
    mKeyTable = new QTableWidget(0, 2, keys);
    mKeyTable->setHorizontalHeaderLabels({tr("Function"), tr("Key")});
    mKeyTable->horizontalHeader()->setStretchLastSection(true);
    mKeyTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    mKeyTable->verticalHeader()->hide();
    mKeyTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    mKeyTable->setSelectionMode(QAbstractItemView::SingleSelection);
    mKeyTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mEditButton = new QPushButton(tr("Edit..."), keys);
    mResetButton = new QPushButton(tr("Reset All"), keys);
    auto* keyButtons = new QHBoxLayout;
    keyButtons->addWidget(mResetButton);
    keyButtons->addStretch();
    keyButtons->addWidget(mEditButton);
    auto* keysLayout = new QVBoxLayout(keys);
    keysLayout->addWidget(mKeyTable);
    keysLayout->addLayout(keyButtons);

    mTabs = new QTabWidget(this);
    mTabs->addTab(general, tr("General"));
    mTabs->addTab(keys, tr("Keys"));

    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mTabs);
    layout->addWidget(close);
    resize(460, 420);

    connect(close, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(mTooltipsCheck, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.showTooltipsCheck(on); });
    connect(mMenuSoundCheck, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.enableWizardSoundCheck(on); });
    connect(mTabs, &QTabWidget::currentChanged, this, [this](int tab) { m_controller.selectTab(tab); });
    connect(mKeyTable, &QTableWidget::cellDoubleClicked, this, [this](int, int) { editFunction(); });
    connect(mEditButton, &QPushButton::clicked, this, [this] { editFunction(); });
    connect(mResetButton, &QPushButton::clicked, this, [this] {
        m_controller.resetAllButton();
        reloadKeys();
    });
}

void PreferenceWindow::windowDidLoad()
{
    m_controller.windowDidLoad();
    mTabs->setCurrentIndex(m_controller.currentTab());
    mTooltipsCheck->setChecked(m_controller.tooltipsChecked());
    mMenuSoundCheck->setChecked(m_controller.menuSoundChecked());
    reloadKeys();
}

void PreferenceWindow::reloadKeys()
{
    int rows = m_controller.rowCount();
    int current = mKeyTable->currentRow();
    mKeyTable->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        mKeyTable->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(m_controller.functionAt(r))));
        mKeyTable->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(m_controller.keyStrokeAt(r))));
    }
    if (current >= 0 && current < rows)
        mKeyTable->selectRow(current);
    mEditButton->setEnabled(rows > 0 && static_cast<bool>(m_editKey));
}

void PreferenceWindow::editFunction()
{
    int row = mKeyTable->currentRow();
    if (!m_controller.canEditRow(row) || !m_editKey)
        return;
    m_editKey(this, row);
    reloadKeys();
}

}  // namespace qor
