#include "conversion/integer_format.h"

#include <gtest/gtest.h>
#include <cstdio>

namespace hexdec {
namespace {

TEST(IntegerToText, WritesSignedDecimal) {
  EXPECT_EQ(integerToText(0), "0");
  EXPECT_EQ(integerToText(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(integerToText(2147483647), "2147483647");
  EXPECT_EQ(integerToText(-1), "-1");
  EXPECT_EQ(integerToText(1000), "1000");
}

TEST(IntegerToHexText, WritesTheUpperCasePattern) {
  EXPECT_EQ(integerToHexText(0), "0");
  EXPECT_EQ(integerToHexText(10), "A");
  EXPECT_EQ(integerToHexText(255), "FF");
  EXPECT_EQ(integerToHexText(4096), "1000");
  EXPECT_EQ(integerToHexText(-1), "FFFFFFFF");
  EXPECT_EQ(integerToHexText(-2147483647 - 1), "80000000");
}

// printf is the reference for both forms; a spread of values across the whole range.
TEST(IntegerFormat, AgreesWithPrintf) {
  for (std::int64_t v = -2147483648LL; v <= 2147483647LL; v += 65521 * 7 + 3) {
    const auto value = static_cast<Integer>(v);
    char decimal[16], hex[16];
    std::snprintf(decimal, sizeof decimal, "%d", value);
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(value));
    ASSERT_EQ(integerToText(value), decimal);
    ASSERT_EQ(integerToHexText(value), hex);
  }
}

}  // namespace
}  // namespace hexdec
