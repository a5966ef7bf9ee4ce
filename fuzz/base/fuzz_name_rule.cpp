// The name rule: a name it accepts is always a single, safe path component.
#include "base/Encoding.h"
#include "base/NameRule.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    size_t field = data[0];
    std::string_view name(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!qor::isValidName(name, field))
        return 0;
    if (name.empty() || name == "." || name == ".." || name.front() == '.' || name.front() == ' ')
        std::abort();
    for (unsigned char c : name)
        if (c == '/' || c < 0x20 || c == 0x7F)
            std::abort();
    auto roman = qor::utf8ToMacRoman(name);
    if (!roman || (field && roman->size() >= field) || qor::macRomanToUtf8(*roman) != name)
        std::abort();
    return 0;
}
