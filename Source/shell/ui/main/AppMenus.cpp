#include "AppMenus.h"

#include "controls/ui/SpeechDialogs.h"
#include "display/CurrentOptions.h"
#include "display/MainView.h"
#include "display/ui/MainViewWidget.h"
#include "display/ui/OptionDialogs.h"
#include "display/ui/QtTextMeasurer.h"
#include "base/Clock.h"
#include "controls/TTS.h"
#include "session/ui/ReadingSession.h"
#include "drills/ui/DrillPanels.h"
#include "sets/ui/SetMenus.h"
#include "shell/QorVersion.h"
#include "tests/TestStoryReader.h"
#include "tests/ui/TestPanels.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/ui/ReadingWindow.h"
#include "users/CurrentPrefs.h"
#include "users/QorAdmin.h"
#include "users/ui/UsersPanels.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace qor {

bool logOnAndLoadSettings(QWidget* parent)
{
    QorAdmin& admin = QorAdmin::instance();
    admin.createUsersDirectory();
    checkForTests(parent, QorVersion::qorVersion());
    if (!runLogon(parent, admin))
        return false;
    const std::string& user = admin.userName();
    CurrentPrefs::instance().loadPrefsFileForUser(user);
    CurrentOptions& options = CurrentOptions::instance();
    options.setUserFolderSource([] {
        QorAdmin& a = QorAdmin::instance();
        return a.userName().empty() ? std::string() : a.usersFolder() + a.userName() + "/";
    });
    options.loadOptionsFile();
    initSpeechForUser();
    return true;
}

namespace {

// The keys the window answers until the reader's key map is installed:
// Space plays and stops, the arrows step a display back or forward.
class InterimKeys final : public KeyHandler {
public:
    explicit InterimKeys(QorWindow& window) : m_window(window) {}
    bool keyPressed(int keyCode, bool, bool) override
    {
        NotificationBus& bus = NotificationBus::instance();
        switch (keyCode) {
        case 49:
            bus.post(m_window.playing() || m_window.bursting() ? note::kStopPlaying : note::kStartPlaying);
            return true;
        case 123: bus.post(note::kWordBack); return true;
        case 124: bus.post(note::kWordForward); return true;
        default: return false;
        }
    }

private:
    QorWindow& m_window;
};

}  // namespace

ReadingSession& installReadingView(ReadingWindow& window)
{
    auto* session = new ReadingSession(window, window, CurrentOptions::instance(), CurrentPrefs::instance(),
                                       TTS::instance(), SystemClock::instance(), NotificationBus::instance());
    static InterimKeys keys(session->core());
    session->core().setKeyHandler(&keys);
    window.setReadingArea(session->readingArea(), session);
    window.material().setStoryReader(&TestStoryReader::instance());
    return *session;
}

void startReaderSession(ReadingSession& session)
{
    QorWindow& core = session.core();
    core.initForUser();
    const std::string user = QorAdmin::instance().userName();
    core.setTitleLogon(user.empty() ? nullptr : &user);
    core.optionsUpdate();
    core.screenSizeUpdate();
}

void logOffAtQuit()
{
    QorAdmin& admin = QorAdmin::instance();
    if (!admin.userName().empty())
        admin.deleteLockFile(admin.userName());
}

namespace {

template <typename F>
void add(QMenu* menu, const QString& title, F&& f)
{
    QObject::connect(menu->addAction(title), &QAction::triggered, menu, std::forward<F>(f));
}

}  // namespace

void installAppMenus(ReadingWindow& window, ReadingSession& session)
{
    QWidget* w = &window;
    ReadingSession* rs = &session;
    QMenuBar* bar = window.menuBar();
    QAction* before = nullptr;
    for (QAction* a : bar->actions())
        if (a->text() == QObject::tr("&Help"))
            before = a;

    // Reading material from the content sets, after Open in the File menu.
    if (QMenu* file = bar->actions().isEmpty() ? nullptr : bar->actions().first()->menu()) {
        QAction* after = file->actions().size() > 1 ? file->actions().at(1) : nullptr;
        auto* story = new QAction(QObject::tr("Open Test Story..."), file);
        QObject::connect(story, &QAction::triggered, w, [w, &window] {
            std::string path, set;
            if (runLoadCompTestStory(w, "LastCompTestSetForLoading", "LastCompTestForLoading", path, set))
                window.material().loadMaterialFromFileName(path, 0, true, false);
        });
        auto* drill = new QAction(QObject::tr("Open Drill Text..."), file);
        QObject::connect(drill, &QAction::triggered, w, [w, &window] {
            std::string path, set;
            if (runLoadDrillTextPanel(w, "LastDrillTextSetForLoading", "LastDrillTextForLoading", path, set))
                window.material().loadMaterialFromFileName(path, 0, false, false);
        });
        file->insertActions(after, {story, drill});
    }

    auto* options = new QMenu(QObject::tr("&Options"), bar);
    add(options, QObject::tr("Speed..."), [w] { runSpeedOptionsDialog(w); });
    add(options, QObject::tr("Display Mode..."), [w] { runDisplayModeDialog(w); });
    add(options, QObject::tr("Burst..."), [w] { runBurstOptionsDialog(w); });
    add(options, QObject::tr("Fine Tune..."), [w] { runFineTuneDialog(w); });
    add(options, QObject::tr("Font and Colors..."), [w] { runFontAndColorsDialog(w); });
    add(options, QObject::tr("Preset Fonts and Colors..."),
        [w] { runPresetFontColorChooser(CurrentOptions::instance().record().font, w); });
    options->addSeparator();
    add(options, QObject::tr("Speech Speed..."), [w] { runTextToSpeechSpeedDialog(w); });
    add(options, QObject::tr("Voice..."), [w] { runTextToSpeechVoiceDialog(w); });
    options->addSeparator();
    add(options, QObject::tr("Preferences..."), [w] { runPreferencesWindow(w, PreferencesHooks{}); });
    options->addSeparator();
    installCustomOptionsMenu(options, w);
    bar->insertMenu(before, options);

    auto* readers = new QMenu(QObject::tr("&Readers"), bar);
    add(readers, QObject::tr("Log On As..."), [w, rs] {
        // The outgoing reader's run ends and their read time is kept.
        rs->core().cleanup();
        QorAdmin::instance().logoff();
        if (!logOnAndLoadSettings(w)) {
            w->close();
            return;
        }
        startReaderSession(*rs);
    });
    add(readers, QObject::tr("View Logons..."), [w] { runViewLogonsPanel(w); });
    readers->addSeparator();
    add(readers, QObject::tr("Base Reading Speed Settings..."), [w] { runBaseReadingSpeedPanel(w); });
    add(readers, QObject::tr("Miscellaneous Settings..."), [w] { runMiscellaneousOptionsPanel(w); });
    bar->insertMenu(before, readers);

    auto* content = new QMenu(QObject::tr("&Content"), bar);
    installSetMenus(content, w);
    bar->insertMenu(before, content);
}

}  // namespace qor
