#include "shell/ui/ReadingWindow.h"

#include "base/Encoding.h"
#include "shell/Messages.h"
#include "shell/ObjUtils.h"
#include "shell/QorVersion.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace qor {

ReadingWindow::ReadingWindow(QWidget* parent)
    : QMainWindow(parent), m_pMaterial(std::make_unique<MaterialLoader>(*this))
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
    resize(900, 640);
}

ReadingWindow::~ReadingWindow() = default;

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

void ReadingWindow::loadTextBuffer(TextBuffer block, const std::string& path, int32_t position)
{
    m_text = std::move(block);
    m_path = path;
    m_position = position;
    m_fromFile = true;
    showText();
}

void ReadingWindow::loadTextFromClipboardBuffer(TextBuffer block)
{
    m_text = std::move(block);
    m_path.clear();
    m_position = 0;
    m_fromFile = false;
    showText();
}

void ReadingWindow::setMaterialCaption(const std::string& caption)
{
    mCaption->setText(QString::fromStdString(caption));
}

void ReadingWindow::setReadingArea(QWidget* area, ReadingWindowTarget* target)
{
    QLayout* layout = centralWidget()->layout();
    delete layout->replaceWidget(mText, area);  // the old item is ours to free
    mText->hide();
    m_target = target;
    if (m_target && m_text)
        showText();
}

void ReadingWindow::showText()
{
    if (m_target) {
        if (m_fromFile)
            m_target->loadTextBuffer(std::move(m_text), m_path, m_position);
        else
            m_target->loadTextFromClipboardBuffer(std::move(m_text));
        return;
    }
    // The cleaned text keeps CR as its only line break.
    std::string shown = toUtf8(m_text.view(), m_text.encoding());
    QString text = QString::fromStdString(shown);
    text.replace(QChar('\r'), QChar('\n'));
    mText->setPlainText(text);
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
