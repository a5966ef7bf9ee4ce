#include "drills/ui/LoadDrillTextPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

LoadDrillTextPanel::LoadDrillTextPanel(LoadDrillText& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Choose a Drill Text"));
    setModal(true);
    mSetMenu = new QComboBox(this);
    mSetMenu->setObjectName("mSetMenu");
    mTextList = new QListWidget(this);
    mTextList->setObjectName("mTextList");
    mTextList->setSelectionMode(QAbstractItemView::SingleSelection);
    mOKButton = new QPushButton(tr("OK"), this);
    mOKButton->setObjectName("mOKButton");
    mOKButton->setDefault(true);
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setObjectName("mCancelButton");

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(new QLabel(tr("Drill text set:"), this));
    setRow->addWidget(mSetMenu, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCancelButton);
    buttons->addWidget(mOKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(setRow);
    layout->addWidget(new QLabel(tr("Drill texts:"), this));
    layout->addWidget(mTextList, 1);
    layout->addLayout(buttons);
    resize(420, 420);

    connect(mSetMenu, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.selectSet(index);
        reload();
    });
    connect(mTextList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.selectText(row);
        mOKButton->setEnabled(m_model.okEnabled());
    });
    connect(mTextList, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_model.okEnabled())
            okPressed();
    });
    connect(mOKButton, &QPushButton::clicked, this, [this] { okPressed(); });
    connect(mCancelButton, &QPushButton::clicked, this, [this] {
        m_model.cancel();
        reject();
    });
}

void LoadDrillTextPanel::initialize()
{
    m_model.initialize();
    QSignalBlocker block(mSetMenu);
    mSetMenu->clear();
    for (const auto& name : m_model.sets().names())
        mSetMenu->addItem(QString::fromStdString(name));
    mSetMenu->setCurrentIndex(m_model.selectedSet());
    reload();
}

void LoadDrillTextPanel::reload()
{
    {
        QSignalBlocker block(mTextList);
        mTextList->clear();
        if (const DrillFilesList* texts = m_model.texts())
            for (const auto& name : texts->names())
                mTextList->addItem(QString::fromStdString(name));
        mTextList->setCurrentRow(m_model.selectedText());
    }
    if (QListWidgetItem* item = mTextList->currentItem())
        mTextList->scrollToItem(item);
    mOKButton->setEnabled(m_model.okEnabled());
}

void LoadDrillTextPanel::okPressed()
{
    if (m_model.ok())
        accept();
}

}  // namespace qor
