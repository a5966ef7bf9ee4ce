#pragma once
// The key map: which key stroke (a key code, with or without Shift and
// Control) gives which of the eighteen reader functions, each of which is
// a notification on the bus.
//
// Key codes are the virtual key codes of a US (ANSI) keyboard as the key
// table lists them; they are what "keyPrefs" stores, whatever keyboard the
// platform reports (see ui/KeyCodes.h for the translation).
//
// The map always holds eighteen entries in function-table order. A stored
// map is taken entry by entry: the function's name and notification always
// come from the function table, a stored key stroke is taken only when its
// key code is a number, and every entry that is missing or unusable gets
// the function's default key.

#include "base/PropertyList.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace qor {

class NotificationBus;

struct KeyMapEntry {
    int value = 0;           // key code
    bool shift = false;
    bool control = false;
    // Shift and Control are stored as booleans (an entry set in the key
    // dialog) rather than as the integers 0 and 1 of the defaults.
    bool storedAsBooleans = false;
    bool operator==(const KeyMapEntry&) const = default;
};

class KeyMapping {
public:
    static constexpr int kFunctionCount = 18;
    static constexpr int kDescriptionCount = 41;
    static constexpr const char* kFileName = "keyPrefs";
    static constexpr const char* kTopKey = "KeyMapping";

    // The process-wide map, over the external folder's "Users" and the
    // process-wide bus.
    static KeyMapping& instance();

    using UsersFolderSource = std::function<std::string()>;
    // A map of its own (tests): the folder that holds the readers' folders.
    KeyMapping(NotificationBus& bus, UsersFolderSource usersFolder);
    KeyMapping(const KeyMapping&) = delete;
    KeyMapping& operator=(const KeyMapping&) = delete;

    // Remembers the reader and reads their "keyPrefs". A missing file or
    // one that does not parse (it is then moved aside) gives the defaults,
    // which are written at once. A file that exists but cannot be read
    // gives the defaults and is left alone. False when the map in memory
    // is not the one on disk.
    bool loadPrefsFileForUser(std::string_view user);
    // Writes { "KeyMapping": map } atomically; false when it could not
    // (also without a valid reader).
    bool savePrefs();
    // The default map, saved; false when it could not be saved.
    bool defaultValues();

    // A key press: posts the notification of the first entry whose key
    // stroke equals this one exactly, with no object, and answers true;
    // false when none matches (the press is then not consumed).
    bool keyPressed(int keyCode, bool shift, bool control);
    // The notification of that first entry, or "" when none matches.
    std::string notificationFromKey(int keyCode, bool shift, bool control) const;
    // True when an entry other than the one at the index has this stroke.
    bool isDuplicateAtIndex(int index, int keyCode, bool shift, bool control) const;
    // Gives the function at the index this stroke (stored with booleans),
    // then saves. False for an index outside the table or a failed save;
    // the new stroke is in force either way once the index is valid.
    bool setKey(int keyCode, bool shift, bool control, int index);

    // The function table.
    static int functionCount() { return kFunctionCount; }
    static std::string functionByIndex(int index);      // "KeyName"; "" outside
    static std::string notificationByIndex(int index);  // "" outside
    static int valueByIndex(int index);                 // default key code; -1 outside
    static bool shiftByIndex(int index);
    static bool controlByIndex(int index);

    // The key table: rows of the key dialog.
    static int descriptionCount() { return kDescriptionCount; }
    static std::string descriptionByIndex(int row);  // "" outside
    static int keyValueFromIndex(int row);           // key code; -1 outside
    // The first row with that code; 0 ("A") when the code is not listed.
    static int indexFromKeyValue(int keyCode);

    // The entry of a function (an empty entry outside the table).
    KeyMapEntry dictAtIndex(int index) const;
    // "Shift " and "Control " as set, then the key's description.
    std::string keyStrokeByIndex(int index) const;

    const std::string& userName() const { return m_userName; }
    // The file of the reader loaded; "" without a valid reader.
    std::string prefsFilePath() const;

    // The stored form of a map, and the map a stored form gives (entry by
    // entry as described at the top). `repaired` counts the entries that
    // were missing or unusable.
    static PlistValue toPlist(const std::array<KeyMapEntry, kFunctionCount>& map);
    static std::array<KeyMapEntry, kFunctionCount> fromPlist(const PlistValue& file, int* repaired);
    static std::array<KeyMapEntry, kFunctionCount> defaultMap();

private:
    NotificationBus& m_bus;
    UsersFolderSource m_usersFolder;
    std::array<KeyMapEntry, kFunctionCount> m_keyArray = defaultMap();
    std::string m_userName;
    bool m_bWritable = false;  // false while the file on disk could not be read
};

}  // namespace qor
