#pragma once

#include <cstdint>

#include "conversion/text_rules.h"
#include "conversion/types.h"
#include "conversion/uint128.h"

namespace hexdec {

// A decimal number as read from text: (-1 if negative) * significand * 10^exponent. The
// significand holds at most 24 digits plus a possible carry (at most 10^24); 0 when the text has no
// significant digit. A text without any number reads as a positive 0.
struct DecimalNumber {
  bool negative = false;
  UInt128 significand;
  std::int64_t exponent = 0;
};

// Reads the number at the start of the (already folded) text after the blanks 09-0D and 20: an
// optional sign, digits with an optional '.', an optional exponent after e, E, d or D. Only the
// first 25 significant digits are kept; the 24th decides the rounding of the rest. Trailing zeros
// leave the significand unless that rounding added one. The explicit exponent stops growing at
// 5201. One pass over the text.
DecimalNumber readDecimalNumber(const Text& text);

// Whether the byte can be part of what readDecimalNumber reads: a blank, a digit, a sign, '.' or
// an exponent letter. The reading stops at any other byte just as at the end of the text.
constexpr bool isNumberByte(char byte) {
  switch (byte) {
    case '+':
    case '-':
    case '.':
    case 'e':
    case 'E':
    case 'd':
    case 'D': return true;
    default: return isBlank(byte) || isDigit(byte);
  }
}

}  // namespace hexdec
