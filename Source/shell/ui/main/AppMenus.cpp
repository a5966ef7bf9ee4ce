#include "AppMenus.h"

#include "controls/ui/SpeechDialogs.h"
#include "display/CurrentOptions.h"
#include "display/MainView.h"
#include "display/ui/MainViewWidget.h"
#include "display/ui/OptionDialogs.h"
#include "display/ui/QtTextMeasurer.h"
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

void installReadingView(ReadingWindow& window)
{
    // The view and its measurer live as long as the process.
    static QtTextMeasurer measurer;
    static MainViewExpert view(measurer, CurrentOptions::instance());
    auto* widget = new MainViewWidget(view, measurer, &window);
    widget->setObjectName("readingView");
    widget->setMinimumSize(200, 120);
    static Subscription refresh = NotificationBus::instance().subscribe(
        note::kOptionsUpdate, [widget](const Notification&) { widget->updateIfNeeded(); });
    window.setReadingArea(widget, [widget](TextBuffer block) {
        view.initData(std::move(block));
        view.setPosition(0);
        widget->updateIfNeeded();
    });
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

void installAppMenus(QMainWindow& window)
{
    QWidget* w = &window;
    QMenuBar* bar = window.menuBar();
    QAction* before = nullptr;
    for (QAction* a : bar->actions())
        if (a->text() == QObject::tr("&Help"))
            before = a;

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
    bar->insertMenu(before, options);

    auto* readers = new QMenu(QObject::tr("&Readers"), bar);
    add(readers, QObject::tr("Log On As..."), [w] {
        QorAdmin::instance().logoff();
        if (!logOnAndLoadSettings(w))
            w->close();
    });
    add(readers, QObject::tr("View Logons..."), [w] { runViewLogonsPanel(w); });
    readers->addSeparator();
    add(readers, QObject::tr("Base Reading Speed Settings..."), [w] { runBaseReadingSpeedPanel(w); });
    add(readers, QObject::tr("Miscellaneous Settings..."), [w] { runMiscellaneousOptionsPanel(w); });
    bar->insertMenu(before, readers);
}

}  // namespace qor
