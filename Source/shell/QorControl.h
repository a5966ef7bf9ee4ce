#pragma once
// Start-up and shutdown in their fixed order: the installation checks, the
// users folder, the shipped tests, the logon, the reader's settings, the
// reading window and the first text; at the end the logon lock, the
// window's frame and the read timer. A change of reader runs the logon
// and the reader's settings again, in a loop rather than nested.
//
// Everything it does reaches the rest of the application through
// StartupHost, so the order can be checked from a log of calls.

#include <string>

namespace qor {

class NotificationBus;

// The folders that must stand beside the application.
inline constexpr const char* kRequiredFolders[] = {"Tests", "CustomOptions3", "Library"};
inline constexpr int kMinShippedTests = 30;
inline constexpr const char* kFallbackText = "This is a test and only a test";
inline constexpr const char* kSingleUserName = "QorUser";

class StartupHost {
public:
    virtual ~StartupHost() = default;
    virtual int edition() const = 0;
    virtual std::string editionName() const = 0;
    // The external folder (ends in "/").
    virtual std::string externalFolder() const = 0;

    virtual void criticalAlert(const std::string& text) = 0;
    virtual bool createUsersDirectory() = 0;
    virtual int shippedTestCount() = 0;
    // Unpacks the shipped tests with the progress panel (the event loop
    // stays live).
    virtual void unpackShippedTests() = 0;

    // The logon panel; false when the reader chose Quit.
    virtual bool runLogon() = 0;
    virtual void setTheUser(const std::string& user) = 0;
    virtual std::string userName() const = 0;
    virtual void logoff() = 0;

    // The reader's settings.
    virtual void loadOptions() = 0;
    virtual void loadPreferences(const std::string& user) = 0;
    virtual void loadKeyMap(const std::string& user) = 0;
    virtual void scoreFilterUserChanged() = 0;
    virtual void initSpeech() = 0;
    virtual void selectVoice() = 0;
    // Text-to-speech on or off as the reader's "SpeakingOn" says, with all
    // its announcements, whatever the menu shows.
    virtual void applySpeakingMode() = 0;
    virtual int readTime() const = 0;
    virtual bool tooltips() const = 0;
    virtual bool launcherAtStart() const = 0;  // "WizardScreen"
    virtual bool tipAtStart() const = 0;       // "TipStartup"

    // The reading window.
    virtual void stopRun() = 0;
    virtual void hideWindow() = 0;
    virtual void setTitle(const std::string* user) = 0;
    virtual void windowInitForUser() = 0;
    virtual bool restoreWindowFrame() = 0;  // false when none was saved
    virtual void centreWindow() = 0;
    virtual void showWindow() = 0;
    virtual void saveWindowFrame() = 0;
    virtual void windowCleanup() = 0;

    // The launcher: true when it ended with Quit (a change of reader).
    virtual bool runLauncher(bool coursePage) = 0;
    virtual void showTip() = 0;

    // The first text: a document asked for on the command line, else the
    // example; false when it could not be read.
    virtual bool loadDocument(const std::string& path) = 0;
    virtual bool loadExample() = 0;
    virtual void loadText(const std::string& text) = 0;
    virtual void deleteLockFile(const std::string& user) = 0;
};

class QorControl {
public:
    QorControl(StartupHost& host, NotificationBus& bus);

    // The interface is up: the volume and the users folder. False when the
    // application must end (an alert has said why).
    bool awakeFromNib();
    // Launch: the folders, the tests, the logon and the reader. False when
    // the application must end.
    bool applicationDidFinishLaunching();
    // The reader's settings, after every logon (the launcher and the first
    // text follow it).
    void initUserPrefs(const std::string& user);
    // Log on as another reader: stops the run, keeps the outgoing reader's
    // read time, hides the window and logs on again. False when the reader
    // quit at the logon.
    bool changeUser();
    // "LaunchWizardPanelNotification": the launcher, and a new logon after
    // a Quit there. False when the application must end.
    bool launchWizardScreen(bool coursePage);
    // Shutdown.
    void applicationWillTerminate();

    // A document to open in place of the example once logon is done.
    void setDocumentToOpen(const std::string& path) { m_document = path; }

    bool lockedVolume();
    bool inFolder();
    void checkForTests();
    void loadDefaultFile();

    bool tipShown() const { return m_tipShown; }

private:
    bool logOn();
    bool startReader();
    // The launcher or the window, then the first text.
    bool enterReader();
    bool switchReader();
    // The launcher and, after a Quit there, the logon again, until a reader
    // goes on to the reading window. False when the application must end.
    bool launcherLoop(bool coursePage);
    void bringWindowForward();

    StartupHost& m_host;
    NotificationBus& m_bus;
    std::string m_document;
    bool m_tipShown = false;
    bool m_loggedOn = false;
};

}  // namespace qor
