#pragma once

#include <cstdint>

#include "conversion/types.h"
#include "conversion/uint128.h"

namespace hexdec {

// significand * 10^exponent as a nonnegative Real, for a significand below 2^80. Exponents beyond
// +-5200 give +infinity or 0. A value that is an integer below 2^64 is taken exactly; otherwise the
// 64 leading bits of the significand are scaled by the powers of ten for the octal digits of the
// exponent, each product rounded at 80 bits. The result is then reduced by reduceToReal.
Real decimalMagnitude(const UInt128& significand, std::int64_t exponent);

}  // namespace hexdec
