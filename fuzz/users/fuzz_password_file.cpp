// Password file reader: any bytes give either no password (an empty file)
// or a stored form of at most 255 bytes without a zero byte, which matches
// the transform of nothing longer than the file.
#include "users/QorEncryption.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string stored;
    bool ok = qor::QorEncryption::storedFormFromFile(bytes, stored);
    if (ok != (size > 0))
        std::abort();
    if (stored.size() > qor::QorEncryption::kMaxPasswordFileBytes ||
        stored.find('\0') != std::string::npos)
        std::abort();
    // Its own file bytes read back the same.
    std::string again;
    if (!qor::QorEncryption::storedFormFromFile(qor::QorEncryption::passwordFileBytes(stored), again) ||
        again != stored)
        std::abort();
    // The transform of any bytes never holds a zero byte.
    for (char c : qor::QorEncryption::encryptPassword(stored))
        if (c == 0)
            std::abort();
    return 0;
}
