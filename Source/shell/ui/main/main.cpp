// Quorlinth: the application's entry point.

#include "base/Plugins.h"
#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorDebug.h"
#include "shell/ui/QtPlatform.h"
#include "shell/ui/ReadingWindow.h"

#include "AppMenus.h"
#include "controls/TTS.h"
#include "controls/ui/KeyCodes.h"
#include "controls/ui/SpeechDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <thread>

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
    setPluginFolder(QCoreApplication::applicationDirPath().toStdString());
    // The speech plugin loads on a thread of its own while the window comes
    // up; speech is set up from it once the window has been painted.
    std::thread([] { pluginSymbol(kSpeechPlugin, "qor_espeak_create"); }).detach();
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty())
        QorDebug::setLogFile(QDir(desktop).filePath("QorDebug.txt").toStdString());
    installQtPlatform();
    installControlKeyTracking();
    installSpeechVoiceDefaults();

    // A document named on the command line opens once a reader is logged
    // on; "--reader NAME" logs on a reader who has no password without the
    // panel; "--quit-after-first-paint" is for start-up timing.
    std::string document;
    std::string reader;
    bool timing = false;
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args.at(i) == "--reader" && i + 1 < args.size())
            reader = args.at(++i).toStdString();
        else if (args.at(i) == "--quit-after-first-paint")
            timing = true;
        else if (!args.at(i).startsWith("--"))
            document = QFileInfo(args.at(i)).absoluteFilePath().toStdString();
    }

    Application quorlinth;
    quorlinth.setReaderWithoutPassword(reader);
    if (timing)
        quorlinth.quitAfterFirstPaint();
    if (!quorlinth.start(document))
        return 0;
    const int rc = app.exec();
    quorlinth.terminate();
    return rc;
}
