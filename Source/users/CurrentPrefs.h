#pragma once
// The current reader's preferences: the property list "prefs" in the
// reader's folder, one dictionary of integers, booleans, reals and
// strings. Every change rewrites the whole file atomically, so nothing is
// lost when the application ends abnormally.
//
// A key the file lacks reads as its default from the table below, never as
// 0: a missing speed or factor must not turn into a speed of 0. When the
// file cannot be written the values stay in memory and the reader keeps
// working; a file that does not parse is moved aside to "prefs.bad".

#include "base/PropertyList.h"

#include <functional>
#include <initializer_list>
#include <utility>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class QorAdmin;

namespace prefkey {
inline constexpr const char* kTipNumber = "TipNumber";
inline constexpr const char* kTipStartup = "TipStartup";
inline constexpr const char* kTooltips = "Tooltips";
inline constexpr const char* kMenuSound = "MenuSound";
inline constexpr const char* kAveTotalWords = "AveTotalWords";
inline constexpr const char* kAveTotalTime = "AveTotalTime";
inline constexpr const char* kReadTime = "ReadTime";
inline constexpr const char* kWizardScreen = "WizardScreen";
inline constexpr const char* kTabLabel = "TabLabel";
inline constexpr const char* kLastAdminMode = "LastAdminMode";
inline constexpr const char* kLastCompSpeed = "LastCompSpeed";
inline constexpr const char* kCurActivity = "CurActivity";
inline constexpr const char* kSpeakingOn = "SpeakingOn";
inline constexpr const char* kVoiceCreator = "VoiceCreator";
inline constexpr const char* kVoiceID = "VoiceID";
inline constexpr const char* kOverrideRelativeType = "OverrideRelativeType";
inline constexpr const char* kOverrideSpeedFactor = "OverrideSpeedFactor";
inline constexpr const char* kOverrideForceToChar = "OverrideForceToChar";
inline constexpr const char* kOverrideCustomSpeed = "OverrideCustomSpeed";
inline constexpr const char* kOverrideSpeedType = "OverrideSpeedType";
inline constexpr const char* kOverrideIgnoreFineTune = "OverrideIgnoreFineTune";
inline constexpr const char* kForcedSpeedRelativeType = "ForcedSpeedRelativeType";
inline constexpr const char* kForcedSpeedSpeedFactor = "ForcedSpeedSpeedFactor";
inline constexpr const char* kForcedSpeedForceToChar = "ForcedSpeedForceToChar";
inline constexpr const char* kForcedSpeedCustomSpeed = "ForcedSpeedCustomSpeed";
inline constexpr const char* kForcedSpeedSpeedType = "ForcedSpeedSpeedType";
inline constexpr const char* kForcedSpeedIgnoreFineTune = "ForcedSpeedIgnoreFineTune";
}  // namespace prefkey

struct PrefDefault {
    std::string key;
    PlistValue value;
};

class CurrentPrefs {
public:
    static constexpr const char* kFileName = "prefs";
    static constexpr int kDefaultVoiceCreator = 1835364215;
    static constexpr int kDefaultVoiceID = 201;

    // The process-wide preferences over the process-wide user store.
    static CurrentPrefs& instance();
    // Preferences of the readers of a user store (not owned).
    explicit CurrentPrefs(QorAdmin& admin);

    // Loads the reader's "prefs". When there is none, or it does not parse
    // (it is then moved aside), the defaults are written. When it exists
    // but cannot be read, the defaults are used and the file is left
    // alone: nothing is written over it. False when the values in memory
    // are not backed by the file.
    bool loadPrefsFileForUser(std::string_view user);
    // Writes the whole dictionary atomically (0666). False when it could
    // not, or when writing is held back because the file could not be read.
    bool savePrefsFile();
    // The dictionary becomes the table's defaults.
    void defaultValues();

    // Readers: a key the dictionary lacks (or holds with another type)
    // reads as its default; a key the table does not know reads as "", 0,
    // false or 0.0.
    std::string stringValue(std::string_view key) const;
    int intValue(std::string_view key) const;
    // The whole stored integer (running totals that outgrow an int).
    int64_t int64Value(std::string_view key) const;
    bool boolValue(std::string_view key) const;
    double doubleValue(std::string_view key) const;
    bool hasValue(std::string_view key) const;
    // A speed is at least 1; a factor is a finite number above 0, else its
    // default.
    int speedValue(std::string_view key) const;
    double factorValue(std::string_view key) const;

    // Writers: set the value in memory, then save. False when the save failed
    // (the value is kept in memory all the same).
    bool setStringValue(std::string_view value, std::string_view key);
    bool setIntValue(int value, std::string_view key);
    bool setInt64Value(int64_t value, std::string_view key);
    // A list of strings (a missing key, or another type, reads as empty).
    std::vector<std::string> stringArrayValue(std::string_view key) const;
    bool setStringArrayValue(const std::vector<std::string>& values, std::string_view key);
    // Several integers with one save.
    bool setInt64Values(std::initializer_list<std::pair<std::string_view, int64_t>> values);
    bool setBOOLValue(bool value, std::string_view key);
    bool setDoubleValue(double value, std::string_view key);

    const std::string& userName() const { return m_userName; }
    std::string prefsPath() const;
    const PlistValue& dictionary() const { return m_pPrefs; }

    // The speech engine's default voice; until one is installed the
    // defaults are the creator and number above.
    using VoiceDefaults = std::function<void(int& creator, int& id)>;
    void setVoiceDefaults(VoiceDefaults provider);

    // The keys with their defaults, in the order they are written.
    std::vector<PrefDefault> defaultsTable() const;

private:
    const PlistValue* lookup(std::string_view key) const;
    const PlistValue* defaultOf(std::string_view key) const;
    bool set(std::string_view key, PlistValue v);

    QorAdmin& m_admin;
    PlistValue m_pPrefs;  // Null before the first logon
    std::string m_userName;
    std::string m_path;
    bool m_bSaveHeld = false;  // the file exists but could not be read
    std::vector<PrefDefault> m_defaults;
    VoiceDefaults m_voiceDefaults;
};

}  // namespace qor
