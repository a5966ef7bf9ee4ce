// Site settings reader: any property list gives two records whose stored
// form reads back the same after the font name has been fitted once.
#include "base/Encoding.h"
#include "base/PropertyList.h"
#include "users/GlobalOptions.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qor::PlistValue root;
    if (!qor::parsePlist(std::string_view(reinterpret_cast<const char*>(data), size), root))
        return 0;
    qor::BrsRequirements brs;
    qor::MiscOptions misc;
    qor::GlobalOptions::fromPlist(root, brs, misc);
    // The name fits its 63-byte stored field.
    if (qor::utf8ToMacRomanLossy(misc.fontName).size() > qor::MiscOptions::kFontNameField - 1)
        std::abort();
    qor::BrsRequirements brs2, brs3;
    qor::MiscOptions misc2, misc3;
    qor::GlobalOptions::fromPlist(qor::GlobalOptions::toPlist(brs, misc), brs2, misc2);
    qor::GlobalOptions::fromPlist(qor::GlobalOptions::toPlist(brs2, misc2), brs3, misc3);
    if (!(brs2 == brs) || !(brs3 == brs2) || !(misc3 == misc2))
        std::abort();
    return 0;
}
