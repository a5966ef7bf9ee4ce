#include "controls/SliderControlView.h"

#include "controls/StripPresenters.h"
#include "controls/StripPresentersTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using testing_strips::AllPosts;
using Posts = std::vector<std::string>;

struct SliderStrip : ::testing::Test {
    testing_strips::Reader reader;
    // Subscribed first, so it logs each post before the strip handles it.
    AllPosts log{reader.bus};
    SliderControlView view{reader.bus};
};

TEST_F(SliderStrip, ButtonsPostTheirCommands)
{
    struct Case {
        SliderControlView::Button button;
        Posts posts;
        bool playingAfter;
    };
    const Case cases[] = {
        {SliderControlView::Button::Play,
         {"TurnOnLightingBoltNotification(YES)", "StartPlayingNotification"}, true},
        {SliderControlView::Button::PageBack, {"PageBackNotification"}, true},
        {SliderControlView::Button::PageForward, {"PageForwardNotification"}, true},
        {SliderControlView::Button::WordBack, {"WordBackNotification"}, true},
        {SliderControlView::Button::WordForward, {"WordForwardNotification"}, true},
        {SliderControlView::Button::SetBookmark, {"SetBookMarkNotification"}, true},
        {SliderControlView::Button::GotoBookmark, {"GotoBookMarkNotification"}, true},
        {SliderControlView::Button::Stop,
         {"StopPlayingNotification", "TurnOnLightingBoltNotification(NO)"}, false},
    };
    for (const Case& c : cases) {
        view.press(c.button);
        EXPECT_EQ(log.take(), c.posts);
        EXPECT_EQ(view.playing(), c.playingAfter);
    }
}

TEST_F(SliderStrip, ToggleFollowsWhatTheStripLastLearned)
{
    reader.bus.post(note::kToggleStopPlay);
    EXPECT_EQ(log.take(), (Posts{"ToggleStopPlayNotification", "TurnOnLightingBoltNotification(YES)",
                                 "StartPlayingNotification"}));
    // The reading window stops the run at the end of the text.
    reader.bus.post(note::kForcedStopPlay, false);
    EXPECT_EQ(log.take(), (Posts{"ForcedStopPlayNotification(NO)", "TurnOnLightingBoltNotification(NO)"}));
    EXPECT_FALSE(view.playing());
    reader.bus.post(note::kToggleStopPlay);
    EXPECT_EQ(log.take().back(), "StartPlayingNotification");

    view.stopButton();
    // A burst started from the control strip.
    reader.bus.post(note::kForcedStopPlay, true);
    EXPECT_TRUE(view.playing());
    log.take();
    reader.bus.post(note::kToggleStopPlay);
    EXPECT_EQ(log.take(), (Posts{"ToggleStopPlayNotification", "StopPlayingNotification",
                                 "TurnOnLightingBoltNotification(NO)"}));
}

TEST_F(SliderStrip, ShowsEveryPercentageAsReceived)
{
    for (int p = 0; p <= 100; ++p) {
        reader.bus.post(note::kPercentUpdateViaPlay, p);
        EXPECT_EQ(view.percentText(), std::to_string(p));
        EXPECT_DOUBLE_EQ(view.knobX(), strips::knobXForPercent(p));
    }
    reader.bus.post(note::kPercentUpdateViaPlay, 50);
    EXPECT_DOUBLE_EQ(view.knobX(), 222.5);
    reader.bus.post(note::kPercentUpdateViaPlay, 140);
    EXPECT_EQ(view.percentText(), "100");
    EXPECT_DOUBLE_EQ(view.knobX(), 380);
    reader.bus.post(note::kPercentUpdateViaPlay, -3);
    EXPECT_EQ(view.percentText(), "0");
    // Never echoed back.
    for (const std::string& post : log.take())
        EXPECT_EQ(post.rfind("PercentUpdateViaSlider", 0), std::string::npos) << post;
}

TEST_F(SliderStrip, PressDragAndRelease)
{
    struct Press {
        double x;
        bool taken;
    };
    const Press presses[] = {{64, false}, {65, true}, {383, true}, {384, false}};
    for (const Press& p : presses) {
        EXPECT_EQ(view.mouseDown(p.x, 17), p.taken) << p.x;
        view.mouseUp(200, 17);
    }
    log.take();

    // Dragging before any press does nothing.
    view.mouseDragged(300, 17);
    EXPECT_EQ(log.take(), Posts{});

    ASSERT_TRUE(view.mouseDown(100, 17));
    EXPECT_EQ(log.take(), Posts{"PercentUpdateViaSliderNotification(11)"});
    EXPECT_EQ(view.percentText(), "11");
    view.mouseDragged(500, 17);
    EXPECT_DOUBLE_EQ(view.knobX(), 380);
    EXPECT_EQ(log.take(), Posts{"PercentUpdateViaSliderNotification(100)"});
    view.mouseDragged(10, 17);
    EXPECT_DOUBLE_EQ(view.knobX(), 65);
    EXPECT_EQ(log.take(), Posts{"PercentUpdateViaSliderNotification(0)"});
    view.mouseUp(200, 17);
    EXPECT_FALSE(view.trackingMargin());
    view.mouseDragged(300, 17);
    EXPECT_EQ(log.take(), Posts{});
}

TEST_F(SliderStrip, ReleaseAtTheLeftEndAsksForTheRealPosition)
{
    struct Case {
        double x;
        bool finished;
    };
    for (const Case& c : {Case{68, true}, Case{69, false}, Case{30, true}, Case{380, false}}) {
        ASSERT_TRUE(view.mouseDown(120, 17));
        log.take();
        view.mouseUp(c.x, 17);
        EXPECT_EQ(log.take(), c.finished ? Posts{"FinishedSlidingNotification"} : Posts{}) << c.x;
    }
}

TEST_F(SliderStrip, Tooltips)
{
    EXPECT_EQ(view.tooltip(SliderControlView::Button::Play), "");
    reader.bus.post(note::kTurnOnToolTips, true);
    for (const auto& info : SliderControlView::buttons())
        EXPECT_EQ(view.tooltip(info.button), MessageTables::localizedString(info.tooltipKey, table::kTooltips))
            << info.outlet;
    EXPECT_NE(view.tooltip(SliderControlView::Button::GotoBookmark), "");
    reader.bus.post(note::kTurnOnToolTips, false);
    EXPECT_EQ(view.tooltip(SliderControlView::Button::GotoBookmark), "");
}

}  // namespace
}  // namespace qor
