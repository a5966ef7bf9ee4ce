#pragma once
// Turns the task codes of the launcher into commands.
//
// "PerformMenuTaskNotification" carries one of the ten menu task codes and
// "PerformAdminTaskNotification" one of the administrator's; the
// application controller gives each code its command here. A code outside
// the table, a heading's 0, a code without a command and a missing or
// non-number object are all ignored.

#include "shell/NotificationBus.h"

#include <functional>
#include <map>

namespace qor {

class TaskDispatcher {
public:
    enum class Kind { Menu, Admin };

    explicit TaskDispatcher(Kind kind) : m_kind(kind) {}

    // Which codes this dispatcher takes.
    bool knows(int code) const;
    // Gives a code its command; false (and nothing stored) for a code the
    // dispatcher does not take.
    bool setCommand(int code, std::function<void()> command);
    // Runs the code's command; false when nothing ran.
    bool perform(int code) const;
    bool perform(const Notification& n) const;

    // Observes the dispatcher's notification on the bus until detach() or
    // destruction.
    void attach(NotificationBus& bus = NotificationBus::instance());
    void detach() { m_sub.cancel(); }

private:
    Kind m_kind;
    std::map<int, std::function<void()>> m_commands;
    Subscription m_sub;
};

}  // namespace qor
