#include "shell/NotificationBus.h"

#include "base/Log.h"

#include <algorithm>

namespace qor {

// --- objects ------------------------------------------------------------------

int NotificationObject::intValue() const
{
    if (const int* i = std::get_if<int>(&m_v))
        return *i;
    if (const bool* b = std::get_if<bool>(&m_v))
        return *b ? 1 : 0;
    return 0;
}

bool NotificationObject::boolValue() const
{
    if (const bool* b = std::get_if<bool>(&m_v))
        return *b;
    if (const int* i = std::get_if<int>(&m_v))
        return *i != 0;
    return false;
}

const std::string& NotificationObject::stringValue() const
{
    static const std::string empty;
    if (const std::string* s = std::get_if<std::string>(&m_v))
        return *s;
    return empty;
}

// --- registrations ----------------------------------------------------------------

namespace busdetail {

struct Entry {
    std::string name;
    // Shared so that a handler replaced or cancelled while it runs stays
    // alive until it returns.
    std::shared_ptr<NotificationHandler> handler;
    bool active = true;
};

struct State {
    std::thread::id owner = std::this_thread::get_id();
    std::map<std::string, std::vector<std::shared_ptr<Entry>>, std::less<>> observers;

    bool onOwnerThread(std::string_view what, std::string_view name) const
    {
        if (std::this_thread::get_id() == owner)
            return true;
        std::string line = "NotificationBus: ";
        line.append(what).append(" from another thread refused: ").append(name);
        logLine(line);
        return false;
    }

    void remove(const std::shared_ptr<Entry>& entry)
    {
        auto it = observers.find(entry->name);
        if (it == observers.end())
            return;
        auto& list = it->second;
        list.erase(std::remove(list.begin(), list.end(), entry), list.end());
        if (list.empty())
            observers.erase(it);
    }
};

}  // namespace busdetail

Subscription::Subscription(std::weak_ptr<busdetail::State> state,
                           std::shared_ptr<busdetail::Entry> entry)
    : m_state(std::move(state)), m_entry(std::move(entry))
{
}

Subscription::Subscription(Subscription&& other) noexcept
    : m_state(std::move(other.m_state)), m_entry(std::move(other.m_entry))
{
    other.m_entry.reset();
}

Subscription& Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        cancel();
        m_state = std::move(other.m_state);
        m_entry = std::move(other.m_entry);
        other.m_entry.reset();
    }
    return *this;
}

void Subscription::cancel()
{
    if (!m_entry)
        return;
    m_entry->active = false;
    if (auto state = m_state.lock())
        state->remove(m_entry);
    m_entry.reset();
    m_state.reset();
}

bool Subscription::active() const
{
    return m_entry && m_entry->active && !m_state.expired();
}

void Subscription::setHandler(NotificationHandler handler)
{
    if (m_entry && handler)
        m_entry->handler = std::make_shared<NotificationHandler>(std::move(handler));
}

// --- the bus ------------------------------------------------------------------------

NotificationBus& NotificationBus::instance()
{
    // Never destroyed: subscriptions held by other process-wide objects may
    // end after static destruction has begun.
    static NotificationBus* bus = new NotificationBus;
    return *bus;
}

NotificationBus::NotificationBus() : m_state(std::make_shared<busdetail::State>()) {}

NotificationBus::~NotificationBus()
{
    // Subscriptions that outlive the bus become inactive; their handlers
    // are never called again.
    for (auto& [name, list] : m_state->observers)
        for (auto& entry : list)
            entry->active = false;
}

Subscription NotificationBus::subscribe(std::string_view name, NotificationHandler handler)
{
    if (name.empty() || !handler || !m_state->onOwnerThread("subscribe", name))
        return {};
    auto entry = std::make_shared<busdetail::Entry>();
    entry->name = std::string(name);
    entry->handler = std::make_shared<NotificationHandler>(std::move(handler));
    auto it = m_state->observers.find(name);
    if (it == m_state->observers.end())
        it = m_state->observers.emplace(std::string(name), std::vector<std::shared_ptr<busdetail::Entry>>{})
                 .first;
    it->second.push_back(entry);
    return Subscription(m_state, std::move(entry));
}

bool NotificationBus::post(std::string_view name, const NotificationObject& object)
{
    if (!m_state->onOwnerThread("post", name))
        return false;
    auto it = m_state->observers.find(name);
    if (it == m_state->observers.end())
        return true;
    // The observers as they stand now; the list itself may change under
    // the handlers.
    const std::vector<std::shared_ptr<busdetail::Entry>> snapshot = it->second;
    // Keep the name alive: it may be a view of an entry's own string.
    const std::string ownName(name);
    const Notification note{ownName, object};
    for (const auto& entry : snapshot) {
        if (!entry->active)
            continue;
        std::shared_ptr<NotificationHandler> handler = entry->handler;
        (*handler)(note);
    }
    return true;
}

size_t NotificationBus::observerCount(std::string_view name) const
{
    auto it = m_state->observers.find(name);
    return it == m_state->observers.end() ? 0 : it->second.size();
}

// --- per-object registrations ---------------------------------------------------------

bool NotificationObserver::observe(std::string_view name, NotificationHandler handler)
{
    auto it = m_subs.find(name);
    if (it != m_subs.end() && it->second.active()) {
        it->second.setHandler(std::move(handler));
        return false;
    }
    Subscription sub = m_bus->subscribe(name, std::move(handler));
    if (!sub.active())
        return false;
    if (it != m_subs.end())
        it->second = std::move(sub);
    else
        m_subs.emplace(std::string(name), std::move(sub));
    return true;
}

void NotificationObserver::stopObserving(std::string_view name)
{
    auto it = m_subs.find(name);
    if (it != m_subs.end())
        m_subs.erase(it);
}

bool NotificationObserver::isObserving(std::string_view name) const
{
    auto it = m_subs.find(name);
    return it != m_subs.end() && it->second.active();
}

}  // namespace qor
