#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "conversion/extended_real.h"

namespace hexdec {

// 10^n exactly for n = 0..19: every power of ten below 2^64.
inline constexpr std::array<std::uint64_t, 20> kExactPowersOfTen = [] {
  std::array<std::uint64_t, 20> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& entry : powers) {
    entry = power;
    power *= 10;  // wraps once, after 10^19, unused
  }
  return powers;
}();

// A power of ten rounded to nearest at 80 significant bits.
struct PowerOfTen {
  int decimalExponent;
  ExtendedReal value;
};

// The factors that scale a decimal significand: 10^(j * 8^g) for g = 0..3 and j = 1..7, and
// 10^4096, then the reciprocals of the same in the same order. 58 in all.
std::span<const PowerOfTen> powersOfTen();

// The factor for octal digit `digit` (1..7) at octal position `position` (0..3, or 4 with digit 1)
// of a decimal exponent: 10^(digit * 8^position), or its reciprocal.
const ExtendedReal& powerOfTenFactor(int position, int digit, bool reciprocal);

}  // namespace hexdec
