#pragma once
// The site's settings, shared by every reader of the installation: the
// requirements a test result must meet to count toward a reader's base
// reading speed, and the miscellaneous switches (logon, lockouts, course
// rules, the font of stories and quizzes). Both live in the property list
// "globalConfig" directly in the external folder.

#include "base/PropertyList.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

// The base-reading-speed requirements. The same layout is stored as 68
// bytes by the score filter, so the byte codec lives here too.
struct BrsRequirements {
    uint32_t bExcludeRepeatCancelled = 1;
    uint32_t bExcludeLowSpeed = 1;
    uint32_t bExcludeHighSpeed = 1;
    uint32_t bRequirePercent = 1;
    uint32_t lowSpeed = 20;
    uint32_t highSpeed = 1500;
    uint32_t requiredPercent = 75;
    std::array<uint32_t, 10> reserved{};

    static constexpr size_t kSize = 68;
    // Little-endian, the seven values then 40 reserved bytes (written 0).
    std::string encode() const;
    // False when fewer than 68 bytes are given (out then holds what fitted).
    static bool decode(std::string_view bytes, BrsRequirements& out);

    bool operator==(const BrsRequirements&) const = default;
};

struct MiscOptions {
    uint32_t lockoutCompStories = 1;
    uint32_t lockoutWizardScreen = 1;
    uint32_t allowManualOverride = 1;
    uint32_t forceUsersToLogon = 1;
    uint32_t addUserFromLogonScreen = 1;
    uint32_t lockoutMenuMode = 0;
    uint32_t lockoutExpertMode = 0;
    uint32_t forceCourseInOrder = 1;
    uint32_t forceCourseCompletion = 0;
    int32_t fontSize = 18;
    uint32_t hideBackToQuizButton = 0;
    std::array<uint32_t, 2> reserved{};
    // UTF-8; its stored field holds 63 Mac OS Roman bytes (fitFontName).
    std::string fontName = "ArialMT";

    static constexpr size_t kFontNameField = 64;
    static constexpr int32_t kDefaultFontSize = 18;

    bool operator==(const MiscOptions&) const = default;
};

// The property-list keys, spelled as the stored files have them.
namespace sitekey {
inline constexpr const char* kExcludeRepeatCancelled = "ExcludeRepeateCancelledKey";
inline constexpr const char* kExcludeLowSpeed = "ExcludeLowSpeedKey";
inline constexpr const char* kExcludeHighSpeed = "ExcludeHighSpeedKey";
inline constexpr const char* kRequirePercent = "RequiredPercentKey";
inline constexpr const char* kLowSpeed = "LowSpeedKey";
inline constexpr const char* kHighSpeed = "HighSpeedKey";
inline constexpr const char* kRequiredPercent = "RequiredPercentValueKey";
inline constexpr const char* kLockoutCompStories = "LockoutCompStoriesKey";
inline constexpr const char* kLockoutWizardScreen = "LockoutWizardScreenKey";
inline constexpr const char* kAllowManualOverride = "AllowManualOverrideKey";
inline constexpr const char* kForceUsersToLogon = "ForceUsersToLogonKey";
inline constexpr const char* kAddUserFromLogonScreen = "AddUserFromLogonScreenKey";
inline constexpr const char* kLockoutMenuMode = "LockoutMenuModeKey";
inline constexpr const char* kLockoutExpertMode = "LockoutExpertModeKey";
inline constexpr const char* kForceCourseInOrder = "ForceCourseInOrderKey";
inline constexpr const char* kForceCourseCompletion = "ForceCourseCompletionKey";
inline constexpr const char* kFontSize = "FontSizeKey";
inline constexpr const char* kHideBackToQuizButton = "HideBackToQuizButton";
inline constexpr const char* kFontName = "FontNameKey";
}  // namespace sitekey

class GlobalOptions {
public:
    static constexpr const char* kFileName = "globalConfig";

    // What the last load found.
    enum class LoadResult {
        Read,        // the file was read
        Created,     // there was none: the defaults were written
        NotCreated,  // there was none and it could not be written: defaults in memory
        Unparsable,  // it did not parse: moved aside, defaults in memory, nothing written
        Unreadable,  // it could not be read: defaults in memory, left as it is
    };

    // The process-wide settings of the external folder (ObjUtils).
    static GlobalOptions& instance();

    // Settings of the external folder ObjUtils names, at each use.
    GlobalOptions();
    // Settings of a given external folder, for a given edition.
    explicit GlobalOptions(std::string externalFolder, int edition);

    // Copies of the records; the file is loaded on the first request. In
    // the single-user edition the miscellaneous record first has the
    // launcher and page lockouts cleared and manual override allowed.
    void getBRSValues(BrsRequirements& out);
    void getMiscValues(MiscOptions& out);
    BrsRequirements brsValues();
    MiscOptions miscValues();

    // Store one record (reserved parts cleared) and write the file. The
    // file is read again first, so a change that another process made to
    // the other record is kept. False when the file could not be written.
    bool saveBRSValues(const BrsRequirements& values);
    bool saveMiscValues(const MiscOptions& values);

    static BrsRequirements getBRSDefaults() { return {}; }
    static MiscOptions getMiscDefaults() { return {}; }

    // Reads the file; a missing key reads as 0 (an empty font name). Only
    // when there is no file at all is it created with the defaults: a file
    // that exists but cannot be read is never replaced by the defaults.
    LoadResult loadOptionsPlist();
    // Writes every key, atomically.
    bool saveOptionsPlist();
    bool fileLoaded() const { return m_bFileLoaded; }

    std::string configPath() const;
    int edition() const { return m_edition; }

    // The dictionary of the file for two records, and back.
    static PlistValue toPlist(const BrsRequirements& brs, const MiscOptions& misc);
    static void fromPlist(const PlistValue& root, BrsRequirements& brs, MiscOptions& misc);

    // The font size to use: a stored size of 0 or less means the default 18.
    static int effectiveFontSize(const MiscOptions& misc);
    // A font name cut so that its stored form fits 63 bytes.
    static std::string fitFontName(std::string_view utf8);

private:
    // Takes one half of the stored file (the requirements or the
    // miscellaneous values) into memory before the other is saved.
    void takeStoredHalf(bool brsHalf);
    int readFile(BrsRequirements& brs, MiscOptions& misc) const;
    void ensureLoaded();
    std::string externalFolder() const;

    std::string m_external;  // empty: ask ObjUtils
    int m_edition;
    BrsRequirements m_brs;
    MiscOptions m_misc;
    bool m_bFileLoaded = false;
};

}  // namespace qor
