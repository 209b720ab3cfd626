#pragma once

#include "conversion/extended_real.h"
#include "conversion/types.h"

namespace hexdec {

// Reduces the 80-bit value to a double the way this program always has: the 53 leading bits are
// kept and raised by one unit only when the first dropped bit is 1 and so is one of the dropped
// bits from the third on. The second dropped bit is ignored and an exact half is dropped (no ties
// to even). 2^1024 and more give +infinity; below 2^-1022 the same rule keeps the bits down to
// 2^-1074, and a value that has none there gives 0.
Real reduceToReal(const ExtendedReal& value);

}  // namespace hexdec
