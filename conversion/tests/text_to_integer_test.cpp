#include "conversion/text_to_integer.h"

#include <gtest/gtest.h>

#include "conversion/tests/bytes.h"

namespace hexdec {
namespace {

using testing::bytes;

TEST(TextToInteger, ReadsSignAndDigitsAfterBlanksAndWraps) {
  struct Case {
    Text text;
    Integer expected;
  };
  const Case cases[] = {
      {"7", 7},
      {"F", 0},
      {"", 0},
      {" 9", 9},
      {"\t\n\v\f\r 9", 9},
      {"-3", -3},
      {"15", 15},
      {bytes({0xA3, 0xB1, 0xA3, 0xB5}), 15},
      {bytes({0xA1, 0xA1, 0xA3, 0xAD, 0xA3, 0xB2}), -2},
      {bytes({0xD6}), 0},
      {"+", 0},
      {"-", 0},
      {"+-5", 0},
      {"2147483647", 2147483647},
      {"2147483648", -2147483647 - 1},
      {"-2147483648", -2147483647 - 1},
      {"4294967297", 1},
      {"-4294967297", -1},
      {"99999999999999999999", 1661992959},  // 10^20 - 1 modulo 2^32
      {"1.9", 1},
      {"1e3", 1},
      {"12 34", 12},
      {"\x01"
       "5",
       0},
  };
  for (const Case& c : cases) EXPECT_EQ(textToInteger(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace hexdec
