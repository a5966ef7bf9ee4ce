#include "shell/ui/ReadingWindow.h"

#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorVersion.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qor {

ReadingWindow::ReadingWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QString::fromStdString(QorVersion::qorVersionString()));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    mCaption = new QLabel(central);
    mCaption->setObjectName("caption");
    mText = new QPlainTextEdit(central);
    mText->setObjectName("readingText");
    mText->setReadOnly(true);
    QFont f = mText->font();
    f.setPointSize(16);
    mText->setFont(f);
    layout->addWidget(mCaption);
    layout->addWidget(mText, 1);
    setCentralWidget(central);
    buildMenus();
    resize(900, 640);
}

void ReadingWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* quit = file->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    connect(quit, &QAction::triggered, qApp, &QApplication::quit);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    QAction* about = help->addAction(
        tr("About %1").arg(QString::fromStdString(QorVersion::qorVersionString())));
    about->setMenuRole(QAction::AboutRole);
    connect(about, &QAction::triggered, this, &ReadingWindow::showAbout);
    QAction* manual = help->addAction(tr("Quorlinth Help"));
    connect(manual, &QAction::triggered, this, [] { ObjUtils::displayHelp(); });
}

void ReadingWindow::showAbout()
{
    QMessageBox box(this);
    box.setWindowTitle(tr("About"));
    QPixmap logo(QString::fromStdString(ObjUtils::internalPath() + "Images/" + QorVersion::logo()));
    if (!logo.isNull())
        box.setIconPixmap(logo.scaledToHeight(96, Qt::SmoothTransformation));
    box.setText(QString::fromStdString(QorVersion::qorVersionString()));
    box.setInformativeText(tr("Version %1").arg(QString::fromStdString(ObjUtils::version())));
    box.exec();
}

void ReadingWindow::showMaterial(const QString& caption, const QString& text)
{
    mCaption->setText(caption);
    mText->setPlainText(text);
}

QString ReadingWindow::caption() const
{
    return mCaption->text();
}

}  // namespace qor
