#pragma once
// The byte classes of the cleaned text shared by the loader and the
// tokenizer: after cleaning only TAB, CR and bytes 32 to 254 occur, and CR
// is the one line break.

namespace qor::textchars {

constexpr unsigned char kTab = 9;
constexpr unsigned char kLF = 10;
constexpr unsigned char kCR = 13;
constexpr unsigned char kSpace = 32;

// The bytes that end a word.
inline bool isSeparator(unsigned char c)
{
    return c == kTab || c == kCR || c == kSpace;
}

}  // namespace qor::textchars
