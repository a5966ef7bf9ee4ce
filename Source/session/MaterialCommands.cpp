#include "session/MaterialCommands.h"

#include "base/Encoding.h"
#include "base/Files.h"
#include "controls/BookmarkDialogs.h"
#include "display/OptionsRecord.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "text/PdfReader.h"
#include "users/CurrentPrefs.h"

#include <algorithm>

namespace qor {

namespace {

constexpr const char* kRecentKey = "RecentDocuments";

}  // namespace

MaterialRequest openDocumentRequest(const std::string& path)
{
    MaterialRequest r;
    r.path = path;
    r.isStory = isStoryPath(path);
    r.isPdf = !r.isStory && isPdfDocument(path);
    return r;
}

MaterialRequest bookmarkRequest(const std::string& path, int32_t position)
{
    // A bookmark's position is a byte offset into the text as it was read
    // when the bookmark was set: a PDF is read through its text layer again.
    MaterialRequest r = openDocumentRequest(path);
    r.position = std::max<int32_t>(0, position);
    return r;
}

std::vector<std::string> recentDocuments(const CurrentPrefs& prefs)
{
    std::vector<std::string> list = prefs.stringArrayValue(kRecentKey);
    if (list.size() > static_cast<size_t>(kMaxRecent))
        list.resize(kMaxRecent);
    return list;
}

void addRecentDocument(CurrentPrefs& prefs, const std::string& path)
{
    std::vector<std::string> list = recentDocuments(prefs);
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    list.insert(list.begin(), path);
    if (list.size() > static_cast<size_t>(kMaxRecent))
        list.resize(kMaxRecent);
    prefs.setStringArrayValue(list, kRecentKey);
}

void clearRecentDocuments(CurrentPrefs& prefs) { prefs.setStringArrayValue({}, kRecentKey); }

bool saveTextAs(const char* bytes, int32_t size, const std::string& path)
{
    if (!bytes || size < 0 || path.empty())
        return false;
    // The copy ends at the first zero byte, as a terminated string would.
    std::string_view text(bytes, static_cast<size_t>(size));
    if (size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (!isValidUtf8(text))
        return false;
    return fs::writeFileAtomic(path, text) == fs::kNoErr;
}

void setSpeaking(bool on, CurrentPrefs& prefs, const OptionsRecord& options, NotificationBus& bus)
{
    if (prefs.boolValue(prefkey::kSpeakingOn) != on || !prefs.hasValue(prefkey::kSpeakingOn))
        prefs.setBOOLValue(on, prefkey::kSpeakingOn);
    bus.post(note::kTargetSpeedUnit, on ? kBusUnitSpeech : static_cast<int>(options.unit));
    bus.post(note::kTargetSpeedLimits);
    bus.post(note::kUpdateTargetSpeed);
}

MenuChecks menuChecks(const CurrentPrefs& prefs, const OptionsRecord& options)
{
    MenuChecks c;
    c.speechOn = prefs.boolValue(prefkey::kSpeakingOn);
    c.speechOff = !c.speechOn;
    c.hideSlider = options.hideProgress != 0;
    c.showSlider = !c.hideSlider;
    c.hideControl = options.hideControls != 0;
    c.showControl = !c.hideControl;
    return c;
}

}  // namespace qor
