// The one little-endian codec at the edges: every width, the extremes of
// signed fields, and fields cut short by the end of the bytes.
#include <gtest/gtest.h>

#include <climits>

#include "core/io/byte_codec.h"

namespace horalo {
namespace {

TEST(ByteCodec, RoundTripsTheExtremesOfEveryWidth) {
    Bytes bytes;
    ByteWriter out(bytes);
    out.U8(0xFF);
    out.U16(0xFFFF);
    out.I16(INT16_MIN);
    out.I32(INT32_MIN);
    out.I32(-1);
    out.U32(0x12345678);
    out.Put(std::string_view("ab\0c", 4));
    ASSERT_EQ(bytes, (Bytes{0xFF, 0xFF, 0xFF, 0x00, 0x80, 0x00, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0xFF,
                            0x78, 0x56, 0x34, 0x12, 'a', 'b', 0, 'c'}));

    ByteReader in(bytes);
    EXPECT_EQ(in.Unsigned(1), 0xFFu);
    EXPECT_EQ(in.U16(), 0xFFFF);
    EXPECT_EQ(in.I16(), INT16_MIN);
    EXPECT_EQ(in.I32(), INT32_MIN);
    EXPECT_EQ(in.I32(), -1);
    EXPECT_EQ(in.U32(), 0x12345678u);
    EXPECT_EQ(LoadU32(bytes.data() + 13), 0x12345678u) << "the walk's reader agrees";
    const ByteSpan text = in.Take(10);
    EXPECT_EQ(std::string(text.begin(), text.end()), std::string("ab\0c", 4)) << "only what is there";
    EXPECT_EQ(in.Left(), 0u);

    std::uint8_t word[4];
    StoreU32(word, 0x80000001u);
    EXPECT_EQ(LoadU32(word), 0x80000001u);
}

TEST(ByteCodec, AFieldCutShortKeepsItsBytesAndReadsZeroForTheRest) {
    const Bytes bytes{0x11, 0x22, 0x33};
    ByteReader in(bytes, 1);
    EXPECT_FALSE(in.Has(4));
    EXPECT_EQ(in.U32(), 0x3322u);
    EXPECT_EQ(in.Position(), 3u) << "stops at the end";
    EXPECT_EQ(in.U32(), 0u);
    EXPECT_EQ(ByteReader(bytes, 99).Left(), 0u) << "a position past the end is the end";
}

}  // namespace
}  // namespace horalo
