#include "controls/TextToSpeechSpeedModel.h"

#include "controls/TTS.h"
#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <algorithm>

namespace qor {

TextToSpeechSpeedModel::TextToSpeechSpeedModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void TextToSpeechSpeedModel::initialize()
{
    sliderUpdate(m_options.options().speechSpeed);
}

void TextToSpeechSpeedModel::sliderUpdate(int value)
{
    m_value = std::clamp(value, kMinSpeechSpeedStep, kMaxSpeechSpeedStep);
}

void TextToSpeechSpeedModel::setDefaults()
{
    m_value = kDefaultSpeechSpeed;
}

void TextToSpeechSpeedModel::ok()
{
    OptionsRecord rec = m_options.options();
    rec.speechSpeed = m_value;
    int status = m_options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kUpdateTargetSpeed);
}

}  // namespace qor
