#include "base/Record.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(Record, GoldenBytesLittleEndian)
{
    RecordWriter w(32);
    w.i16(0, -2);
    w.u32(2, 0x01020304u);
    w.i32(6, -1);
    w.f32(10, 1.0f);
    w.f64(14, -2.5);
    w.str(22, 6, "abc");
    w.u8(28, 0xAB);
    ASSERT_TRUE(w.ok());
    const unsigned char expected[32] = {
        0xFE, 0xFF,                    // -2
        0x04, 0x03, 0x02, 0x01,        // 0x01020304
        0xFF, 0xFF, 0xFF, 0xFF,        // -1
        0x00, 0x00, 0x80, 0x3F,        // 1.0f
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x04, 0xC0,  // -2.5
        'a', 'b', 'c', 0, 0, 0,        // string field, zero-filled
        0xAB, 0, 0, 0,                 // reserved bytes stay zero
    };
    EXPECT_EQ(w.toString(), std::string(reinterpret_cast<const char*>(expected), 32));

    RecordReader r(w.data());
    EXPECT_EQ(r.i16(0), -2);
    EXPECT_EQ(r.u32(2), 0x01020304u);
    EXPECT_EQ(r.i32(6), -1);
    EXPECT_EQ(r.f32(10), 1.0f);
    EXPECT_EQ(r.f64(14), -2.5);
    EXPECT_EQ(r.str(22, 6), "abc");
    EXPECT_TRUE(r.ok());
}

TEST(Record, StringFieldsAreBoundedAndTerminated)
{
    RecordWriter w(8);
    w.str(0, 4, "toolong");  // 3 bytes and the terminator
    w.bytes(4, "WXYZ");      // an unterminated field as a hostile file has it
    EXPECT_EQ(w.toString().substr(0, 4), std::string("too\0", 4));
    RecordReader r(w.data());
    EXPECT_EQ(r.str(0, 4), "too");
    EXPECT_EQ(r.str(4, 4), "WXY");  // the last byte is always the terminator
    EXPECT_EQ(r.str(4, 1), "");
}

TEST(Record, OutOfBoundsAccessFailsSafely)
{
    RecordWriter w(4);
    w.u32(1, 7);
    w.str(2, 8, "x");
    EXPECT_FALSE(w.ok());
    EXPECT_EQ(w.toString(), std::string(4, '\0'));

    const char raw[3] = {1, 2, 3};
    RecordReader r(raw, 3);
    EXPECT_EQ(r.u16(1), 0x0302);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.u32(0), 0u);
    EXPECT_FALSE(r.ok());
    RecordReader r2(raw, 3);
    EXPECT_EQ(r2.str(2, 5), "");
    EXPECT_EQ(r2.bytes(static_cast<size_t>(-1), 2), "");  // offset overflow
    EXPECT_FALSE(r2.ok());
}

}  // namespace
}  // namespace qor
