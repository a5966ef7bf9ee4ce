#include "display/ui/SpeedOptionsPanel.h"

#include "shell/Messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

namespace {
QString q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

SpeedOptionsPanel::SpeedOptionsPanel(SpeedOptionsModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Speed Options"));
    auto* layout = new QVBoxLayout(this);

    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(new QLabel(tr("Speed unit:"), this));
    mUnitMenu = new QComboBox(this);
    mUnitMenu->setObjectName("unitMenu");
    mUnitMenu->addItems({tr("Words per minute (WPM)"), tr("Characters per second (CPS)"),
                         tr("Characters per minute (CPM)")});
    unitRow->addWidget(mUnitMenu, 1);
    layout->addLayout(unitRow);

    auto* grid = new QGridLayout;
    const QString titles[3] = {tr("Low limit:"), tr("High limit:"), tr("Target speed:")};
    const char* names[3] = {"lowField", "highField", "targetField"};
    for (int i = 0; i < 3; ++i) {
        auto field = static_cast<SpeedOptionsModel::Field>(i);
        grid->addWidget(new QLabel(titles[i], this), i, 0);
        mFields[i] = new QLineEdit(this);
        mFields[i]->setObjectName(names[i]);
        mFields[i]->setAlignment(Qt::AlignRight);
        mFields[i]->setMaximumWidth(110);
        grid->addWidget(mFields[i], i, 1);
        mUnitLabels[i] = new QLabel(this);
        grid->addWidget(mUnitLabels[i], i, 2);
        mApproxLabels[i] = new QLabel(this);
        mApproxLabels[i]->setObjectName(QString(names[i]) + "Approx");
        mApproxLabels[i]->setMinimumWidth(170);
        grid->addWidget(mApproxLabels[i], i, 3);
        connect(mFields[i], &QLineEdit::textEdited, this, [this, field](const QString& text) {
            m_model.setFieldText(field, text.toStdString());
            refreshHints();
        });
        connect(mFields[i], &QLineEdit::editingFinished, this, [this, field] {
            m_model.fieldLostFocus(field);
            refresh();
        });
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    mDescription = new QLabel(this);
    mDescription->setObjectName("description");
    mDescription->setWordWrap(true);
    mDescription->setMinimumHeight(60);
    mDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(mDescription);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* defaults = buttons->addButton(tr("Set Defaults"), QDialogButtonBox::ResetRole);
    defaults->setObjectName("defaultsButton");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    connect(mUnitMenu, &QComboBox::activated, this, [this](int index) {
        m_model.setUnit(index);
        refresh();
    });
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_model.setDefaults();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &SpeedOptionsPanel::okButton);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(520);
    refresh();
}

void SpeedOptionsPanel::refresh()
{
    mUnitMenu->setCurrentIndex(m_model.unit());
    for (int i = 0; i < 3; ++i) {
        const std::string& text = m_model.fieldText(static_cast<SpeedOptionsModel::Field>(i));
        if (mFields[i]->text().toStdString() != text)
            mFields[i]->setText(QString::fromStdString(text));
        mUnitLabels[i]->setText(q(m_model.unitName()));
    }
    mDescription->setText(
        QString::fromStdString(MessageTables::localizedString(m_model.descriptionKey(), table::kDisplay)));
    refreshHints();
}

void SpeedOptionsPanel::refreshHints()
{
    for (int i = 0; i < 3; ++i)
        mApproxLabels[i]->setText(
            QString::fromStdString(m_model.approxWpmText(static_cast<SpeedOptionsModel::Field>(i))));
}

void SpeedOptionsPanel::okButton()
{
    // The fields may hold text the model has not seen (typed and never
    // left); take it as it stands.
    for (int i = 0; i < 3; ++i)
        m_model.setFieldText(static_cast<SpeedOptionsModel::Field>(i), mFields[i]->text().toStdString());
    bool closes = m_model.ok();
    refresh();
    if (closes)
        accept();
}

}  // namespace qor
