#pragma once
// The rules of the logons view: the readers that are logged on (the
// administrator is never listed), and clearing one of their logons.

#include <string>
#include <vector>

namespace qor {

class QorAdmin;

class ViewLogonsController {
public:
    explicit ViewLogonsController(QorAdmin& admin) : m_admin(admin) {}

    // Fills the table afresh.
    void initialize();
    const std::vector<std::string>& users() const { return m_users; }
    int selectedRow() const { return m_selected; }
    void selectRow(int row);

    // Without a selection alerts "UserNotSelectedErr"; otherwise asks
    // "LogoffUser" and on Yes removes that reader's lock and refreshes.
    void logoffButton();
    void doneButton() { m_done = true; }
    bool done() const { return m_done; }

private:
    QorAdmin& m_admin;
    std::vector<std::string> m_users;
    int m_selected = -1;
    bool m_done = false;
};

}  // namespace qor
