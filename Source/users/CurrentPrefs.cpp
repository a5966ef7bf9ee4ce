#include "users/CurrentPrefs.h"

#include "base/Files.h"
#include "base/Log.h"
#include "users/QorAdmin.h"

#include <climits>
#include <cmath>

namespace qor {

namespace {

PlistValue I(int64_t v) { return PlistValue::integer(v); }
PlistValue B(bool v) { return PlistValue::boolean(v); }
PlistValue R(double v) { return PlistValue::real(v); }
PlistValue S(const char* v) { return PlistValue::string(v); }

}  // namespace

CurrentPrefs& CurrentPrefs::instance()
{
    static CurrentPrefs prefs(QorAdmin::instance());
    return prefs;
}

CurrentPrefs::CurrentPrefs(QorAdmin& admin) : m_admin(admin)
{
    m_defaults = defaultsTable();
}

void CurrentPrefs::setVoiceDefaults(VoiceDefaults provider)
{
    m_voiceDefaults = std::move(provider);
    m_defaults = defaultsTable();
}

std::vector<PrefDefault> CurrentPrefs::defaultsTable() const
{
    int creator = kDefaultVoiceCreator;
    int voice = kDefaultVoiceID;
    if (m_voiceDefaults)
        m_voiceDefaults(creator, voice);
    using namespace prefkey;
    return {
        {kTipNumber, I(1)},
        {kTipStartup, B(true)},
        {kTooltips, B(true)},
        {kMenuSound, B(true)},
        {kAveTotalWords, I(0)},
        {kAveTotalTime, I(0)},
        {kReadTime, I(0)},
        {kWizardScreen, B(true)},
        {kTabLabel, S("Course Mode")},
        {kLastAdminMode, I(0)},
        {"LastTestSetSavedInEditor", S("")},
        {"LastTestSavedInEditor", S("")},
        {"LastDrillTextInEditor", S("")},
        {"LastDrillSetInEditor", S("")},
        {"LastDrillInEditor", S("")},
        {"LastDrillTextSet", S("")},
        {"LastDrillText", S("")},
        {"LastDrillTextSetForLoading", S("")},
        {"LastDrillTextForLoading", S("")},
        {"LastDrillSet", S("")},
        {"LastDrill", S("")},
        {"LastWarmupDrill", S("")},
        {"LastCompTestSet", S("")},
        {"LastCompTest", S("")},
        {"LastCompTestSetForLoading", S("")},
        {"LastCompTestForLoading", S("")},
        {"LastCustOptSet", S("")},
        {"LastCustOption", S("")},
        {"LastForcedOptionSet", S("")},
        {"LastCourseSet", S("")},
        {"LastCourse", S("")},
        {kCurActivity, I(0)},
        {kLastCompSpeed, I(400)},
        {"ScreenX", I(-1)},
        {"ScreenY", I(-1)},
        {kSpeakingOn, B(false)},
        {kVoiceCreator, I(creator)},
        {kVoiceID, I(voice)},
        {"BackgroundColorR", I(15073)},
        {"BackgroundColorG", I(21626)},
        {"BackgroundColorB", I(22282)},
        {kOverrideRelativeType, B(false)},
        {kOverrideSpeedFactor, R(1.5)},
        {kOverrideForceToChar, B(true)},
        {kOverrideCustomSpeed, I(200)},
        {kOverrideSpeedType, I(0)},
        {kOverrideIgnoreFineTune, B(false)},
        {kForcedSpeedRelativeType, B(false)},
        {kForcedSpeedSpeedFactor, R(1.5)},
        {kForcedSpeedForceToChar, B(true)},
        {kForcedSpeedCustomSpeed, I(200)},
        {kForcedSpeedSpeedType, I(0)},
        {kForcedSpeedIgnoreFineTune, B(false)},
    };
}

void CurrentPrefs::defaultValues()
{
    PlistValue d = PlistValue::dict();
    for (const auto& entry : m_defaults)
        d.set(entry.key, entry.value);
    m_pPrefs = std::move(d);
}

std::string CurrentPrefs::prefsPath() const
{
    return m_path;
}

bool CurrentPrefs::loadPrefsFileForUser(std::string_view user)
{
    m_userName = std::string(user);
    m_bSaveHeld = false;
    m_defaults = defaultsTable();  // the voice default may be known by now
    m_path.clear();
    std::string folder;
    if (!m_admin.getDirectoryPath(folder, user)) {
        logLine("No folder for the preferences of \"" + m_userName + "\"; the defaults are used");
        defaultValues();
        return false;
    }
    m_path = folder + kFileName;
    PlistValue root;
    int rc = readPlistFile(m_path, root);
    if (rc == fs::kNoErr && root.isDict()) {
        m_pPrefs = std::move(root);
        return true;
    }
    if (rc == fs::kNoErr) {
        // A property list, but no dictionary: set it aside like one that
        // does not parse.
        int mv = fs::renamePath(m_path, m_path + ".bad");
        logLine("Preferences " + m_path + " hold no dictionary" +
                (mv == fs::kNoErr ? "; moved aside to " + m_path + ".bad" : "; could not move it aside"));
        rc = mv == fs::kNoErr ? kPlistUnreadable : mv;
    }
    defaultValues();
    if (rc != fs::kFileNotFound && rc != kPlistUnreadable) {
        logLine("Preferences " + m_path + " could not be read (" + std::to_string(rc) +
                "); the defaults are used and the file is left as it is");
        m_bSaveHeld = true;
        return false;
    }
    return savePrefsFile();
}

bool CurrentPrefs::savePrefsFile()
{
    if (m_path.empty() || m_bSaveHeld || !m_pPrefs.isDict())
        return false;
    int rc = writePlistFile(m_path, m_pPrefs);
    if (rc != fs::kNoErr) {
        logLine("Preferences " + m_path + " could not be written (" + std::to_string(rc) + ")");
        return false;
    }
    return true;
}

// --- readers -------------------------------------------------------------------------------

const PlistValue* CurrentPrefs::defaultOf(std::string_view key) const
{
    for (const auto& entry : m_defaults)
        if (entry.key == key)
            return &entry.value;
    return nullptr;
}

const PlistValue* CurrentPrefs::lookup(std::string_view key) const
{
    return m_pPrefs.find(std::string(key));
}

bool CurrentPrefs::hasValue(std::string_view key) const
{
    return lookup(key) != nullptr;
}

std::string CurrentPrefs::stringValue(std::string_view key) const
{
    const PlistValue* def = defaultOf(key);
    std::string fallback = def ? def->toString() : std::string();
    const PlistValue* v = lookup(key);
    if (!v || v->type() != PlistValue::Type::String)
        return fallback;
    return v->toString();
}

int64_t CurrentPrefs::int64Value(std::string_view key) const
{
    const PlistValue* def = defaultOf(key);
    int64_t fallback = def ? def->toInt(0) : 0;
    const PlistValue* v = lookup(key);
    return v ? v->toInt(fallback) : fallback;
}

int CurrentPrefs::intValue(std::string_view key) const
{
    const PlistValue* def = defaultOf(key);
    int64_t fallback = def ? def->toInt(0) : 0;
    const PlistValue* v = lookup(key);
    int64_t n = v ? v->toInt(fallback) : fallback;
    if (n > INT_MAX)
        return INT_MAX;
    if (n < INT_MIN)
        return INT_MIN;
    return static_cast<int>(n);
}

bool CurrentPrefs::boolValue(std::string_view key) const
{
    const PlistValue* def = defaultOf(key);
    bool fallback = def ? def->toBool(false) : false;
    const PlistValue* v = lookup(key);
    return v ? v->toBool(fallback) : fallback;
}

double CurrentPrefs::doubleValue(std::string_view key) const
{
    const PlistValue* def = defaultOf(key);
    double fallback = def ? def->toReal(0.0) : 0.0;
    const PlistValue* v = lookup(key);
    return v ? v->toReal(fallback) : fallback;
}

int CurrentPrefs::speedValue(std::string_view key) const
{
    int v = intValue(key);
    return v < 1 ? 1 : v;
}

double CurrentPrefs::factorValue(std::string_view key) const
{
    double v = doubleValue(key);
    if (std::isfinite(v) && v > 0)
        return v;
    const PlistValue* def = defaultOf(key);
    double d = def ? def->toReal(1.0) : 1.0;
    return d > 0 ? d : 1.0;
}

// --- writers -------------------------------------------------------------------------------

bool CurrentPrefs::set(std::string_view key, PlistValue v)
{
    if (!m_pPrefs.isDict())
        defaultValues();
    m_pPrefs.set(std::string(key), std::move(v));
    return savePrefsFile();
}

bool CurrentPrefs::setStringValue(std::string_view value, std::string_view key)
{
    return set(key, PlistValue::string(std::string(value)));
}

bool CurrentPrefs::setIntValue(int value, std::string_view key)
{
    return set(key, PlistValue::integer(value));
}

bool CurrentPrefs::setInt64Value(int64_t value, std::string_view key)
{
    return set(key, PlistValue::integer(value));
}

std::vector<std::string> CurrentPrefs::stringArrayValue(std::string_view key) const
{
    std::vector<std::string> out;
    const PlistValue* v = lookup(key);
    if (v && v->isArray())
        for (const PlistValue& item : v->items())
            if (item.type() == PlistValue::Type::String)
                out.push_back(item.toString());
    return out;
}

bool CurrentPrefs::setStringArrayValue(const std::vector<std::string>& values, std::string_view key)
{
    PlistValue::Array items;
    for (const std::string& s : values)
        items.push_back(PlistValue::string(s));
    return set(key, PlistValue::array(std::move(items)));
}

bool CurrentPrefs::setInt64Values(std::initializer_list<std::pair<std::string_view, int64_t>> values)
{
    if (!m_pPrefs.isDict())
        defaultValues();
    for (const auto& [key, value] : values)
        m_pPrefs.set(std::string(key), PlistValue::integer(value));
    return savePrefsFile();
}

bool CurrentPrefs::setBOOLValue(bool value, std::string_view key)
{
    return set(key, PlistValue::boolean(value));
}

bool CurrentPrefs::setDoubleValue(double value, std::string_view key)
{
    return set(key, PlistValue::real(value));
}

}  // namespace qor
