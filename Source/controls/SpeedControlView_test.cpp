#include "controls/SpeedControlView.h"

#include "controls/StripPresenters.h"
#include "controls/StripPresentersTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using testing_strips::AllPosts;
using Posts = std::vector<std::string>;

struct SpeedSlider : ::testing::Test {
    testing_strips::Reader reader;
    // Subscribed first, so it logs each post before the strip handles it.
    AllPosts log{reader.bus};
    SpeedControlView view{reader.options, reader.bus};

    // The speed as the reader's options file holds it.
    int speedOnDisk()
    {
        CurrentOptions fresh;
        fresh.setUserFolderSource([this] { return reader.site.users() + "Ann/"; });
        fresh.loadOptionsFile();
        return fresh.record().speed;
    }
};

TEST_F(SpeedSlider, KnobFollowsTheStoredSpeed)
{
    EXPECT_DOUBLE_EQ(view.knobX(), 27);
    struct Case {
        int speed;
        double x;
    };
    for (const Case& c : {Case{1050, 82.5}, Case{100, 27}, Case{2000, 138}}) {
        reader.speeds(100, 2000, c.speed);
        reader.bus.post(note::kUpdateTargetSpeed);
        EXPECT_NEAR(view.knobX(), c.x, 1e-4) << c.speed;
    }
    EXPECT_EQ(log.take(), Posts(3, "UpdateTargetSpeedNotification"));
}

TEST_F(SpeedSlider, PressAndDragSetTheSpeedSavedOnRelease)
{
    view.mouseDown(82.5, 10);
    EXPECT_EQ(reader.stored().speed, 1050);
    EXPECT_NEAR(view.knobX(), 82.5, 1e-4);
    EXPECT_EQ(log.take(), Posts{"UpdateTargetSpeedNotification"});

    view.mouseDragged(400, 10);  // beyond the track
    EXPECT_DOUBLE_EQ(view.knobX(), 138);
    EXPECT_EQ(reader.stored().speed, 2000);
    EXPECT_EQ(speedOnDisk(), 250);  // not written while dragging

    view.mouseUp(400, 10);
    EXPECT_EQ(speedOnDisk(), 2000);
    view.mouseDragged(27, 10);  // no longer tracking
    EXPECT_EQ(reader.stored().speed, 2000);

    view.mouseDown(2, 10);  // left of the track: its left end
    EXPECT_DOUBLE_EQ(view.knobX(), 27);
    EXPECT_EQ(reader.stored().speed, 100);
    view.mouseUp(2, 10);
}

TEST_F(SpeedSlider, ButtonsStepOnePointWithinTheTrack)
{
    struct Case {
        int speed;
        SpeedControlView::Button button;
        double x;
        int after;
    };
    const Case cases[] = {
        {2000, SpeedControlView::Button::SpeedUp, 138, 2000},
        {100, SpeedControlView::Button::SpeedDown, 27, 100},
        {100, SpeedControlView::Button::SpeedUp, 28, 117},
        {1050, SpeedControlView::Button::SpeedDown, 81.5, 1032},
    };
    for (const Case& c : cases) {
        reader.speeds(100, 2000, c.speed);
        reader.bus.post(note::kUpdateTargetSpeed);
        log.take();
        view.press(c.button);
        EXPECT_EQ(reader.stored().speed, c.after) << c.speed;
        EXPECT_EQ(speedOnDisk(), c.after) << c.speed;
        EXPECT_EQ(log.take(), Posts{"UpdateTargetSpeedNotification"});
        // The knob settles on the position of the stored whole speed.
        EXPECT_NEAR(view.knobX(), strips::knobXForSpeed(c.after, 100, 2000), 1e-4);
        EXPECT_NEAR(view.knobX(), c.x, 0.1) << c.speed;
    }
}

TEST_F(SpeedSlider, SetsTheReadingSpeedWhileSpeaking)
{
    reader.speaking(true);
    reader.speeds(100, 2000, 250, 9);
    view.mouseDown(138, 10);
    view.mouseUp(138, 10);
    EXPECT_EQ(reader.stored().speed, 2000);
    EXPECT_EQ(reader.stored().speechSpeed, 9);
}

TEST_F(SpeedSlider, Tooltips)
{
    reader.bus.post(note::kTurnOnToolTips, true);
    for (const auto& info : SpeedControlView::buttons()) {
        EXPECT_NE(view.tooltip(info.button), "") << info.outlet;
        EXPECT_EQ(view.tooltip(info.button), MessageTables::localizedString(info.tooltipKey, table::kTooltips));
    }
    reader.bus.post(note::kTurnOnToolTips, false);
    EXPECT_EQ(view.tooltip(SpeedControlView::Button::SpeedUp), "");
}

}  // namespace
}  // namespace qor
