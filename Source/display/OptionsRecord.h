#pragma once
// The reading options record: every setting that governs how a text is
// read, and its 436-byte stored form (the reader's "options" file).
//
// Stored layout (little-endian, fillers zero):
//
//     0 lowSpeed s32        4 highSpeed s32       8 speed s32
//    12 speechSpeed s32    16 timer u32          20 unit u16, 2 filler
//    24 windowX s32        28 windowY s32        32 windowWidth s32
//    36 windowHeight s32   40 burst.burstType    44 burst.burstNum
//    48..72 the seven delays (s32): longWordDelay, wordLength,
//           sentenceDelay, punctuationDelay, beginningOfLineDelay,
//           beginningOfPageDelay, minimumDelay
//    76..82 the seven flags (bytes): bFixed, bLongWordDelay,
//           bSentenceDelay, bPuctuationDelay, bBeginningOfLineDelay,
//           bBeginningOfPageDelay, bMinimumDelay; 83 filler
//    84 the font sub-record (332 bytes): fontColor, backgroundColor,
//       highlightBackgroundColor, highlightFontColor (each r, g, b, a
//       s32 0..65535), 148 margin, 152 style, 156 size, 160 fontName
//       (256 bytes, zero-terminated, Mac OS Roman)
//   416 mode s32   420 modeOpt s32   424 modeOptNum s32
//   428 modeOptCombineRes byte, 3 filler
//   432 hideProgress   433 hideControls   434 jnk1   435 filler
//
// `margin` is the width of the text column, not the width of a margin.

#include "base/Record.h"
#include "shell/ObjUtils.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor {

inline constexpr size_t kOptionsRecordSize = 436;
inline constexpr size_t kFontTraitOffset = 84;
inline constexpr size_t kFontTraitSize = 332;
inline constexpr size_t kFontNameOffset = 160;   // in the whole record
inline constexpr size_t kFontNameFieldSize = 256;
// A name chosen in the font chooser is cut to this many bytes.
inline constexpr size_t kChosenFontNameMax = 127;
inline constexpr std::string_view kDefaultFontName = "ArialMT";

// --- units and ranges ------------------------------------------------------------

enum SpeedUnit : int { kUnitWPM = 0, kUnitCPS = 1, kUnitCPM = 2 };
inline constexpr int kUnitCount = 3;

inline constexpr int kMinSpeed = 1;
inline constexpr int kMaxSpeed = 999999;
// The high limit must be at least this much above the low one.
inline constexpr int kMinSpeedSpan = 19;
inline constexpr int kMinSpeechSpeed = 1;
inline constexpr int kMaxSpeechSpeed = 20;
inline constexpr int kBurstTypeCount = 5;
inline constexpr int kMinBurstNum = 1;
inline constexpr int kMaxBurstNum = 999;
inline constexpr int kMinDelay = 100;
inline constexpr int kMaxDelay = 32000;
inline constexpr int kMinWordLength = 5;
inline constexpr int kMaxWordLength = 80;
inline constexpr int kMinFontSize = 4;
inline constexpr int kMaxFontSize = 512;
// Column width: the text column is `margin` - 5 points wide.
inline constexpr int kMinColumnWidth = 22;
inline constexpr int kMaxColumnWidth = 32767;
inline constexpr int kMinWindowSide = 100;
inline constexpr int kMaxWindowSide = 32767;
inline constexpr int kMaxWindowOrigin = 32767;
inline constexpr int kMaxColorComponent = 65535;

// --- the record --------------------------------------------------------------------

struct BurstOptions {
    int32_t burstType = 0;
    int32_t burstNum = 0;
};

struct DelayOptions {
    int32_t longWordDelay = 0;
    int32_t wordLength = 0;
    int32_t sentenceDelay = 0;
    int32_t punctuationDelay = 0;
    int32_t beginningOfLineDelay = 0;
    int32_t beginningOfPageDelay = 0;
    int32_t minimumDelay = 0;
    uint8_t bFixed = 0;
    uint8_t bLongWordDelay = 0;
    uint8_t bSentenceDelay = 0;
    uint8_t bPuctuationDelay = 0;
    uint8_t bBeginningOfLineDelay = 0;
    uint8_t bBeginningOfPageDelay = 0;
    uint8_t bMinimumDelay = 0;
};

// The font sub-record: what the reading view keeps of the font and the
// colours, and the shape of the font presets.
struct FontTrait {
    QorColor fontColor{0, 0, 0, 0};
    QorColor backgroundColor{0, 0, 0, 0};
    QorColor highlightBackgroundColor{0, 0, 0, 0};
    QorColor highlightFontColor{0, 0, 0, 0};
    int32_t margin = 0;
    int32_t style = 0;
    int32_t size = 0;
    std::string fontName;  // Mac OS Roman, at most 255 bytes are stored
};

struct DisplayModeOptions {
    int32_t mode = 0;
    int32_t modeOpt = 0;
    int32_t modeOptNum = 0;
    uint8_t modeOptCombineRes = 0;
};

// A default-constructed record is all zero (speed 0: never initialised).
struct OptionsRecord {
    int32_t lowSpeed = 0;
    int32_t highSpeed = 0;
    int32_t speed = 0;
    int32_t speechSpeed = 0;
    uint32_t timer = 0;
    uint16_t unit = 0;
    int32_t windowX = 0;
    int32_t windowY = 0;
    int32_t windowWidth = 0;
    int32_t windowHeight = 0;
    BurstOptions burst;
    DelayOptions delay;
    FontTrait font;
    DisplayModeOptions displayMode;
    uint8_t hideProgress = 0;
    uint8_t hideControls = 0;
    uint8_t jnk1 = 0;
};

// Equal when their stored forms are equal.
bool operator==(const FontTrait& a, const FontTrait& b);
bool operator==(const OptionsRecord& a, const OptionsRecord& b);
bool sameColor(const QorColor& a, const QorColor& b);  // all four components

// --- the stored form -------------------------------------------------------------------

// Field by field at an offset of a larger record (custom option sets
// embed the fields in their own layout).
void writeFontTrait(RecordWriter& w, size_t off, const FontTrait& font);
FontTrait readFontTrait(const RecordReader& r, size_t off);
void writeOptionsRecord(RecordWriter& w, size_t off, const OptionsRecord& rec);
OptionsRecord readOptionsRecord(const RecordReader& r, size_t off);

// The 436 bytes of a record.
std::string encodeOptionsRecord(const OptionsRecord& rec);
// Reads the first 436 bytes; false (out unchanged) when there are fewer.
// The fields are taken as stored: validateOptions() makes them safe.
bool decodeOptionsRecord(std::string_view bytes, OptionsRecord& out);

// Pulls every field into the range the dialogs keep it in: speeds 1 to
// 999999 with low + 19 <= high and low <= speed <= high, a unit,
// burst type, mode and option of their tables, counts within the
// option's range, delays 100 to 32000, word length 5 to 80, flags 0 or 1,
// colour components 0 to 65535, a font name (the default one when empty),
// usable font size, column width and window size. Returns true when the
// record was valid as it stood.
bool validateOptions(OptionsRecord& rec);

// Copies the four colours, the size and the font name of a font
// sub-record; the column width (`margin`) and `style` stay as they are.
// (It lives beside the record because it needs the record's shape; the
// shared utilities cannot see it.)
void copyFontTrait(FontTrait& to, const FontTrait& from);

// --- tables -----------------------------------------------------------------------------

// "WPM", "CPS", "CPM"; "" for another value.
std::string_view unitLabel(int unit);

// The label shown beside the burst amount: "Sentences", "Words",
// "Phrases", "Phrases", "Flashes"; "" for another type.
std::string_view burstAmountLabel(int burstType);

inline constexpr int kModeCount = 5;
inline constexpr int kModeOptionCount = 10;
inline constexpr int kNoHighlightingOption = 6;

struct ModeInfo {
    std::string_view label;           // as shown in the mode list
    std::string_view descriptionKey;  // "Display" table
    std::array<int, 5> options;       // the options offered, in row order
    int optionCount;
};

struct ModeOptionInfo {
    std::string_view label;       // as shown in the option list
    std::string_view countLabel;  // "" when the count is hidden
    int minCount;
    int maxCount;
};

// nullptr outside the tables.
const ModeInfo* modeInfo(int mode);
const ModeOptionInfo* modeOptionInfo(int modeOpt);

// Rows of the mode dialog's option list to option values and back. An
// unknown mode or row gives option 0; an option the mode does not offer
// gives row 0.
int modeOptionForRow(int mode, int row);
int rowForModeOption(int mode, int modeOpt);
bool modeOffersOption(int mode, int modeOpt);

// The named colours of the presets (alpha 65535).
namespace colors {
inline constexpr QorColor kYellow{65535, 65535, 0, 65535};
inline constexpr QorColor kBlack{0, 0, 0, 65535};
inline constexpr QorColor kWhite{65535, 65535, 65535, 65535};
inline constexpr QorColor kOlive{32768, 32768, 0, 65535};
inline constexpr QorColor kDarkGrey{32768, 32768, 32768, 65535};
inline constexpr QorColor kLightGrey{57671, 57671, 57671, 65535};
inline constexpr QorColor kBlue{0, 0, 65535, 65535};
inline constexpr QorColor kRed{65535, 0, 0, 65535};
}  // namespace colors

}  // namespace qor
