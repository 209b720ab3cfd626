#include "conversion/powers_of_ten.h"

#include <gtest/gtest.h>
#include <set>

#include "conversion/tests/big_integer.h"

namespace hexdec {
namespace {

using testing::BigInteger;
using testing::roundToExtended;

// 1 / 10^n rounded at 80 bits, by a restoring long division of a power of two by 10^n, one
// quotient bit at a time, until the quotient has 81 bits; the remainder decides what lies below.
ExtendedReal reciprocalOfPowerOfTen(int n) {
  const BigInteger divisor = BigInteger::powerOfTen(n);
  BigInteger quotient;
  BigInteger remainder = 1;
  int exponent = 0;
  while (quotient.bitWidth() < 81) {
    remainder = remainder + remainder;
    quotient = quotient + quotient;
    --exponent;
    if (!(remainder < divisor)) {
      remainder = remainder - divisor;
      quotient = quotient + BigInteger(1);
    }
  }
  return roundToExtended(quotient, exponent, !(remainder == BigInteger()));
}

TEST(PowersOfTen, AreTheExactPowersAndReciprocalsRoundedAt80Bits) {
  std::set<int> expectedExponents = {4096, -4096};
  for (int scale = 1; scale <= 512; scale *= 8) {
    for (int j = 1; j <= 7; ++j) expectedExponents.insert({j * scale, -j * scale});
  }
  std::set<int> exponents;
  for (const PowerOfTen& factor : powersOfTen()) {
    const int n = factor.decimalExponent;
    exponents.insert(n);
    const ExtendedReal expected =
        n > 0 ? roundToExtended(BigInteger::powerOfTen(n), 0) : reciprocalOfPowerOfTen(-n);
    EXPECT_EQ(factor.value, expected) << "10^" << n;
  }
  EXPECT_EQ(powersOfTen().size(), 58u);
  EXPECT_EQ(exponents, expectedExponents);
}

TEST(PowersOfTen, FactorForAnOctalDigitIsTenToTheDigitTimesItsWeight) {
  for (int position = 0; position <= 4; ++position) {
    for (int digit = 1; digit <= (position == 4 ? 1 : 7); ++digit) {
      int weight = 1;
      for (int i = 0; i < position; ++i) weight *= 8;
      for (const bool reciprocal : {false, true}) {
        const int n = (reciprocal ? -1 : 1) * digit * weight;
        const ExtendedReal& factor = powerOfTenFactor(position, digit, reciprocal);
        bool found = false;
        for (const PowerOfTen& entry : powersOfTen()) {
          if (entry.decimalExponent == n) found = entry.value == factor;
        }
        EXPECT_TRUE(found) << "10^" << n;
      }
    }
  }
}

}  // namespace
}  // namespace hexdec
