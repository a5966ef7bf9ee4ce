#include "display/ui/BurstOptionsPanel.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

BurstOptionsPanel::BurstOptionsPanel(BurstOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Burst Options"));
    auto* layout = new QVBoxLayout(this);

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(new QLabel(tr("A burst ends after"), this));
    mAmount = new QSpinBox(this);
    mAmount->setObjectName("amountField");
    mAmount->setRange(kMinBurstNum, kMaxBurstNum);
    mAmount->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    amountRow->addWidget(mAmount);
    mAmountLabel = new QLabel(this);
    mAmountLabel->setObjectName("amountLabel");
    amountRow->addWidget(mAmountLabel, 1);
    layout->addLayout(amountRow);

    auto* box = new QGroupBox(tr("Count"), this);
    auto* boxLayout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(this);
    const QString titles[BurstOptionsModel::kRowCount] = {
        tr("Sentence endings"), tr("Words"), tr("Phrases (defined by newlines)"),
        tr("Phrases (defined by punctuation)"), tr("Screen flashes")};
    for (int row = 0; row < BurstOptionsModel::kRowCount; ++row) {
        mRows[row] = new QRadioButton(titles[row], box);
        mRows[row]->setObjectName(QString("burstRow%1").arg(row));
        group->addButton(mRows[row], row);
        boxLayout->addWidget(mRows[row]);
    }
    layout->addWidget(box);

    mWarning = new QLabel(
        tr("The display mode in use counts bursts in its own way, so some choices are not available."), this);
    mWarning->setObjectName("warning");
    mWarning->setWordWrap(true);
    QPalette pal = mWarning->palette();
    pal.setColor(QPalette::WindowText, QColor(160, 30, 30));
    mWarning->setPalette(pal);
    layout->addWidget(mWarning);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    connect(group, &QButtonGroup::idClicked, this, [this](int row) {
        m_model.selectRow(row);
        refresh();
    });
    connect(mAmount, &QSpinBox::valueChanged, this, [this](int v) {
        if (!m_refreshing)
            m_model.setAmount(v);
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        mAmount->interpretText();
        m_model.setAmount(mAmount->value());
        m_model.ok();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(420);
    refresh();
}

void BurstOptionsPanel::refresh()
{
    m_refreshing = true;
    mAmount->setValue(m_model.amount());
    std::string_view label = m_model.amountLabel();
    mAmountLabel->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    for (int row = 0; row < BurstOptionsModel::kRowCount; ++row) {
        mRows[row]->setEnabled(m_model.rowEnabled(row));
        mRows[row]->setChecked(row == m_model.selectedRow());
    }
    mWarning->setVisible(m_model.warningShown());
    m_refreshing = false;
}

}  // namespace qor
