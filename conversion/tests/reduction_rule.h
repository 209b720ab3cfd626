#pragma once

#include <cmath>
#include <cstdint>

#include "conversion/tests/big_integer.h"
#include "conversion/types.h"

namespace hexdec::testing {

// What the reader must give for the exact value (q + f) * 2^exponent, q a nonzero integer and
// 0 <= f < 1 with f != 0 exactly when inexactBelow: the 53 leading bits of q, raised by one unit
// when the next bit is 1 and any bit from the third on (or the fraction) is 1. Normal range only.
inline Real reductionRule(const BigInteger& q, bool inexactBelow, int exponent) {
  const int width = q.bitWidth();
  if (width <= 53) return std::ldexp(static_cast<Real>(q.bits(0, width)), exponent);
  const int dropped = width - 53;
  const bool firstDropped = q.bit(dropped - 1);
  const bool later = inexactBelow || (dropped >= 3 && q.anyBitBelow(dropped - 2));
  const std::uint64_t kept = q.bits(dropped, 53) + (firstDropped && later ? 1 : 0);
  return std::ldexp(static_cast<Real>(kept), exponent + dropped);
}

}  // namespace hexdec::testing
