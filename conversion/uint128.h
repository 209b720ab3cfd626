#pragma once

#include <cstdint>

namespace hexdec {

// An unsigned 128-bit integer built from two 64-bit halves, for the decimal significand of up to
// 24 digits (below 2^80). Plain portable arithmetic: no compiler's 128-bit type is assumed.
struct UInt128 {
  std::uint64_t high = 0;
  std::uint64_t low = 0;

  friend bool operator==(const UInt128&, const UInt128&) = default;
};

// value * factor + addend, modulo 2^128.
UInt128 multiplyAdd(UInt128 value, std::uint32_t factor, std::uint32_t addend);

// Divides value by divisor (not 0) in place and returns the remainder.
std::uint32_t divideInPlace(UInt128& value, std::uint32_t divisor);

// The number of bits up to and including the highest 1; 0 for 0.
int bitWidth(const UInt128& value);

// value shifted right by count bits (0 <= count < 128); the bits shifted out are lost.
UInt128 shiftRight(const UInt128& value, int count);

}  // namespace hexdec
