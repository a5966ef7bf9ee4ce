#include "base/NameRule.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

struct NameCase {
    std::string name;
    size_t field;
    NameProblem expected;
};

TEST(NameRule, TableOfGoodAndBadNames)
{
    const NameCase cases[] = {
        {"Bob", 0, NameProblem::None},
        {"# Comprehension Test Set 1", 0, NameProblem::None},
        {"Mary Ann O'Neil", 64, NameProblem::None},
        {"Caf\xC3\xA9", 0, NameProblem::None},
        {"trailing blank ", 0, NameProblem::None},
        {"", 0, NameProblem::Empty},
        {".", 0, NameProblem::DotName},
        {"..", 0, NameProblem::DotName},
        {"../Tests", 0, NameProblem::Slash},
        {"a/b", 0, NameProblem::Slash},
        {".hidden", 0, NameProblem::LeadingDot},
        {" Bob", 0, NameProblem::LeadingBlank},
        {"\tBob", 0, NameProblem::ControlByte},
        {std::string("Bo\0b", 4), 0, NameProblem::ControlByte},
        {"line\nbreak", 0, NameProblem::ControlByte},
        {"del\x7F", 0, NameProblem::ControlByte},
        {"\xD0\x96uk", 0, NameProblem::NotMacRoman},
        {"bad\xFF", 0, NameProblem::NotMacRoman},
        {std::string(63, 'x'), 64, NameProblem::None},
        {std::string(64, 'x'), 64, NameProblem::TooLong},
        // é is one Mac OS Roman byte: 63 of them fit a 64-byte field.
        {[] { std::string s; for (int i = 0; i < 63; ++i) s += "\xC3\xA9"; return s; }(), 64,
         NameProblem::None},
        {std::string(255, 'y'), 0, NameProblem::None},
        {std::string(256, 'y'), 0, NameProblem::TooLong},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkName(c.name, c.field), c.expected)
            << "'" << c.name << "' gave " << describe(checkName(c.name, c.field));
}

}  // namespace
}  // namespace qor
