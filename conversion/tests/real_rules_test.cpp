#include "conversion/real_rules.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace hexdec {
namespace {

constexpr std::int64_t kMin64 = std::numeric_limits<std::int64_t>::min();
constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

TEST(Power, GivesExactPowersOfSixteenThenInfinity) {
  for (int y = 0; y <= 255; ++y) {
    ASSERT_EQ(power(16.0, y), std::ldexp(1.0, 4 * y)) << y;
  }
  EXPECT_EQ(power(16.0, 0), 1.0);
  EXPECT_EQ(power(16.0, 15), 1152921504606846976.0);
  EXPECT_EQ(power(16.0, 256), kInfinity);
  EXPECT_EQ(power(16.0, 16777216), kInfinity);
}

TEST(TruncateToInt64, CutsTowardZeroAndMapsTheRestToMinimum) {
  struct Case {
    Real value;
    std::int64_t expected;
  };
  const Case cases[] = {
      {kInfinity, kMin64},
      {-kInfinity, kMin64},
      {std::numeric_limits<Real>::quiet_NaN(), kMin64},
      {9223372036854775808.0, kMin64},
      {-9223372036854775808.0, kMin64},
      {-9223372036854777856.0, kMin64},  // the next double below -2^63
      {9223372036854774784.0, 9223372036854774784LL},
      {9.99, 9},
      {-9.99, -9},
      {-0.5, 0},
      {-0.0, 0},
      {std::numeric_limits<Real>::denorm_min(), 0},
  };
  for (const Case& c : cases) EXPECT_EQ(truncateToInt64(c.value), c.expected) << c.value;
}

TEST(NarrowToInteger, KeepsTheLow32Bits) {
  EXPECT_EQ(narrowToInteger(kMin64), 0);
  EXPECT_EQ(narrowToInteger(4294967295LL), -1);
  EXPECT_EQ(narrowToInteger(4294967296LL), 0);
  EXPECT_EQ(narrowToInteger(2147483648LL), -2147483647 - 1);
  EXPECT_EQ(narrowToInteger(9007199254740994LL), 2);
  EXPECT_EQ(narrowToInteger(-5), -5);
}

// An overflowed weight times a zero digit is NaN, and it must flow through to 0, not trap.
TEST(RealArithmetic, NaNFromZeroTimesInfinityEndsAsZero) {
  const Real product = 0.0 * power(16.0, 256);
  EXPECT_TRUE(std::isnan(product));
  const Real total = Real(Integer{12345}) + product;
  EXPECT_TRUE(std::isnan(total));
  EXPECT_EQ(truncateToInt64(total), kMin64);
  EXPECT_EQ(narrowToInteger(truncateToInt64(total)), 0);
}

}  // namespace
}  // namespace hexdec
