#include "shell/ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace qor {

int QtAlertPresenter::run(const AlertRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QString());
    box.setText(QString::fromStdString(request.message));
    switch (request.severity) {
    case kSeverityInformational: box.setIcon(QMessageBox::Information); break;
    case kSeverityCritical: box.setIcon(QMessageBox::Critical); break;
    default: box.setIcon(QMessageBox::Warning); break;
    }
    std::vector<QPushButton*> buttons;
    for (const auto& title : request.buttons)
        buttons.push_back(box.addButton(QString::fromStdString(title), QMessageBox::ActionRole));
    if (!buttons.empty()) {
        box.setDefaultButton(buttons.front());
        int esc = request.escapeButton;
        if (esc >= 0 && esc < static_cast<int>(buttons.size()))
            box.setEscapeButton(buttons[static_cast<size_t>(esc)]);
    }
    box.exec();
    for (size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i);
    return request.escapeButton;
}

bool QtClipboard::hasText() const
{
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && mime->hasText();
}

std::optional<std::string> QtClipboard::text() const
{
    if (!hasText())
        return std::nullopt;
    return QGuiApplication::clipboard()->text().toStdString();
}

bool QtWorkspace::openFile(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

bool QtWorkspace::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

Rect QtScreenInfo::visibleFrame() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {};
    QRect r = s->availableGeometry();
    return {double(r.x()), double(r.y()), double(r.width()), double(r.height())};
}

bool QtFontCatalog::hasFont(const std::string& name) const
{
    return QFontDatabase::hasFamily(QString::fromStdString(name));
}

void installQtPlatform()
{
    static QtAlertPresenter alerts;
    static QtClipboard clipboard;
    static QtWorkspace workspace;
    static QtScreenInfo screen;
    static QtFontCatalog fonts;
    PlatformServices s;
    s.alerts = &alerts;
    s.clipboard = &clipboard;
    s.workspace = &workspace;
    s.screen = &screen;
    s.fonts = &fonts;
    installPlatform(s);
}

}  // namespace qor
