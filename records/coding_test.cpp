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
