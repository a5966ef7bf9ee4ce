#include "display/FineTuneModel.h"

#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <algorithm>

namespace qor {

FineTuneModel::FineTuneModel(CurrentOptions& options, NotificationBus& bus)
    : m_options(options), m_bus(bus)
{
}

void FineTuneModel::initialize()
{
    const DelayOptions d = m_options.options().delay;
    m_flags = {d.bFixed != 0, d.bLongWordDelay != 0, d.bSentenceDelay != 0, d.bPuctuationDelay != 0,
               d.bBeginningOfLineDelay != 0, d.bBeginningOfPageDelay != 0, d.bMinimumDelay != 0};
    const int32_t values[kFieldCount] = {d.longWordDelay,        d.wordLength,
                                         d.sentenceDelay,        d.punctuationDelay,
                                         d.beginningOfLineDelay, d.beginningOfPageDelay,
                                         d.minimumDelay};
    for (int f = 0; f < kFieldCount; ++f)
        setValue(static_cast<Field>(f), values[f]);
}

FineTuneModel::Flag FineTuneModel::flagOfField(Field field)
{
    switch (field) {
    case kLongWordDelay:
    case kWordLength: return kLongWord;
    case kSentenceDelay: return kSentence;
    case kPunctuationDelay: return kPunctuation;
    case kBeginningOfLineDelay: return kBeginningOfLine;
    case kBeginningOfPageDelay: return kBeginningOfPage;
    case kMinimumDelay:
    case kFieldCount: break;
    }
    return kMinimum;
}

int FineTuneModel::minValue(Field field)
{
    return field == kWordLength ? kMinWordLength : kMinDelay;
}

int FineTuneModel::maxValue(Field field)
{
    return field == kWordLength ? kMaxWordLength : kMaxDelay;
}

void FineTuneModel::setValue(Field field, long long v)
{
    m_values[field] = static_cast<int>(std::clamp<long long>(v, minValue(field), maxValue(field)));
}

bool FineTuneModel::anyFlagOn() const
{
    return std::any_of(m_flags.begin(), m_flags.end(), [](bool b) { return b; });
}

void FineTuneModel::ok()
{
    OptionsRecord rec = m_options.options();
    DelayOptions& d = rec.delay;
    auto b = [this](Flag f) { return static_cast<uint8_t>(m_flags[f] ? 1 : 0); };
    d.bFixed = b(kFixed);
    d.bLongWordDelay = b(kLongWord);
    d.bSentenceDelay = b(kSentence);
    d.bPuctuationDelay = b(kPunctuation);
    d.bBeginningOfLineDelay = b(kBeginningOfLine);
    d.bBeginningOfPageDelay = b(kBeginningOfPage);
    d.bMinimumDelay = b(kMinimum);
    d.longWordDelay = m_values[kLongWordDelay];
    d.wordLength = m_values[kWordLength];
    d.sentenceDelay = m_values[kSentenceDelay];
    d.punctuationDelay = m_values[kPunctuationDelay];
    d.beginningOfLineDelay = m_values[kBeginningOfLineDelay];
    d.beginningOfPageDelay = m_values[kBeginningOfPageDelay];
    d.minimumDelay = m_values[kMinimumDelay];
    int status = m_options.setOptions(rec);
    if (status != 0)
        alertOptionsNotSaved(status);
    m_bus.post(note::kOptionsUpdate);
    m_bus.post(note::kFineTuneOn, anyFlagOn());
}

}  // namespace qor
