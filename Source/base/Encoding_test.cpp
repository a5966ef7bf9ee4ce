#include "base/Encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

namespace qor {
namespace {

// glibc's MACINTOSH converter serves as an independent check of our table.
// It predates the euro sign and the increment sign at 0xC6.
std::string iconvMacToUtf8(unsigned char byte)
{
    iconv_t cd = iconv_open("UTF-8", "MACINTOSH");
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    char in[1] = {static_cast<char>(byte)};
    char out[8] = {};
    char* ip = in;
    char* op = out;
    size_t il = 1, ol = sizeof out;
    size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1))
        return {};
    return std::string(out, op);
}

TEST(MacRoman, TableAgreesWithTheSystemConverter)
{
    if (iconvMacToUtf8('A').empty())
        GTEST_SKIP() << "no MACINTOSH converter on this system";
    for (int b = 0x20; b < 0x100; ++b) {
        // DEL; 0xC6, which older tables give as Greek Delta where the
        // current one has the increment sign; the euro (older: currency
        // sign); the logo (a private-use character).
        if (b == 0x7F || b == 0xC6 || b == 0xDB || b == 0xF0)
            continue;
        std::string ours;
        appendUtf8(ours, macRomanToUnicode(static_cast<uint8_t>(b)));
        EXPECT_EQ(ours, iconvMacToUtf8(static_cast<unsigned char>(b))) << "byte 0x" << std::hex << b;
    }
    EXPECT_EQ(macRomanToUnicode(0xDB), U'\u20AC');
}

TEST(MacRoman, EveryByteRoundTrips)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    std::string utf8 = macRomanToUtf8(all);
    ASSERT_TRUE(isValidUtf8(utf8));
    auto back = utf8ToMacRoman(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(MacRoman, StrictAndLossyToMacRoman)
{
    EXPECT_EQ(utf8ToMacRoman("caf\xC3\xA9").value(), "caf\x8E");
    EXPECT_EQ(utf8ToMacRoman("\xE2\x80\x9Cq\xE2\x80\x9D").value(), "\xD2q\xD3");
    // A character Mac OS Roman lacks (Cyrillic) and invalid UTF-8.
    EXPECT_FALSE(utf8ToMacRoman("\xD0\x96").has_value());
    EXPECT_FALSE(utf8ToMacRoman("a\xFF").has_value());
    EXPECT_EQ(utf8ToMacRomanLossy("a\xD0\x96" "b"), "a?b");
    EXPECT_EQ(utf8ToMacRomanLossy("a\xFF" "b", '_'), "a_b");
    EXPECT_EQ(unicodeToMacRoman(0x1F600), -1);
}

struct Utf8Case {
    const char* name;
    std::string bytes;
    bool valid;
};

TEST(Utf8, StrictValidation)
{
    const Utf8Case cases[] = {
        {"empty", "", true},
        {"ascii", "plain text\r\t", true},
        {"two byte", "\xC3\xA9", true},
        {"three byte", "\xE2\x82\xAC", true},
        {"four byte", "\xF0\x9F\x98\x80", true},
        {"max code point", "\xF4\x8F\xBF\xBF", true},
        {"long ascii run then accent", std::string(40, 'a') + "\xC3\xA9", true},
        {"lone continuation", "\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three byte", "\xE0\x80\xAF", false},
        {"overlong four byte", "\xF0\x80\x80\xAF", false},
        {"surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"truncated at end", "ab\xE2\x82", false},
        {"truncated before ascii", "\xC3" "a", false},
        {"mac roman accent", "caf\x8E", false},
        {"byte FF", "\xFF", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid) << c.name;
    EXPECT_EQ(validUtf8Prefix("abc\xC3\xA9\xFFzz"), 5u);
}

TEST(Utf8, DecodeAndEncode)
{
    std::string s;
    for (char32_t cp : {U'A', U'\u00E9', U'\u20AC', U'\U0001F600'})
        appendUtf8(s, cp);
    size_t pos = 0;
    EXPECT_EQ(decodeUtf8(s, pos), U'A');
    EXPECT_EQ(decodeUtf8(s, pos), U'\u00E9');
    EXPECT_EQ(decodeUtf8(s, pos), U'\u20AC');
    EXPECT_EQ(decodeUtf8(s, pos), U'\U0001F600');
    EXPECT_EQ(pos, s.size());
    std::string bad = "\xFF" "a";
    pos = 0;
    EXPECT_EQ(decodeUtf8(bad, pos), U'\uFFFD');
    EXPECT_EQ(pos, 1u);
    std::string sur;
    appendUtf8(sur, 0xD800);
    EXPECT_EQ(sur, "\xEF\xBF\xBD");
}

TEST(DisplayRule, Utf8FirstMacRomanSecond)
{
    EXPECT_EQ(displayText("caf\xC3\xA9"), "caf\xC3\xA9");
    EXPECT_EQ(displayText("caf\x8E"), "caf\xC3\xA9");
    EXPECT_EQ(toUtf8("\x8E", TextEncoding::MacRoman), "\xC3\xA9");
    EXPECT_EQ(fromUtf8("\xC3\xA9", TextEncoding::MacRoman), "\x8E");
    EXPECT_EQ(fromUtf8("\xC3\xA9", TextEncoding::Utf8), "\xC3\xA9");
}

TEST(LetterCase, CompareIgnoringCaseAndListingOrder)
{
    EXPECT_TRUE(equalIgnoringCase("Bob", "bOB"));
    EXPECT_TRUE(equalIgnoringCase("\xC3\x89lodie", "\xC3\xA9LODIE"));  // É / é
    EXPECT_FALSE(equalIgnoringCase("Bob", "Bobby"));
    EXPECT_LT(compareIgnoringCase("apple", "Banana"), 0);
    EXPECT_TRUE(listingLess("apple", "Banana"));
    EXPECT_TRUE(listingLess("Bob", "bob"));  // tie broken by bytes
    EXPECT_FALSE(listingLess("bob", "Bob"));
    EXPECT_FALSE(listingLess("x", "x"));
    EXPECT_EQ(foldCaseUtf8("\xC5\x92UVRE"), "\xC5\x93uvre");  // Œ
}

}  // namespace
}  // namespace qor
