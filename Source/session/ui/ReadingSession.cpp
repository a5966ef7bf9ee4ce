#include "session/ui/ReadingSession.h"

#include "display/CurrentOptions.h"
#include "display/ui/BorderViewWidget.h"
#include "display/ui/MainViewWidget.h"
#include "controls/ui/KeyCodes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace qor {

namespace {

constexpr int kMarginStripHeight = 22;

QRect toQRect(const WindowRect& r) { return QRect(r.x, r.y, r.width, r.height); }
WindowRect fromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

ReadingSession::ReadingSession(QMainWindow& window, ReadingWindowTarget& caption, CurrentOptions& options,
                               CurrentPrefs& prefs, TTS& speech, Clock& clock, NotificationBus& bus)
    : QObject(&window),
      m_window(window),
      m_caption(caption),
      m_view(m_measurer, options, bus),
      m_border(options, bus, true),
      m_session(m_view),
      m_timer(clock)
{
    m_view.setBorderView(&m_border);

    m_area = new QWidget(&window);
    m_area->setObjectName("readingArea");
    auto* column = new QVBoxLayout(m_area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* borderWidget = new BorderViewWidget(m_border, m_area);
    borderWidget->setObjectName("marginStrip");
    borderWidget->setFixedHeight(kMarginStripHeight);
    m_viewWidget = new MainViewWidget(m_view, m_measurer, m_area);
    m_viewWidget->setObjectName("readingView");
    m_viewWidget->setMinimumSize(200, 120);
    m_viewWidget->setFocusPolicy(Qt::NoFocus);
    column->addWidget(borderWidget);
    column->addWidget(m_viewWidget, 1);
    m_stripLayout = new QVBoxLayout();
    m_stripLayout->setContentsMargins(0, 0, 0, 0);
    m_stripLayout->setSpacing(0);
    column->addLayout(m_stripLayout);

    MainViewWidget* widget = m_viewWidget;
    m_session.setRedraw([widget] { widget->paintNowIfNeeded(); });

    m_core = std::make_unique<QorWindow>(
        QorWindow::Services{m_session, options, prefs, speech, clock, bus, *this, m_timer});
    QorWindow* core = m_core.get();
    m_timer.setWindow([core] { return core->nextPollMicros(); }, [core] { core->myTimer(); });

    m_frameSave.setSingleShot(true);
    m_frameSave.setInterval(kFrameSaveDelayMs);
    connect(&m_frameSave, &QTimer::timeout, this, [core] { core->flushFrame(); });

    window.installEventFilter(this);
}

ReadingSession::~ReadingSession()
{
    m_window.removeEventFilter(this);
    m_timer.stop();
}

void ReadingSession::setStrips(QWidget* slider, QWidget* control)
{
    m_slider = slider;
    m_control = control;
    for (QWidget* w : {slider, control}) {
        if (!w)
            continue;
        w->setFocusPolicy(Qt::NoFocus);
        m_stripLayout->addWidget(w);
    }
    if (slider)
        slider->setVisible(!m_core->sliderViewHidden());
    if (control)
        control->setVisible(!m_core->controlViewHidden());
}

void ReadingSession::setStripControls(QWidget* topButton, QWidget* bottomButton, QLineEdit* search)
{
    m_topButton = topButton;
    m_bottomButton = bottomButton;
    m_search = search;
    // A row above the reading area: the sentence search and the two
    // buttons that show and hide the strips.
    auto* row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 0, 2);
    row->addStretch(1);
    for (QWidget* w : {static_cast<QWidget*>(search), topButton, bottomButton})
        if (w)
            row->addWidget(w);
    if (auto* column = qobject_cast<QVBoxLayout*>(m_area->layout()))
        column->insertLayout(0, row);
    const bool sliderHidden = m_core->sliderViewHidden();
    const bool controlHidden = m_core->controlViewHidden();
    if (m_topButton)
        m_topButton->setProperty("imageName", sliderHidden ? "downArrow.png" : "upArrow.png");
    if (m_bottomButton)
        m_bottomButton->setProperty("imageName", controlHidden ? "downArrow.png" : "upArrow.png");
}

WindowRect ReadingSession::visibleArea() const
{
    QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
    return screen ? fromQRect(screen->availableGeometry()) : WindowRect{0, 0, 1024, 768};
}

WindowRect ReadingSession::frame() const { return fromQRect(m_window.geometry()); }

void ReadingSession::setFrame(const WindowRect& f)
{
    m_settingFrame = true;
    m_window.setGeometry(toQRect(f));
    m_settingFrame = false;
}

void ReadingSession::setTitle(const std::string& title) { m_window.setWindowTitle(QString::fromStdString(title)); }

void ReadingSession::setSliderStripHidden(bool hidden, const std::string& buttonImage)
{
    if (m_slider)
        m_slider->setVisible(!hidden);
    if (m_topButton)
        m_topButton->setProperty("imageName", QString::fromStdString(buttonImage));
}

void ReadingSession::setControlStripHidden(bool hidden, const std::string& buttonImage)
{
    if (m_control)
        m_control->setVisible(!hidden);
    if (m_bottomButton)
        m_bottomButton->setProperty("imageName", QString::fromStdString(buttonImage));
}

void ReadingSession::setTooltips(const std::string& top, const std::string& bottom, const std::string& search)
{
    if (m_topButton)
        m_topButton->setToolTip(QString::fromStdString(top));
    if (m_bottomButton)
        m_bottomButton->setToolTip(QString::fromStdString(bottom));
    if (m_search)
        m_search->setToolTip(QString::fromStdString(search));
}

std::string ReadingSession::searchFieldText() const
{
    return m_search ? m_search->text().toStdString() : std::string();
}

void ReadingSession::quit() { QApplication::quit(); }

void ReadingSession::loadTextBuffer(TextBuffer block, const std::string& path, int32_t position)
{
    m_core->loadTextBuffer(std::move(block), path, position);
}

void ReadingSession::loadTextFromClipboardBuffer(TextBuffer block)
{
    m_core->loadTextFromClipboardBuffer(std::move(block));
}

void ReadingSession::setMaterialCaption(const std::string& caption) { m_caption.setMaterialCaption(caption); }

bool ReadingSession::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            if (m_window.isVisible()) {
                if (event->type() == QEvent::Move)
                    m_core->windowDidMove();
                else
                    m_core->windowDidResize();
                m_frameSave.start();
            }
            break;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            // Typing in the search field is not a command.
            if (m_search && m_search->hasFocus())
                break;
            const int code = macKeyCode(*key);
            if (code >= 0 && m_core->keyDown(code, keyMapShift(*key), keyMapControl(*key)))
                return true;
            break;
        }
        case QEvent::Close:
            m_core->cleanup();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace qor
