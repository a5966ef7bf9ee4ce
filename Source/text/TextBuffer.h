#pragma once
// The normalised text buffer: one heap block of bytes, the number of text
// bytes in it and the encoding they are in.
//
// The block always holds at least one byte more than its capacity for text,
// and every byte from the size to the end of the block is zero, so the text
// is always zero-terminated. Sizes are signed 32-bit: a text larger than
// maxTextSize() is refused where it enters, never truncated or wrapped.

#include "base/Encoding.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace qor {

class TextBuffer {
public:
    TextBuffer() = default;
    TextBuffer(TextBuffer&& other) noexcept;
    TextBuffer& operator=(TextBuffer&& other) noexcept;
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    // A zero-filled block for `capacity` text bytes plus the terminator,
    // with size 0. Null when the capacity is negative or above
    // maxTextSize(), or when there is no memory.
    static TextBuffer allocate(int64_t capacity, TextEncoding encoding = TextEncoding::Utf8);
    // A block holding a copy of the bytes (null as allocate()).
    static TextBuffer fromBytes(std::string_view bytes, TextEncoding encoding);

    // The largest text a buffer takes: the size and its terminator fit a
    // signed 32-bit count.
    static int32_t maxTextSize();
    // Test seam: a smaller limit (0 restores the real one).
    static void setMaxTextSizeForTesting(int32_t limit);

    bool isNull() const { return !m_bytes; }
    explicit operator bool() const { return m_bytes != nullptr; }

    char* data() { return m_bytes.get(); }
    const char* data() const { return m_bytes.get(); }
    int32_t size() const { return m_size; }
    int32_t capacity() const { return m_capacity; }
    std::string_view view() const { return {m_bytes.get(), static_cast<size_t>(m_size)}; }

    // Sets the number of text bytes, within 0 and the capacity. Bytes given
    // up by a smaller size are zeroed.
    void setSize(int32_t size);

    TextEncoding encoding() const { return m_encoding; }
    void setEncoding(TextEncoding encoding) { m_encoding = encoding; }

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    std::unique_ptr<char, Free> m_bytes;
    int32_t m_capacity = 0;
    int32_t m_size = 0;
    TextEncoding m_encoding = TextEncoding::Utf8;
};

} // namespace qor
