#pragma once
// The rules behind the File and Options menu commands that are more than
// running a panel: how each command hands a document to the material
// entry, the list of recent documents, saving the loaded text, switching
// speech on and off, and the check marks of the paired menu items.

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class CurrentOptions;
class CurrentPrefs;
class NotificationBus;
struct OptionsRecord;

// How a document is handed to the material entry.
struct MaterialRequest {
    std::string path;
    int32_t position = 0;
    bool isStory = false;
    bool isPdf = false;
};

// Open..., the recent-documents menu and a document named when the
// program starts: a story by its suffix, a PDF by the one PDF rule.
MaterialRequest openDocumentRequest(const std::string& path);
// A bookmarked file at its position.
MaterialRequest bookmarkRequest(const std::string& path, int32_t position);

// The reader's recent documents, most recent first, kept in the
// preference "RecentDocuments" (at most kMaxRecent, no duplicates).
inline constexpr int kMaxRecent = 10;
std::vector<std::string> recentDocuments(const CurrentPrefs& prefs);
void addRecentDocument(CurrentPrefs& prefs, const std::string& path);
void clearRecentDocuments(CurrentPrefs& prefs);

// Save As: the loaded text as UTF-8, written atomically. False when the
// bytes are not valid UTF-8 or the file could not be written.
bool saveTextAs(const char* bytes, int32_t size, const std::string& path);

// Text to speech on or off: stores "SpeakingOn" and announces the speed
// unit (3 for speech, else the options' unit), the limits and the speed.
void setSpeaking(bool on, CurrentPrefs& prefs, const OptionsRecord& options, NotificationBus& bus);

// The check marks of the paired items, from the state they stand for.
struct MenuChecks {
    bool speechOn = false;
    bool speechOff = false;
    bool showSlider = false;
    bool hideSlider = false;
    bool showControl = false;
    bool hideControl = false;
};
MenuChecks menuChecks(const CurrentPrefs& prefs, const OptionsRecord& options);

}  // namespace qor
