#include "session/ui/ReadingSession.h"

#include "display/ui/MainViewWidget.h"
#include "session/SessionTestSupport.h"
#include "shell/Notifications.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace qor {
namespace {

struct CaptionSink final : ReadingWindowTarget {
    std::string caption;
    void loadTextBuffer(TextBuffer, const std::string&, int32_t) override {}
    void loadTextFromClipboardBuffer(TextBuffer) override {}
    void setMaterialCaption(const std::string& c) override { caption = c; }
};

TEST(ReadingSession, PlaysOnTheEventLoopAndHidesItsStrips)
{
    testing_session::Session s;
    s.withOptions([](OptionsRecord& r) {
        r.unit = kUnitWPM;
        r.speed = 3000;  // 20 ms a word
        r.displayMode.mode = 0;
        r.displayMode.modeOpt = 0;
        r.displayMode.modeOptNum = 1;
    });
    s.window.reset();
    QMainWindow window;
    CaptionSink captions;
    ReadingSession session(window, captions, s.options, s.prefs, *s.tts, SystemClock::instance(), s.bus);
    window.setCentralWidget(session.readingArea());
    auto* slider = new QWidget;
    auto* control = new QWidget;
    session.setStrips(slider, control);
    window.resize(700, 500);
    window.show();

    std::string text = "one two three four five six seven eight nine ten";
    session.loadTextFromClipboardBuffer(TextBuffer::fromBytes(text, TextEncoding::Utf8));
    const int32_t start = session.view().getStart();
    // Space reaches the key map as its Mac key code; the map starts play.
    struct Keys final : KeyHandler {
        NotificationBus* bus = nullptr;
        std::vector<int> codes;
        bool keyPressed(int code, bool, bool) override
        {
            codes.push_back(code);
            bus->post(note::kStartPlaying);
            return true;
        }
    } keys;
    keys.bus = &s.bus;
    session.core().setKeyHandler(&keys);
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(&window, &space);
    EXPECT_EQ(keys.codes, (std::vector<int>{49}));
    EXPECT_TRUE(session.core().playing());
    QElapsedTimer t;
    t.start();
    while (session.core().timerOn() && t.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(session.core().timerOn());
    EXPECT_TRUE(session.view().endOfText());
    EXPECT_GT(session.view().getStart(), start);

    s.bus.post(note::kToggleControlView);
    EXPECT_TRUE(control->isHidden());
    EXPECT_FALSE(slider->isHidden());
    s.bus.post(note::kToggleSliderView);
    EXPECT_TRUE(slider->isHidden());
    s.bus.post(note::kToggleControlView);
    EXPECT_FALSE(control->isHidden());

    session.setMaterialCaption("File: x.txt (10 Words)");
    EXPECT_EQ(captions.caption, "File: x.txt (10 Words)");
}

}  // namespace
}  // namespace qor
