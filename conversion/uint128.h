#pragma once

#include <array>
#include <bit>
#include <cstdint>

namespace hexdec {

// An unsigned 128-bit integer built from two 64-bit halves, for the decimal significand of up to
// 24 digits (below 2^80). Plain portable arithmetic: no compiler's 128-bit type is assumed. The
// operations are inline so that the constant factors and divisors of the callers (10, mostly)
// need no division instruction.
struct UInt128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  friend bool operator==(const UInt128&, const UInt128&) = default;
};

namespace uint128_detail {

constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;

// Four 32-bit limbs, lowest first, so that every limb product fits 64 bits.
using Limbs = std::array<std::uint64_t, 4>;

constexpr Limbs toLimbs(const UInt128& value) {
  return {value.low & kLow32, value.low >> 32, value.high & kLow32, value.high >> 32};
}

constexpr UInt128 fromLimbs(const Limbs& limbs) {
  return {limbs[3] << 32 | limbs[2], limbs[1] << 32 | limbs[0]};
}

}  // namespace uint128_detail

// value * factor + addend, modulo 2^128.
constexpr UInt128 multiplyAdd(const UInt128& value, std::uint32_t factor, std::uint32_t addend) {
  using namespace uint128_detail;
  Limbs limbs = toLimbs(value);
  std::uint64_t carry = addend;
  for (std::uint64_t& limb : limbs) {
    const std::uint64_t product = limb * factor + carry;  // < 2^64: (2^32-1)^2 + 2^32 - 1
    limb = product & kLow32;
    carry = product >> 32;
  }
  return fromLimbs(limbs);
}

// Divides value by divisor (not 0) in place and returns the remainder.
constexpr std::uint32_t divideInPlace(UInt128& value, std::uint32_t divisor) {
  using namespace uint128_detail;
  if (value.high == 0) {
    const auto remainder = static_cast<std::uint32_t>(value.low % divisor);
    value.low /= divisor;
    return remainder;
  }
  Limbs limbs = toLimbs(value);
  std::uint64_t remainder = 0;
  for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
    const std::uint64_t dividend = remainder << 32 | *limb;
    *limb = dividend / divisor;
    remainder = dividend % divisor;
  }
  value = fromLimbs(limbs);
  return static_cast<std::uint32_t>(remainder);
}

// The number of bits up to and including the highest 1; 0 for 0.
constexpr int bitWidth(const UInt128& value) {
  return static_cast<int>(value.high != 0 ? 64 + std::bit_width(value.high)
                                          : std::bit_width(value.low));
}

// value shifted right by count bits (0 <= count < 128); the bits shifted out are lost.
constexpr UInt128 shiftRight(const UInt128& value, int count) {
  if (count == 0) return value;
  if (count >= 64) return {0, value.high >> (count - 64)};
  return {value.high >> count, value.low >> count | value.high << (64 - count)};
}

}  // namespace hexdec
