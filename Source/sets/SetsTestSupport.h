#pragma once
// Test support for the set tests: a site with the kind folders, and small
// helpers to make sets on disk. Included by tests only.

#include "base/Files.h"
#include "users/UsersTestSupport.h"

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

inline mode_t modeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace qor::testing_sets
