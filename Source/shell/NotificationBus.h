#pragma once
// The notification bus: named notifications delivered synchronously on the
// main thread.
//
// A notification is a name (see Notifications.h) and one object: none, an
// integer, a BOOL or a string. post() returns when every observer of the
// name has run; a handler that posts again nests, and the inner post is
// complete before the outer one goes on. Observers run in the order in
// which they subscribed.
//
// Observers hold a Subscription, which ends the registration when it is
// destroyed, so an object that goes away can never be called afterwards.
// A post works from the list of observers as it stood when the post began,
// and skips every one of them that was removed in the meantime (by another
// handler, or by its own); observers added during a post receive the next
// one.
//
// Posting or subscribing from any thread but the bus's own is refused and
// logged: the speech engine's callbacks must not post.

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <variant>
#include <vector>

namespace qor {

// The object of a notification.
class NotificationObject {
public:
    NotificationObject() = default;            // nil
    NotificationObject(int v) : m_v(v) {}      // a number holding an int
    NotificationObject(bool v) : m_v(v) {}     // a number holding a BOOL
    NotificationObject(std::string v) : m_v(std::move(v)) {}
    NotificationObject(const char* v) : m_v(std::string(v ? v : "")) {}

    bool isNil() const { return std::holds_alternative<std::monostate>(m_v); }
    bool isInt() const { return std::holds_alternative<int>(m_v); }
    bool isBool() const { return std::holds_alternative<bool>(m_v); }
    bool isNumber() const { return isInt() || isBool(); }
    bool isString() const { return std::holds_alternative<std::string>(m_v); }

    // A number's value; nil (and a string) read as 0. A BOOL reads as 0 or 1.
    int intValue() const;
    // A number's truth; nil (and a string) read as NO.
    bool boolValue() const;
    // A string's text; "" for anything else.
    const std::string& stringValue() const;

    bool operator==(const NotificationObject&) const = default;

private:
    std::variant<std::monostate, int, bool, std::string> m_v;
};

struct Notification {
    std::string_view name;
    const NotificationObject& object;

    int intValue() const { return object.intValue(); }
    bool boolValue() const { return object.boolValue(); }
    const std::string& stringValue() const { return object.stringValue(); }
};

using NotificationHandler = std::function<void(const Notification&)>;

namespace busdetail {
struct Entry;
struct State;
}  // namespace busdetail

// One registration. Move-only; ends the registration when destroyed or
// cancelled. A default-constructed one is inactive.
class Subscription {
public:
    Subscription() = default;
    ~Subscription() { cancel(); }
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;

    // Ends the registration; the handler is not called again, even by a
    // post that is under way. Does nothing when already inactive.
    void cancel();
    bool active() const;
    // Replaces the handler in place: the observer keeps its position.
    void setHandler(NotificationHandler handler);

private:
    friend class NotificationBus;
    Subscription(std::weak_ptr<busdetail::State> state, std::shared_ptr<busdetail::Entry> entry);
    std::weak_ptr<busdetail::State> m_state;
    std::shared_ptr<busdetail::Entry> m_entry;
};

class NotificationBus {
public:
    // The process-wide bus, created on first use and never destroyed.
    static NotificationBus& instance();

    // A bus of its own (tests); it belongs to the thread that creates it.
    NotificationBus();
    ~NotificationBus();
    NotificationBus(const NotificationBus&) = delete;
    NotificationBus& operator=(const NotificationBus&) = delete;

    // Registers a handler for a name. An empty name or handler, or a call
    // from another thread, gives an inactive subscription.
    [[nodiscard]] Subscription subscribe(std::string_view name, NotificationHandler handler);

    // Delivers to every observer of the name, in subscription order. False
    // when the post was refused (another thread); true otherwise, also when
    // nobody observes the name.
    bool post(std::string_view name, const NotificationObject& object = {});

    // The number of live observers of a name.
    size_t observerCount(std::string_view name) const;

private:
    std::shared_ptr<busdetail::State> m_state;
};

// The registrations of one object, at most one per name: observing a name
// twice keeps the first registration and its place and only replaces the
// handler, so a panel that registers each time it starts is still called
// once per post. Everything ends when the observer is destroyed.
class NotificationObserver {
public:
    explicit NotificationObserver(NotificationBus& bus = NotificationBus::instance()) : m_bus(&bus) {}
    NotificationObserver(const NotificationObserver&) = delete;
    NotificationObserver& operator=(const NotificationObserver&) = delete;

    // True when a new registration was made, false when an existing one
    // was kept (its handler replaced) or the bus refused it.
    bool observe(std::string_view name, NotificationHandler handler);
    void stopObserving(std::string_view name);
    void stopObservingAll() { m_subs.clear(); }
    bool isObserving(std::string_view name) const;

private:
    NotificationBus* m_bus;
    std::map<std::string, Subscription, std::less<>> m_subs;
};

}  // namespace qor
