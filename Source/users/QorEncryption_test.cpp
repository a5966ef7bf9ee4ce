#include "users/QorEncryption.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

std::string bytes(std::initializer_list<int> v)
{
    std::string s;
    for (int b : v)
        s.push_back(static_cast<char>(b));
    return s;
}

TEST(QorEncryption, TransformTable)
{
    struct Case {
        std::string macRoman;
        std::string stored;
    };
    const Case cases[] = {
        {"abc", bytes({1, 252, 156})},
        {"", ""},
        // Position 0 always stores 1, so the first character never counts.
        {"xbc", bytes({1, 252, 156})},
        // 0x8E taken as signed is -114: 3*1*12996 mod 255 = 228. Taken
        // unsigned (142) it would be 3*1*20164 mod 255 = 57.
        {bytes({'a', 0x8E}), bytes({1, 228})},
        // A product that is a multiple of 255 is stored as 1, never 0.
        {bytes({'a', 'U'}), bytes({1, 1})},  // 3*1*85*85 = 21675 = 85*255
        // 0x80 is -128, 0xFF is -1.
        {bytes({'a', 0x80, 0xFF}), bytes({1, 192, 6})},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QorEncryption::encryptPassword(c.macRoman), c.stored) << c.macRoman;
        std::string inPlace = c.macRoman;
        inPlace.push_back('\0');
        QorEncryption::encryptPassword(inPlace.data());
        EXPECT_EQ(std::string(inPlace.c_str()), c.stored) << "in place: " << c.macRoman;
    }
}

TEST(QorEncryption, StoredBytesAreNeverZeroAtAnyPosition)
{
    // Every byte value at every position of the longest password.
    for (int b = 1; b < 256; ++b) {
        std::string s(QorEncryption::kMaxPasswordBytes, static_cast<char>(b));
        for (char c : QorEncryption::encryptPassword(s))
            ASSERT_NE(c, 0) << "byte " << b;
    }
}

TEST(QorEncryption, TypedPasswords)
{
    EXPECT_EQ(QorEncryption::storedFormOfTyped("abc"), bytes({1, 252, 156}));
    EXPECT_EQ(QorEncryption::storedFormOfTyped(""), std::string());
    // é is 0x8E in Mac OS Roman.
    EXPECT_EQ(QorEncryption::storedFormOfTyped("a\xC3\xA9"), bytes({1, 228}));
    // More than 127 bytes: the rest does not count.
    std::string longer(200, 'q');
    EXPECT_EQ(QorEncryption::storedFormOfTyped(longer),
              QorEncryption::storedFormOfTyped(longer.substr(0, 127)));
    EXPECT_EQ(QorEncryption::storedFormOfTyped(longer)->size(), 127u);
    // A character Mac OS Roman lacks, invalid UTF-8 or a zero byte: no
    // stored form at all, in particular not the empty one.
    EXPECT_FALSE(QorEncryption::storedFormOfTyped("\xD0\x96"));
    EXPECT_FALSE(QorEncryption::storedFormOfTyped("ab\xFF"));
    EXPECT_FALSE(QorEncryption::storedFormOfTyped(std::string("a\0b", 3)));
}

TEST(QorEncryption, PasswordFileContents)
{
    struct Case {
        const char* what;
        std::string file;
        bool ok;
        std::string stored;
    };
    std::string huge(300, '\x05');
    std::string hugeWithZero = std::string(10, '\x07') + '\0' + std::string(400, '\x09');
    const Case cases[] = {
        {"abc", bytes({1, 252, 156, 0}), true, bytes({1, 252, 156})},
        {"the empty password", bytes({0}), true, ""},
        {"unterminated", bytes({1, 252, 156}), true, bytes({1, 252, 156})},
        {"bytes after the terminator", bytes({1, 252, 0, 9, 9}), true, bytes({1, 252})},
        {"oversized, no terminator: 255 bytes count", huge, true, std::string(255, '\x05')},
        {"oversized with a terminator", hugeWithZero, true, std::string(10, '\x07')},
        {"0 bytes", "", false, ""},
    };
    for (const auto& c : cases) {
        std::string stored = "junk";
        EXPECT_EQ(QorEncryption::storedFormFromFile(c.file, stored), c.ok) << c.what;
        EXPECT_EQ(stored, c.stored) << c.what;
    }
    EXPECT_EQ(QorEncryption::passwordFileBytes(bytes({1, 252, 156})), bytes({1, 252, 156, 0}));
    EXPECT_EQ(QorEncryption::passwordFileBytes(""), bytes({0}));
}

}  // namespace
}  // namespace qor
