#include "sets/ui/SetItemChooserPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

SetItemChooserPanel::SetItemChooserPanel(SetItemChooser& model, const SetItemChooserTexts& texts,
                                         QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(texts.title);
    setModal(true);
    mSetMenu = new QComboBox(this);
    mSetMenu->setObjectName("mSetMenu");
    mItemList = new QListWidget(this);
    mItemList->setObjectName("mItemList");
    mItemList->setSelectionMode(QAbstractItemView::SingleSelection);
    mOKButton = new QPushButton(tr("OK"), this);
    mOKButton->setObjectName("mOKButton");
    mOKButton->setDefault(true);
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setObjectName("mCancelButton");

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(new QLabel(texts.setLabel, this));
    setRow->addWidget(mSetMenu, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCancelButton);
    buttons->addWidget(mOKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(setRow);
    layout->addWidget(new QLabel(texts.itemLabel, this));
    layout->addWidget(mItemList, 1);
    layout->addLayout(buttons);
    resize(420, 420);

    connect(mSetMenu, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.selectSet(index);
        reload();
    });
    connect(mItemList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.selectItem(row);
        mOKButton->setEnabled(m_model.okEnabled());
    });
    connect(mItemList, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_model.okEnabled())
            okPressed();
    });
    connect(mOKButton, &QPushButton::clicked, this, [this] { okPressed(); });
    connect(mCancelButton, &QPushButton::clicked, this, [this] {
        m_model.cancel();
        reject();
    });
}

void SetItemChooserPanel::initialize()
{
    m_model.initialize();
    QSignalBlocker block(mSetMenu);
    mSetMenu->clear();
    for (const auto& name : m_model.sets().names())
        mSetMenu->addItem(QString::fromStdString(name));
    mSetMenu->setCurrentIndex(m_model.selectedSet());
    reload();
}

void SetItemChooserPanel::reload()
{
    {
        QSignalBlocker block(mItemList);
        mItemList->clear();
        if (const QorCat* items = m_model.items())
            for (const auto& name : items->names())
                mItemList->addItem(QString::fromStdString(name));
        mItemList->setCurrentRow(m_model.selectedItem());
    }
    if (QListWidgetItem* item = mItemList->currentItem())
        mItemList->scrollToItem(item);
    mOKButton->setEnabled(m_model.okEnabled());
}

void SetItemChooserPanel::okPressed()
{
    if (m_model.ok())
        accept();
}

} // namespace qor
