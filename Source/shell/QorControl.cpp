#include "shell/QorControl.h"

#include "base/Files.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <unistd.h>

namespace qor {

namespace {

// A hidden name of this process's own, so that a reader's files and a
// second copy of the program starting at the same time are left alone.
std::string probeName()
{
    static std::atomic<unsigned> counter{0};
    std::random_device rd;
    return ".quorlinth-probe-" + std::to_string(getpid()) + "-" + std::to_string(rd()) + "-" +
           std::to_string(counter++);
}

}  // namespace

QorControl::QorControl(StartupHost& host, NotificationBus& bus) : m_host(host), m_bus(bus) {}

bool QorControl::lockedVolume()
{
    const std::string path = m_host.externalFolder() + probeName();
    const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0)
        return true;
    ::close(fd);
    ::unlink(path.c_str());
    return false;
}

bool QorControl::awakeFromNib()
{
    if (lockedVolume()) {
        m_host.criticalAlert(formatMessage(
            "It appears that the volume you are running on is read-only. Please copy the \"%@\" folder to "
            "your \"Applications\" folder.",
            {m_host.editionName()}));
        return false;
    }
    if (!m_host.createUsersDirectory()) {
        m_host.criticalAlert(MessageTables::localizedString("UsersFolderError", table::kError));
        return false;
    }
    return true;
}

bool QorControl::inFolder()
{
    const std::string external = m_host.externalFolder();
    for (const char* name : kRequiredFolders)
        if (!fs::isFolder(external + name))
            return false;
    return true;
}

void QorControl::checkForTests()
{
    if (m_host.shippedTestCount() < kMinShippedTests)
        m_host.unpackShippedTests();
}

bool QorControl::applicationDidFinishLaunching()
{
    if (!inFolder()) {
        const std::string name = m_host.editionName();
        m_host.criticalAlert(formatMessage(
            "It appears that the %@ application has been removed from the %@ folder. Please copy the entire "
            "folder to your \"Applications\" Folder.",
            {name, name}));
        return false;
    }
    checkForTests();
    if (!logOn())
        return false;
    return startReader();
}

bool QorControl::startReader()
{
    initUserPrefs(m_host.userName());
    return enterReader();
}

bool QorControl::enterReader()
{
    if (m_host.launcherAtStart()) {
        if (!launcherLoop(false))
            return false;
    } else {
        bringWindowForward();
    }
    loadDefaultFile();
    return true;
}

bool QorControl::logOn()
{
    if (m_host.edition() == 1) {
        m_host.setTheUser(kSingleUserName);
    } else if (!m_host.runLogon()) {
        return false;
    }
    m_loggedOn = true;
    return true;
}

void QorControl::initUserPrefs(const std::string& user)
{
    // Everything of the reader is in place before anyone hears of the change.
    m_host.loadOptions();
    m_host.loadPreferences(user);
    m_host.loadKeyMap(user);
    m_host.scoreFilterUserChanged();
    m_bus.post(note::kOptionsUpdate);
    m_bus.post(note::kUserChanged);
    if (m_host.edition() != 1)
        m_host.setTitle(&user);
    m_host.initSpeech();
    m_host.selectVoice();
    m_host.applySpeakingMode();
    m_bus.post(note::kSetReadTimer, m_host.readTime());
    m_bus.post(note::kTurnOnToolTips, m_host.tooltips());
    m_host.windowInitForUser();
    if (!m_host.restoreWindowFrame())
        m_host.centreWindow();
}

void QorControl::bringWindowForward()
{
    m_host.showWindow();
    if (m_host.tipAtStart() && !m_tipShown) {
        m_tipShown = true;
        m_host.showTip();
    }
}

bool QorControl::launcherLoop(bool coursePage)
{
    for (;;) {
        m_host.stopRun();
        m_host.hideWindow();
        if (!m_host.runLauncher(coursePage))
            break;
        // Quit in the launcher: the single-user edition ends, otherwise the
        // reader logs off and the logon runs again.
        if (m_host.edition() == 1)
            return false;
        if (!switchReader())
            return false;
        if (!m_host.launcherAtStart())
            break;
        coursePage = false;
    }
    bringWindowForward();
    return true;
}

bool QorControl::launchWizardScreen(bool coursePage) { return launcherLoop(coursePage); }

bool QorControl::switchReader()
{
    m_host.stopRun();
    m_host.windowCleanup();
    m_host.hideWindow();
    const std::string outgoing = m_host.userName();
    m_host.logoff();
    m_loggedOn = false;
    if (!outgoing.empty())
        m_host.deleteLockFile(outgoing);
    if (!logOn())
        return false;
    initUserPrefs(m_host.userName());
    return true;
}

bool QorControl::changeUser()
{
    return switchReader() && enterReader();
}

void QorControl::loadDefaultFile()
{
    if (!m_document.empty()) {
        const std::string path = m_document;
        m_document.clear();
        if (m_host.loadDocument(path))
            return;
    }
    if (!m_host.loadExample())
        m_host.loadText(kFallbackText);
}

void QorControl::applicationWillTerminate()
{
    const std::string user = m_host.userName();
    if (!m_loggedOn || user.empty())
        return;  // Quit at the first logon: nobody to save for
    m_host.stopRun();
    m_host.deleteLockFile(user);
    m_host.saveWindowFrame();
    m_host.windowCleanup();
}

}  // namespace qor
