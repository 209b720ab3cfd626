#pragma once

#include <cstdint>

#include "conversion/types.h"

namespace hexdec {

// base raised to exponent. For base 16 and an integral exponent y >= 0, the only arguments the
// conversions use, the result is exactly 2^(4y) up to y = 255 and +infinity from 256 on.
Real power(Real base, Real exponent);

// The integer part, truncated toward zero. NaN, the infinities and every value outside the
// 64-bit range give -2^63, which also stands for "no 64-bit value".
std::int64_t truncateToInt64(Real value);

// The low 32 bits as a two's-complement Integer.
Integer narrowToInteger(std::int64_t value);

}  // namespace hexdec
