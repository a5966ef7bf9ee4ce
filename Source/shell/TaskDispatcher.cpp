#include "shell/TaskDispatcher.h"

#include "shell/Notifications.h"

namespace qor {

bool TaskDispatcher::knows(int code) const
{
    return m_kind == Kind::Menu ? isMenuTaskCode(code) : isAdminTaskCode(code);
}

bool TaskDispatcher::setCommand(int code, std::function<void()> command)
{
    if (!knows(code) || !command)
        return false;
    m_commands[code] = std::move(command);
    return true;
}

bool TaskDispatcher::perform(int code) const
{
    if (!knows(code))
        return false;
    auto it = m_commands.find(code);
    if (it == m_commands.end())
        return false;
    // A copy: the command may replace itself while it runs.
    std::function<void()> command = it->second;
    command();
    return true;
}

bool TaskDispatcher::perform(const Notification& n) const
{
    // Only an integer number names a task; a BOOL or a string does not.
    if (!n.object.isInt())
        return false;
    return perform(n.intValue());
}

void TaskDispatcher::attach(NotificationBus& bus)
{
    std::string_view name = m_kind == Kind::Menu ? note::kPerformMenuTask : note::kPerformAdminTask;
    m_sub = bus.subscribe(name, [this](const Notification& n) { perform(n); });
}

}  // namespace qor
