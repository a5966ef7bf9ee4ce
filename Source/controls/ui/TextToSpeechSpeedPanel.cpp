#include "controls/ui/TextToSpeechSpeedPanel.h"

#include "controls/TTS.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace qor {

TextToSpeechSpeedPanel::TextToSpeechSpeedPanel(TextToSpeechSpeedModel& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setWindowTitle(tr("Text-To-Speech Speed"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Speech speed:"), this));

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Slower"), this));
    mSpeechSpeedSlider = new QSlider(Qt::Horizontal, this);
    mSpeechSpeedSlider->setObjectName("speechSpeedSlider");
    mSpeechSpeedSlider->setRange(kMinSpeechSpeedStep, kMaxSpeechSpeedStep);
    mSpeechSpeedSlider->setTickPosition(QSlider::TicksBelow);
    mSpeechSpeedSlider->setTickInterval(1);
    mSpeechSpeedSlider->setPageStep(1);
    row->addWidget(mSpeechSpeedSlider, 1);
    row->addWidget(new QLabel(tr("Faster"), this));
    mSpeechSpeedTxt = new QLabel(this);
    mSpeechSpeedTxt->setObjectName("speechSpeedTxt");
    mSpeechSpeedTxt->setMinimumWidth(30);
    mSpeechSpeedTxt->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(mSpeechSpeedTxt);
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* defaults = buttons->addButton(tr("Set Defaults"), QDialogButtonBox::ResetRole);
    defaults->setObjectName("defaultsButton");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    layout->addWidget(buttons);

    connect(mSpeechSpeedSlider, &QSlider::valueChanged, this, [this](int v) {
        m_model.sliderUpdate(v);
        refresh();
    });
    connect(defaults, &QPushButton::clicked, this, [this] {
        m_model.setDefaults();
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        m_model.ok();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    setMinimumWidth(380);
    refresh();
}

void TextToSpeechSpeedPanel::refresh()
{
    if (mSpeechSpeedSlider->value() != m_model.value())
        mSpeechSpeedSlider->setValue(m_model.value());
    mSpeechSpeedTxt->setText(QString::fromStdString(m_model.figure()));
}

}  // namespace qor
