#include "users/QorEncryption.h"

#include "base/Encoding.h"

#include <cstdint>

namespace qor {

namespace {

char storedByte(size_t position, char byte)
{
    // The byte taken as signed; everything reduced mod 255 first so that no
    // product can overflow whatever the length.
    int64_t c = static_cast<int8_t>(byte);
    int64_t v = (3 * static_cast<int64_t>(position % 255) * ((c * c) % 255)) % 255;
    return static_cast<char>(v == 0 ? 1 : v);
}

}  // namespace

char* QorEncryption::encryptPassword(char* password)
{
    if (!password)
        return password;
    for (size_t i = 0; password[i] != 0; ++i)
        password[i] = storedByte(i, password[i]);
    return password;
}

std::string QorEncryption::encryptPassword(std::string_view macRoman)
{
    std::string out(macRoman);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = storedByte(i, out[i]);
    return out;
}

std::optional<std::string> QorEncryption::storedFormOfTyped(std::string_view utf8)
{
    auto roman = utf8ToMacRoman(utf8);
    if (!roman || roman->find('\0') != std::string::npos)
        return std::nullopt;
    if (roman->size() > kMaxPasswordBytes)
        roman->resize(kMaxPasswordBytes);
    return encryptPassword(*roman);
}

bool QorEncryption::storedFormFromFile(std::string_view fileBytes, std::string& stored)
{
    stored.clear();
    if (fileBytes.empty())
        return false;
    std::string_view head = fileBytes.substr(0, kMaxPasswordFileBytes);
    stored.assign(head.substr(0, head.find('\0')));
    return true;
}

std::string QorEncryption::passwordFileBytes(std::string_view stored)
{
    std::string out(stored.substr(0, stored.find('\0')));
    out.push_back('\0');
    return out;
}

}  // namespace qor
