#include "controls/ui/ReadingStrips.h"

#include "controls/StripPresentersTestSupport.h"
#include "controls/ui/ControlViewWidget.h"
#include "controls/ui/SliderControlViewWidget.h"
#include "testing/ui/WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTest>
#include <QVBoxLayout>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace qor {
namespace {

using testing_strips::AllPosts;
using Posts = std::vector<std::string>;

// The strips in a window laid out the way the reading window lays them out.
struct StripsWindow : ::testing::Test {
    StripsWindow()
    {
        auto* central = new QWidget(&window);
        strips = buildReadingStrips(central, reader.options, reader.prefs, reader.bus);
        auto* column = new QVBoxLayout(central);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(0);
        auto* bar = new QHBoxLayout();
        bar->setContentsMargins(6, 4, 6, 4);
        bar->addWidget(strips.topButton);
        bar->addStretch(1);
        bar->addWidget(strips.search);
        bar->addWidget(strips.bottomButton);
        auto* area = new QLabel(QStringLiteral("The reading area"), central);
        area->setObjectName("readingArea");
        area->setAlignment(Qt::AlignCenter);
        area->setMinimumHeight(260);
        area->setStyleSheet("background: white; color: #333; font-size: 22px;");
        column->addLayout(bar);
        column->addWidget(area, 1);
        column->addWidget(strips.slider);
        column->addWidget(strips.control);
        window.setCentralWidget(central);
        window.resize(SliderControlViewWidget::kMinimumWidth + 60, 600);
        window.show();
        reader.bus.post(note::kUserChanged);
        log.take();
    }

    testing_strips::Reader reader;
    QMainWindow window;
    ReadingStrips strips;
    AllPosts log{reader.bus};
};

template <typename T>
QString textOf(QWidget* w, const char* name)
{
    T* c = child<T>(w, name);
    return c ? c->text() : QString();
}

void sendMouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, at, w->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

TEST_F(StripsWindow, NoControlTakesTheKeyboardFocus)
{
    for (QWidget* strip : {strips.slider, strips.control, strips.topButton, strips.bottomButton}) {
        EXPECT_EQ(strip->focusPolicy(), Qt::NoFocus) << strip->objectName().toStdString();
        for (QWidget* w : strip->findChildren<QWidget*>())
            EXPECT_EQ(w->focusPolicy(), Qt::NoFocus) << w->objectName().toStdString();
    }
    EXPECT_EQ(strips.search->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(strips.slider->height(), 35);
    EXPECT_EQ(strips.control->height(), 222);
}

TEST_F(StripsWindow, NothingIsClippedAtTheNarrowestWidth)
{
    window.resize(SliderControlViewWidget::kMinimumWidth, 600);
    QApplication::processEvents();
    for (QWidget* strip : {strips.slider, strips.control}) {
        for (QWidget* w : strip->findChildren<QWidget*>()) {
            const QRect inParent(w->mapTo(strip, QPoint(0, 0)), w->size());
            EXPECT_TRUE(strip->rect().adjusted(2, 2, -2, -2).contains(inParent))
                << w->objectName().toStdString() << " at " << inParent.x() << "," << inParent.y() << " "
                << inParent.width() << "x" << inParent.height();
        }
    }
    if (const char* dir = std::getenv("QOR_SCREENSHOT_DIR")) {
        // A run under way, for the picture.
        reader.speeds(100, 2000, 820);
        reader.bus.post(note::kUpdateTargetSpeed);
        reader.bus.post(note::kSetReadTimer, 754);
        reader.bus.post(note::kSetWordsPerMinute, 412);
        reader.bus.post(note::kSetLastTraditional, 412);
        reader.bus.post(note::kSetCompletionETA, 1385);
        reader.bus.post(note::kPercentUpdateViaPlay, 37);
        reader.bus.post(note::kTurnOnLightingBolt, true);
        window.resize(900, 640);
        QApplication::processEvents();
        EXPECT_TRUE(window.grab().save(QString::fromLocal8Bit(dir) + "/strips.png"));
    }
}

TEST_F(StripsWindow, ButtonsPostTheirCommands)
{
    struct Case {
        QWidget* strip;
        const char* name;
        Posts posts;
    };
    const Case cases[] = {
        {strips.control, "mManualForwardButton", {"ManualForwardNotification"}},
        {strips.control, "mBurstRepeatButton", {"BurstRepeatNotification"}},
        {strips.control, "mWizardButton", {"LaunchWizardPanelNotification"}},
        {strips.control, "mResetTimerButton", {"SetReadTimerNotification(0)"}},
        {strips.control, "mStopTimerButton", {"ManualStopTimerNotification"}},
        {strips.control, "mSpeedUp", {"UpdateTargetSpeedNotification"}},
        {strips.slider, "mPlayButton", {"TurnOnLightingBoltNotification(YES)", "StartPlayingNotification"}},
        {strips.slider, "mStopButton", {"StopPlayingNotification", "TurnOnLightingBoltNotification(NO)"}},
        {strips.slider, "mPageForward", {"PageForwardNotification"}},
        {strips.slider, "mWordBack", {"WordBackNotification"}},
        {strips.slider, "mGotoBookmark", {"GotoBookMarkNotification"}},
        {strips.topButton->parentWidget(), "topControlButton", {"ToggleSliderViewNotification"}},
        {strips.bottomButton->parentWidget(), "bottomControlButton", {"ToggleControlViewNotification"}},
    };
    for (const Case& c : cases) {
        auto* button = child<QAbstractButton>(c.strip, c.name);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(log.take(), c.posts) << c.name;
    }
    strips.search->setText("river");
    QTest::keyClick(strips.search, Qt::Key_Return);
    EXPECT_EQ(log.take(), Posts{"SentenceSearchNotification"});
}

TEST_F(StripsWindow, ClickOnTheSpeedBar)
{
    struct Case {
        QPoint at;  // in the widget, y downwards
        int speed;
    };
    // Strip points (175, 110) and (20, 118): segments 19 and 0. A click
    // above segment 0's top changes nothing.
    for (const Case& c : {Case{{175, 222 - 110}, 2000}, Case{{20, 222 - 118}, 100}, Case{{20, 222 - 121}, 100}}) {
        QTest::mouseClick(strips.control, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_EQ(reader.stored().speed, c.speed);
        EXPECT_EQ(textOf<QLabel>(strips.control, "mTargetSpeedRo"), QString::number(c.speed));
    }
}

TEST_F(StripsWindow, SliderDragPostsPercentages)
{
    sendMouse(strips.slider, QEvent::MouseButtonPress, {100, 17}, Qt::LeftButton);
    sendMouse(strips.slider, QEvent::MouseMove, {500, 17}, Qt::LeftButton);
    EXPECT_EQ(textOf<QLabel>(strips.slider, "mPercentRo"), "100%");
    sendMouse(strips.slider, QEvent::MouseMove, {68, 17}, Qt::LeftButton);
    sendMouse(strips.slider, QEvent::MouseButtonRelease, {68, 17}, Qt::NoButton);
    EXPECT_EQ(log.take(), (Posts{"PercentUpdateViaSliderNotification(11)", "PercentUpdateViaSliderNotification(100)",
                                 "PercentUpdateViaSliderNotification(0)", "FinishedSlidingNotification"}));

    reader.bus.post(note::kPercentUpdateViaPlay, 37);
    EXPECT_EQ(textOf<QLabel>(strips.slider, "mPercentRo"), "37%");
}

TEST_F(StripsWindow, ReadOutsAndTooltipsFollowTheBus)
{
    reader.bus.post(note::kSetReadTimer, 6000);
    reader.bus.post(note::kSetCompletionETA, 5999);
    reader.bus.post(note::kSetLastTraditional, 2600);
    EXPECT_EQ(textOf<QLabel>(strips.control, "mReadTimerRo"), "99:+");
    EXPECT_EQ(textOf<QLabel>(strips.control, "mCompletionETARo"), "99:59");
    EXPECT_EQ(textOf<QLabel>(strips.control, "mLastTraditionalRo"), "10.4 x");
    EXPECT_EQ(textOf<QLabel>(strips.control, "mSpeedHighLimitText"), "2000");

    auto* play = child<QAbstractButton>(strips.slider, "mPlayButton");
    auto* up = child<QAbstractButton>(strips.control, "mSpeedUp");
    auto* wizard = child<QAbstractButton>(strips.control, "mWizardButton");
    ASSERT_TRUE(play && up && wizard);
    EXPECT_TRUE(play->toolTip().isEmpty());
    reader.bus.post(note::kTurnOnToolTips, true);
    EXPECT_EQ(play->toolTip().toStdString(), MessageTables::localizedString("PlayButton", table::kTooltips));
    EXPECT_EQ(up->toolTip().toStdString(), MessageTables::localizedString("SpeedUpButton", table::kTooltips));
    EXPECT_EQ(wizard->toolTip().toStdString(), MessageTables::localizedString("LaunchWizard", table::kTooltips));
    reader.bus.post(note::kTurnOnToolTips, false);
    EXPECT_TRUE(wizard->toolTip().isEmpty());
}

TEST_F(StripsWindow, ToggleButtonsDrawTheirImageName)
{
    const QImage up = strips.topButton->grab().toImage();
    strips.topButton->setProperty("imageName", QStringLiteral("downArrow.png"));
    const QImage down = strips.topButton->grab().toImage();
    EXPECT_NE(up, down);
    strips.topButton->setProperty("imageName", QStringLiteral("upArrow.png"));
    EXPECT_EQ(strips.topButton->grab().toImage(), up);
}

}  // namespace
}  // namespace qor
