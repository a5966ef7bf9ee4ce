#include "shell/NotificationBus.h"

#include "shell/Notifications.h"
#include "shell/TaskDispatcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace qor {
namespace {

using Log = std::vector<std::string>;

TEST(NotificationBus, ObserversRunInSubscriptionOrderAndNestedPostsFinishFirst)
{
    NotificationBus bus;
    Log log;
    // Stopping a run: the first handler posts again, and that inner post
    // must be complete before the second observer of the outer one runs.
    Subscription a = bus.subscribe(note::kForcedStopPlay, [&](const Notification& n) {
        log.push_back("strip:" + std::to_string(n.intValue()));
        bus.post(note::kTurnOnLightingBolt, n.boolValue());
        log.push_back("strip done");
    });
    Subscription b = bus.subscribe(note::kForcedStopPlay, [&](const Notification&) { log.push_back("window"); });
    Subscription c = bus.subscribe(note::kTurnOnLightingBolt, [&](const Notification& n) {
        log.push_back(std::string("bolt:") + (n.boolValue() ? "on" : "off"));
    });
    Subscription d = bus.subscribe(note::kTurnOnLightingBolt, [&](const Notification&) { log.push_back("bolt 2"); });

    EXPECT_TRUE(bus.post(note::kForcedStopPlay, true));
    EXPECT_EQ(log, (Log{"strip:1", "bolt:on", "bolt 2", "strip done", "window"}));
}

TEST(NotificationBus, ObserverRemovedDuringDispatchIsNeverCalledAgain)
{
    NotificationBus bus;
    Log log;
    Subscription second;
    // The first observer cancels the second, which is in the snapshot of
    // the post under way.
    Subscription first = bus.subscribe(note::kOptionsUpdate, [&](const Notification&) {
        log.push_back("first");
        second.cancel();
    });
    second = bus.subscribe(note::kOptionsUpdate, [&](const Notification&) { log.push_back("second"); });
    bus.post(note::kOptionsUpdate);
    bus.post(note::kOptionsUpdate);
    EXPECT_EQ(log, (Log{"first", "first"}));
    EXPECT_EQ(bus.observerCount(note::kOptionsUpdate), 1u);
}

TEST(NotificationBus, ObserverDestroyedDuringDispatchIsSkippedSafely)
{
    // A panel destroyed by an earlier handler of the same post: its
    // subscription goes with it, and its handler (which would read freed
    // memory) must not run.
    struct Panel {
        Panel(NotificationBus& bus, Log& log)
        {
            sub = bus.subscribe(note::kReturnAnswer, [this, &log](const Notification& n) {
                log.push_back(name + ":" + n.stringValue());
            });
        }
        std::string name = "panel";
        Subscription sub;
    };
    NotificationBus bus;
    Log log;
    std::unique_ptr<Panel> panel;
    Subscription closer = bus.subscribe(note::kReturnAnswer, [&](const Notification& n) {
        log.push_back("closer:" + n.stringValue());
        if (n.stringValue() == "close")
            panel.reset();
    });
    panel = std::make_unique<Panel>(bus, log);
    bus.post(note::kReturnAnswer, "Paris");
    bus.post(note::kReturnAnswer, "close");
    bus.post(note::kReturnAnswer, "Rome");
    EXPECT_EQ(log, (Log{"closer:Paris", "panel:Paris", "closer:close", "closer:Rome"}));
    EXPECT_EQ(bus.observerCount(note::kReturnAnswer), 1u);
}

TEST(NotificationBus, HandlerMayEndItsOwnSubscriptionWhileRunning)
{
    NotificationBus bus;
    int calls = 0;
    Subscription self;
    self = bus.subscribe(note::kUserChanged, [&](const Notification&) {
        ++calls;
        self.cancel();  // destroys the registration that holds this handler
        ++calls;        // the handler itself must still be intact
    });
    bus.post(note::kUserChanged);
    bus.post(note::kUserChanged);
    EXPECT_EQ(calls, 2);
}

TEST(NotificationBus, ObserverAddedDuringDispatchWaitsForTheNextPost)
{
    NotificationBus bus;
    Log log;
    Subscription late;
    Subscription first = bus.subscribe(note::kSetReadTimer, [&](const Notification& n) {
        log.push_back("first:" + std::to_string(n.intValue()));
        if (!late.active())
            late = bus.subscribe(note::kSetReadTimer,
                                 [&](const Notification& m) { log.push_back("late:" + std::to_string(m.intValue())); });
    });
    bus.post(note::kSetReadTimer, 1);
    bus.post(note::kSetReadTimer, 2);
    EXPECT_EQ(log, (Log{"first:1", "first:2", "late:2"}));
}

TEST(NotificationBus, SubscriptionsEndWithTheirOwnerAndSurviveTheBus)
{
    int calls = 0;
    Subscription outlives;
    {
        NotificationBus bus;
        {
            Subscription scoped = bus.subscribe(note::kStartPlaying, [&](const Notification&) { ++calls; });
            Subscription moved = std::move(scoped);
            EXPECT_FALSE(scoped.active());
            bus.post(note::kStartPlaying);
        }
        bus.post(note::kStartPlaying);
        EXPECT_EQ(bus.observerCount(note::kStartPlaying), 0u);
        outlives = bus.subscribe(note::kStartPlaying, [&](const Notification&) { ++calls; });
    }
    EXPECT_FALSE(outlives.active());
    outlives.cancel();  // the bus is gone: nothing to touch
    EXPECT_EQ(calls, 1);
}

TEST(NotificationBus, PayloadsReadAsTheirKinds)
{
    struct Case {
        NotificationObject object;
        int asInt;
        bool asBool;
        std::string asString;
    };
    const Case cases[] = {
        {{}, 0, false, ""},           // nil reads as 0 and NO
        {42, 42, true, ""},
        {-1, -1, true, ""},
        {0, 0, false, ""},
        {true, 1, true, ""},
        {false, 0, false, ""},
        {"B. Paris", 0, false, "B. Paris"},
        {std::string(), 0, false, ""},
    };
    NotificationBus bus;
    for (const Case& c : cases) {
        int gotInt = -99;
        bool gotBool = !c.asBool;
        std::string gotString = "unset";
        Subscription s = bus.subscribe(note::kLaunchWizardPanel, [&](const Notification& n) {
            gotInt = n.intValue();
            gotBool = n.boolValue();
            gotString = n.stringValue();
        });
        bus.post(note::kLaunchWizardPanel, c.object);
        EXPECT_EQ(gotInt, c.asInt) << c.asString;
        EXPECT_EQ(gotBool, c.asBool) << c.asString;
        EXPECT_EQ(gotString, c.asString);
    }
}

TEST(NotificationBus, PostsFromAnotherThreadAreRefused)
{
    NotificationBus bus;
    int calls = 0;
    Subscription s = bus.subscribe(note::kSetCompletionETA, [&](const Notification&) { ++calls; });
    bool posted = true;
    Subscription fromThread;
    std::thread t([&] {
        posted = bus.post(note::kSetCompletionETA, 5);
        fromThread = bus.subscribe(note::kSetCompletionETA, [&](const Notification&) { ++calls; });
    });
    t.join();
    EXPECT_FALSE(posted);
    EXPECT_FALSE(fromThread.active());
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(bus.post(note::kSetCompletionETA, 5));
    EXPECT_EQ(calls, 1);
}

TEST(NotificationObserver, RegisteringTwiceDeliversOnce)
{
    // A game panel registers for answers each time a game starts and stops
    // when it ends; registering again must not double the delivery, and the
    // panel keeps its place among the observers.
    NotificationBus bus;
    Log log;
    NotificationObserver game(bus);
    Subscription other = bus.subscribe(note::kReturnAnswer, [&](const Notification&) { log.push_back("other"); });
    EXPECT_TRUE(game.observe(note::kReturnAnswer, [&](const Notification& n) { log.push_back("old:" + n.stringValue()); }));
    EXPECT_FALSE(game.observe(note::kReturnAnswer, [&](const Notification& n) { log.push_back("game:" + n.stringValue()); }));
    Subscription last = bus.subscribe(note::kReturnAnswer, [&](const Notification&) { log.push_back("last"); });
    bus.post(note::kReturnAnswer, "7");
    EXPECT_EQ(log, (Log{"other", "game:7", "last"}));

    game.stopObserving(note::kReturnAnswer);
    EXPECT_FALSE(game.isObserving(note::kReturnAnswer));
    log.clear();
    bus.post(note::kReturnAnswer, "8");
    EXPECT_EQ(log, (Log{"other", "last"}));

    EXPECT_TRUE(game.observe(note::kReturnAnswer, [&](const Notification&) { log.push_back("again"); }));
    log.clear();
    bus.post(note::kReturnAnswer, "9");
    EXPECT_EQ(log, (Log{"other", "last", "again"}));
}

TEST(NotificationObserver, ReplacingTheHandlerFromInsideItIsSafe)
{
    NotificationBus bus;
    Log log;
    NotificationObserver obs(bus);
    obs.observe(note::kChangeGameButton, [&](const Notification&) {
        std::string tag = "first";
        obs.observe(note::kChangeGameButton, [&](const Notification&) { log.push_back("second"); });
        log.push_back(tag);  // the running handler's captures are still alive
    });
    bus.post(note::kChangeGameButton);
    bus.post(note::kChangeGameButton);
    EXPECT_EQ(log, (Log{"first", "second"}));
}

TEST(Notifications, NamesAreUniqueAndTheKeyMapSetIsAmongThem)
{
    std::set<std::string_view> all(note::kAll.begin(), note::kAll.end());
    EXPECT_EQ(all.size(), note::kAll.size());
    for (std::string_view n : note::kKeyMapBindable)
        EXPECT_TRUE(all.count(n)) << n;
    std::set<std::string_view> bindable(note::kKeyMapBindable.begin(), note::kKeyMapBindable.end());
    EXPECT_EQ(bindable.size(), note::kKeyMapBindable.size());
    std::set<int> admin(admintask::kAll.begin(), admintask::kAll.end());
    EXPECT_EQ(admin.size(), admintask::kAll.size());
}

TEST(TaskDispatcher, RunsKnownCodesAndIgnoresEverythingElse)
{
    NotificationBus bus;
    std::vector<int> ran;
    TaskDispatcher menu(TaskDispatcher::Kind::Menu);
    TaskDispatcher admin(TaskDispatcher::Kind::Admin);
    for (int code = task::kFirst; code <= task::kLast; ++code)
        EXPECT_TRUE(menu.setCommand(code, [&ran, code] { ran.push_back(code); }));
    EXPECT_FALSE(menu.setCommand(110, [&] { ran.push_back(110); }));
    EXPECT_FALSE(menu.setCommand(admintask::kAddCustomOption, [&] { ran.push_back(-1); }));
    EXPECT_TRUE(admin.setCommand(admintask::kAddCustomOption, [&] { ran.push_back(1031); }));
    EXPECT_FALSE(admin.setCommand(0, [&] { ran.push_back(0); }));  // a heading
    EXPECT_FALSE(admin.setCommand(task::kDrill, [&] { ran.push_back(-2); }));
    menu.attach(bus);
    admin.attach(bus);

    bus.post(note::kPerformMenuTask, task::kDrill);
    bus.post(note::kPerformMenuTask, task::kFlashCardGame);
    // Unknown codes, wrong kinds and missing objects do nothing.
    for (NotificationObject o : {NotificationObject(99), NotificationObject(110), NotificationObject(0),
                                 NotificationObject(-100), NotificationObject(), NotificationObject(true),
                                 NotificationObject("104"), NotificationObject(1031)})
        bus.post(note::kPerformMenuTask, o);
    bus.post(note::kPerformAdminTask, admintask::kAddCustomOption);
    bus.post(note::kPerformAdminTask, 0);
    bus.post(note::kPerformAdminTask, 1035);
    bus.post(note::kPerformAdminTask, admintask::kRemoveCustomOption);  // known, no command yet
    bus.post(note::kPerformAdminTask, task::kDrill);
    EXPECT_EQ(ran, (std::vector<int>{task::kDrill, task::kFlashCardGame, 1031}));

    menu.detach();
    bus.post(note::kPerformMenuTask, task::kDrill);
    EXPECT_EQ(ran.size(), 3u);
}

}  // namespace
}  // namespace qor
