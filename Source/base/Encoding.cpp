#include "base/Encoding.h"

#include <array>
#include <algorithm>

namespace qor {

namespace {

// Upper half of Mac OS Roman (0x80-0xFF), with the euro sign at 0xDB.
constexpr std::array<char16_t, 128> kMacRomanHigh = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,  // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,  // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,  // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,  // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,  // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,  // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,  // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,  // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,  // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,  // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,  // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,  // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,  // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,  // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,  // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,  // F8
};

struct ReverseEntry {
    char16_t cp;
    uint8_t byte;
};

// The upper half sorted by code point, for the way back.
const std::array<ReverseEntry, 128>& reverseTable()
{
    static const std::array<ReverseEntry, 128> table = [] {
        std::array<ReverseEntry, 128> t{};
        for (size_t i = 0; i < 128; ++i)
            t[i] = {kMacRomanHigh[i], static_cast<uint8_t>(0x80 + i)};
        std::sort(t.begin(), t.end(),
                  [](const ReverseEntry& a, const ReverseEntry& b) { return a.cp < b.cp; });
        return t;
    }();
    return table;
}

// Length of the valid sequence at s[i], or 0.
size_t sequenceLength(const unsigned char* s, size_t n, size_t i)
{
    unsigned char c = s[i];
    if (c < 0x80)
        return 1;
    if (c < 0xC2)
        return 0;  // continuation byte or overlong 2-byte lead
    auto cont = [&](size_t k) { return i + k < n && (s[i + k] & 0xC0) == 0x80; };
    if (c < 0xE0)
        return cont(1) ? 2 : 0;
    if (c < 0xF0) {
        if (!cont(1) || !cont(2))
            return 0;
        unsigned char c1 = s[i + 1];
        if (c == 0xE0 && c1 < 0xA0)
            return 0;  // overlong
        if (c == 0xED && c1 >= 0xA0)
            return 0;  // surrogate
        return 3;
    }
    if (c < 0xF5) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        unsigned char c1 = s[i + 1];
        if (c == 0xF0 && c1 < 0x90)
            return 0;  // overlong
        if (c == 0xF4 && c1 >= 0x90)
            return 0;  // above U+10FFFF
        return 4;
    }
    return 0;
}

}  // namespace

size_t validUtf8Prefix(std::string_view bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        // Fast path over ASCII, eight bytes at a time.
        while (i + 8 <= n) {
            uint64_t w;
            __builtin_memcpy(&w, s + i, 8);
            if (w & 0x8080808080808080ull)
                break;
            i += 8;
        }
        if (i >= n)
            break;
        size_t len = sequenceLength(s, n, i);
        if (len == 0)
            return i;
        i += len;
    }
    return n;
}

bool isValidUtf8(std::string_view bytes)
{
    return validUtf8Prefix(bytes) == bytes.size();
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        cp = 0xFFFD;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char32_t decodeUtf8(std::string_view bytes, size_t& pos)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    size_t len = sequenceLength(s, bytes.size(), pos);
    if (len == 0) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp;
    switch (len) {
    case 1: cp = s[pos]; break;
    case 2: cp = (char32_t(s[pos] & 0x1F) << 6) | (s[pos + 1] & 0x3F); break;
    case 3:
        cp = (char32_t(s[pos] & 0x0F) << 12) | (char32_t(s[pos + 1] & 0x3F) << 6) |
             (s[pos + 2] & 0x3F);
        break;
    default:
        cp = (char32_t(s[pos] & 0x07) << 18) | (char32_t(s[pos + 1] & 0x3F) << 12) |
             (char32_t(s[pos + 2] & 0x3F) << 6) | (s[pos + 3] & 0x3F);
        break;
    }
    pos += len;
    return cp;
}

char32_t macRomanToUnicode(uint8_t byte)
{
    return byte < 0x80 ? char32_t(byte) : char32_t(kMacRomanHigh[byte - 0x80]);
}

int unicodeToMacRoman(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    if (cp > 0xFFFF)
        return -1;
    const auto& t = reverseTable();
    auto it = std::lower_bound(t.begin(), t.end(), cp,
                               [](const ReverseEntry& e, char32_t v) { return e.cp < v; });
    if (it != t.end() && it->cp == cp)
        return it->byte;
    return -1;
}

std::string macRomanToUtf8(std::string_view macRoman)
{
    std::string out;
    out.reserve(macRoman.size() + macRoman.size() / 4);
    for (char c : macRoman)
        appendUtf8(out, macRomanToUnicode(static_cast<uint8_t>(c)));
    return out;
}

std::optional<std::string> utf8ToMacRoman(std::string_view utf8)
{
    if (!isValidUtf8(utf8))
        return std::nullopt;
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        int b = unicodeToMacRoman(decodeUtf8(utf8, pos));
        if (b < 0)
            return std::nullopt;
        out.push_back(static_cast<char>(b));
    }
    return out;
}

std::string utf8ToMacRomanLossy(std::string_view utf8, char replacement)
{
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        int b = unicodeToMacRoman(decodeUtf8(utf8, pos));
        out.push_back(b < 0 ? replacement : static_cast<char>(b));
    }
    return out;
}

std::string displayText(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return macRomanToUtf8(bytes);
}

std::string toUtf8(std::string_view bytes, TextEncoding enc)
{
    return enc == TextEncoding::Utf8 ? displayText(bytes) : macRomanToUtf8(bytes);
}

std::string fromUtf8(std::string_view utf8, TextEncoding enc)
{
    return enc == TextEncoding::Utf8 ? std::string(utf8) : utf8ToMacRomanLossy(utf8);
}

char32_t foldCase(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 0x20;
    if (cp < 0xC0)
        return cp;
    if (cp <= 0xDE && cp != 0xD7)
        return cp + 0x20;
    if (cp == 0x0152)
        return 0x0153;
    if (cp == 0x0178)
        return 0x00FF;
    return cp;
}

std::string foldCaseUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t pos = 0;
    while (pos < utf8.size()) {
        size_t start = pos;
        char32_t cp = decodeUtf8(utf8, pos);
        if (cp == 0xFFFD && pos == start + 1 && static_cast<unsigned char>(utf8[start]) >= 0x80)
            out.push_back(utf8[start]);  // keep an invalid byte as it is
        else
            appendUtf8(out, foldCase(cp));
    }
    return out;
}

int compareIgnoringCase(std::string_view a, std::string_view b)
{
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t ca = foldCase(decodeUtf8(a, i));
        char32_t cb = foldCase(decodeUtf8(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return compareIgnoringCase(a, b) == 0;
}

bool endsWithIgnoringCase(std::string_view name, std::string_view suffix)
{
    return name.size() >= suffix.size() && equalIgnoringCase(name.substr(name.size() - suffix.size()), suffix);
}

bool listingLess(std::string_view a, std::string_view b)
{
    int c = compareIgnoringCase(a, b);
    if (c != 0)
        return c < 0;
    return a < b;
}

}  // namespace qor
