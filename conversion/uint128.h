#pragma once

#include <bit>
#include <cstdint>

namespace hexdec {

// An unsigned 128-bit integer built from two 64-bit halves, for the decimal significand of up to
// 24 digits (below 2^80) and the products of 80-bit significands. Plain portable arithmetic: no
// compiler's 128-bit type is assumed. The operations are inline so that constant divisors (10)
// need no division instruction.
struct UInt128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  friend bool operator==(const UInt128&, const UInt128&) = default;
};

// a + b, modulo 2^128.
constexpr UInt128 add(const UInt128& a, const UInt128& b) {
  const std::uint64_t low = a.low + b.low;
  return {a.high + b.high + (low < a.low ? 1 : 0), low};
}

// The full product of two 64-bit integers, from the four products of their 32-bit halves.
constexpr UInt128 multiply64(std::uint64_t a, std::uint64_t b) {
  constexpr std::uint64_t kLow32 = 0xFFFFFFFFu;
  const std::uint64_t lowLow = (a & kLow32) * (b & kLow32);
  const std::uint64_t highLow = (a >> 32) * (b & kLow32);
  const std::uint64_t lowHigh = (a & kLow32) * (b >> 32);
  const std::uint64_t highHigh = (a >> 32) * (b >> 32);
  // At most 3 * (2^32 - 1), well within 64 bits.
  const std::uint64_t middle = (lowLow >> 32) + (highLow & kLow32) + (lowHigh & kLow32);
  return {highHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32),
          middle << 32 | (lowLow & kLow32)};
}

// Divides value by divisor (not 0) in place and returns the remainder.
constexpr std::uint32_t divideInPlace(UInt128& value, std::uint32_t divisor) {
  if (value.high == 0) {
    const auto remainder = static_cast<std::uint32_t>(value.low % divisor);
    value.low /= divisor;
    return remainder;
  }
  // Four 32-bit limbs, highest first, so that each step divides a 64-bit dividend.
  const std::uint64_t limbs[4] = {value.high >> 32, value.high & 0xFFFFFFFFu, value.low >> 32,
                                  value.low & 0xFFFFFFFFu};
  std::uint64_t quotient[4] = {};
  std::uint64_t remainder = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint64_t dividend = remainder << 32 | limbs[i];
    quotient[i] = dividend / divisor;
    remainder = dividend % divisor;
  }
  value = {quotient[0] << 32 | quotient[1], quotient[2] << 32 | quotient[3]};
  return static_cast<std::uint32_t>(remainder);
}

// The number of bits up to and including the highest 1; 0 for 0.
constexpr int bitWidth(const UInt128& value) {
  return static_cast<int>(value.high != 0 ? 64 + std::bit_width(value.high)
                                          : std::bit_width(value.low));
}

// value shifted left by count bits (0 <= count < 64); the bits shifted out are lost.
constexpr UInt128 shiftLeft(const UInt128& value, int count) {
  if (count == 0) return value;
  return {value.high << count | value.low >> (64 - count), value.low << count};
}

// value shifted right by count bits (0 <= count < 128); the bits shifted out are lost.
constexpr UInt128 shiftRight(const UInt128& value, int count) {
  if (count == 0) return value;
  if (count >= 64) return {0, value.high >> (count - 64)};
  return {value.high >> count, value.low >> count | value.high << (64 - count)};
}

}  // namespace hexdec
