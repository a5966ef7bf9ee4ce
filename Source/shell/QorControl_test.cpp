#include "shell/QorControl.h"

#include "base/Files.h"
#include "base/TempFolder.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <unistd.h>
#include <string>
#include <vector>

namespace qor {
namespace {

// Logs every call by name; answers from its fields.
class LogHost final : public StartupHost {
public:
    explicit LogHost(std::string external) : external(std::move(external)) {}

    std::vector<std::string> log;
    std::string external;
    int editionNumber = 3;
    bool usersFolderOK = true;
    int tests = 48;
    std::deque<std::string> logons{"Ann"};  // who logs on each time; "" = Quit
    std::deque<bool> launcherQuits;
    std::string user;
    bool wizard = false;
    bool tip = false;
    bool frameSaved = true;
    bool documentOK = true;
    bool exampleOK = true;

    int edition() const override { return editionNumber; }
    std::string editionName() const override { return "Quorlinth Studio Max"; }
    std::string externalFolder() const override { return external; }
    void criticalAlert(const std::string& text) override { log.push_back("alert:" + text); }
    bool createUsersDirectory() override
    {
        log.push_back("createUsersDirectory");
        return usersFolderOK;
    }
    int shippedTestCount() override { return tests; }
    void unpackShippedTests() override { log.push_back("unpack"); }
    bool runLogon() override
    {
        log.push_back("logon");
        std::string next = logons.empty() ? "" : logons.front();
        if (!logons.empty())
            logons.pop_front();
        user = next;
        return !next.empty();
    }
    void setTheUser(const std::string& u) override
    {
        log.push_back("setTheUser:" + u);
        user = u;
    }
    std::string userName() const override { return user; }
    void logoff() override
    {
        log.push_back("logoff");
        user.clear();
    }
    void loadOptions() override { log.push_back("options"); }
    void loadPreferences(const std::string& u) override { log.push_back("prefs:" + u); }
    void loadKeyMap(const std::string& u) override { log.push_back("keys:" + u); }
    void scoreFilterUserChanged() override { log.push_back("filter"); }
    void initSpeech() override { log.push_back("speech"); }
    void selectVoice() override { log.push_back("voice"); }
    void applySpeakingMode() override { log.push_back("speaking"); }
    int readTime() const override { return 75; }
    bool tooltips() const override { return true; }
    bool launcherAtStart() const override { return wizard; }
    bool tipAtStart() const override { return tip; }
    void stopRun() override { log.push_back("stopRun"); }
    void hideWindow() override { log.push_back("hide"); }
    void setTitle(const std::string* u) override { log.push_back("title:" + (u ? *u : std::string("-"))); }
    void windowInitForUser() override { log.push_back("initForUser"); }
    bool restoreWindowFrame() override
    {
        log.push_back("restoreFrame");
        return frameSaved;
    }
    void centreWindow() override { log.push_back("centre"); }
    void showWindow() override { log.push_back("show"); }
    void saveWindowFrame() override { log.push_back("saveFrame"); }
    void windowCleanup() override { log.push_back("cleanup"); }
    bool runLauncher(bool coursePage) override
    {
        log.push_back(coursePage ? "launcher:course" : "launcher");
        bool quit = !launcherQuits.empty() && launcherQuits.front();
        if (!launcherQuits.empty())
            launcherQuits.pop_front();
        return quit;
    }
    void showTip() override { log.push_back("tip"); }
    bool loadDocument(const std::string& path) override
    {
        log.push_back("document:" + path);
        return documentOK;
    }
    bool loadExample() override
    {
        log.push_back("example");
        return exampleOK;
    }
    void loadText(const std::string& text) override { log.push_back("text:" + text); }
    void deleteLockFile(const std::string& u) override { log.push_back("unlock:" + u); }
};

struct Fixture {
    Fixture()
    {
        for (const char* f : kRequiredFolders)
            fs::makeFolder(dir.path() + "/" + f);
        subs.push_back(bus.subscribe(note::kOptionsUpdate, [this](const Notification&) { host.log.push_back("post:OptionsUpdate"); }));
        subs.push_back(bus.subscribe(note::kUserChanged, [this](const Notification&) { host.log.push_back("post:UserChanged"); }));
        subs.push_back(bus.subscribe(note::kSetReadTimer, [this](const Notification& n) {
            host.log.push_back("post:ReadTimer(" + std::to_string(n.intValue()) + ")");
        }));
        subs.push_back(bus.subscribe(note::kTurnOnToolTips, [this](const Notification& n) {
            host.log.push_back(std::string("post:Tooltips(") + (n.boolValue() ? "YES" : "NO") + ")");
        }));
    }
    TempFolder dir;
    LogHost host{dir.path() + "/"};
    NotificationBus bus;
    std::vector<Subscription> subs;
    QorControl control{host, bus};
};

const std::vector<std::string> kReaderAnn = {
    "options", "prefs:Ann", "keys:Ann", "filter", "post:OptionsUpdate", "post:UserChanged", "title:Ann",
    "speech", "voice", "speaking", "post:ReadTimer(75)", "post:Tooltips(YES)", "initForUser", "restoreFrame",
};

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(StartUp, RunsInItsFixedOrder)
{
    Fixture f;
    ASSERT_TRUE(f.control.awakeFromNib());
    ASSERT_TRUE(f.control.applicationDidFinishLaunching());
    EXPECT_EQ(f.host.log, concat(concat({"createUsersDirectory", "logon"}, kReaderAnn), {"show", "example"}));
}

TEST(StartUp, FewerThanThirtyTestsUnpack)
{
    for (int count : {29, 30}) {
        Fixture f;
        f.host.tests = count;
        f.control.applicationDidFinishLaunching();
        const bool unpacked = std::find(f.host.log.begin(), f.host.log.end(), "unpack") != f.host.log.end();
        EXPECT_EQ(unpacked, count < 30) << count;
    }
}

TEST(StartUp, AReadOnlyVolumeOrAMissingFolderEndsWithItsAlert)
{
    {
        Fixture f;
        f.host.external = f.dir.path() + "/not-a-folder/";  // nothing can be made there
        EXPECT_FALSE(f.control.awakeFromNib());
        ASSERT_EQ(f.host.log.size(), 1u);
        EXPECT_EQ(f.host.log[0],
                  "alert:It appears that the volume you are running on is read-only. Please copy the \"Quorlinth "
                  "Studio Max\" folder to your \"Applications\" folder.");
    }
    {
        Fixture f;
        f.host.usersFolderOK = false;
        EXPECT_FALSE(f.control.awakeFromNib());
        ASSERT_EQ(f.host.log.size(), 2u);
        EXPECT_EQ(f.host.log[1].rfind("alert:", 0), 0u);  // said, not silent
    }
    {
        Fixture f;
        ::rmdir((f.dir.path() + "/Library").c_str());
        EXPECT_FALSE(f.control.applicationDidFinishLaunching());
        ASSERT_EQ(f.host.log.size(), 1u);
        EXPECT_NE(f.host.log[0].find("has been removed from the Quorlinth Studio Max folder"), std::string::npos);
    }
}

TEST(StartUp, TheProbeLeavesAReadersOwnTestFileAlone)
{
    Fixture f;
    const std::string mine = f.dir.path() + "/test.txt";
    fs::writeFileAtomic(mine, "my notes");
    EXPECT_FALSE(f.control.lockedVolume());
    std::string bytes;
    fs::readFile(mine, bytes, 100);
    EXPECT_EQ(bytes, "my notes");
    std::vector<fs::Entry> entries;
    fs::listFolder(f.dir.path(), entries);
    for (const fs::Entry& e : entries)
        EXPECT_EQ(e.name.find(".quorlinth-probe"), std::string::npos) << e.name;
}

TEST(StartUp, QuitAtTheFirstLogonEndsWithNothingToSave)
{
    Fixture f;
    f.host.logons = {""};
    EXPECT_FALSE(f.control.applicationDidFinishLaunching());
    f.host.log.clear();
    f.control.applicationWillTerminate();
    EXPECT_TRUE(f.host.log.empty());
}

TEST(StartUp, TheSingleUserEditionNeedsNoLogonAndKeepsItsTitle)
{
    Fixture f;
    f.host.editionNumber = 1;
    f.control.applicationDidFinishLaunching();
    EXPECT_EQ(f.host.log.front(), "setTheUser:QorUser");
    EXPECT_EQ(std::count_if(f.host.log.begin(), f.host.log.end(), [](auto& l) { return l.rfind("title:", 0) == 0; }), 0);
}

TEST(StartUp, ADocumentAskedForLoadsInPlaceOfTheExample)
{
    Fixture f;
    f.control.setDocumentToOpen("/home/ann/notes.txt");
    f.control.applicationDidFinishLaunching();
    EXPECT_EQ(f.host.log.back(), "document:/home/ann/notes.txt");

    Fixture g;
    g.host.documentOK = false;
    g.host.exampleOK = false;
    g.control.setDocumentToOpen("/gone.txt");
    g.control.applicationDidFinishLaunching();
    const std::vector<std::string> tail(g.host.log.end() - 3, g.host.log.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"document:/gone.txt", "example", "text:This is a test and only a test"}));
}

TEST(ChangeOfReader, StopsTheRunKeepsTheReadTimeAndAppliesTheNewReader)
{
    Fixture f;
    f.host.logons = {"Ann", "Bob"};
    f.control.applicationDidFinishLaunching();
    f.host.log.clear();
    ASSERT_TRUE(f.control.changeUser());
    std::vector<std::string> bob = kReaderAnn;
    for (auto& l : bob)
        if (l.find("Ann") != std::string::npos)
            l.replace(l.find("Ann"), 3, "Bob");
    EXPECT_EQ(f.host.log, concat(concat({"stopRun", "cleanup", "hide", "logoff", "unlock:Ann", "logon"}, bob),
                                 {"show", "example"}));
}

TEST(ChangeOfReader, QuitInTheLauncherLoopsWithoutNesting)
{
    Fixture f;
    f.host.wizard = true;
    f.host.logons = {"Ann", "Bob", "Cy"};
    f.host.launcherQuits = {true, true, false};
    ASSERT_TRUE(f.control.applicationDidFinishLaunching());
    // Three launchers, two changes of reader, one window and one text.
    auto count = [&](const std::string& what) { return std::count(f.host.log.begin(), f.host.log.end(), what); };
    EXPECT_EQ(count("launcher"), 3);
    EXPECT_EQ(count("logon"), 3);
    EXPECT_EQ(count("show"), 1);
    EXPECT_EQ(count("example"), 1);
    EXPECT_EQ(f.host.user, "Cy");
    EXPECT_EQ(f.host.log.back(), "example");

    Fixture g;
    g.host.wizard = true;
    g.host.editionNumber = 1;
    g.host.launcherQuits = {true};
    EXPECT_FALSE(g.control.applicationDidFinishLaunching());
}

TEST(ChangeOfReader, TheTipShowsOncePerStart)
{
    Fixture f;
    f.host.tip = true;
    f.host.logons = {"Ann", "Bob"};
    f.control.applicationDidFinishLaunching();
    f.control.changeUser();
    EXPECT_EQ(std::count(f.host.log.begin(), f.host.log.end(), "tip"), 1);
}

TEST(Shutdown, UnlocksSavesTheFrameAndTheReadTime)
{
    Fixture f;
    f.control.applicationDidFinishLaunching();
    f.host.log.clear();
    f.control.applicationWillTerminate();
    EXPECT_EQ(f.host.log, (std::vector<std::string>{"stopRun", "unlock:Ann", "saveFrame", "cleanup"}));
}

TEST(StartUp, NoSavedFrameCentresTheWindow)
{
    Fixture f;
    f.host.frameSaved = false;
    f.control.applicationDidFinishLaunching();
    auto it = std::find(f.host.log.begin(), f.host.log.end(), "restoreFrame");
    ASSERT_NE(it, f.host.log.end());
    EXPECT_EQ(*(it + 1), "centre");
}

}  // namespace
}  // namespace qor
