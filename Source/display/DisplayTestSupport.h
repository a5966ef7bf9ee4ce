#pragma once
// Helpers of the display tests: a reader's folder with a holder of the
// options, a bus with a log of what was posted, and recorded alerts.

#include "base/Files.h"
#include "base/TempFolder.h"
#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"

#include <string>
#include <vector>

namespace qor::testing {

// Logs every post of the given names as "Name" or "Name(payload)".
class BusLog {
public:
    BusLog(NotificationBus& bus, std::initializer_list<std::string_view> names)
    {
        for (std::string_view name : names)
            m_subs.push_back(bus.subscribe(name, [this](const Notification& n) {
                std::string line(n.name);
                if (n.object.isInt())
                    line += "(" + std::to_string(n.intValue()) + ")";
                else if (n.object.isBool())
                    line += n.boolValue() ? "(YES)" : "(NO)";
                else if (n.object.isString())
                    line += "(" + n.stringValue() + ")";
                posts.push_back(line);
            }));
    }
    BusLog(const BusLog&) = delete;
    BusLog& operator=(const BusLog&) = delete;
    std::vector<std::string> posts;

private:
    std::vector<Subscription> m_subs;
};

// Every notification the option dialogs and presets post.
inline BusLog optionsBusLog(NotificationBus& bus)
{
    return BusLog(bus, {note::kOptionsUpdate, note::kScreenSizeUpdate, note::kTargetSpeedUnit,
                        note::kTargetSpeedLimits, note::kUpdateTargetSpeed, note::kFineTuneOn,
                        note::kDisplayRecommendation});
}

// A logged-on reader with a folder of its own.
struct ReaderFixture {
    ReaderFixture()
    {
        fs::makeFolders(folder);
        options.setUserFolderSource([this] { return user; });
        saved = platform();
        PlatformServices s = saved;
        s.alerts = &alerts;
        installPlatform(s);
    }
    ~ReaderFixture() { installPlatform(saved); }

    std::string optionsFile() const { return folder + "/options"; }
    std::string fileBytes() const
    {
        std::string s;
        fs::readFile(optionsFile(), s, 1 << 16);
        return s;
    }
    // Puts a record in force and on disk.
    void store(const OptionsRecord& rec) { options.setOptions(rec); }
    OptionsRecord defaults() const
    {
        OptionsRecord r;
        StandardOptions::defaultWindowOptions(r);
        return r;
    }

    TempFolder tmp;
    std::string folder = tmp / "Users/reader";
    std::string user = folder;
    CurrentOptions options;
    NotificationBus bus;
    RecordingAlerts alerts;
    PlatformServices saved;
};

}  // namespace qor::testing
