#pragma once
// The reading window put together: the reading view framed by its margin
// strip, the slots of the two control strips, the pacing timer, and the
// window's core (QorWindow) that carries out the reader's commands. It
// takes the texts the material entries load into the window.

#include "display/BorderView.h"
#include "display/MainView.h"
#include "display/ui/QtTextMeasurer.h"
#include "session/QorWindow.h"
#include "session/SessionView.h"
#include "session/ui/QtPacingTimer.h"
#include "text/ReadingWindowTarget.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QLineEdit;
class QMainWindow;
class QVBoxLayout;
class QWidget;

namespace qor {

class MainViewWidget;
class CurrentOptions;
class CurrentPrefs;
class TTS;

class ReadingSession final : public QObject, public WindowHost, public ReadingWindowTarget {
    Q_OBJECT
public:
    // Builds the reading area into `window`; `caption` receives the
    // material captions (the window's own).
    ReadingSession(QMainWindow& window, ReadingWindowTarget& caption, CurrentOptions& options,
                   CurrentPrefs& prefs, TTS& speech, Clock& clock, NotificationBus& bus);
    ~ReadingSession() override;

    QorWindow& core() { return *m_core; }
    MainView& view() { return m_view; }
    MainViewWidget* viewWidget() const { return m_viewWidget; }
    QWidget* readingArea() const { return m_area; }
    QtPacingTimer& timer() { return m_timer; }

    // The strips (from the control strips' own code) go below the
    // reading area; the buttons and the search field get the tooltips.
    void setStrips(QWidget* slider, QWidget* control);
    void setStripControls(QWidget* topButton, QWidget* bottomButton, QLineEdit* search);

    // WindowHost
    WindowRect visibleArea() const override;
    WindowRect frame() const override;
    void setFrame(const WindowRect& frame) override;
    void setTitle(const std::string& title) override;
    void setSliderStripHidden(bool hidden, const std::string& buttonImage) override;
    void setControlStripHidden(bool hidden, const std::string& buttonImage) override;
    void setTooltips(const std::string& topButton, const std::string& bottomButton,
                     const std::string& searchField) override;
    std::string searchFieldText() const override;
    void quit() override;

    // ReadingWindowTarget
    void loadTextBuffer(TextBuffer block, const std::string& path, int32_t position) override;
    void loadTextFromClipboardBuffer(TextBuffer block) override;
    void setMaterialCaption(const std::string& caption) override;

    // How long the window must rest before its new frame is saved.
    static constexpr int kFrameSaveDelayMs = 500;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& m_window;
    ReadingWindowTarget& m_caption;
    QtTextMeasurer m_measurer;
    MainViewExpert m_view;
    BorderView m_border;
    MainViewSession m_session;
    QtPacingTimer m_timer;
    std::unique_ptr<QorWindow> m_core;

    QWidget* m_area = nullptr;
    QVBoxLayout* m_stripLayout = nullptr;
    MainViewWidget* m_viewWidget = nullptr;
    QPointer<QWidget> m_slider;
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_topButton;
    QPointer<QWidget> m_bottomButton;
    QPointer<QLineEdit> m_search;
    QTimer m_frameSave;
    bool m_settingFrame = false;
};

}  // namespace qor
