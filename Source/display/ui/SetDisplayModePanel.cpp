#include "display/ui/SetDisplayModePanel.h"

#include "shell/Messages.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

namespace {
QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

SetDisplayModePanel::SetDisplayModePanel(DisplayModeModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Display Mode"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Display mode:"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Option:"), this), 0, 1);
    mModeList = new QListWidget(this);
    mModeList->setObjectName("modeList");
    for (std::string_view label : DisplayModeModel::modeLabels())
        mModeList->addItem(q(label));
    mModeList->setMaximumWidth(190);
    mOptionList = new QListWidget(this);
    mOptionList->setObjectName("optionList");
    grid->addWidget(mModeList, 1, 0);
    grid->addWidget(mOptionList, 1, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    mDescription = new QLabel(this);
    mDescription->setObjectName("description");
    mDescription->setWordWrap(true);
    mDescription->setMinimumHeight(48);
    mDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(mDescription);

    auto* countRow = new QHBoxLayout;
    mCountTitle = new QLabel(tr("Show:"), this);
    mCount = new QSpinBox(this);
    mCount->setObjectName("countField");
    mCount->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    mCountLabel = new QLabel(this);
    mCountLabel->setObjectName("countLabel");
    countRow->addWidget(mCountTitle);
    countRow->addWidget(mCount);
    countRow->addWidget(mCountLabel, 1);
    layout->addLayout(countRow);

    mCombineCheck = new QCheckBox(tr("Combine the residual with the last group"), this);
    mCombineCheck->setObjectName("combineCheck");
    layout->addWidget(mCombineCheck);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    connect(mModeList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing)
            return;
        m_model.selectMode(row);
        refresh();
    });
    connect(mOptionList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing)
            return;
        m_model.selectOptionRow(row);
        refresh();
    });
    connect(mCount, &QSpinBox::valueChanged, this, [this](int v) {
        if (m_refreshing)
            return;
        m_model.setCount(v);
        refresh();
    });
    connect(mCombineCheck, &QCheckBox::toggled, this, [this](bool on) {
        if (!m_refreshing)
            m_model.setCombineResidual(on);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumSize(560, 400);
    refresh();
}

void SetDisplayModePanel::refresh()
{
    m_refreshing = true;
    mModeList->setCurrentRow(m_model.mode());
    std::vector<std::string_view> options = m_model.optionLabels();
    if (mOptionList->count() != static_cast<int>(options.size()) ||
        (mOptionList->count() > 0 && mOptionList->item(0)->text() != q(options[0]))) {
        mOptionList->clear();
        for (std::string_view label : options)
            mOptionList->addItem(q(label));
    }
    mOptionList->setCurrentRow(m_model.optionRow());
    mDescription->setText(
        QString::fromStdString(MessageTables::localizedString(m_model.descriptionKey(), table::kDisplay)));
    bool countShown = m_model.countVisible();
    mCountTitle->setVisible(countShown);
    mCount->setVisible(countShown);
    mCountLabel->setVisible(countShown);
    mCount->setRange(m_model.minCount(), m_model.maxCount());
    mCount->setValue(m_model.count());
    mCountLabel->setText(q(m_model.countLabel()));
    mCombineCheck->setVisible(m_model.combineVisible());
    mCombineCheck->setChecked(m_model.combineResidual());
    m_refreshing = false;
}

}  // namespace qor
