#include "conversion/reduce_to_real.h"

#include <bit>
#include <cstdint>
#include <limits>

namespace hexdec {

namespace {

constexpr std::uint64_t kInfinityBits = 0x7FF0000000000000u;

// Bit `index` of the 80-bit significand, counted from its lowest bit.
bool bitAt(const ExtendedReal& value, int index) {
  const std::uint64_t bits =
      index < 16 ? std::uint64_t{value.low} >> index : value.high >> (index - 16);
  return (bits & 1) != 0;
}

// Whether any bit below bit `count` of the significand is 1 (count >= 16).
bool anyBitBelow(const ExtendedReal& value, int count) {
  return value.low != 0 || (value.high & ((std::uint64_t{1} << (count - 16)) - 1)) != 0;
}

}  // namespace

Real reduceToReal(const ExtendedReal& value) {
  const std::int64_t leadingExponent = std::int64_t{value.exponent} + 79;
  if (leadingExponent >= 1024) return std::numeric_limits<Real>::infinity();
  // Below 2^-1022 fewer bits are kept, down to the unit 2^-1074 of the subnormals.
  const std::int64_t kept = leadingExponent >= -1022 ? 53 : leadingExponent + 1075;
  if (kept <= 0) return 0.0;
  const int keptBits = static_cast<int>(kept);
  const std::uint64_t significand = value.high >> (64 - keptBits);
  const int firstDropped = 79 - keptBits;
  const bool raise = bitAt(value, firstDropped) && anyBitBelow(value, firstDropped - 1);
  // A normal number's pattern is its biased exponent above the 52 fraction bits; a subnormal's
  // is its significand alone. Adding the raise to the pattern carries into the exponent by itself.
  const std::uint64_t pattern =
      keptBits == 53 ? (static_cast<std::uint64_t>(leadingExponent + 1022) << 52) + significand
                     : significand;
  const std::uint64_t rounded = pattern + (raise ? 1 : 0);
  return std::bit_cast<Real>(rounded >= kInfinityBits ? kInfinityBits : rounded);
}

}  // namespace hexdec
