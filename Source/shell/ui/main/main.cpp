// Quorlinth: the application's entry point.

#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorDebug.h"
#include "shell/ui/QtPlatform.h"
#include "shell/ui/ReadingWindow.h"

#include "AppMenus.h"
#include "session/ui/ReadingSession.h"
#include "controls/ui/SpeechDialogs.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

using namespace qor;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorlinth");

    // The folders follow from where the executable is: it sits in the
    // application folder, whose parent is the external folder.
    ObjUtils::setFolders(
        AppFolders::forApplicationFolder(QCoreApplication::applicationDirPath().toStdString()));
    MessageTables::setFolder(ObjUtils::internalPath() + "Messages");
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty())
        QorDebug::setLogFile(QDir(desktop).filePath("QorDebug.txt").toStdString());
    installQtPlatform();

    installSpeechVoiceDefaults();
    if (!logOnAndLoadSettings(nullptr))
        return 0;

    ReadingWindow window;
    ReadingSession& session = installReadingView(window);
    installAppMenus(window, session);
    window.show();
    startReaderSession(session);
    window.material().loadMaterialFromFileName(ObjUtils::internalPath() + "example.txt", 0, false, false);
    int rc = app.exec();
    session.core().cleanup();
    logOffAtQuit();
    return rc;
}
