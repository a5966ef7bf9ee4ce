#include "text/TextBuffer.h"

#include <cstring>
#include <limits>

namespace qor {

namespace {
constexpr int32_t kRealLimit = std::numeric_limits<int32_t>::max() - 1;
int32_t g_limit = kRealLimit;
} // namespace

TextBuffer::TextBuffer(TextBuffer&& other) noexcept
    : m_bytes(std::move(other.m_bytes)), m_capacity(other.m_capacity), m_size(other.m_size),
      m_encoding(other.m_encoding)
{
    other.m_capacity = 0;
    other.m_size = 0;
}

TextBuffer& TextBuffer::operator=(TextBuffer&& other) noexcept
{
    if (this != &other) {
        m_bytes = std::move(other.m_bytes);
        m_capacity = other.m_capacity;
        m_size = other.m_size;
        m_encoding = other.m_encoding;
        other.m_capacity = 0;
        other.m_size = 0;
    }
    return *this;
}

int32_t TextBuffer::maxTextSize()
{
    return g_limit;
}

void TextBuffer::setMaxTextSizeForTesting(int32_t limit)
{
    g_limit = (limit <= 0 || limit > kRealLimit) ? kRealLimit : limit;
}

TextBuffer TextBuffer::allocate(int64_t capacity, TextEncoding encoding)
{
    TextBuffer b;
    if (capacity < 0 || capacity > maxTextSize())
        return b;
    // calloc: large blocks come as fresh zero pages, so zero-filling costs
    // nothing until the bytes are written.
    char* p = static_cast<char*>(std::calloc(static_cast<size_t>(capacity) + 1, 1));
    if (!p)
        return b;
    b.m_bytes.reset(p);
    b.m_capacity = static_cast<int32_t>(capacity);
    b.m_encoding = encoding;
    return b;
}

TextBuffer TextBuffer::fromBytes(std::string_view bytes, TextEncoding encoding)
{
    if (bytes.size() > static_cast<size_t>(maxTextSize()))
        return {};
    TextBuffer b = allocate(static_cast<int64_t>(bytes.size()), encoding);
    if (b) {
        if (!bytes.empty())
            std::memcpy(b.data(), bytes.data(), bytes.size());
        b.m_size = static_cast<int32_t>(bytes.size());
    }
    return b;
}

void TextBuffer::setSize(int32_t size)
{
    if (!m_bytes)
        return;
    if (size < 0)
        size = 0;
    if (size > m_capacity)
        size = m_capacity;
    if (size < m_size)
        std::memset(m_bytes.get() + size, 0, static_cast<size_t>(m_size - size));
    m_size = size;
}

} // namespace qor
