#include "base/Record.h"

#include <bit>
#include <cstring>

namespace qor {

bool RecordWriter::fits(size_t off, size_t n)
{
    if (off > m_bytes.size() || n > m_bytes.size() - off) {
        m_ok = false;
        return false;
    }
    return true;
}

void RecordWriter::u8(size_t off, uint8_t v)
{
    if (fits(off, 1))
        m_bytes[off] = v;
}

void RecordWriter::u16(size_t off, uint16_t v)
{
    if (!fits(off, 2))
        return;
    m_bytes[off] = static_cast<uint8_t>(v);
    m_bytes[off + 1] = static_cast<uint8_t>(v >> 8);
}

void RecordWriter::u32(size_t off, uint32_t v)
{
    if (!fits(off, 4))
        return;
    for (int i = 0; i < 4; ++i)
        m_bytes[off + i] = static_cast<uint8_t>(v >> (8 * i));
}

void RecordWriter::u64(size_t off, uint64_t v)
{
    if (!fits(off, 8))
        return;
    for (int i = 0; i < 8; ++i)
        m_bytes[off + i] = static_cast<uint8_t>(v >> (8 * i));
}

void RecordWriter::f32(size_t off, float v)
{
    u32(off, std::bit_cast<uint32_t>(v));
}

void RecordWriter::f64(size_t off, double v)
{
    u64(off, std::bit_cast<uint64_t>(v));
}

void RecordWriter::str(size_t off, size_t fieldSize, std::string_view s)
{
    if (fieldSize == 0 || !fits(off, fieldSize))
        return;
    size_t n = std::min(s.size(), fieldSize - 1);
    std::memset(&m_bytes[off], 0, fieldSize);
    if (n)
        std::memcpy(&m_bytes[off], s.data(), n);
}

void RecordWriter::bytes(size_t off, std::string_view raw)
{
    if (raw.empty() || !fits(off, raw.size()))
        return;
    std::memcpy(&m_bytes[off], raw.data(), raw.size());
}

bool RecordReader::fits(size_t off, size_t n) const
{
    if (off > m_size || n > m_size - off) {
        m_ok = false;
        return false;
    }
    return true;
}

uint8_t RecordReader::u8(size_t off) const
{
    return fits(off, 1) ? m_data[off] : 0;
}

uint16_t RecordReader::u16(size_t off) const
{
    if (!fits(off, 2))
        return 0;
    return static_cast<uint16_t>(m_data[off] | (m_data[off + 1] << 8));
}

uint32_t RecordReader::u32(size_t off) const
{
    if (!fits(off, 4))
        return 0;
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | m_data[off + i];
    return v;
}

uint64_t RecordReader::u64(size_t off) const
{
    if (!fits(off, 8))
        return 0;
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | m_data[off + i];
    return v;
}

float RecordReader::f32(size_t off) const
{
    return std::bit_cast<float>(u32(off));
}

double RecordReader::f64(size_t off) const
{
    return std::bit_cast<double>(u64(off));
}

std::string RecordReader::str(size_t off, size_t fieldSize) const
{
    if (fieldSize == 0 || !fits(off, fieldSize))
        return {};
    const auto* p = reinterpret_cast<const char*>(m_data + off);
    const void* nul = std::memchr(p, 0, fieldSize - 1);
    size_t n = nul ? static_cast<size_t>(static_cast<const char*>(nul) - p) : fieldSize - 1;
    return std::string(p, n);
}

std::string RecordReader::bytes(size_t off, size_t n) const
{
    if (!fits(off, n))
        return {};
    return std::string(reinterpret_cast<const char*>(m_data + off), n);
}

}  // namespace qor
