#include "users/ViewLogonsController.h"

#include "shell/Messages.h"
#include "shell/QorAlert.h"
#include "users/QorAdmin.h"
#include "users/UsersUtils.h"

namespace qor {

void ViewLogonsController::initialize()
{
    m_done = false;
    m_selected = -1;
    m_users.clear();
    if (auto users = UsersUtils::getUserListFromType(UsersUtils::kLoggedOnUsers, false, m_admin))
        m_users = std::move(*users);
}

void ViewLogonsController::selectRow(int row)
{
    m_selected = row >= 0 && row < static_cast<int>(m_users.size()) ? row : -1;
}

void ViewLogonsController::logoffButton()
{
    if (m_selected < 0) {
        QorAlert::message(MessageTables::localizedString("UserNotSelectedErr", table::kError), kAlertOK,
                          kSeverityInformational);
        return;
    }
    const std::string user = m_users[static_cast<size_t>(m_selected)];
    if (QorAlert::question(localizedFormat("LogoffUser", table::kDisplay, {user}), kAlertYesNo) != 1)
        return;
    m_admin.removeLockFile(user);
    initialize();
}

}  // namespace qor
