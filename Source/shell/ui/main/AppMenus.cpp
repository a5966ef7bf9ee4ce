#include "AppMenus.h"

#include "base/Clock.h"
#include "base/Files.h"
#include "controls/KeyMapping.h"
#include "controls/TTS.h"
#include "controls/BookmarkDialogs.h"
#include "controls/ui/BookmarkPanels.h"
#include "controls/ui/KeyMappingSeams.h"
#include "controls/ui/ReadingStrips.h"
#include "controls/ui/SpeechDialogs.h"
#include "display/CurrentOptions.h"
#include "display/StandardOptions.h"
#include "display/ui/MainViewWidget.h"
#include "display/ui/OptionDialogs.h"
#include "drills/ui/DrillPanels.h"
#include "session/MaterialCommands.h"
#include "session/ui/ReadingSession.h"
#include "sets/ui/SetMenus.h"
#include "shell/Messages.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"
#include "shell/ObjUtils.h"
#include "shell/Platform.h"
#include "shell/QorAlert.h"
#include "shell/QorVersion.h"
#include "shell/ui/ReadingWindow.h"
#include "tests/TestFilesList.h"
#include "tests/TestStoryReader.h"
#include "tests/ui/TestPanels.h"
#include "users/CurrentPrefs.h"
#include "users/GlobalOptions.h"
#include "users/QorAdmin.h"
#include "users/ui/UsersPanels.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <algorithm>
#include <sstream>
#include <utility>

namespace qor {

namespace {

constexpr const char* kWindowFrameKey = "WindowFrame";

void alertKey(const char* key)
{
    QorAlert::message(MessageTables::localizedString(key, table::kError), kAlertOK, kSeverityInformational);
}

template <typename F>
QAction* add(QMenu* menu, const QString& title, F&& f)
{
    QAction* a = menu->addAction(title);
    QObject::connect(a, &QAction::triggered, menu, std::forward<F>(f));
    return a;
}

std::string presetTitle(int code)
{
    OptionsRecord rec;
    StandardOptions::getStandardOption(rec, code);
    const ModeInfo* mode = modeInfo(rec.displayMode.mode);
    const ModeOptionInfo* opt = modeOptionInfo(rec.displayMode.modeOpt);
    std::string title = mode ? std::string(mode->label) : std::string("Preset");
    if (opt && !opt->label.empty())
        title += " - " + std::string(opt->label);
    if (opt && !opt->countLabel.empty())
        title += " (" + std::to_string(rec.displayMode.modeOptNum) + ")";
    title += ", " + std::to_string(rec.speed) + " " + std::string(unitLabel(rec.unit));
    return title;
}

}  // namespace

namespace {

// Runs an action right after the first paint of a widget for which
// `ready` holds.
class FirstPaint final : public QObject {
public:
    FirstPaint(QWidget* view, std::function<bool()> ready, std::function<void()> action)
        : QObject(view), m_ready(std::move(ready)), m_action(std::move(action))
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && !m_done && m_ready()) {
            m_done = true;
            QMetaObject::invokeMethod(qApp, m_action, Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<bool()> m_ready;
    std::function<void()> m_action;
    bool m_done = false;
};

}  // namespace

// --- the parts and the start-up host -----------------------------------------------

struct Application::Parts final : StartupHost {
    Parts()
        : session(new ReadingSession(window, window, CurrentOptions::instance(), CurrentPrefs::instance(),
                                     TTS::instance(), SystemClock::instance(), NotificationBus::instance())),
          control(*this, NotificationBus::instance())
    {
    }

    ReadingWindow window;
    ReadingSession* session;  // a child of the window
    KeyMappingSeams keys{KeyMapping::instance()};
    QtBookmarkService bookmarks{&window};
    QorControl control;
    Subscription launcher;
    Application* app = nullptr;
    std::string directReader;

    QorWindow& core() { return session->core(); }
    CurrentPrefs& prefs() { return CurrentPrefs::instance(); }

    int edition() const override { return QorVersion::qorVersion(); }
    std::string editionName() const override { return QorVersion::qorVersionString(); }
    std::string externalFolder() const override { return ObjUtils::externalPath(); }
    void criticalAlert(const std::string& text) override { QorAlert::message(text, kAlertOK, kSeverityCritical); }
    bool createUsersDirectory() override { return QorAdmin::instance().createUsersDirectory(); }
    int shippedTestCount() override { return TestFilesList("# Comprehension Test Set 1").count(); }
    void unpackShippedTests() override { checkForTests(nullptr, edition()); }

    bool runLogon() override
    {
        QorAdmin& admin = QorAdmin::instance();
        if (!directReader.empty()) {
            const std::string name = std::exchange(directReader, std::string());
            if (fs::isFolder(admin.usersFolder() + name) && !admin.doesPasswordExistForUser(name) &&
                admin.setTheUser(name))
                return true;
        }
        return qor::runLogon(window.isVisible() ? &window : nullptr);
    }
    void setTheUser(const std::string& user) override { QorAdmin::instance().setTheUser(user); }
    std::string userName() const override { return QorAdmin::instance().userName(); }
    void logoff() override { QorAdmin::instance().logoff(); }

    void loadOptions() override
    {
        CurrentOptions& options = CurrentOptions::instance();
        options.setUserFolderSource([] {
            QorAdmin& a = QorAdmin::instance();
            return a.userName().empty() ? std::string() : a.usersFolder() + a.userName() + "/";
        });
        options.loadOptionsFile();
    }
    void loadPreferences(const std::string& user) override { prefs().loadPrefsFileForUser(user); }
    void loadKeyMap(const std::string& user) override { KeyMapping::instance().loadPrefsFileForUser(user); }
    // The score filter follows the reader once the results views exist.
    void scoreFilterUserChanged() override {}
    // Speech is set up once the window has been painted: the speech plugin
    // (loaded in the background since start-up) then never holds up the
    // first sight of the window.
    void initSpeech() override
    {
        afterFirstPaint([] { TTS::instance().initSpeech(); });
    }
    void selectVoice() override
    {
        afterFirstPaint([] { initSpeechForUser(); });
    }
    void afterFirstPaint(std::function<void()> f)
    {
        if (painted)
            f();
        else
            pendingAfterPaint.push_back(std::move(f));
    }
    void firstPaintDone()
    {
        if (painted)
            return;
        painted = true;
        std::vector<std::function<void()>> pending;
        pending.swap(pendingAfterPaint);
        for (auto& f : pending)
            f();
    }
    bool painted = false;
    std::vector<std::function<void()>> pendingAfterPaint;
    void applySpeakingMode() override
    {
        setSpeaking(prefs().boolValue(prefkey::kSpeakingOn), prefs(), CurrentOptions::instance().record(),
                    NotificationBus::instance());
    }
    int readTime() const override { return CurrentPrefs::instance().intValue(prefkey::kReadTime); }
    bool tooltips() const override { return CurrentPrefs::instance().boolValue(prefkey::kTooltips); }
    // The launcher and the tip of the day come with the launcher's own
    // code; until then the reading window is where every reader starts.
    bool launcherAtStart() const override { return false; }
    bool tipAtStart() const override { return false; }
    bool runLauncher(bool) override { return false; }
    void showTip() override {}

    void stopRun() override { core().stopRunNow(); }
    void hideWindow() override { window.hide(); }
    void setTitle(const std::string* user) override { core().setTitleLogon(user); }
    void windowInitForUser() override { core().initForUser(); }
    bool restoreWindowFrame() override
    {
        std::istringstream in(prefs().stringValue(kWindowFrameKey));
        int x = 0, y = 0, w = 0, h = 0;
        if (!(in >> x >> y >> w >> h) || w < 640 || h < 460)
            return false;
        QRect frame(x, y, w, h);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (screen && !screen->availableGeometry().intersects(frame))
            return false;
        window.setGeometry(frame);
        return true;
    }
    void centreWindow() override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        QRect area = screen->availableGeometry();
        QSize size = window.size().boundedTo(area.size());
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, area));
    }
    void showWindow() override
    {
        window.show();
        window.raise();
        window.activateWindow();
    }
    void saveWindowFrame() override
    {
        const QRect g = window.geometry();
        std::ostringstream out;
        out << g.x() << " " << g.y() << " " << g.width() << " " << g.height();
        prefs().setStringValue(out.str(), kWindowFrameKey);
    }
    void windowCleanup() override { core().cleanup(); }

    bool loadDocument(const std::string& path) override { return app->openDocument(path); }
    bool loadExample() override
    {
        return window.material().loadMaterialFromFileName(ObjUtils::internalPath() + "example.txt", 0, false, false);
    }
    void loadText(const std::string& text) override { window.material().loadMaterialFromText(text); }
    void deleteLockFile(const std::string& user) override { QorAdmin::instance().deleteLockFile(user); }
};

Application::Application() : m(std::make_unique<Parts>())
{
    m->app = this;
    m->window.setMinimumSize(640, 460);
    m->window.setReadingArea(m->session->readingArea(), m->session);
    m->window.material().setStoryReader(&TestStoryReader::instance());
    m->core().setKeyHandler(&m->keys);
    m->core().setBookmarkService(&m->bookmarks);
    const ReadingStrips strips = buildReadingStrips(&m->window);
    m->session->setStrips(strips.slider, strips.control);
    m->session->setStripControls(strips.topButton, strips.bottomButton, strips.search);
    // The first paint of the reading view (or a second, whichever comes
    // first) lets the deferred set-up run.
    Parts* parts = m.get();
    new FirstPaint(m->session->viewWidget(), [] { return true; }, [parts] { parts->firstPaintDone(); });
    QTimer::singleShot(1000, &m->window, [parts] { parts->firstPaintDone(); });
    m->launcher = NotificationBus::instance().subscribe(note::kLaunchWizardPanel, [this](const Notification& n) {
        if (!m->control.launchWizardScreen(n.boolValue()))
            QApplication::quit();
    });
    buildMenus();
}

Application::~Application() = default;

ReadingWindow& Application::window() { return m->window; }
ReadingSession& Application::session() { return *m->session; }
QorControl& Application::control() { return m->control; }

bool Application::start(const std::string& documentToOpen)
{
    if (!documentToOpen.empty())
        m->control.setDocumentToOpen(documentToOpen);
    return m->control.awakeFromNib() && m->control.applicationDidFinishLaunching();
}

void Application::terminate() { m->control.applicationWillTerminate(); }

void Application::setReaderWithoutPassword(const std::string& name) { m->directReader = name; }

void Application::quitAfterFirstPaint()
{
    ReadingSession* session = m->session;
    new FirstPaint(session->viewWidget(), [session] { return session->view().hasText(); }, [] {
        std::fputs("painted\n", stdout);
        std::fflush(stdout);
        QApplication::quit();
    });
}

bool Application::openDocument(const std::string& path)
{
    const MaterialRequest r = openDocumentRequest(path);
    if (!m->window.material().loadMaterialFromFileName(r.path, r.position, r.isStory, r.isPdf))
        return false;  // the material entry has said why
    addRecentDocument(CurrentPrefs::instance(), path);
    return true;
}

// --- the menus ------------------------------------------------------------------------

void Application::buildMenus()
{
    ReadingWindow& window = m->window;
    QWidget* w = &window;
    Parts* parts = m.get();
    QMenuBar* bar = window.menuBar();
    bar->clear();

    // File.
    QMenu* file = bar->addMenu(QObject::tr("&File"));
    QAction* open = add(file, QObject::tr("&Open..."), [this, w] {
        const QString path = QFileDialog::getOpenFileName(w, QObject::tr("Open"), QString(),
                                                          QObject::tr("Texts and PDFs (*.txt *.pdf);;All files (*)"));
        if (!path.isEmpty())
            openDocument(path.toStdString());
    });
    open->setShortcut(QKeySequence::Open);
    QMenu* recent = file->addMenu(QObject::tr("Open &Recent"));
    QObject::connect(recent, &QMenu::aboutToShow, recent, [this, recent] {
        recent->clear();
        const std::vector<std::string> list = recentDocuments(CurrentPrefs::instance());
        for (const std::string& path : list) {
            const QString p = QString::fromStdString(path);
            add(recent, QFileInfo(p).fileName(), [this, path] { openDocument(path); })->setToolTip(p);
        }
        if (list.empty())
            recent->addAction(QObject::tr("No Recent Documents"))->setEnabled(false);
        recent->addSeparator();
        add(recent, QObject::tr("Clear Menu"), [] { clearRecentDocuments(CurrentPrefs::instance()); })
            ->setEnabled(!list.empty());
    });
    add(file, QObject::tr("Open Test Story..."), [this, w] {
        MiscOptions misc;
        GlobalOptions::instance().getMiscValues(misc);
        if (misc.lockoutCompStories) {
            alertKey("MiscFeature");
            return;
        }
        std::string path, set;
        if (runLoadCompTestStory(w, "LastCompTestSetForLoading", "LastCompTestForLoading", path, set) &&
            m->window.material().loadMaterialFromFileName(path, 0, true, false))
            addRecentDocument(CurrentPrefs::instance(), path);
    });
    add(file, QObject::tr("Open Drill Text..."), [this, w] {
        std::string path, set;
        if (runLoadDrillTextPanel(w, "LastDrillTextSetForLoading", "LastDrillTextForLoading", path, set) &&
            m->window.material().loadMaterialFromFileName(path, 0, false, false))
            addRecentDocument(CurrentPrefs::instance(), path);
    });
    file->addSeparator();
    add(file, QObject::tr("Open at Bookmark..."), [this, w] {
        runLoadBookmarkPanel(w, [this](const std::string& path, int32_t position, bool isPdf) {
            m->window.material().loadMaterialFromFileName(path, std::max<int32_t>(0, position), isStoryPath(path),
                                                          isPdf);
        });
    });
    add(file, QObject::tr("Remove Bookmarks..."), [w] { runRemoveBookmarksPanel(w); });
    file->addSeparator();
    QAction* saveAs = add(file, QObject::tr("Save &As..."), [parts, w] {
        const QString path = QFileDialog::getSaveFileName(w, QObject::tr("Save As"), QObject::tr("Untitled.txt"));
        if (path.isEmpty())
            return;
        int32_t size = 0;
        const char* bytes = parts->core().bufferAndSize(size);
        if (!saveTextAs(bytes, size, path.toStdString()))
            alertKey("SaveFileError");
    });
    saveAs->setShortcut(QKeySequence::SaveAs);
    QAction* paste = add(file, QObject::tr("&Paste"), [this] { m->window.material().paste(); });
    paste->setShortcut(QKeySequence::Paste);
    QObject::connect(file, &QMenu::aboutToShow, file, [paste] {
        const Clipboard* clip = platform().clipboard;
        paste->setEnabled(clip && clip->hasText());
    });
    file->addSeparator();
    QAction* close = add(file, QObject::tr("&Close"), [w] { w->close(); });
    close->setShortcut(QKeySequence::Close);
    add(file, QObject::tr("Log On As..."), [this] {
        if (!m->control.changeUser())
            QApplication::quit();
    });
    file->addSeparator();
    QAction* quit = add(file, QObject::tr("&Quit"), [] { QApplication::quit(); });
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);

    // Options.
    QMenu* options = bar->addMenu(QObject::tr("&Options"));
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

    // Radio pairs: the checks are read from the state each time the menu
    // opens, and a pick of the checked item changes nothing.
    auto pair = [options](const QString& on, const QString& off, std::function<void(bool)> apply) {
        auto* group = new QActionGroup(options);
        QAction* a = options->addAction(on);
        QAction* b = options->addAction(off);
        for (QAction* x : {a, b}) {
            x->setCheckable(true);
            group->addAction(x);
        }
        QObject::connect(a, &QAction::triggered, options, [apply] { apply(true); });
        QObject::connect(b, &QAction::triggered, options, [apply] { apply(false); });
        return std::pair{a, b};
    };
    options->addSeparator();
    auto speech = pair(QObject::tr("Text to Speech On"), QObject::tr("Text to Speech Off"), [](bool on) {
        CurrentPrefs& prefs = CurrentPrefs::instance();
        if (prefs.boolValue(prefkey::kSpeakingOn) == on)
            return;
        setSpeaking(on, prefs, CurrentOptions::instance().record(), NotificationBus::instance());
    });
    options->addSeparator();
    auto slider = pair(QObject::tr("Show Position Strip"), QObject::tr("Hide Position Strip"), [parts](bool show) {
        if (parts->core().sliderViewHidden() == show)
            parts->core().setSliderViewHidden(!show);
    });
    auto strip = pair(QObject::tr("Show Control Strip"), QObject::tr("Hide Control Strip"), [parts](bool show) {
        if (parts->core().controlViewHidden() == show)
            parts->core().setControlViewHidden(!show);
    });
    QObject::connect(options, &QMenu::aboutToShow, options, [speech, slider, strip] {
        const MenuChecks c = menuChecks(CurrentPrefs::instance(), CurrentOptions::instance().record());
        speech.first->setChecked(c.speechOn);
        speech.second->setChecked(c.speechOff);
        slider.first->setChecked(c.showSlider);
        slider.second->setChecked(c.hideSlider);
        strip.first->setChecked(c.showControl);
        strip.second->setChecked(c.hideControl);
    });

    // Presets.
    options->addSeparator();
    QMenu* presets = options->addMenu(QObject::tr("Presets"));
    auto applyPreset = [](int code) {
        const int status =
            StandardOptions::applyStandardOption(code, CurrentOptions::instance(), NotificationBus::instance());
        if (status != 0)
            alertOptionsNotSaved(status);
    };
    add(presets, QObject::tr("Original Settings"), [applyPreset] { applyPreset(StandardOptions::kOriginalCode); });
    auto presetMenu = [&](const QString& title, std::initializer_list<int> tags, int (*codeOf)(int), int firstTag) {
        QMenu* sub = presets->addMenu(title);
        std::vector<int> all{firstTag};
        all.insert(all.end(), tags.begin(), tags.end());
        for (int tag : all) {
            const int code = codeOf(tag);
            add(sub, QString::fromStdString(presetTitle(code)), [applyPreset, code] { applyPreset(code); });
        }
    };
    presetMenu(QObject::tr("Productivity"), {20, 30, 40, 50, 60, 70, 80}, &StandardOptions::productivityCode, 10);
    presetMenu(QObject::tr("Education, Highlighting"), {20, 30, 35, 40, 50, 60, 70, 80, 90, 100},
               &StandardOptions::educationHighlightCode, 10);
    presetMenu(QObject::tr("Education, No Highlighting"), {20, 30, 40, 50, 60, 70, 80, 90, 100, 110},
               &StandardOptions::educationNonHighlightCode, 10);
    installCustomOptionsMenu(options, w);
    options->addSeparator();
    add(options, QObject::tr("Preferences..."), [parts, w] {
        PreferencesHooks hooks;
        addKeyMapHooks(hooks, parts->keys);
        hooks.tooltipsChanged = [](bool on) { NotificationBus::instance().post(note::kTurnOnToolTips, on); };
        runPreferencesWindow(w, hooks);
    });

    // Readers.
    QMenu* readers = bar->addMenu(QObject::tr("&Readers"));
    add(readers, QObject::tr("View Logons..."), [w] { runViewLogonsPanel(w); });
    readers->addSeparator();
    add(readers, QObject::tr("Base Reading Speed Settings..."), [w] { runBaseReadingSpeedPanel(w); });
    add(readers, QObject::tr("Miscellaneous Settings..."), [w] { runMiscellaneousOptionsPanel(w); });

    // Content (the administrator's sets).
    QMenu* content = bar->addMenu(QObject::tr("&Content"));
    installSetMenus(content, w);

    // Help.
    QMenu* help = bar->addMenu(QObject::tr("&Help"));
    add(help, QObject::tr("About %1").arg(QString::fromStdString(QorVersion::qorVersionString())),
        [this] { m->window.showAbout(); })
        ->setMenuRole(QAction::AboutRole);
    add(help, QObject::tr("Quorlinth Help"), [] { ObjUtils::displayHelp(); });
}

}  // namespace qor
