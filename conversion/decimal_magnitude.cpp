#include "conversion/decimal_magnitude.h"

#include <cstddef>
#include <iterator>
#include <limits>
#include <optional>

#include "conversion/extended_real.h"
#include "conversion/powers_of_ten.h"
#include "conversion/reduce_to_real.h"

namespace hexdec {

namespace {

constexpr std::int64_t kExponentLimit = 5200;

// significand * 10^exponent when that is an integer below 2^64. With a negative exponent this
// happens when rounding the 24th digit carried into zeros that stayed in the significand.
std::optional<std::uint64_t> exactInteger(UInt128 significand, std::int64_t exponent) {
  if (exponent > 0) {
    // From 10^20 on even a significand of 1 is too large.
    if (significand.high != 0 || exponent >= std::ssize(kExactPowersOfTen)) return std::nullopt;
    const UInt128 product =
        multiply64(significand.low, kExactPowersOfTen[static_cast<std::size_t>(exponent)]);
    if (product.high != 0) return std::nullopt;
    return product.low;
  }
  // A significand up to 10^24 has at most 24 trailing zeros.
  if (exponent < -24) return std::nullopt;
  for (; exponent < 0; ++exponent) {
    if (divideInPlace(significand, 10) != 0) return std::nullopt;
  }
  if (significand.high != 0) return std::nullopt;
  return significand.low;
}

// An integer below 2^64 as the reader reduces it; below 2^53 that is the integer itself.
Real integerMagnitude(std::uint64_t integer) {
  constexpr std::uint64_t kExactBelow = std::uint64_t{1} << 53;
  if (integer < kExactBelow) return static_cast<Real>(integer);
  return reduceToReal(extendedFromInteger({0, integer}));
}

ExtendedReal scaled(const UInt128& significand, std::int64_t exponent) {
  // Only the 64 leading bits of the significand take part.
  const int width = bitWidth(significand);
  ExtendedReal value = extendedFromInteger(shiftRight(significand, width > 64 ? width - 64 : 0));
  value.exponent += width > 64 ? width - 64 : 0;
  const bool reciprocal = exponent < 0;
  std::int64_t rest = reciprocal ? -exponent : exponent;
  for (int position = 0; rest != 0; ++position, rest /= 8) {
    const int digit = static_cast<int>(rest % 8);
    if (digit != 0) value = multiply(value, powerOfTenFactor(position, digit, reciprocal));
  }
  return value;
}

}  // namespace

Real decimalMagnitude(const UInt128& significand, std::int64_t exponent) {
  if (significand == UInt128{}) return 0.0;
  if (exponent > kExponentLimit) return std::numeric_limits<Real>::infinity();
  if (exponent < -kExponentLimit) return 0.0;
  if (exponent == 0) {
    return significand.high == 0 ? integerMagnitude(significand.low)
                                 : reduceToReal(extendedFromInteger(significand));
  }
  if (const auto integer = exactInteger(significand, exponent)) return integerMagnitude(*integer);
  return reduceToReal(scaled(significand, exponent));
}

}  // namespace hexdec
