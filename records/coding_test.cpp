#include "records/coding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

TEST(Coding, Fixed32IsLittleEndian) {
  char b[4];
  EncodeFixed32(b, 0x01020304);
  EXPECT_EQ(std::string(b, 4), std::string("\x04\x03\x02\x01", 4));
  EXPECT_EQ(DecodeFixed32(b), 0x01020304);
  EncodeFixed32(b, -1);
  EXPECT_EQ(std::string(b, 4), std::string("\xff\xff\xff\xff", 4));
  EXPECT_EQ(DecodeFixed32(b), -1);
  EncodeFixed32(b, 9000000);  // the largest password
  EXPECT_EQ(std::string(b, 4), std::string("\x40\x54\x89\x00", 4));
}

TEST(Coding, Fixed64IsLittleEndian) {
  char b[8];
  EncodeFixed64(b, 0x0102030405060708ull);
  EXPECT_EQ(std::string(b, 8), std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
  EXPECT_EQ(DecodeFixed64(b), 0x0102030405060708ull);
  EncodeFixed64(b, static_cast<uint64_t>(int64_t{-2}));
  EXPECT_EQ(static_cast<int64_t>(DecodeFixed64(b)), -2);
}

TEST(Coding, DoubleIsBinary64LittleEndian) {
  char b[8];
  EncodeDouble(b, 75.5);  // 0x4052E00000000000
  EXPECT_EQ(std::string(b, 8), std::string("\x00\x00\x00\x00\x00\xe0\x52\x40", 8));
  EXPECT_EQ(DecodeDouble(b), 75.5);
  EncodeDouble(b, -0.0);
  EXPECT_TRUE(std::signbit(DecodeDouble(b)));
}

TEST(Coding, TextIsPaddedWithNulAndAlwaysTerminated) {
  char field[6] = "abc";
  char b[6];
  std::memset(b, 'x', sizeof b);
  EncodeText(b, field, sizeof field);
  EXPECT_EQ(std::string(b, 6), std::string("abc\0\0\0", 6));

  const char full[6] = {'h', 'e', 'l', 'l', 'o', '!'};  // no NUL anywhere
  char out[6];
  DecodeText(out, full, sizeof out);
  EXPECT_STREQ(out, "hello");
}

TEST(Coding, Crc32IsZlibs) {
  EXPECT_EQ(Crc32(0, "", 0), 0u);
  EXPECT_EQ(Crc32(0, "123456789", 9), 0xcbf43926u);
  EXPECT_EQ(Crc32(0, "a", 1), 0xe8b7be43u);
  const std::string zeros(3204, '\0');  // one empty question record
  EXPECT_EQ(Crc32(0, zeros.data(), zeros.size()), 0x7a39cb88u);
  EXPECT_EQ(Crc32(Crc32(0, zeros.data(), 1000), zeros.data() + 1000, 2204), Crc32(0, zeros.data(), zeros.size()));
}
