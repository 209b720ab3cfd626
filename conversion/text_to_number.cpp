#include "conversion/text_to_number.h"

#include "conversion/decimal_magnitude.h"
#include "conversion/decimal_number.h"
#include "conversion/fold_full_width.h"

namespace hexdec {

Real textToNumber(const Text& text) {
  const DecimalNumber number = readDecimalNumber(foldFullWidth(text));
  const Real magnitude = decimalMagnitude(number.significand, number.exponent);
  return number.negative ? -magnitude : magnitude;
}

}  // namespace hexdec
