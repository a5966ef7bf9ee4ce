#pragma once
// Byte strings and the two text encodings of the system.
//
// Text is handled as bytes everywhere. A buffer is either UTF-8 or Mac OS
// Roman; stored names are Mac OS Roman. Only drawing, measuring and the
// platform layer turn bytes into characters, UTF-8 first, Mac OS Roman
// second (displayText).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qor {

enum class TextEncoding : uint8_t { Utf8, MacRoman };

// --- UTF-8 -----------------------------------------------------------------

// Strict validation: no overlong forms, no surrogates, nothing above U+10FFFF,
// no truncated sequence.
bool isValidUtf8(std::string_view bytes);

// Length of the longest valid UTF-8 prefix.
size_t validUtf8Prefix(std::string_view bytes);

// Appends the UTF-8 form of a code point (U+FFFD for an invalid one).
void appendUtf8(std::string& out, char32_t cp);

// Decodes one code point at bytes[pos]; advances pos. Returns U+FFFD and
// advances one byte on an invalid sequence.
char32_t decodeUtf8(std::string_view bytes, size_t& pos);

// --- Mac OS Roman ----------------------------------------------------------

// The Unicode character of a Mac OS Roman byte (every byte has one).
char32_t macRomanToUnicode(uint8_t byte);

// The Mac OS Roman byte of a character, or -1 when it has none.
int unicodeToMacRoman(char32_t cp);

// Mac OS Roman bytes to UTF-8; never fails.
std::string macRomanToUtf8(std::string_view macRoman);

// UTF-8 to Mac OS Roman. The strict form fails on invalid UTF-8 or on a
// character Mac OS Roman lacks; the lossy form writes `replacement` instead.
std::optional<std::string> utf8ToMacRoman(std::string_view utf8);
std::string utf8ToMacRomanLossy(std::string_view utf8, char replacement = '?');

// --- Display rule ------------------------------------------------------------

// The bytes as UTF-8 text: as they are when they are valid UTF-8, decoded as
// Mac OS Roman otherwise.
std::string displayText(std::string_view bytes);

// The bytes of a buffer of the given encoding as UTF-8.
std::string toUtf8(std::string_view bytes, TextEncoding enc);

// UTF-8 text converted into a buffer's encoding (lossy for Mac OS Roman).
std::string fromUtf8(std::string_view utf8, TextEncoding enc);

// --- Letter case -------------------------------------------------------------

// Simple lower-casing of the letters Mac OS Roman can hold (ASCII, Latin-1,
// Œ, Ÿ). Other characters are kept.
char32_t foldCase(char32_t cp);

// UTF-8 text folded character by character; invalid bytes are kept as they are.
std::string foldCaseUtf8(std::string_view utf8);

// Compares two UTF-8 names ignoring letter case: <0, 0, >0.
int compareIgnoringCase(std::string_view a, std::string_view b);
bool equalIgnoringCase(std::string_view a, std::string_view b);
// Whether a name ends in a suffix, ignoring case (".pdf", ".sty").
bool endsWithIgnoringCase(std::string_view name, std::string_view suffix);

// The system's one listing order: ignoring case, ties broken by the bytes.
bool listingLess(std::string_view a, std::string_view b);

}  // namespace qor
