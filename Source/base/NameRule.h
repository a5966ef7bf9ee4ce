#pragma once
// The one rule for a name that becomes a path component: a reader, a set,
// a test, a drill text, a game text. Every place that builds a path from a
// name checks it here first.

#include <cstddef>
#include <string>
#include <string_view>

namespace qor {

enum class NameProblem : unsigned char {
    None,
    Empty,
    Slash,          // contains "/"
    ControlByte,    // NUL or another control character
    DotName,        // "." or ".."
    LeadingDot,     // begins with "."
    LeadingBlank,   // begins with a space or a tab
    NotMacRoman,    // invalid UTF-8, or a character Mac OS Roman lacks
    TooLong,        // more Mac OS Roman bytes than the field holds
};

// Checks a name given as UTF-8 text. fieldSize is the size of the stored
// field including its terminator (so the name may hold fieldSize - 1 bytes
// in Mac OS Roman); 0 means no field limit beyond the file system's 255.
NameProblem checkName(std::string_view utf8Name, size_t fieldSize = 0);

inline bool isValidName(std::string_view utf8Name, size_t fieldSize = 0)
{
    return checkName(utf8Name, fieldSize) == NameProblem::None;
}

// A short English description, for logs and tests.
const char* describe(NameProblem p);

}  // namespace qor
