#pragma once
// Fixed-size stored records, encoded field by field.
//
// Records are little-endian with reserved bytes zero. A record is never
// copied to or from a struct: every field is written and read at its
// offset. Reads are bounded: a field that lies outside the record reads as
// zero and marks the reader as failed, and string fields always end at a
// forced terminator inside the field.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

class RecordWriter {
public:
    explicit RecordWriter(size_t size) : m_bytes(size, 0) {}

    void u8(size_t off, uint8_t v);
    void i8(size_t off, int8_t v) { u8(off, static_cast<uint8_t>(v)); }
    void u16(size_t off, uint16_t v);
    void i16(size_t off, int16_t v) { u16(off, static_cast<uint16_t>(v)); }
    void u32(size_t off, uint32_t v);
    void i32(size_t off, int32_t v) { u32(off, static_cast<uint32_t>(v)); }
    void u64(size_t off, uint64_t v);
    void i64(size_t off, int64_t v) { u64(off, static_cast<uint64_t>(v)); }
    void f32(size_t off, float v);
    void f64(size_t off, double v);
    // Writes at most fieldSize - 1 bytes of s and zero-fills the rest of the
    // field, so the field is always terminated.
    void str(size_t off, size_t fieldSize, std::string_view s);
    void bytes(size_t off, std::string_view raw);

    // False once any write fell outside the record.
    bool ok() const { return m_ok; }
    const std::vector<uint8_t>& data() const { return m_bytes; }
    std::string toString() const { return std::string(m_bytes.begin(), m_bytes.end()); }

private:
    bool fits(size_t off, size_t n);
    std::vector<uint8_t> m_bytes;
    bool m_ok = true;
};

class RecordReader {
public:
    RecordReader(const void* data, size_t size)
        : m_data(static_cast<const uint8_t*>(data)), m_size(size) {}
    explicit RecordReader(std::string_view s) : RecordReader(s.data(), s.size()) {}
    explicit RecordReader(const std::vector<uint8_t>& v) : RecordReader(v.data(), v.size()) {}

    uint8_t u8(size_t off) const;
    int8_t i8(size_t off) const { return static_cast<int8_t>(u8(off)); }
    uint16_t u16(size_t off) const;
    int16_t i16(size_t off) const { return static_cast<int16_t>(u16(off)); }
    uint32_t u32(size_t off) const;
    int32_t i32(size_t off) const { return static_cast<int32_t>(u32(off)); }
    uint64_t u64(size_t off) const;
    int64_t i64(size_t off) const { return static_cast<int64_t>(u64(off)); }
    float f32(size_t off) const;
    double f64(size_t off) const;
    // The bytes of the field up to its first NUL; at most fieldSize - 1 bytes
    // (the last byte of a field is its terminator whatever is stored there).
    std::string str(size_t off, size_t fieldSize) const;
    std::string bytes(size_t off, size_t n) const;

    size_t size() const { return m_size; }
    // False once any read fell outside the record.
    bool ok() const { return m_ok; }

private:
    bool fits(size_t off, size_t n) const;
    const uint8_t* m_data;
    size_t m_size;
    mutable bool m_ok = true;
};

}  // namespace qor
