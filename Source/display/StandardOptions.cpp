#include "display/StandardOptions.h"

#include "display/CurrentOptions.h"
#include "shell/NotificationBus.h"
#include "shell/Notifications.h"

#include <optional>

namespace qor {

namespace {

constexpr const char* kArialBold = "Arial-BoldMT";
constexpr const char* kTimesBold = "TimesNewRomanPS-BoldMT";

struct Palette {
    QorColor text, page, highlightPage, highlightText;
};

// One preset: what differs from the defaults. Zero (or nullptr, or no
// palette) keeps the default.
struct Preset {
    int code;
    int mode, modeOpt, modeOptNum;
    const char* fontName;
    int size;
    int style;
    int margin;
    std::optional<Palette> colors;
    int speed;
    int width, height;
    bool fixed;
};

using namespace colors;
constexpr Palette kGreyOnBlack{kDarkGrey, kBlack, kBlack, kYellow};
constexpr Palette kLightGreyBlue{kLightGrey, kWhite, kWhite, kBlue};
constexpr Palette kLightGreyYellowPage{kLightGrey, kWhite, kYellow, kBlack};
constexpr Palette kLightGreyWhite{kLightGrey, kWhite, kWhite, kBlack};
constexpr Palette kBlackOnWhite{kBlack, kWhite, kOlive, kYellow};

const Preset kPresets[] = {
    // code  mode/opt/num  font         size style margin colours           speed  w     h     fixed
    {4001, 0, 0, 1, nullptr, 0, 0, 0, std::nullopt, 400, 0, 0, false},
    {4002, 0, 3, 1, nullptr, 22, 0, 416, std::nullopt, 400, 0, 738, false},
    {4003, 0, 5, 1, nullptr, 22, 0, 300, std::nullopt, 400, 0, 738, false},
    {4004, 1, 3, 1, nullptr, 22, 0, 416, std::nullopt, 400, 0, 738, false},
    {4005, 1, 5, 1, nullptr, 22, 0, 300, std::nullopt, 400, 0, 738, false},
    {4006, 0, 2, 2, nullptr, 0, 0, 200, std::nullopt, 0, 0, 0, false},
    {4007, 0, 2, 2, nullptr, 36, 0, 200, std::nullopt, 0, 0, 0, false},
    {4008, 0, 2, 4, kArialBold, 72, 0, 580, std::nullopt, 0, 1024, 738, false},
    {4009, 3, 8, 2, kArialBold, 16, 1, 360, kGreyOnBlack, 0, 0, 738, true},
    {4010, 3, 8, 2, kArialBold, 16, 1, 360, kLightGreyBlue, 0, 0, 738, true},
    {4011, 3, 8, 2, kArialBold, 16, 1, 360, kLightGreyYellowPage, 0, 0, 738, true},
    {4030, 4, 7, 1, kArialBold, 18, 1, 360, kGreyOnBlack, 0, 1024, 738, true},
    {4012, 4, 8, 3, kArialBold, 18, 1, 360, kGreyOnBlack, 0, 1024, 738, true},
    {4013, 3, 9, 1, kTimesBold, 16, 1, 253, kLightGreyWhite, 0, 0, 738, false},
    {4014, 3, 9, 2, kTimesBold, 16, 1, 253, kLightGreyWhite, 0, 0, 738, false},
    {4015, 3, 9, 3, kTimesBold, 16, 1, 253, kLightGreyWhite, 0, 0, 738, false},
    {4016, 3, 9, 1, kTimesBold, 14, 1, 360, kLightGreyWhite, 0, 0, 738, false},
    {4017, 3, 9, 2, kTimesBold, 14, 1, 360, kLightGreyWhite, 0, 0, 738, false},
    {4018, 3, 9, 3, kTimesBold, 14, 1, 253, kLightGreyWhite, 0, 0, 738, false},
    {4019, 2, 0, 2, nullptr, 22, 0, 947, std::nullopt, 0, 1024, 738, false},
    {4020, 2, 0, 3, nullptr, 22, 0, 947, std::nullopt, 0, 1024, 738, false},
    {4021, 2, 1, 2, nullptr, 18, 0, 0, std::nullopt, 0, 0, 738, true},
    {4022, 2, 1, 3, nullptr, 18, 0, 0, std::nullopt, 0, 0, 738, true},
    {4023, 2, 0, 3, nullptr, 22, 0, 110, std::nullopt, 0, 0, 738, false},
    {4024, 2, 0, 3, kTimesBold, 16, 1, 253, kBlackOnWhite, 0, 0, 738, false},
    {4025, 2, 0, 2, kTimesBold, 16, 1, 253, kBlackOnWhite, 0, 0, 738, false},
    {4026, 2, 0, 3, kTimesBold, 16, 1, 253, kBlackOnWhite, 0, 0, 738, false},
    {4027, 2, 2, 1, kTimesBold, 14, 1, 360, kBlackOnWhite, 0, 0, 738, false},
    {4028, 2, 2, 2, kTimesBold, 14, 1, 360, kBlackOnWhite, 0, 0, 738, false},
    {4029, 2, 2, 3, kTimesBold, 14, 1, 360, kBlackOnWhite, 0, 0, 738, false},
    {4031, 2, 0, 1, nullptr, 22, 0, 947, std::nullopt, 0, 1024, 738, false},
};

struct TagCode {
    int tag;
    int code;
};

int codeForTag(const TagCode* table, size_t n, int tag, int fallback)
{
    for (size_t i = 0; i < n; ++i)
        if (table[i].tag == tag)
            return table[i].code;
    return fallback;
}

}  // namespace

void StandardOptions::defaultWindowOptions(OptionsRecord& rec)
{
    rec = OptionsRecord{};
    rec.lowSpeed = 100;
    rec.highSpeed = 2000;
    rec.speed = 250;
    rec.speechSpeed = 11;
    rec.timer = 60;
    rec.unit = kUnitWPM;
    rec.windowX = -1;
    rec.windowY = -1;
    rec.windowWidth = 640;
    rec.windowHeight = 480;
    rec.burst = {0, 3};
    DelayOptions& d = rec.delay;
    d.longWordDelay = 400;
    d.wordLength = 8;
    d.sentenceDelay = 400;
    d.punctuationDelay = 400;
    d.beginningOfLineDelay = 400;
    d.beginningOfPageDelay = 400;
    d.minimumDelay = 400;
    FontTrait& f = rec.font;
    f.fontColor = colors::kYellow;
    f.backgroundColor = colors::kBlack;
    f.highlightBackgroundColor = colors::kOlive;
    f.highlightFontColor = colors::kYellow;
    f.margin = 553;
    f.style = 0;
    f.size = 48;
    f.fontName = std::string(kDefaultFontName);
    rec.displayMode = {0, 0, 1, 0};
}

void StandardOptions::getStandardOption(OptionsRecord& rec, int code)
{
    defaultWindowOptions(rec);
    for (const Preset& p : kPresets) {
        if (p.code != code)
            continue;
        rec.displayMode.mode = p.mode;
        rec.displayMode.modeOpt = p.modeOpt;
        rec.displayMode.modeOptNum = p.modeOptNum;
        if (p.fontName)
            rec.font.fontName = p.fontName;
        if (p.size)
            rec.font.size = p.size;
        rec.font.style = p.style;
        if (p.margin)
            rec.font.margin = p.margin;
        if (p.colors) {
            rec.font.fontColor = p.colors->text;
            rec.font.backgroundColor = p.colors->page;
            rec.font.highlightBackgroundColor = p.colors->highlightPage;
            rec.font.highlightFontColor = p.colors->highlightText;
        }
        if (p.speed)
            rec.speed = p.speed;
        if (p.width)
            rec.windowWidth = p.width;
        if (p.height)
            rec.windowHeight = p.height;
        rec.delay.bFixed = p.fixed ? 1 : 0;
        return;
    }
}

int StandardOptions::productivityCode(int tag)
{
    static const TagCode table[] = {{20, 4002}, {30, 4003}, {40, 4004}, {50, 4005},
                                    {60, 4006}, {70, 4007}, {80, 4008}};
    return codeForTag(table, std::size(table), tag, 4001);
}

int StandardOptions::educationHighlightCode(int tag)
{
    static const TagCode table[] = {{20, 4010}, {30, 4011}, {35, 4030}, {40, 4012},
                                    {50, 4013}, {60, 4014}, {70, 4015}, {80, 4016},
                                    {90, 4017}, {100, 4018}};
    return codeForTag(table, std::size(table), tag, 4009);
}

int StandardOptions::educationNonHighlightCode(int tag)
{
    static const TagCode table[] = {{10, 4019}, {20, 4020}, {30, 4021}, {40, 4022},
                                    {50, 4023}, {60, 4024}, {70, 4025}, {80, 4026},
                                    {90, 4027}, {100, 4028}, {110, 4029}};
    return codeForTag(table, std::size(table), tag, 4031);
}

int StandardOptions::applyStandardOption(int code, CurrentOptions& options, NotificationBus& bus)
{
    OptionsRecord rec;
    getStandardOption(rec, code);
    int status = options.setOptions(rec);
    bus.post(note::kScreenSizeUpdate);
    bus.post(note::kTargetSpeedUnit, static_cast<int>(rec.unit));
    bus.post(note::kTargetSpeedLimits);
    bus.post(note::kUpdateTargetSpeed);
    bus.post(note::kOptionsUpdate);
    return status;
}

}  // namespace qor
