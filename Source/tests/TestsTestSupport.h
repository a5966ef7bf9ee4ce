#pragma once
// Test support: a site in a temporary folder with its folders installed and
// alerts recorded instead of shown. Included by tests only.

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/ObjUtils.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"

#include <string>
#include <vector>

namespace qor::testing_tests {

struct TestSite {
    TestSite() : external(dir.path() + "/")
    {
        AppFolders f;
        f.external = external;
        f.internal = external + "Quorlinth/Resources/";
        f.sharedSupport = external + "Quorlinth/SharedSupport/";
        ObjUtils::setFolders(f);
        fs::makeFolders(f.internal);
        fs::makeFolder(external + "Tests");
        PlatformServices services;
        services.alerts = &alerts;
        installPlatform(services);
    }
    ~TestSite() { installPlatform({}); }

    std::string set(const std::string& name) const { return external + "Tests/" + name + "/"; }
    // A file of a set, made with its folder.
    void put(const std::string& setName, const std::string& file, const std::string& bytes) const
    {
        fs::makeFolders(set(setName));
        fs::writeFileAtomic(set(setName) + file, bytes);
    }
    std::string read(const std::string& path) const
    {
        std::string out;
        fs::readFile(path, out, 1 << 24);
        return out;
    }
    // The texts of the alerts shown (their keys, as no table is loaded).
    std::vector<std::string> alertTexts() const
    {
        std::vector<std::string> out;
        for (const auto& a : alerts.shown)
            out.push_back(a.message);
        return out;
    }

    TempFolder dir;
    std::string external;
    RecordingAlerts alerts;
};

}  // namespace qor::testing_tests
