#include "session/DisplayRecommendation.h"

#include "display/PresetFontInfo.h"
#include "display/StandardOptions.h"
#include "session/SessionTestSupport.h"
#include "shell/Notifications.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

OptionsRecord base(int mode, int opt)
{
    OptionsRecord r;
    StandardOptions::defaultWindowOptions(r);
    r.displayMode.mode = mode;
    r.displayMode.modeOpt = opt;
    r.displayMode.modeOptNum = 3;
    r.windowWidth = 1272;  // within 8 of the screen: no stretching
    r.windowHeight = 792;
    r.font.size = 12;
    r.font.margin = 400;
    r.burst.burstType = 0;
    r.burst.burstNum = 1;
    PresetFontInfo::traits(r.font, 0);  // preset 1: no colour advice
    r.font.size = 12;
    r.font.margin = 400;
    return r;
}

std::string lines(const Recommendation& r)
{
    std::string m = r.message();
    const std::string head = "change the following:\n";
    const std::string tail = "\nDo you want the above recommended option settings?";
    m = m.substr(m.find(head) + head.size());
    return m.substr(0, m.size() - tail.size());
}

struct Case {
    const char* what;
    int mode, opt;
    void (*tweak)(OptionsRecord&, RecommendationInput&);
    const char* expected;  // the advice lines, "" for no question
    int burstType;         // after a "Yes"; -1 for unchanged
};

const Case kCases[] = {
    {"centre, whole line that does not fit", 0, 2,
     [](OptionsRecord&, RecommendationInput& in) { in.linesFit = false; }, "   - Stretch screen height.\n", -1},
    {"centre, words: nothing to say", 0, 0, [](OptionsRecord&, RecommendationInput&) {}, "", -1},
    {"centre, yellow preset", 1, 0, [](OptionsRecord& r, RecommendationInput&) { PresetFontInfo::traits(r.font, 4); },
     "   - Change colors to a recommended setting for non-highlight modes.\n", -1},
    {"eye trainer, big font, two words, small window", 2, 0,
     [](OptionsRecord& r, RecommendationInput&) {
         r.font.size = 30;
         r.displayMode.modeOptNum = 2;
         r.windowWidth = 600;
         r.windowHeight = 500;
     },
     "   - Stretch screen width.\n   - Stretch margin width.\n   - Reduce font size to 22.\n"
     "   - Increase number of words to display/highlight to 3 words.\n   - Stretch screen height.\n",
     -1},
    {"unformatted, no highlighting, preset 1", 3, 6, [](OptionsRecord&, RecommendationInput&) {}, "", 4},
    {"unformatted, fixations", 3, 8, [](OptionsRecord& r, RecommendationInput&) { r.font.size = 23; },
     "   - Reduce font size to 22.\n", 2},
    {"formatted, no highlighting: always the margin", 4, 6, [](OptionsRecord&, RecommendationInput&) {},
     "   - Stretch margin width.\n", 4},
    {"formatted, screen font at 1280", 4, 9, [](OptionsRecord& r, RecommendationInput&) { r.font.size = 19; },
     "   - Stretch margin width.\n   - Reduce font size to 18.\n", 4},
    {"formatted, screen font at 800", 4, 7,
     [](OptionsRecord& r, RecommendationInput& in) {
         in.visibleWidth = 800;
         r.windowWidth = 796;
         r.font.size = 15;
     },
     "   - Stretch margin width.\n   - Reduce font size to 14.\n", -1},
    {"formatted, tiny screen: no font advice", 4, 8,
     [](OptionsRecord& r, RecommendationInput& in) {
         in.visibleWidth = 600;
         r.windowWidth = 596;
         r.font.size = 40;
     },
     "   - Stretch margin width.\n", 2},
};

TEST(DisplayRecommendation, AdviceByModeAndOption)
{
    for (const Case& c : kCases) {
        OptionsRecord rec = base(c.mode, c.opt);
        RecommendationInput in;
        in.visibleWidth = 1280;
        in.visibleHeight = 800;
        in.longestLine = 100;
        c.tweak(rec, in);
        in.options = rec;
        const Recommendation r = recommendDisplay(in);
        EXPECT_EQ(r.ask(), *c.expected != 0) << c.what;
        if (r.ask()) {
            EXPECT_EQ(lines(r), c.expected) << c.what;
        }
        OptionsRecord after = rec;
        applyRecommendation(r, after);
        EXPECT_EQ(after.burst.burstType, c.burstType < 0 ? rec.burst.burstType : c.burstType) << c.what;
    }
}

TEST(DisplayRecommendation, ALineTooLongForTheColumnAsksWithoutALineOfItsOwn)
{
    OptionsRecord rec = base(4, 7);
    RecommendationInput in{rec, 1280, 800, true, 500};
    Recommendation r = recommendDisplay(in);
    EXPECT_FALSE(r.fit);
    in.longestLine = 400;
    EXPECT_TRUE(recommendDisplay(in).fit);
    in.options.displayMode.mode = 3;
    in.longestLine = 5000;
    EXPECT_TRUE(recommendDisplay(in).fit);
}

using testing_session::Session;

TEST(DisplayRecommendation, NoKeepsEverythingAndYesKeepsTheStretchedMargin)
{
    Session s;
    s.withOptions([](OptionsRecord& r) {
        r.displayMode.mode = 4;
        r.displayMode.modeOpt = 6;
        r.burst.burstType = 1;
        r.burst.burstNum = 7;
        r.font.size = 30;
    });
    // The margin strip answers "maximise" as the real one does.
    Subscription margins = s.bus.subscribe(note::kMaximizeMargins, [&](const Notification&) {
        OptionsRecord r = s.options.options();
        r.font.margin = 1111;
        s.options.setOptions(r);
    });
    const OptionsRecord before = s.options.options();
    s.site.alerts.answers = {1};  // No
    s.post(note::kDisplayRecommendation);
    ASSERT_EQ(s.site.alerts.shown.size(), 1u);
    EXPECT_TRUE(s.options.options() == before);

    s.site.alerts.answers = {0};  // Yes
    s.view.longest = 5000;        // wider than the column
    s.post(note::kDisplayRecommendation);
    const OptionsRecord after = s.options.options();
    EXPECT_EQ(after.burst.burstType, 4);
    EXPECT_EQ(after.burst.burstNum, 5);
    EXPECT_EQ(after.font.size, 18);
    EXPECT_EQ(after.font.margin, 1111);  // the stretched margin lasts
    EXPECT_EQ(s.view.fontSet.size, 18);  // measured with the new font
    // Resized to the text's width, then to the screen's height.
    ASSERT_EQ(s.host.frames.size(), 2u);
    EXPECT_EQ(s.host.frames[0].width, 1280);
    EXPECT_EQ(s.host.frames[1], (WindowRect{0, 0, 1280, 800}));
}

}  // namespace
}  // namespace qor
