#pragma once
// The stored form of a password, and the reading of the ".PSWD" file.
//
// A password is taken in Mac OS Roman, at most 127 bytes. The byte at
// position i, read as a signed 8-bit value c, is stored as
// (3 * i * c * c) mod 255, with 0 stored as 1; so the stored form never
// holds a zero byte and the file is the stored form and one zero byte.

#include <optional>
#include <string>
#include <string_view>

namespace qor {

class QorEncryption {
public:
    // The longest password taken, in Mac OS Roman bytes.
    static constexpr size_t kMaxPasswordBytes = 127;
    // The most bytes of a ".PSWD" file that are read.
    static constexpr size_t kMaxPasswordFileBytes = 255;

    // Rewrites the C string in place with its stored form and returns it.
    static char* encryptPassword(char* password);
    // The stored form of Mac OS Roman bytes (all of them, no cut).
    static std::string encryptPassword(std::string_view macRoman);

    // The stored form of a password as typed (UTF-8): converted to Mac OS
    // Roman, cut to 127 bytes, transformed. Nothing when the text has a
    // character Mac OS Roman lacks: such a password is never taken as
    // another one, least of all as the empty password.
    static std::optional<std::string> storedFormOfTyped(std::string_view utf8);

    // The stored form held by the bytes of a ".PSWD" file: at most the
    // first 255 bytes count, up to the first zero byte. False for an empty
    // file, which holds no password at all (not even the empty one).
    static bool storedFormFromFile(std::string_view fileBytes, std::string& stored);

    // The bytes of a ".PSWD" file for a stored form (cut at a zero byte).
    static std::string passwordFileBytes(std::string_view stored);
};

}  // namespace qor
