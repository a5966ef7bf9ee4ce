#include "base/NameRule.h"

#include "base/Encoding.h"

namespace qor {

namespace {
constexpr size_t kFileSystemNameMax = 255;
}

NameProblem checkName(std::string_view name, size_t fieldSize)
{
    if (name.empty())
        return NameProblem::Empty;
    if (name == "." || name == "..")
        return NameProblem::DotName;
    for (unsigned char c : name) {
        if (c == '/')
            return NameProblem::Slash;
        if (c < 0x20 || c == 0x7F)
            return NameProblem::ControlByte;
    }
    if (name.front() == '.')
        return NameProblem::LeadingDot;
    if (name.front() == ' ' || name.front() == '\t')
        return NameProblem::LeadingBlank;
    auto roman = utf8ToMacRoman(name);
    if (!roman)
        return NameProblem::NotMacRoman;
    // The C1 controls have no Mac OS Roman form, so the Mac OS Roman bytes
    // need no second control check. The path component on disk is UTF-8.
    size_t limit = fieldSize ? fieldSize - 1 : kFileSystemNameMax;
    if (roman->size() > limit || name.size() > kFileSystemNameMax)
        return NameProblem::TooLong;
    return NameProblem::None;
}

const char* describe(NameProblem p)
{
    switch (p) {
    case NameProblem::None: return "valid";
    case NameProblem::Empty: return "empty";
    case NameProblem::Slash: return "contains a slash";
    case NameProblem::ControlByte: return "contains a control character";
    case NameProblem::DotName: return "is . or ..";
    case NameProblem::LeadingDot: return "begins with a dot";
    case NameProblem::LeadingBlank: return "begins with a blank";
    case NameProblem::NotMacRoman: return "has a character that cannot be stored";
    case NameProblem::TooLong: return "is too long";
    }
    return "invalid";
}

}  // namespace qor
