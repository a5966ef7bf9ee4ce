#pragma once
// A logged-on reader for the strip tests: preferences and options in a
// folder of their own, the tooltip table, and a bus with a log of what the
// strips post. Included by tests only.

#include "display/CurrentOptions.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "users/CurrentPrefs.h"
#include "users/UsersTestSupport.h"

#include <utility>
#include <string>
#include <string_view>
#include <vector>

namespace qor::testing_strips {

struct Reader {
    Reader()
    {
        site.addUser("Ann");
        prefs.loadPrefsFileForUser("Ann");
        options.setUserFolderSource([this] { return site.users() + "Ann/"; });
        options.loadOptionsFile();
        MessageTables::setFolder(QOR_RESOURCES_DIR "/Messages");
        speeds(100, 2000, 250);
    }
    ~Reader() { MessageTables::setFolder(""); }

    void speeds(int low, int high, int speed, int speechSpeed = 11)
    {
        OptionsRecord rec = options.options();
        rec.lowSpeed = low;
        rec.highSpeed = high;
        rec.speed = speed;
        rec.speechSpeed = speechSpeed;
        options.setOptions(rec);
    }
    void speaking(bool on) { prefs.setBOOLValue(on, prefkey::kSpeakingOn); }
    OptionsRecord stored() { return options.options(); }

    testing_site::Site site;
    CurrentPrefs prefs{*site.admin};
    CurrentOptions options;
    NotificationBus bus;
};

// Logs every notification of the system, in the order posted, as "Name"
// or "Name(payload)".
class AllPosts {
public:
    explicit AllPosts(NotificationBus& bus)
    {
        for (std::string_view name : note::kAll)
            m_subs.push_back(bus.subscribe(name, [this](const Notification& n) {
                std::string line(n.name);
                if (n.object.isInt())
                    line += "(" + std::to_string(n.intValue()) + ")";
                else if (n.object.isBool())
                    line += n.boolValue() ? "(YES)" : "(NO)";
                posts.push_back(line);
            }));
    }
    AllPosts(const AllPosts&) = delete;
    AllPosts& operator=(const AllPosts&) = delete;

    // The posts so far, forgotten.
    std::vector<std::string> take() { return std::exchange(posts, {}); }

    std::vector<std::string> posts;

private:
    std::vector<Subscription> m_subs;
};

}  // namespace qor::testing_strips
