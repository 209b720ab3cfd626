#pragma once

#include <cstdint>

#include "conversion/uint128.h"

namespace hexdec {

// A positive binary floating-point value with an 80-bit significand, 64 bits for a double's 53 and
// 16 guard bits: (high * 2^16 + low) * 2^exponent, with the top bit of high set. The exponent has
// room far beyond 2^+-16383, so the scaling of a decimal exponent up to +-5200 never leaves it.
struct ExtendedReal {
  std::uint64_t high;
  std::uint16_t low;
  std::int32_t exponent;

  friend bool operator==(const ExtendedReal&, const ExtendedReal&) = default;
};

// The exact value of a nonzero integer below 2^80.
ExtendedReal extendedFromInteger(const UInt128& value);

// The product rounded to nearest at 80 significant bits, an exact tie to the even significand.
ExtendedReal multiply(const ExtendedReal& a, const ExtendedReal& b);

}  // namespace hexdec
