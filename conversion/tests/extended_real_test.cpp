#include "conversion/extended_real.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "conversion/powers_of_ten.h"
#include "conversion/tests/big_integer.h"

namespace hexdec {
namespace {

using testing::BigInteger;
using testing::roundToExtended;

ExtendedReal exactProductRounded(const ExtendedReal& a, const ExtendedReal& b) {
  return roundToExtended(BigInteger::significandOf(a) * BigInteger::significandOf(b),
                         a.exponent + b.exponent);
}

// Whether the exact product lies exactly halfway between two 80-bit values.
bool isTie(const ExtendedReal& a, const ExtendedReal& b) {
  const BigInteger product = BigInteger::significandOf(a) * BigInteger::significandOf(b);
  const int dropped = product.bitWidth() - 80;
  return product.bit(dropped - 1) && !product.anyBitBelow(dropped - 1);
}

TEST(ExtendedFromInteger, IsExactAndNormalised) {
  struct Row {
    UInt128 integer;
    ExtendedReal expected;
  };
  const Row rows[] = {
      {{0, 1}, {0x8000000000000000u, 0, -79}},
      {{0, 3}, {0xC000000000000000u, 0, -78}},
      {{0, 0xFFFFFFFFFFFFFFFFu}, {0xFFFFFFFFFFFFFFFFu, 0, -16}},
      {{1, 0}, {0x8000000000000000u, 0, -15}},
      {{0xFFFF, 0xFFFFFFFFFFFFFFFEu}, {0xFFFFFFFFFFFFFFFFu, 0xFFFE, 0}},
      {{0x1, 0x0000000000008001u}, {0x8000000000004000u, 0x8000, -15}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(extendedFromInteger(row.integer), row.expected) << row.integer.low;
  }
}

TEST(Multiply, RoundsTheExactProductToNearestWithTiesToEven) {
  std::vector<ExtendedReal> values;
  for (const PowerOfTen& factor : powersOfTen()) values.push_back(factor.value);
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 200; ++i) {
    values.push_back(
        {random() | std::uint64_t{1} << 63, static_cast<std::uint16_t>(random() & 0xFFFF), -79});
  }
  for (const ExtendedReal& a : values) {
    for (const ExtendedReal& b : values) {
      ASSERT_EQ(multiply(a, b), exactProductRounded(a, b));
    }
  }
}

TEST(Multiply, DecidesExactTiesToTheEvenSignificand) {
  const ExtendedReal three = extendedFromInteger({0, 3});
  const ExtendedReal tenthOfTenth = powerOfTenFactor(0, 2, true);
  // 3 times the factor for 10^-2 lies exactly halfway, as do products of crafted significands:
  // (2^79 + 1) * 3 * 2^78 / 2^79 = 3 * 2^78 + 1.5 and (2^79 + 3) * 3 * 2^78 / 2^79 = 3 * 2^78
  // + 4.5.
  const ExtendedReal oddPlusHalf = {0x8000000000000000u, 1, -79};
  const ExtendedReal evenPlusHalf = {0x8000000000000000u, 3, -79};
  const ExtendedReal threeQuarters = {0xC000000000000000u, 0, -80};
  ASSERT_TRUE(isTie(three, tenthOfTenth));
  ASSERT_TRUE(isTie(oddPlusHalf, threeQuarters));
  ASSERT_TRUE(isTie(evenPlusHalf, threeQuarters));
  EXPECT_EQ(multiply(three, tenthOfTenth), exactProductRounded(three, tenthOfTenth));
  EXPECT_EQ(multiply(three, tenthOfTenth).low & 1, 0);
  EXPECT_EQ(multiply(oddPlusHalf, threeQuarters), (ExtendedReal{0xC000000000000000u, 2, -80}));
  EXPECT_EQ(multiply(evenPlusHalf, threeQuarters), (ExtendedReal{0xC000000000000000u, 4, -80}));
}

}  // namespace
}  // namespace hexdec
