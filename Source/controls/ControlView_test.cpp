#include "controls/ControlView.h"

#include "controls/StripPresentersTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor {
namespace {

using testing_strips::AllPosts;
using Posts = std::vector<std::string>;

struct ControlStrip : ::testing::Test {
    testing_strips::Reader reader;
    // Subscribed first, so it logs each post before the strip handles it.
    AllPosts log{reader.bus};
    ControlView view{reader.options, reader.prefs, reader.bus};
};

TEST_F(ControlStrip, SpeedFigureBarAndLimits)
{
    struct Case {
        bool speaking;
        int low, high, speed, speechSpeed;
        const char* figure;
        int index;
        const char* lowText;
        const char* highText;
    };
    const Case cases[] = {
        {false, 100, 2000, 250, 11, "250", 1, "100", "2000"},
        {false, 100, 2000, 2000, 11, "2000", 19, "100", "2000"},
        {false, 100, 2000, 100, 11, "100", 0, "100", "2000"},
        {false, 300, 900, 620, 11, "620", 10, "300", "900"},  // unit 31
        {true, 100, 2000, 250, 6, "6", 5, "1", "20"},
        {true, 100, 2000, 250, 20, "20", 19, "1", "20"},
    };
    for (const Case& c : cases) {
        reader.speaking(c.speaking);
        reader.speeds(c.low, c.high, c.speed, c.speechSpeed);
        reader.bus.post(note::kUpdateTargetSpeed);
        reader.bus.post(note::kTargetSpeedLimits);
        EXPECT_EQ(view.targetSpeedText(), c.figure) << c.speed;
        EXPECT_EQ(view.speedBarIndex(), c.index) << c.speed;
        EXPECT_EQ(view.lowLimitText(), c.lowText);
        EXPECT_EQ(view.highLimitText(), c.highText);
    }
}

TEST_F(ControlStrip, DrawingTheBarIgnoresIndicesOutside)
{
    view.setSpeedBar(7);
    EXPECT_EQ(view.segmentImage(8), "bar08c.png");
    EXPECT_EQ(view.segmentImage(9), "bar09b.png");
    for (int bad : {-1, 20, 1000}) {
        view.setSpeedBar(bad);
        EXPECT_EQ(view.speedBarIndex(), 7) << bad;
    }
}

TEST_F(ControlStrip, SpeedSteps)
{
    struct Case {
        int speed;
        std::string_view name;
        int after;
        bool posts;
    };
    const Case cases[] = {
        {2000, note::kFasterSpeedOneUnit, 2000, false},
        {1990, note::kFasterSpeedBarUnit, 2000, true},
        {2000, note::kFasterSpeedBarUnit, 2000, true},
        {500, note::kFasterSpeedBarUnit, 600, true},
        {500, note::kSlowerSpeedBarUnit, 400, true},
        {150, note::kSlowerSpeedBarUnit, 100, true},
        {500, note::kFasterSpeedOneUnit, 501, true},
        {500, note::kSlowerSpeedOneUnit, 499, true},
        {100, note::kSlowerSpeedOneUnit, 100, false},
    };
    for (const Case& c : cases) {
        reader.speeds(100, 2000, c.speed);
        log.take();
        reader.bus.post(c.name);
        EXPECT_EQ(reader.stored().speed, c.after) << c.name << " at " << c.speed;
        const Posts expected = c.posts ? Posts{std::string(c.name), "UpdateTargetSpeedNotification"}
                                       : Posts{std::string(c.name)};
        EXPECT_EQ(log.take(), expected) << c.name << " at " << c.speed;
        if (c.posts) {
            EXPECT_EQ(view.targetSpeedText(), std::to_string(c.after));
        }
    }

    // The steps change the reading speed also while speech paces.
    reader.speaking(true);
    reader.speeds(100, 2000, 500, 7);
    reader.bus.post(note::kFasterSpeedOneUnit);
    EXPECT_EQ(reader.stored().speed, 501);
    EXPECT_EQ(reader.stored().speechSpeed, 7);
}

TEST_F(ControlStrip, ClicksOnTheSpeedBar)
{
    struct Case {
        double x, y;
        bool taken;
        int speed;
        int index;
    };
    const Case cases[] = {
        {16.5, 110, false, 250, 1},  // x' = 0
        {175, 110, true, 2000, 19},  // x' = 159: segment 19
        {20, 118, true, 100, 0},     // y' = 13
        {20, 119, false, 250, 1},    // y' = 14: above segment 0
        {60, 110, true, 600, 5},
        {200, 110, false, 250, 1},   // right of the bar's frame
        {100, 100, false, 250, 1},   // below it
    };
    for (const Case& c : cases) {
        reader.speeds(100, 2000, 250);
        reader.bus.post(note::kUpdateTargetSpeed);
        log.take();
        EXPECT_EQ(view.mouseUp(c.x, c.y), c.taken) << c.x << "," << c.y;
        EXPECT_EQ(reader.stored().speed, c.speed) << c.x << "," << c.y;
        EXPECT_EQ(view.speedBarIndex(), c.index) << c.x << "," << c.y;
        EXPECT_EQ(log.take(), c.taken ? Posts{"UpdateTargetSpeedNotification"} : Posts{});
    }
}

TEST_F(ControlStrip, ClickWhileSpeakingSetsTheSpeechSpeed)
{
    reader.speaking(true);
    reader.speeds(100, 2000, 250, 11);
    reader.bus.post(note::kTargetSpeedLimits);
    ASSERT_TRUE(view.mouseUp(60, 110));  // segment 5
    EXPECT_EQ(reader.stored().speechSpeed, 6);
    EXPECT_EQ(reader.stored().speed, 250);
    EXPECT_EQ(view.targetSpeedText(), "6");
    EXPECT_EQ(view.speedBarIndex(), 5);
    EXPECT_EQ(view.lowLimitText(), "1");
    EXPECT_EQ(view.highLimitText(), "20");
}

TEST_F(ControlStrip, NewReaderAnnouncesTheirSettings)
{
    struct Case {
        bool speaking;
        int unit;
        uint8_t DelayOptions::*flag;
        Posts posts;
        const char* unitImage;
        const char* fineTune;
    };
    const Case cases[] = {
        {false, 2, nullptr,
         {"UserChangedNotification", "FineTuneOnNotification(NO)", "TargetSpeedUnitNotification(2)",
          "UpdateTargetSpeedNotification", "TargetSpeedLimitsNotification"},
         "targetcpm.png", "finetuneoff.png"},
        {false, 0, &DelayOptions::bMinimumDelay,
         {"UserChangedNotification", "FineTuneOnNotification(YES)", "TargetSpeedUnitNotification(0)",
          "UpdateTargetSpeedNotification", "TargetSpeedLimitsNotification"},
         "targetwpm.png", "finetuneon.png"},
        {true, 1, &DelayOptions::bFixed,
         {"UserChangedNotification", "FineTuneOnNotification(YES)", "TargetSpeedUnitNotification(3)",
          "UpdateTargetSpeedNotification", "TargetSpeedLimitsNotification"},
         "speech_speed.png", "finetuneon.png"},
    };
    for (const Case& c : cases) {
        reader.speaking(c.speaking);
        OptionsRecord rec = reader.stored();
        rec.unit = static_cast<uint16_t>(c.unit);
        rec.delay = DelayOptions{};
        if (c.flag)
            rec.delay.*c.flag = 1;
        reader.options.setOptions(rec);
        log.take();
        reader.bus.post(note::kUserChanged);
        EXPECT_EQ(log.take(), c.posts);
        EXPECT_EQ(view.unitImage(), c.unitImage);
        EXPECT_EQ(view.fineTuneImage(), c.fineTune);
        EXPECT_EQ(view.lowLimitText(), c.speaking ? "1" : "100");
    }
}

TEST_F(ControlStrip, ReadOutsFromTheBus)
{
    struct Case {
        std::string_view name;
        int value;
        const std::string& (ControlView::*text)() const;
        const char* shown;
    };
    const Case cases[] = {
        {note::kSetReadTimer, 5999, &ControlView::readTimerText, "99:59"},
        {note::kSetReadTimer, 6000, &ControlView::readTimerText, "99:+"},
        {note::kSetReadTimer, -90, &ControlView::readTimerText, "00:00"},
        {note::kSetCompletionETA, 5999, &ControlView::completionETAText, "99:59"},
        {note::kSetCompletionETA, 6000, &ControlView::completionETAText, "99:+"},
        {note::kSetCompletionETA, -1, &ControlView::completionETAText, "00:00"},
        {note::kSetWordsPerMinute, 412, &ControlView::lastActualText, "412"},
        {note::kSetWordsPerMinute, -1, &ControlView::lastActualText, "?"},
        {note::kSetLastTraditional, 2600, &ControlView::lastTraditionalText, "10.4 x"},
        {note::kSetLastTraditional, 200, &ControlView::lastTraditionalText, "0.8 x"},
        {note::kSetLastTraditional, -1, &ControlView::lastTraditionalText, "?"},
    };
    for (const Case& c : cases) {
        reader.bus.post(c.name, c.value);
        EXPECT_EQ((view.*c.text)(), c.shown) << c.name << " " << c.value;
    }

    reader.bus.post(note::kTargetSpeedUnit, 1);
    reader.bus.post(note::kTargetSpeedUnit, 7);  // not a unit: the label stays
    EXPECT_EQ(view.unitImage(), "targetcps.png");
    reader.bus.post(note::kTurnOnLightingBolt, true);
    EXPECT_EQ(view.lightingBoltImage(), "frontLogoOn.png");
    reader.bus.post(note::kTurnOnLightingBolt, false);
    EXPECT_EQ(view.lightingBoltImage(), "frontLogo.png");
}

TEST_F(ControlStrip, AverageAndItsReset)
{
    reader.prefs.setInt64Values({{prefkey::kAveTotalWords, 50000}, {prefkey::kAveTotalTime, 600000}});
    reader.bus.post(note::kSetAverageActual);
    EXPECT_EQ(view.averageActualText(), "5000");

    reader.prefs.setInt64Values({{prefkey::kAveTotalWords, 3000000000LL}, {prefkey::kAveTotalTime, 36000000000LL}});
    reader.bus.post(note::kSetAverageActual);
    EXPECT_EQ(view.averageActualText(), "5000");

    log.take();
    view.resetActualWPM();
    EXPECT_EQ(reader.prefs.int64Value(prefkey::kAveTotalWords), 0);
    EXPECT_EQ(reader.prefs.int64Value(prefkey::kAveTotalTime), 0);
    EXPECT_EQ(view.averageActualText(), "0");
    EXPECT_EQ(log.take(), Posts{"SetAverageActualNotification"});
}

TEST_F(ControlStrip, ButtonsPostTheirCommands)
{
    struct Case {
        ControlView::Button button;
        Posts posts;
    };
    const Case cases[] = {
        {ControlView::Button::ManualForward, {"ManualForwardNotification"}},
        {ControlView::Button::ManualBack, {"ManualBackNotification"}},
        // The reading window itself announces that the burst started.
        {ControlView::Button::BurstRepeat, {"BurstRepeatNotification"}},
        {ControlView::Button::BurstForward, {"BurstForwardNotification"}},
        {ControlView::Button::Wizard, {"LaunchWizardPanelNotification"}},
        {ControlView::Button::ResetTimer, {"SetReadTimerNotification(0)"}},
        {ControlView::Button::ResetActualWPM, {"SetAverageActualNotification"}},
        {ControlView::Button::StartTimer, {"ManualStartTimerNotification"}},
        {ControlView::Button::StopTimer, {"ManualStopTimerNotification"}},
    };
    for (const Case& c : cases) {
        view.press(c.button);
        EXPECT_EQ(log.take(), c.posts);
    }
    reader.bus.post(note::kSetReadTimer, 75);
    view.resetTimer();
    EXPECT_EQ(view.readTimerText(), "00:00");
}

TEST_F(ControlStrip, TooltipsFollowTheBus)
{
    for (const auto& info : ControlView::buttons())
        EXPECT_EQ(view.tooltip(info.button), "") << info.outlet;
    reader.bus.post(note::kTurnOnToolTips, true);
    for (const auto& info : ControlView::buttons()) {
        EXPECT_TRUE(MessageTables::has(info.tooltipKey, table::kTooltips)) << info.tooltipKey;
        EXPECT_EQ(view.tooltip(info.button), MessageTables::localizedString(info.tooltipKey, table::kTooltips));
        EXPECT_NE(view.tooltip(info.button), "") << info.outlet;
    }
    reader.bus.post(note::kTurnOnToolTips, false);
    EXPECT_EQ(view.tooltip(ControlView::Button::Wizard), "");

    // A key the table lacks shows nothing rather than the key.
    EXPECT_EQ(stripTooltip(true, "NoSuchControlKey"), "");
}

}  // namespace
}  // namespace qor
