#include "core/byte_fields.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace tolka::core {
namespace {

TEST(ByteFields, NumbersAreLittleEndian) {
  std::array<uint8_t, 16> b{};
  PutU16(b, 1, 0x1234);
  EXPECT_EQ(b[1], 0x34);
  EXPECT_EQ(b[2], 0x12);
  EXPECT_EQ(GetU16(b, 1), 0x1234);
  PutI32(b, 4, -2);
  EXPECT_EQ(b[4], 0xFE);
  EXPECT_EQ(b[7], 0xFF);
  EXPECT_EQ(GetI32(b, 4), -2);
  PutF64(b, 8, 5.5);  // 0x4016000000000000
  EXPECT_EQ(b[15], 0x40);
  EXPECT_EQ(b[14], 0x16);
  EXPECT_EQ(b[8], 0x00);
  EXPECT_DOUBLE_EQ(GetF64(b, 8), 5.5);
}

TEST(ByteFields, AccessOutsideTheBlockThrows) {
  std::array<uint8_t, 4> b{};
  EXPECT_THROW(GetU16(b, 3), std::out_of_range);
  EXPECT_THROW(PutI32(b, 1, 0), std::out_of_range);
  EXPECT_THROW(GetShortString(b, 0, 4), std::out_of_range);  // needs 5 bytes
}

TEST(ByteFields, ShortStringLengthAboveCapacityIsReadAsCapacity) {
  std::array<uint8_t, 6> b = {200, 'a', 'b', 'c', 'd', 'e'};
  EXPECT_EQ(GetShortString(b, 0, 3), "abc");
}

TEST(ByteFields, ShortStringWriteCutsAndKeepsTail) {
  std::array<uint8_t, 6> b = {0, 'x', 'y', 'z', 'w', 0x77};
  PutShortString(b, 0, 4, "abcdef");
  EXPECT_EQ(b[0], 4);
  EXPECT_EQ(b[4], 'd');
  EXPECT_EQ(b[5], 0x77);  // outside the field
  PutShortString(b, 0, 4, "q");
  EXPECT_EQ(b[0], 1);
  EXPECT_EQ(b[2], 'b');  // meaningless tail bytes stay as they were
}

TEST(ByteFields, UnchangedShortStringKeepsDamagedLengthByte) {
  std::array<uint8_t, 4> b = {9, 'a', 'b', 'c'};
  PutShortString(b, 0, 3, GetShortString(b, 0, 3));
  EXPECT_EQ(b[0], 9);
}

TEST(ByteFields, CharArrayEndsAtZeroOrArrayEnd) {
  std::array<uint8_t, 5> b = {'a', 'b', 0, 'c', 'd'};
  EXPECT_EQ(GetCharArray(b, 0, 5), "ab");
  std::array<uint8_t, 3> full = {'x', 'y', 'z'};
  EXPECT_EQ(GetCharArray(full, 0, 3), "xyz");
  PutCharArray(full, 0, 3, GetCharArray(full, 0, 3));
  EXPECT_EQ(full[2], 'z');  // unchanged text keeps its bytes
}

TEST(ByteFields, CharArrayWriteLeavesATerminatingZero) {
  std::array<uint8_t, 5> b = {'1', '2', '3', '4', '5'};
  PutCharArray(b, 0, 5, "abcdefg");
  EXPECT_EQ(GetCharArray(b, 0, 5), "abcd");
  EXPECT_EQ(b[4], 0);
  PutCharArray(b, 0, 5, "z");
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[3], 0);
}

}  // namespace
}  // namespace tolka::core
