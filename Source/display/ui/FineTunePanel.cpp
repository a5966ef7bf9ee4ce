#include "display/ui/FineTunePanel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

using M = FineTuneModel;

FineTunePanel::FineTunePanel(FineTuneModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Fine Tune"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;

    const QString checkTitles[M::kFlagCount] = {
        tr("Fixed rate (pace every display as the average one)"), tr("Long word delay"),
        tr("Sentence ending delay"), tr("Punctuation delay"), tr("Beginning of line delay"),
        tr("Beginning of page delay"), tr("Minimum delay")};
    for (int f = 0; f < M::kFlagCount; ++f) {
        mChecks[f] = new QCheckBox(checkTitles[f], this);
        mChecks[f]->setObjectName(QString("flag%1").arg(f));
        connect(mChecks[f], &QCheckBox::toggled, this, [this, f](bool on) {
            if (m_refreshing)
                return;
            m_model.setFlag(static_cast<M::Flag>(f), on);
            refresh();
        });
    }
    for (int i = 0; i < M::kFieldCount; ++i) {
        auto field = static_cast<M::Field>(i);
        mFields[i] = new QSpinBox(this);
        mFields[i]->setObjectName(QString("field%1").arg(i));
        mFields[i]->setRange(M::minValue(field), M::maxValue(field));
        mFields[i]->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
        mFields[i]->setSingleStep(field == M::kWordLength ? 1 : 50);
        connect(mFields[i], &QSpinBox::valueChanged, this, [this, field](int v) {
            if (!m_refreshing)
                m_model.setValue(field, v);
        });
    }

    grid->addWidget(mChecks[M::kFixed], 0, 0, 1, 4);
    auto ms = [this] { return new QLabel(tr("ms"), this); };
    grid->addWidget(mChecks[M::kLongWord], 1, 0);
    grid->addWidget(mFields[M::kLongWordDelay], 1, 1);
    grid->addWidget(ms(), 1, 2);
    auto* lengthRow = new QHBoxLayout;
    lengthRow->addSpacing(24);
    lengthRow->addWidget(new QLabel(tr("for words of at least"), this));
    lengthRow->addWidget(mFields[M::kWordLength]);
    lengthRow->addWidget(new QLabel(tr("characters"), this));
    lengthRow->addStretch(1);
    grid->addLayout(lengthRow, 2, 0, 1, 4);
    const std::pair<M::Flag, M::Field> rows[] = {
        {M::kSentence, M::kSentenceDelay},           {M::kPunctuation, M::kPunctuationDelay},
        {M::kBeginningOfLine, M::kBeginningOfLineDelay}, {M::kBeginningOfPage, M::kBeginningOfPageDelay},
        {M::kMinimum, M::kMinimumDelay}};
    int r = 3;
    for (auto [flag, field] : rows) {
        grid->addWidget(mChecks[flag], r, 0);
        grid->addWidget(mFields[field], r, 1);
        grid->addWidget(ms(), r, 2);
        ++r;
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        for (int i = 0; i < M::kFieldCount; ++i) {
            mFields[i]->interpretText();
            m_model.setValue(static_cast<M::Field>(i), mFields[i]->value());
        }
        m_model.ok();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(440);
    refresh();
}

void FineTunePanel::refresh()
{
    m_refreshing = true;
    for (int f = 0; f < M::kFlagCount; ++f)
        mChecks[f]->setChecked(m_model.flag(static_cast<M::Flag>(f)));
    for (int i = 0; i < M::kFieldCount; ++i) {
        auto field = static_cast<M::Field>(i);
        mFields[i]->setValue(m_model.value(field));
        mFields[i]->setEnabled(m_model.fieldEnabled(field));
    }
    m_refreshing = false;
}

}  // namespace qor
