#include "text/TextData.h"
#include "text/TextChars.h"

#include "base/Encoding.h"
#include "base/Log.h"

#include <cassert>
#include <cstring>
#include <optional>
#include <string>

namespace qor {

namespace {

using namespace textchars;

inline bool isSentencePunctuation(unsigned char c)
{
    return c == '!' || c == '.' || c == '?';
}

inline bool isSentenceFollower(unsigned char c)
{
    return c == kLF || c == kCR || c == kSpace;
}

inline unsigned char foldAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

} // namespace

// --- buffer -------------------------------------------------------------------

void TextData::init()
{
    m_data = TextBuffer();
    m_bufferSize = 0;
    m_current = 0;
    m_last = 0;
    m_nStart = 0;
}

void TextData::initData(TextBuffer block)
{
    m_data = std::move(block);
    m_bufferSize = m_data ? m_data.size() : 0;
    m_current = 0;
    m_last = 0;
    m_nStart = 0;
    if (m_data)
        setData(0);
}

const char* TextData::bufferAndSize(int32_t& size) const
{
    size = m_bufferSize;
    return m_data.data();
}

// --- position -------------------------------------------------------------------

int32_t TextData::clampOffset(int64_t offset) const
{
    if (offset < 0)
        return 0;
    if (offset > m_bufferSize)
        return m_bufferSize > 0 ? m_bufferSize - 1 : 0;
    return static_cast<int32_t>(offset);
}

bool TextData::cursorBeyondText()
{
    if (m_current <= m_bufferSize)
        return false;
    logLine("TextData: the cursor is beyond the end of the text");
    assert(!"TextData: the cursor is beyond the end of the text");
    m_current = m_bufferSize;
    return true;
}

void TextData::setCurrent(int32_t offset)
{
    m_current = clampOffset(offset);
}

void TextData::setPosition(int32_t offset)
{
    m_nStart = clampOffset(offset);
    m_current = clampOffset(offset);
}

void TextData::useStart()
{
    m_current = clampOffset(m_nStart);
}

const char* TextData::startWords() const
{
    return m_data ? m_data.data() + m_nStart : nullptr;
}

const char* TextData::currentWords() const
{
    return m_data ? m_data.data() + m_current : nullptr;
}

int32_t TextData::percent() const
{
    if (m_current == m_bufferSize || m_bufferSize <= 0)
        return 100;
    return static_cast<int32_t>(static_cast<int64_t>(m_nStart) * 100 / m_bufferSize);
}

void TextData::setData(int32_t percent)
{
    if (percent < 0)
        percent = 0;
    if (percent > 100)
        percent = 100;
    int32_t cur = 0;
    if (m_bufferSize > 0 && percent > 0) {
        int64_t target = static_cast<int64_t>(percent) * m_bufferSize / 100;
        if (target >= m_bufferSize)
            target = m_bufferSize - 1;
        // Back to the separator before the word at the target.
        for (auto i = static_cast<int32_t>(target); i > 0; --i) {
            if (isSeparator(at(i))) {
                cur = i + 1;
                break;
            }
        }
    }
    m_current = clampOffset(cur);
    m_nStart = m_current;
}

// --- reading ----------------------------------------------------------------------

const char* TextData::getNextWordAndLength(int32_t& length, int32_t& numOfSent, bool ignoreSeperator,
                                           char& seperator, bool& endWithCR)
{
    length = 0;
    numOfSent = 0;
    seperator = 0;
    endWithCR = false;
    if (m_current == m_bufferSize || cursorBeyondText())
        return nullptr;
    m_last = m_current;
    const int32_t n = m_bufferSize;
    int32_t i = m_current;
    if (ignoreSeperator) {
        if (isSeparator(at(i))) {
            while (i < n && isSeparator(at(i)))
                ++i;
            seperator = ' ';
        }
    } else if (isSeparator(at(i))) {
        seperator = static_cast<char>(at(i));
        m_current = i + 1;
        return nullptr;
    }
    const int32_t first = i;
    while (i < n && !isSeparator(at(i)))
        ++i;
    m_current = i;
    const int32_t len = i - first;
    if (i == n || (len > 0 && isSentencePunctuation(at(i - 1)) && isSentenceFollower(at(i))))
        numOfSent = 1;
    if (len == 0)
        return nullptr;
    int32_t j = i;
    while (j < n && at(j) == kSpace)
        ++j;
    endWithCR = j < n && at(j) == kCR;
    length = len;
    return m_data.data() + first;
}

const char* TextData::getNextFormattedLineAndLength(int32_t& length)
{
    length = 0;
    if (m_current == m_bufferSize || cursorBeyondText())
        return nullptr;
    const int32_t n = m_bufferSize;
    const int32_t first = m_current;
    int32_t i = first;
    while (i < n && at(i) != kCR)
        ++i;
    length = i - first;
    while (i < n && at(i) == kCR)
        ++i;
    m_current = clampOffset(i);
    return m_data.data() + first;
}

// --- moving -------------------------------------------------------------------------

void TextData::forwardWords(int32_t n)
{
    if (m_current >= m_bufferSize) {
        validateCurrent();
        return;
    }
    int32_t i = m_current;
    for (int32_t k = 0; k < n && i < m_bufferSize; ++k) {
        while (i < m_bufferSize && !isSeparator(at(i)))
            ++i;
        while (i < m_bufferSize && isSeparator(at(i)))
            ++i;
    }
    m_current = clampOffset(i);
}

void TextData::backWords(int32_t n, bool keepSpace)
{
    if (m_current == 0)
        return;
    validateCurrent();
    int32_t cur = m_current;
    for (int32_t k = 0; k < n && cur > 0; ++k) {
        // Byte 0 is never looked at: a word there or at 1 leads to 0.
        int32_t i = cur - 1;
        while (i > 0 && isSeparator(at(i)))
            --i;
        while (i > 0 && !isSeparator(at(i)))
            --i;
        cur = i == 0 ? 0 : (keepSpace ? i : i + 1);
    }
    m_current = clampOffset(cur);
}

bool TextData::needToGoBack(int32_t n) const
{
    if (m_current <= 0 || n <= 0 || m_current > m_bufferSize)
        return false;
    int32_t i = m_current;
    for (int32_t k = 0; k < n; ++k) {
        if (i <= 0)
            return false;
        --i;
        while (i > 0 && isSeparator(at(i)))
            --i;
        while (i > 0 && !isSeparator(at(i)))
            --i;
    }
    return i > 0 && isSeparator(at(i));
}

void TextData::pointToNextWord()
{
    if (m_current >= m_bufferSize) {
        validateCurrent();
        return;
    }
    int32_t i = m_current;
    while (i < m_bufferSize && isSeparator(at(i)))
        ++i;
    m_current = clampOffset(i);
}

void TextData::forwardChars(int32_t n)
{
    int64_t to = static_cast<int64_t>(m_current) + n;
    m_current = clampOffset(to < m_bufferSize ? to : static_cast<int64_t>(m_bufferSize) - 1);
}

// --- search ---------------------------------------------------------------------------

bool TextData::searchForSentence(const char* word)
{
    if (!word || !m_data)
        return false;
    const size_t len = ::strnlen(word, 256);
    if (len == 0 || len > 255)
        return false;
    unsigned char key[256];
    for (size_t k = 0; k < len; ++k)
        key[k] = foldAscii(static_cast<unsigned char>(word[k]));
    key[len] = 0;

    const int64_t n = m_bufferSize;
    const int64_t last = n - static_cast<int64_t>(len); // a match must end before the end
    const unsigned char first = key[0];
    for (int64_t i = m_current; i < last; ++i) {
        if (foldAscii(at(static_cast<int32_t>(i))) != first)
            continue;
        size_t k = 1;
        while (k < len && foldAscii(at(static_cast<int32_t>(i + static_cast<int64_t>(k)))) == key[k])
            ++k;
        if (k < len)
            continue;
        const int64_t afterAt = i + static_cast<int64_t>(len); // < n
        const unsigned char after = at(static_cast<int32_t>(afterAt));
        bool accepted;
        if (i == 0) {
            accepted = after == kSpace;
        } else {
            const unsigned char before = at(static_cast<int32_t>(i - 1));
            // The end of the text is no sentence follower.
            accepted = ((before == kCR || before == kSpace) && after == kSpace) ||
                       (before == kSpace && isSentencePunctuation(after) && afterAt + 1 < n &&
                        isSentenceFollower(at(static_cast<int32_t>(afterAt + 1))));
        }
        if (!accepted)
            continue;
        // Back to the nearest sentence end before the match.
        int64_t cur = 0;
        for (int64_t j = i - 2; j >= 0; --j) {
            if (isSentencePunctuation(at(static_cast<int32_t>(j))) &&
                isSentenceFollower(at(static_cast<int32_t>(j + 1)))) {
                cur = j + 2;
                while (cur < i && isSeparator(at(static_cast<int32_t>(cur))))
                    ++cur;
                break;
            }
        }
        m_current = clampOffset(cur);
        return true;
    }
    return false;
}

bool TextData::searchForSentenceText(std::string_view utf8Word)
{
    std::string key;
    if (encoding() == TextEncoding::Utf8) {
        key.assign(utf8Word);
    } else {
        std::optional<std::string> roman = utf8ToMacRoman(utf8Word);
        if (!roman)
            return false;
        key = std::move(*roman);
    }
    if (key.empty() || key.size() > 255 || key.find('\0') != std::string::npos)
        return false;
    return searchForSentence(key.c_str());
}

} // namespace qor
