#include "controls/KeyMapping.h"

#include "base/Files.h"
#include "base/Log.h"
#include "base/NameRule.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/ObjUtils.h"

#include <limits>

namespace qor {

namespace {

struct FunctionRow {
    const char* keyName;
    std::string_view notification;
    int value;
    bool shift;
    bool control;
};

constexpr std::array<FunctionRow, KeyMapping::kFunctionCount> kFunctions = {{
    {"Hide/Show Top Controls Toggle", note::kToggleSliderView, 2, false, true},
    {"Hide/Show Button Controls Toggle", note::kToggleControlView, 2, true, true},
    {"Faster Speed (one speed bar unit)", note::kFasterSpeedBarUnit, 126, false, false},
    {"Slower Speed (one speed bar unit)", note::kSlowerSpeedBarUnit, 125, false, false},
    {"Faster Speed (one speed unit)", note::kFasterSpeedOneUnit, 126, false, true},
    {"Slower Speed (one speed unit)", note::kSlowerSpeedOneUnit, 125, false, true},
    {"Stop/Play Toggle", note::kToggleStopPlay, 49, false, false},
    {"Page Back", note::kPageBack, 43, true, false},
    {"Page Forward", note::kPageForward, 47, true, false},
    {"Back", note::kWordBack, 123, false, false},
    {"Forward", note::kWordForward, 124, false, false},
    {"Set Bookmark", note::kSetBookMark, 11, false, true},
    {"Go To Bookmark", note::kGotoBookMark, 11, true, true},
    {"Sentence Search", note::kSentenceSearch, 1, false, false},
    {"Burst Repeat", note::kBurstRepeat, 43, false, false},
    {"Burst Forward", note::kBurstForward, 47, false, false},
    {"Manual Forward", note::kManualForward, 124, true, false},
    {"Manual Back", note::kManualBack, 123, true, false},
}};

struct KeyRow {
    const char* description;
    int code;
};

constexpr std::array<KeyRow, KeyMapping::kDescriptionCount> kKeys = {{
    {"A", 0},        {"B", 11},          {"C", 8},           {"D", 2},
    {"E", 14},       {"F", 3},           {"G", 5},           {"H", 4},
    {"I", 34},       {"J", 38},          {"K", 40},          {"L", 37},
    {"M", 46},       {"N", 45},          {"O", 31},          {"P", 35},
    {"Q", 12},       {"R", 15},          {"S", 1},           {"T", 17},
    {"U", 32},       {"V", 9},           {"W", 13},          {"X", 7},
    {"Y", 16},       {"Z", 6},           {"Period", 47},     {"Comma", 43},
    {"SpaceBar", 49}, {"F1", 122},       {"F2", 120},        {"F3", 99},
    {"F4", 118},     {"F5", 96},         {"F6", 97},         {"F7", 98},
    {"F8", 100},     {"Left Arrow", 123}, {"Right Arrow", 124}, {"Down Arrow", 125},
    {"Up Arrow", 126},
}};

bool validIndex(int index) { return index >= 0 && index < KeyMapping::kFunctionCount; }

KeyMapEntry defaultEntry(int index)
{
    const FunctionRow& f = kFunctions[static_cast<size_t>(index)];
    return KeyMapEntry{f.value, f.shift, f.control, false};
}

bool isNumber(const PlistValue* v)
{
    return v && (v->type() == PlistValue::Type::Integer || v->type() == PlistValue::Type::Real ||
                 v->type() == PlistValue::Type::Bool);
}

// A modifier as stored: a number or boolean, non-zero meaning down. A
// missing one is up; anything else makes the stroke unusable.
bool readModifier(const PlistValue* v, bool& out, bool& asBool)
{
    if (!v) {
        out = false;
        return true;
    }
    if (!isNumber(v))
        return false;
    out = v->toReal() != 0.0;
    asBool = asBool || v->type() == PlistValue::Type::Bool;
    return true;
}

// The stroke of one stored entry, when it is usable.
bool readEntry(const PlistValue& item, KeyMapEntry& out)
{
    if (!item.isDict())
        return false;
    const PlistValue* value = item.find("value");
    if (!value || (value->type() != PlistValue::Type::Integer && value->type() != PlistValue::Type::Real))
        return false;
    double code = value->toReal();
    if (!(code >= 0.0 && code <= std::numeric_limits<uint16_t>::max()) || code != static_cast<int>(code))
        return false;
    KeyMapEntry e;
    e.value = static_cast<int>(code);
    if (!readModifier(item.find("shift"), e.shift, e.storedAsBooleans) ||
        !readModifier(item.find("control"), e.control, e.storedAsBooleans))
        return false;
    out = e;
    return true;
}

}  // namespace

KeyMapping& KeyMapping::instance()
{
    static KeyMapping map(NotificationBus::instance(),
                          [] { return fs::joinPath(ObjUtils::externalPath(), "Users"); });
    return map;
}

KeyMapping::KeyMapping(NotificationBus& bus, UsersFolderSource usersFolder)
    : m_bus(bus), m_usersFolder(std::move(usersFolder))
{
}

std::array<KeyMapEntry, KeyMapping::kFunctionCount> KeyMapping::defaultMap()
{
    std::array<KeyMapEntry, kFunctionCount> map;
    for (int i = 0; i < kFunctionCount; ++i)
        map[static_cast<size_t>(i)] = defaultEntry(i);
    return map;
}

PlistValue KeyMapping::toPlist(const std::array<KeyMapEntry, kFunctionCount>& map)
{
    PlistValue entries = PlistValue::array();
    for (int i = 0; i < kFunctionCount; ++i) {
        const KeyMapEntry& e = map[static_cast<size_t>(i)];
        PlistValue d = PlistValue::dict();
        d.set("KeyName", PlistValue::string(functionByIndex(i)));
        d.set("value", PlistValue::integer(e.value));
        d.set("shift", e.storedAsBooleans ? PlistValue::boolean(e.shift) : PlistValue::integer(e.shift ? 1 : 0));
        d.set("control",
              e.storedAsBooleans ? PlistValue::boolean(e.control) : PlistValue::integer(e.control ? 1 : 0));
        d.set("notification", PlistValue::string(notificationByIndex(i)));
        entries.append(std::move(d));
    }
    PlistValue top = PlistValue::dict();
    top.set(kTopKey, std::move(entries));
    return top;
}

std::array<KeyMapEntry, KeyMapping::kFunctionCount> KeyMapping::fromPlist(const PlistValue& file, int* repaired)
{
    std::array<KeyMapEntry, kFunctionCount> map = defaultMap();
    int bad = 0;
    const PlistValue* list = file.find(kTopKey);
    const PlistValue::Array empty;
    const PlistValue::Array& items = (list && list->isArray()) ? list->items() : empty;
    for (int i = 0; i < kFunctionCount; ++i) {
        KeyMapEntry e;
        if (static_cast<size_t>(i) < items.size() && readEntry(items[static_cast<size_t>(i)], e))
            map[static_cast<size_t>(i)] = e;
        else
            ++bad;
    }
    if (repaired)
        *repaired = bad;
    return map;
}

std::string KeyMapping::prefsFilePath() const
{
    if (m_userName.empty() || !isValidName(m_userName) || !m_usersFolder)
        return {};
    std::string users = m_usersFolder();
    if (users.empty())
        return {};
    return fs::joinPath(fs::joinPath(users, m_userName), kFileName);
}

bool KeyMapping::loadPrefsFileForUser(std::string_view user)
{
    m_userName = std::string(user);
    m_keyArray = defaultMap();
    m_bWritable = false;
    std::string path = prefsFilePath();
    if (path.empty())
        return false;

    PlistValue file;
    int rc = readPlistFile(path, file);
    if (rc == fs::kNoErr) {
        m_bWritable = true;
        const PlistValue* list = file.find(kTopKey);
        if (!list || !list->isArray()) {
            logLine("Key map " + path + " holds no key list; the default keys are used");
            return savePrefs();
        }
        int repaired = 0;
        m_keyArray = fromPlist(file, &repaired);
        if (repaired > 0 || list->items().size() != kFunctionCount)
            logLine("Key map " + path + ": " + std::to_string(list->items().size()) + " entries stored, " +
                    std::to_string(repaired) + " given their default keys");
        return true;
    }
    if (rc == fs::kFileNotFound || rc == kPlistUnreadable) {
        m_bWritable = true;
        return savePrefs();
    }
    logLine("Key map " + path + " could not be read (" + std::to_string(rc) + "); the default keys are used");
    return false;
}

bool KeyMapping::savePrefs()
{
    std::string path = prefsFilePath();
    if (path.empty() || !m_bWritable)
        return false;
    return writePlistFile(path, toPlist(m_keyArray)) == fs::kNoErr;
}

bool KeyMapping::defaultValues()
{
    m_keyArray = defaultMap();
    // The reader chose to replace whatever the file held.
    m_bWritable = true;
    return savePrefs();
}

std::string KeyMapping::notificationFromKey(int keyCode, bool shift, bool control) const
{
    for (int i = 0; i < kFunctionCount; ++i) {
        const KeyMapEntry& e = m_keyArray[static_cast<size_t>(i)];
        if (e.value == keyCode && e.shift == shift && e.control == control)
            return notificationByIndex(i);
    }
    return {};
}

bool KeyMapping::keyPressed(int keyCode, bool shift, bool control)
{
    std::string name = notificationFromKey(keyCode, shift, control);
    if (name.empty())
        return false;
    m_bus.post(name);
    return true;
}

bool KeyMapping::isDuplicateAtIndex(int index, int keyCode, bool shift, bool control) const
{
    for (int i = 0; i < kFunctionCount; ++i) {
        if (i == index)
            continue;
        const KeyMapEntry& e = m_keyArray[static_cast<size_t>(i)];
        if (e.value == keyCode && e.shift == shift && e.control == control)
            return true;
    }
    return false;
}

bool KeyMapping::setKey(int keyCode, bool shift, bool control, int index)
{
    if (!validIndex(index) || keyCode < 0 || keyCode > std::numeric_limits<uint16_t>::max())
        return false;
    m_keyArray[static_cast<size_t>(index)] = KeyMapEntry{keyCode, shift, control, true};
    return savePrefs();
}

std::string KeyMapping::functionByIndex(int index)
{
    return validIndex(index) ? kFunctions[static_cast<size_t>(index)].keyName : "";
}

std::string KeyMapping::notificationByIndex(int index)
{
    return validIndex(index) ? std::string(kFunctions[static_cast<size_t>(index)].notification) : "";
}

int KeyMapping::valueByIndex(int index) { return validIndex(index) ? kFunctions[static_cast<size_t>(index)].value : -1; }
bool KeyMapping::shiftByIndex(int index) { return validIndex(index) && kFunctions[static_cast<size_t>(index)].shift; }
bool KeyMapping::controlByIndex(int index)
{
    return validIndex(index) && kFunctions[static_cast<size_t>(index)].control;
}

std::string KeyMapping::descriptionByIndex(int row)
{
    return row >= 0 && row < kDescriptionCount ? kKeys[static_cast<size_t>(row)].description : "";
}

int KeyMapping::keyValueFromIndex(int row)
{
    return row >= 0 && row < kDescriptionCount ? kKeys[static_cast<size_t>(row)].code : -1;
}

int KeyMapping::indexFromKeyValue(int keyCode)
{
    for (int row = 0; row < kDescriptionCount; ++row)
        if (kKeys[static_cast<size_t>(row)].code == keyCode)
            return row;
    return 0;
}

KeyMapEntry KeyMapping::dictAtIndex(int index) const
{
    return validIndex(index) ? m_keyArray[static_cast<size_t>(index)] : KeyMapEntry{};
}

std::string KeyMapping::keyStrokeByIndex(int index) const
{
    if (!validIndex(index))
        return {};
    const KeyMapEntry& e = m_keyArray[static_cast<size_t>(index)];
    std::string s;
    if (e.shift)
        s += "Shift ";
    if (e.control)
        s += "Control ";
    return s + descriptionByIndex(indexFromKeyValue(e.value));
}

}  // namespace qor
