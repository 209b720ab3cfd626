#include "conversion/text_rules.h"

#include <gtest/gtest.h>

#include "conversion/tests/bytes.h"

namespace hexdec {
namespace {

using testing::bytes;

TEST(TextLength, CountsBytes) {
  EXPECT_EQ(textLength(""), 0);
  EXPECT_EQ(textLength(bytes({0xD6, 0xD0})), 2);
  EXPECT_EQ(textLength("abc"), 3);
}

TEST(TextMiddle, CutsByBytesAndClampsToTheText) {
  struct Case {
    Text text;
    Integer position, count;
    Text expected;
  };
  const Case cases[] = {
      {"abc", 0, 1, ""},
      {"abc", 4, 1, ""},
      {"abc", 2, 0, ""},
      {"abc", 2, -1, ""},
      {"abc", -2147483647 - 1, 3, ""},
      {"abc", 3, 5, "c"},
      {"abc", 1, 2147483647, "abc"},
      {"abc", 2, 1, "b"},
      {bytes({0xD6, 0xD0}), 1, 1, bytes({0xD6})},
      {bytes({0xD6, 0xD0}), 2, 1, bytes({0xD0})},
      {"", 1, 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(textMiddle(c.text, c.position, c.count), c.expected)
        << c.text << " at " << c.position << " for " << c.count;
  }
}

TEST(CharCode, ReadsTheFirstByteAsSigned) {
  EXPECT_EQ(charCode(""), 0);
  EXPECT_EQ(charCode(bytes({0xD6})), -42);
  EXPECT_EQ(charCode(bytes({0x80})), -128);
  EXPECT_EQ(charCode(bytes({0xFF})), -1);
  EXPECT_EQ(charCode(bytes({0x7F})), 127);
  EXPECT_EQ(charCode("0"), 48);
}

TEST(CharCode, ReadsTheByteAtAPositionAndZeroOutside) {
  const Text text = bytes({0xC8, 0x41});  // a lead byte, then an ASCII trail byte
  EXPECT_EQ(charCode(text, 1), -56);
  EXPECT_EQ(charCode(text, 2), 65);
  EXPECT_EQ(charCode(text, 0), 0);
  EXPECT_EQ(charCode(text, 3), 0);
  EXPECT_EQ(charCode(text, -1), 0);
}

TEST(IsBlank, IsExactlyTabToCarriageReturnAndSpace) {
  for (int byte = 0; byte < 256; ++byte) {
    const bool expected = byte == 0x20 || (byte >= 0x09 && byte <= 0x0D);
    EXPECT_EQ(isBlank(static_cast<char>(byte)), expected) << byte;
  }
}

}  // namespace
}  // namespace hexdec
