#pragma once
// The fine-tune dialog's rules: seven delay flags, six delays in
// milliseconds and the long-word length; each flag enables its own fields.

#include "display/OptionsRecord.h"

#include <array>

namespace qor {

class CurrentOptions;
class NotificationBus;

class FineTuneModel {
public:
    enum Flag {
        kFixed = 0,
        kLongWord,
        kSentence,
        kPunctuation,
        kBeginningOfLine,
        kBeginningOfPage,
        kMinimum,
        kFlagCount
    };
    enum Field {
        kLongWordDelay = 0,
        kWordLength,
        kSentenceDelay,
        kPunctuationDelay,
        kBeginningOfLineDelay,
        kBeginningOfPageDelay,
        kMinimumDelay,
        kFieldCount
    };

    FineTuneModel(CurrentOptions& options, NotificationBus& bus);

    // Takes flags and values from the current options (pulled into range).
    void initialize();

    bool flag(Flag f) const { return m_flags[f]; }
    void setFlag(Flag f, bool on) { m_flags[f] = on; }
    // The flag whose check box enables a field.
    static Flag flagOfField(Field field);
    bool fieldEnabled(Field field) const { return m_flags[flagOfField(field)]; }

    int value(Field field) const { return m_values[field]; }
    // Pulled to the nearest end: delays 100..32000, word length 5..80.
    void setValue(Field field, long long v);
    static int minValue(Field field);
    static int maxValue(Field field);

    bool anyFlagOn() const;

    // OK: the record takes all flags and values and is saved, then
    // "OptionsUpdateNotification" and "FineTuneOnNotification" (YES when
    // any flag is on) are posted.
    void ok();

private:
    CurrentOptions& m_options;
    NotificationBus& m_bus;
    std::array<bool, kFlagCount> m_flags{};
    std::array<int, kFieldCount> m_values{};
};

}  // namespace qor
