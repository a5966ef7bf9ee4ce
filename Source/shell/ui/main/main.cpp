// Quorlinth: the application's entry point.

#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorDebug.h"
#include "shell/ui/QtPlatform.h"
#include "shell/ui/ReadingWindow.h"

#include "AppMenus.h"
#include "controls/ui/SpeechDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
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

    // A document named on the command line opens once a reader is logged on.
    std::string document;
    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 1)
        document = QFileInfo(args.at(1)).absoluteFilePath().toStdString();

    Application quorlinth;
    if (!quorlinth.start(document))
        return 0;
    const int rc = app.exec();
    quorlinth.terminate();
    return rc;
}
