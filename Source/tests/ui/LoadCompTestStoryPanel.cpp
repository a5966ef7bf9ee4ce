#include "tests/ui/LoadCompTestStoryPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

LoadCompTestStoryPanel::LoadCompTestStoryPanel(LoadCompTestStory& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Choose a Comprehension Test"));
    setModal(true);
    mSetMenu = new QComboBox(this);
    mSetMenu->setObjectName("mSetMenu");
    mTestList = new QListWidget(this);
    mTestList->setObjectName("mTestList");
    mTestList->setSelectionMode(QAbstractItemView::SingleSelection);
    mOKButton = new QPushButton(tr("OK"), this);
    mOKButton->setObjectName("mOKButton");
    mOKButton->setDefault(true);
    mCancelButton = new QPushButton(tr("Cancel"), this);
    mCancelButton->setObjectName("mCancelButton");

    auto* setRow = new QHBoxLayout;
    setRow->addWidget(new QLabel(tr("Test set:"), this));
    setRow->addWidget(mSetMenu, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(mCancelButton);
    buttons->addWidget(mOKButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(setRow);
    layout->addWidget(new QLabel(tr("Tests:"), this));
    layout->addWidget(mTestList, 1);
    layout->addLayout(buttons);
    resize(420, 420);

    connect(mSetMenu, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.selectSet(index);
        reload();
    });
    connect(mTestList, &QListWidget::currentRowChanged, this, [this](int row) {
        m_model.selectTest(row);
        mOKButton->setEnabled(m_model.okEnabled());
    });
    connect(mTestList, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_model.okEnabled())
            okPressed();
    });
    connect(mOKButton, &QPushButton::clicked, this, [this] { okPressed(); });
    connect(mCancelButton, &QPushButton::clicked, this, [this] {
        m_model.cancel();
        reject();
    });
}

void LoadCompTestStoryPanel::initialize()
{
    m_model.initialize();
    QSignalBlocker block(mSetMenu);
    mSetMenu->clear();
    for (const auto& name : m_model.sets().names())
        mSetMenu->addItem(QString::fromStdString(name));
    mSetMenu->setCurrentIndex(m_model.selectedSet());
    reload();
}

void LoadCompTestStoryPanel::reload()
{
    {
        QSignalBlocker block(mTestList);
        mTestList->clear();
        if (const TestFilesList* tests = m_model.tests())
            for (const auto& name : tests->names())
                mTestList->addItem(QString::fromStdString(name));
        mTestList->setCurrentRow(m_model.selectedTest());
    }
    if (QListWidgetItem* item = mTestList->currentItem())
        mTestList->scrollToItem(item);
    mOKButton->setEnabled(m_model.okEnabled());
}

void LoadCompTestStoryPanel::okPressed()
{
    if (m_model.ok())
        accept();
}

}  // namespace qor
