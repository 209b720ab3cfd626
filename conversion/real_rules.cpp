#include "conversion/real_rules.h"

#include <cmath>
#include <limits>

namespace hexdec {

Real power(Real base, Real exponent) {
  // Scaling by a power of two is exact, so no logarithm can blur the digit weights.
  if (base == 16.0 && exponent >= 0.0 && exponent == std::floor(exponent)) {
    if (exponent >= 256.0) return std::numeric_limits<Real>::infinity();
    return std::ldexp(1.0, 4 * static_cast<int>(exponent));
  }
  return std::pow(base, exponent);
}

std::int64_t truncateToInt64(Real value) {
  constexpr Real kTwoTo63 = 9223372036854775808.0;
  // Written so that NaN fails the range test: a cast outside the range would be undefined.
  if (!(value >= -kTwoTo63 && value < kTwoTo63)) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

Integer narrowToInteger(std::int64_t value) {
  return static_cast<Integer>(static_cast<std::uint32_t>(value));
}

}  // namespace hexdec
