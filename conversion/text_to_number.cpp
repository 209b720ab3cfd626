#include "conversion/text_to_number.h"

#include <algorithm>

#include "conversion/decimal_magnitude.h"
#include "conversion/decimal_number.h"
#include "conversion/fold_full_width.h"

namespace hexdec {

Real textToNumber(const Text& text) {
  // Folding changes only pairs led by a byte from 0x80 up; a text without one reads as it is.
  // Otherwise only the start of the fold that a number can reach is made: a text of many
  // megabytes should not be copied for the few bytes read.
  const bool plain = std::none_of(
      text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) >= 0x80; });
  const DecimalNumber number =
      plain ? readDecimalNumber(text) : readDecimalNumber(foldFullWidthWhile(text, isNumberByte));
  const Real magnitude = decimalMagnitude(number.significand, number.exponent);
  return number.negative ? -magnitude : magnitude;
}

}  // namespace hexdec
