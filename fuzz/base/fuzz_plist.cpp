// Property-list reader: any bytes either parse into a value that writes
// back to XML and reads again the same, or are refused.
#include "base/PropertyList.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qor::PlistValue v;
    if (!qor::parsePlist(std::string_view(reinterpret_cast<const char*>(data), size), v))
        return 0;
    std::string xml = qor::plistToXml(v);
    qor::PlistValue again;
    if (!xml.empty() && !qor::parsePlist(xml, again))
        std::abort();  // our own output must read back
    return 0;
}
