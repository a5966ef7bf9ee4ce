#pragma once
// Test support for the set tests: a site with the kind folders, and small
// helpers to make sets on disk. Included by tests only.

#include "base/Files.h"
#include "sets/SetItemChooser.h"
#include "users/CurrentPrefs.h"
#include "users/UsersTestSupport.h"

#include <memory>
#include <string>
#include <sys/stat.h>

namespace qor::testing_sets {

struct SetSite : testing_site::Site {
    SetSite()
    {
        for (const char* kind : {"Tests", "DrillText", "Drills", "CustomOptions3", "Courses"})
            fs::makeFolder(external + kind);
    }
    std::string path(const std::string& rel) const { return external + rel; }
    void file(const std::string& rel, const std::string& data = "") { fs::writeFileAtomic(path(rel), data); }
    void folder(const std::string& rel) { fs::makeFolder(path(rel)); }
    std::string read(const std::string& rel) const
    {
        std::string out;
        fs::readFile(path(rel), out, 1u << 24);
        return out;
    }
    void logOn(const std::string& user)
    {
        addUser(user);
        admin->setTheUser(user);
    }
};

// A site for the set item chooser: the sets are the folders of
// "DrillText/", their items the ".txt" files, and the Admin reader's
// preferences hold the choice under "LastSet" / "LastItem".
struct ChooserSite : SetSite {
    ChooserSite()
    {
        logOn("Admin");
        prefs.loadPrefsFileForUser("Admin");
        for (const char* t : {"01 The Lighthouse Cat", "02 How Bees Make Honey", "03 Tide Pools"})
            item("# Warm-Up Drills", t);
        item("Class Texts", "Monday");
        item("Class Texts", "Tuesday");
        folder("DrillText/Empty");
    }
    void item(const std::string& set, const std::string& name)
    {
        folder("DrillText/" + set);
        file("DrillText/" + set + "/" + name + ".txt", "text");
    }
    static std::unique_ptr<QorCat> sets(const std::string& external)
    {
        auto cat = std::make_unique<QorCat>();
        cat->generateDirectoryList(QorCat::kindFolder(external, "DrillText"));
        return cat;
    }
    static std::unique_ptr<QorCat> items(const std::string& set, const std::string& external)
    {
        auto cat = std::make_unique<QorCat>();
        cat->generateFileList(QorCat::kindFolder(external, "DrillText") + set + "/", "txt", true);
        return cat;
    }
    SetItemChooser chooser()
    {
        return SetItemChooser(prefs, "LastSet", "LastItem", &ChooserSite::sets, &ChooserSite::items,
                              external);
    }
    CurrentPrefs prefs{*admin};
};

inline mode_t modeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace qor::testing_sets
