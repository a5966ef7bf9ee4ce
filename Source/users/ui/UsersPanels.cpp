#include "users/ui/UsersPanels.h"

#include "users/ui/LoginPanel.h"
#include "users/ui/PreferenceWindow.h"
#include "users/ui/SiteOptionsPanels.h"
#include "users/ui/ViewLogonsPanel.h"

namespace qor {

bool runLogon(QWidget* parent, QorAdmin& admin, GlobalOptions& site)
{
    if (admin.edition() == 1)
        return admin.logonImplicitUser();
    return runLoginPanel(parent, admin, site) == 1;
}

int runLoginPanel(QWidget* parent, QorAdmin& admin, GlobalOptions& site)
{
    LoginPanel panel(admin, site, parent);
    panel.initialize();
    panel.exec();
    return panel.controller().outcome() == LoginController::Outcome::LoggedOn ? 1 : 0;
}

void runViewLogonsPanel(QWidget* parent, QorAdmin& admin)
{
    ViewLogonsPanel panel(admin, parent);
    panel.initialize();
    panel.exec();
}

void runPreferencesWindow(QWidget* parent, const PreferencesHooks& hooks, CurrentPrefs& prefs)
{
    PreferenceWinController controller(prefs);
    controller.setKeyMap(hooks.keyMap);
    controller.setTooltipsChanged(hooks.tooltipsChanged);
    PreferenceWindow window(controller, hooks.editKey, parent);
    window.windowDidLoad();
    window.exec();
}

int runBaseReadingSpeedPanel(QWidget* parent, QorAdmin& admin, GlobalOptions& site)
{
    if (!checkAdminForSitePanel(admin))
        return -1;
    BaseReadingSpeedPanel panel(site, parent);
    panel.initialize();
    return panel.exec() == QDialog::Accepted ? 1 : 0;
}

int runMiscellaneousOptionsPanel(QWidget* parent, QorAdmin& admin, GlobalOptions& site)
{
    if (!checkAdminForSitePanel(admin))
        return -1;
    MiscellaneousOptionsPanel panel(site, site.edition() == 1, parent);
    panel.initialize();
    return panel.exec() == QDialog::Accepted ? 1 : 0;
}

}  // namespace qor
