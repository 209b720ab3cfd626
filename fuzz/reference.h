#pragma once

#include <cstdint>
#include <optional>

#include "conversion/types.h"

// Values worked out independently of the conversions, by simpler means, for the inputs where that
// is cheap; the fuzz targets compare the conversions with them.
namespace hexdec::fuzz {

// The value of a text of ASCII digits (leading zeros allowed), or nothing when the text is empty,
// holds another byte, or the value reaches 2^64.
std::optional<std::uint64_t> digitsValue(const Text& digits);

// The Real the number reader gives for an integer below 2^64: exact below 2^53; above, the 53
// leading bits, raised by one unit in the last place exactly when the first dropped bit is 1 and a
// dropped bit from the third on is 1 (the second dropped bit takes no part, and a half is dropped).
Real readerRounding(std::uint64_t value);

}  // namespace hexdec::fuzz
