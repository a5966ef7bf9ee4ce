#include "controls/ui/TextToSpeechVoicePanel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TextToSpeechVoicePanel::TextToSpeechVoicePanel(TextToSpeechVoiceModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Text-To-Speech Voice"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Voice:"), this));
    mSetNameMenu = new QComboBox(this);
    mSetNameMenu->setObjectName("setNameMenu");
    for (const std::string& item : m_model.items())
        mSetNameMenu->addItem(QString::fromStdString(item));
    row->addWidget(mSetNameMenu, 1);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    QPushButton* reset = buttons->addButton(tr("Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName("resetButton");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    layout->addWidget(buttons);

    connect(mSetNameMenu, &QComboBox::activated, this, [this](int row) {
        m_model.select(row);
        refresh();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        m_model.resetButton();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_model.ok();
        accept();
    });

    setMinimumWidth(360);
    refresh();
}

void TextToSpeechVoicePanel::refresh()
{
    mSetNameMenu->setCurrentIndex(m_model.selected());
}

}  // namespace qor
