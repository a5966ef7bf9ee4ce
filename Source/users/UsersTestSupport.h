#pragma once
// Test support: a site in a temporary folder with its own user store and
// site settings, and alerts recorded instead of shown. Included by tests
// only.

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/ObjUtils.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"
#include "users/GlobalOptions.h"
#include "users/QorAdmin.h"
#include "users/QorEncryption.h"

#include <memory>
#include <string>
#include <vector>

namespace qor::testing_site {

struct Site {
    explicit Site(int edition = 3)
        : external(dir.path() + "/"),
          admin(std::make_unique<QorAdmin>(external, edition)),
          site(std::make_unique<GlobalOptions>(external, edition))
    {
        AppFolders f;
        f.external = external;
        f.internal = external + "Quorlinth/Resources/";
        f.sharedSupport = external + "Quorlinth/SharedSupport/";
        ObjUtils::setFolders(f);
        PlatformServices services;
        services.alerts = &alerts;
        installPlatform(services);
        admin->setSiteOptions(site.get());
        admin->createUsersDirectory();
    }
    ~Site() { installPlatform({}); }

    std::string users() const { return external + "Users/"; }
    std::string userFile(const std::string& user, const std::string& file) const
    {
        return users() + user + "/" + file;
    }
    // A reader folder, with a password when one is given.
    void addUser(const std::string& name, const std::string* password = nullptr)
    {
        fs::makeFolder(users() + name);
        if (password)
            admin->setPassword(*QorEncryption::storedFormOfTyped(*password), name);
    }
    void addUser(const std::string& name, const std::string& password) { addUser(name, &password); }

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
    std::unique_ptr<QorAdmin> admin;
    std::unique_ptr<GlobalOptions> site;
};

}  // namespace qor::testing_site
