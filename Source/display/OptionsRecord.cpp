#include "display/OptionsRecord.h"

#include <algorithm>

namespace qor {

namespace {

// Offsets of the whole record.
constexpr size_t kLowSpeed = 0, kHighSpeed = 4, kSpeed = 8, kSpeechSpeed = 12, kTimer = 16,
                 kUnit = 20, kWindowX = 24, kWindowY = 28, kWindowWidth = 32, kWindowHeight = 36,
                 kBurstType = 40, kBurstNum = 44, kLongWordDelay = 48, kWordLength = 52,
                 kSentenceDelay = 56, kPunctuationDelay = 60, kBeginningOfLineDelay = 64,
                 kBeginningOfPageDelay = 68, kMinimumDelay = 72, kFixed = 76, kLongWordFlag = 77,
                 kSentenceFlag = 78, kPunctuationFlag = 79, kBeginningOfLineFlag = 80,
                 kBeginningOfPageFlag = 81, kMinimumFlag = 82, kMode = 416, kModeOpt = 420,
                 kModeOptNum = 424, kCombineRes = 428, kHideProgress = 432, kHideControls = 433,
                 kJnk1 = 434;
// Offsets inside the font sub-record.
constexpr size_t kFontColor = 0, kBackgroundColor = 16, kHighlightBackgroundColor = 32,
                 kHighlightFontColor = 48, kMargin = 64, kStyle = 68, kSize = 72, kFontName = 76;
static_assert(kFontTraitOffset + kFontName == kFontNameOffset);
static_assert(kFontTraitOffset + kFontTraitSize == kMode);

void writeColor(RecordWriter& w, size_t off, const QorColor& c)
{
    w.i32(off, c.red);
    w.i32(off + 4, c.green);
    w.i32(off + 8, c.blue);
    w.i32(off + 12, c.alpha);
}

QorColor readColor(const RecordReader& r, size_t off)
{
    return {r.i32(off), r.i32(off + 4), r.i32(off + 8), r.i32(off + 12)};
}

// Clamps v into [lo, hi]; records in ok whether it already was.
template <typename T>
void clampField(T& v, long long lo, long long hi, bool& ok)
{
    long long x = static_cast<long long>(v);
    long long c = std::clamp(x, lo, hi);
    if (c != x) {
        v = static_cast<T>(c);
        ok = false;
    }
}

void flagField(uint8_t& v, bool& ok)
{
    if (v > 1) {
        v = 1;
        ok = false;
    }
}

void colorField(QorColor& c, bool& ok)
{
    clampField(c.red, 0, kMaxColorComponent, ok);
    clampField(c.green, 0, kMaxColorComponent, ok);
    clampField(c.blue, 0, kMaxColorComponent, ok);
    clampField(c.alpha, 0, kMaxColorComponent, ok);
}

constexpr ModeInfo kModes[kModeCount] = {
    {"Center Text", "CenterText", {0, 2, 3, 4, 5}, 5},
    {"Upper Left", "UpperLeft", {0, 2, 3, 4, 5}, 5},
    {"Eye Trainer", "EyeTrainer", {0, 1, 2, 0, 0}, 3},
    {"Unformatted Page", "UnformattedPage", {6, 7, 8, 9, 0}, 4},
    {"Formatted Page", "FormattedPage", {6, 7, 8, 9, 0}, 4},
};

constexpr ModeOptionInfo kModeOptions[kModeOptionCount] = {
    {"Words on Single Line", "Words", 1, 20},
    {"Eye Fixations on Single Line", "Eye Fixations (per margin width)", 2, 4},
    {"Whole Line", "Whole Lines", 1, 20},
    {"Sentence", "Sentences", 1, 5},
    {"Phrases (defined by newlines)", "Phrases", 1, 5},
    {"Phrases (defined by punctuation)", "Phrases", 1, 5},
    {"No Highlighting", "", 0, 100},
    {"Highlight Words on Single Line", "Words", 1, 20},
    {"Highlight Eye Fixations on Single Line", "Eye Fixations (per margin width)", 2, 4},
    {"Highlight Whole Lines", "Whole Lines", 1, 20},
};

}  // namespace

bool sameColor(const QorColor& a, const QorColor& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

bool operator==(const FontTrait& a, const FontTrait& b)
{
    RecordWriter wa(kFontTraitSize), wb(kFontTraitSize);
    writeFontTrait(wa, 0, a);
    writeFontTrait(wb, 0, b);
    return wa.data() == wb.data();
}

bool operator==(const OptionsRecord& a, const OptionsRecord& b)
{
    return encodeOptionsRecord(a) == encodeOptionsRecord(b);
}

// --- the stored form ----------------------------------------------------------------

void writeFontTrait(RecordWriter& w, size_t off, const FontTrait& font)
{
    writeColor(w, off + kFontColor, font.fontColor);
    writeColor(w, off + kBackgroundColor, font.backgroundColor);
    writeColor(w, off + kHighlightBackgroundColor, font.highlightBackgroundColor);
    writeColor(w, off + kHighlightFontColor, font.highlightFontColor);
    w.i32(off + kMargin, font.margin);
    w.i32(off + kStyle, font.style);
    w.i32(off + kSize, font.size);
    w.str(off + kFontName, kFontNameFieldSize, font.fontName);
}

FontTrait readFontTrait(const RecordReader& r, size_t off)
{
    FontTrait f;
    f.fontColor = readColor(r, off + kFontColor);
    f.backgroundColor = readColor(r, off + kBackgroundColor);
    f.highlightBackgroundColor = readColor(r, off + kHighlightBackgroundColor);
    f.highlightFontColor = readColor(r, off + kHighlightFontColor);
    f.margin = r.i32(off + kMargin);
    f.style = r.i32(off + kStyle);
    f.size = r.i32(off + kSize);
    f.fontName = r.str(off + kFontName, kFontNameFieldSize);
    return f;
}

void writeOptionsRecord(RecordWriter& w, size_t off, const OptionsRecord& rec)
{
    w.i32(off + kLowSpeed, rec.lowSpeed);
    w.i32(off + kHighSpeed, rec.highSpeed);
    w.i32(off + kSpeed, rec.speed);
    w.i32(off + kSpeechSpeed, rec.speechSpeed);
    w.u32(off + kTimer, rec.timer);
    w.u16(off + kUnit, rec.unit);
    w.i32(off + kWindowX, rec.windowX);
    w.i32(off + kWindowY, rec.windowY);
    w.i32(off + kWindowWidth, rec.windowWidth);
    w.i32(off + kWindowHeight, rec.windowHeight);
    w.i32(off + kBurstType, rec.burst.burstType);
    w.i32(off + kBurstNum, rec.burst.burstNum);
    const DelayOptions& d = rec.delay;
    w.i32(off + kLongWordDelay, d.longWordDelay);
    w.i32(off + kWordLength, d.wordLength);
    w.i32(off + kSentenceDelay, d.sentenceDelay);
    w.i32(off + kPunctuationDelay, d.punctuationDelay);
    w.i32(off + kBeginningOfLineDelay, d.beginningOfLineDelay);
    w.i32(off + kBeginningOfPageDelay, d.beginningOfPageDelay);
    w.i32(off + kMinimumDelay, d.minimumDelay);
    w.u8(off + kFixed, d.bFixed);
    w.u8(off + kLongWordFlag, d.bLongWordDelay);
    w.u8(off + kSentenceFlag, d.bSentenceDelay);
    w.u8(off + kPunctuationFlag, d.bPuctuationDelay);
    w.u8(off + kBeginningOfLineFlag, d.bBeginningOfLineDelay);
    w.u8(off + kBeginningOfPageFlag, d.bBeginningOfPageDelay);
    w.u8(off + kMinimumFlag, d.bMinimumDelay);
    writeFontTrait(w, off + kFontTraitOffset, rec.font);
    w.i32(off + kMode, rec.displayMode.mode);
    w.i32(off + kModeOpt, rec.displayMode.modeOpt);
    w.i32(off + kModeOptNum, rec.displayMode.modeOptNum);
    w.u8(off + kCombineRes, rec.displayMode.modeOptCombineRes);
    w.u8(off + kHideProgress, rec.hideProgress);
    w.u8(off + kHideControls, rec.hideControls);
    w.u8(off + kJnk1, rec.jnk1);
}

OptionsRecord readOptionsRecord(const RecordReader& r, size_t off)
{
    OptionsRecord rec;
    rec.lowSpeed = r.i32(off + kLowSpeed);
    rec.highSpeed = r.i32(off + kHighSpeed);
    rec.speed = r.i32(off + kSpeed);
    rec.speechSpeed = r.i32(off + kSpeechSpeed);
    rec.timer = r.u32(off + kTimer);
    rec.unit = r.u16(off + kUnit);
    rec.windowX = r.i32(off + kWindowX);
    rec.windowY = r.i32(off + kWindowY);
    rec.windowWidth = r.i32(off + kWindowWidth);
    rec.windowHeight = r.i32(off + kWindowHeight);
    rec.burst.burstType = r.i32(off + kBurstType);
    rec.burst.burstNum = r.i32(off + kBurstNum);
    DelayOptions& d = rec.delay;
    d.longWordDelay = r.i32(off + kLongWordDelay);
    d.wordLength = r.i32(off + kWordLength);
    d.sentenceDelay = r.i32(off + kSentenceDelay);
    d.punctuationDelay = r.i32(off + kPunctuationDelay);
    d.beginningOfLineDelay = r.i32(off + kBeginningOfLineDelay);
    d.beginningOfPageDelay = r.i32(off + kBeginningOfPageDelay);
    d.minimumDelay = r.i32(off + kMinimumDelay);
    d.bFixed = r.u8(off + kFixed);
    d.bLongWordDelay = r.u8(off + kLongWordFlag);
    d.bSentenceDelay = r.u8(off + kSentenceFlag);
    d.bPuctuationDelay = r.u8(off + kPunctuationFlag);
    d.bBeginningOfLineDelay = r.u8(off + kBeginningOfLineFlag);
    d.bBeginningOfPageDelay = r.u8(off + kBeginningOfPageFlag);
    d.bMinimumDelay = r.u8(off + kMinimumFlag);
    rec.font = readFontTrait(r, off + kFontTraitOffset);
    rec.displayMode.mode = r.i32(off + kMode);
    rec.displayMode.modeOpt = r.i32(off + kModeOpt);
    rec.displayMode.modeOptNum = r.i32(off + kModeOptNum);
    rec.displayMode.modeOptCombineRes = r.u8(off + kCombineRes);
    rec.hideProgress = r.u8(off + kHideProgress);
    rec.hideControls = r.u8(off + kHideControls);
    rec.jnk1 = r.u8(off + kJnk1);
    return rec;
}

std::string encodeOptionsRecord(const OptionsRecord& rec)
{
    RecordWriter w(kOptionsRecordSize);
    writeOptionsRecord(w, 0, rec);
    return w.toString();
}

bool decodeOptionsRecord(std::string_view bytes, OptionsRecord& out)
{
    if (bytes.size() < kOptionsRecordSize)
        return false;
    RecordReader r(bytes.data(), kOptionsRecordSize);
    OptionsRecord rec = readOptionsRecord(r, 0);
    if (!r.ok())
        return false;
    out = std::move(rec);
    return true;
}

// --- validation ----------------------------------------------------------------------

bool validateOptions(OptionsRecord& rec)
{
    bool ok = true;

    // Speeds: each within 1..999999, then the limits at least 19 apart
    // (raising the high one, or lowering the low one at the top of the
    // range), then the target between them.
    clampField(rec.lowSpeed, kMinSpeed, kMaxSpeed, ok);
    clampField(rec.highSpeed, kMinSpeed, kMaxSpeed, ok);
    clampField(rec.speed, kMinSpeed, kMaxSpeed, ok);
    if (rec.highSpeed < rec.lowSpeed + kMinSpeedSpan) {
        ok = false;
        if (rec.lowSpeed + kMinSpeedSpan <= kMaxSpeed)
            rec.highSpeed = rec.lowSpeed + kMinSpeedSpan;
        else {
            rec.highSpeed = kMaxSpeed;
            rec.lowSpeed = kMaxSpeed - kMinSpeedSpan;
        }
    }
    clampField(rec.speed, rec.lowSpeed, rec.highSpeed, ok);
    clampField(rec.speechSpeed, kMinSpeechSpeed, kMaxSpeechSpeed, ok);
    if (rec.unit >= kUnitCount) {
        rec.unit = kUnitWPM;
        ok = false;
    }

    // The window: a usable size, an origin that sums without overflow.
    clampField(rec.windowX, -kMaxWindowOrigin, kMaxWindowOrigin, ok);
    clampField(rec.windowY, -kMaxWindowOrigin, kMaxWindowOrigin, ok);
    clampField(rec.windowWidth, kMinWindowSide, kMaxWindowSide, ok);
    clampField(rec.windowHeight, kMinWindowSide, kMaxWindowSide, ok);

    if (rec.burst.burstType < 0 || rec.burst.burstType >= kBurstTypeCount) {
        rec.burst.burstType = 0;
        ok = false;
    }
    clampField(rec.burst.burstNum, kMinBurstNum, kMaxBurstNum, ok);

    DelayOptions& d = rec.delay;
    for (int32_t* delay : {&d.longWordDelay, &d.sentenceDelay, &d.punctuationDelay,
                           &d.beginningOfLineDelay, &d.beginningOfPageDelay, &d.minimumDelay})
        clampField(*delay, kMinDelay, kMaxDelay, ok);
    clampField(d.wordLength, kMinWordLength, kMaxWordLength, ok);
    for (uint8_t* flag : {&d.bFixed, &d.bLongWordDelay, &d.bSentenceDelay, &d.bPuctuationDelay,
                          &d.bBeginningOfLineDelay, &d.bBeginningOfPageDelay, &d.bMinimumDelay})
        flagField(*flag, ok);

    FontTrait& f = rec.font;
    colorField(f.fontColor, ok);
    colorField(f.backgroundColor, ok);
    colorField(f.highlightBackgroundColor, ok);
    colorField(f.highlightFontColor, ok);
    clampField(f.margin, kMinColumnWidth, kMaxColumnWidth, ok);
    clampField(f.size, kMinFontSize, kMaxFontSize, ok);
    if (f.fontName.size() >= kFontNameFieldSize) {
        f.fontName.resize(kFontNameFieldSize - 1);
        ok = false;
    }
    if (size_t nul = f.fontName.find('\0'); nul != std::string::npos) {
        f.fontName.resize(nul);
        ok = false;
    }
    if (f.fontName.empty()) {
        f.fontName = std::string(kDefaultFontName);
        ok = false;
    }

    DisplayModeOptions& m = rec.displayMode;
    if (!modeInfo(m.mode)) {
        m.mode = 0;
        ok = false;
    }
    if (!modeOffersOption(m.mode, m.modeOpt)) {
        m.modeOpt = modeInfo(m.mode)->options[0];
        ok = false;
    }
    const ModeOptionInfo* opt = modeOptionInfo(m.modeOpt);
    clampField(m.modeOptNum, opt->minCount, opt->maxCount, ok);
    flagField(m.modeOptCombineRes, ok);
    flagField(rec.hideProgress, ok);
    flagField(rec.hideControls, ok);
    return ok;
}

void copyFontTrait(FontTrait& to, const FontTrait& from)
{
    to.fontColor = from.fontColor;
    to.backgroundColor = from.backgroundColor;
    to.highlightBackgroundColor = from.highlightBackgroundColor;
    to.highlightFontColor = from.highlightFontColor;
    to.size = from.size;
    to.fontName = from.fontName;
}

// --- tables --------------------------------------------------------------------------------

std::string_view unitLabel(int unit)
{
    switch (unit) {
    case kUnitWPM: return "WPM";
    case kUnitCPS: return "CPS";
    case kUnitCPM: return "CPM";
    default: return {};
    }
}

std::string_view burstAmountLabel(int burstType)
{
    switch (burstType) {
    case 0: return "Sentences";
    case 1: return "Words";
    case 2:
    case 3: return "Phrases";
    case 4: return "Flashes";
    default: return {};
    }
}

const ModeInfo* modeInfo(int mode)
{
    return mode >= 0 && mode < kModeCount ? &kModes[mode] : nullptr;
}

const ModeOptionInfo* modeOptionInfo(int modeOpt)
{
    return modeOpt >= 0 && modeOpt < kModeOptionCount ? &kModeOptions[modeOpt] : nullptr;
}

int modeOptionForRow(int mode, int row)
{
    const ModeInfo* m = modeInfo(mode);
    if (!m || row < 0 || row >= m->optionCount)
        return 0;
    return m->options[static_cast<size_t>(row)];
}

int rowForModeOption(int mode, int modeOpt)
{
    const ModeInfo* m = modeInfo(mode);
    if (!m)
        return 0;
    for (int row = 0; row < m->optionCount; ++row)
        if (m->options[static_cast<size_t>(row)] == modeOpt)
            return row;
    return 0;
}

bool modeOffersOption(int mode, int modeOpt)
{
    const ModeInfo* m = modeInfo(mode);
    if (!m)
        return false;
    for (int row = 0; row < m->optionCount; ++row)
        if (m->options[static_cast<size_t>(row)] == modeOpt)
            return true;
    return false;
}

}  // namespace qor
