#include "conversion/hex_to_decimal.h"

#include "conversion/click.h"
#include "conversion/integer_format.h"
#include "conversion/real_rules.h"
#include "conversion/text_rules.h"

namespace hexdec {

Integer hexDigitValue(const Text& text, Integer position, const ReportPosition& report) {
  const Integer code = charCode(text, position);
  if (code >= '0' && code <= '9') return code - '0';
  if (code >= 'A' && code <= 'F') return code - 'A' + 10;
  if (code >= 'a' && code <= 'f') return code - 'a' + 10;
  report(position);
  return 0;
}

Text hexTextToDecimalText(const Text& input, const ReportPosition& report) {
  const Integer length = textLength(input);
  Integer sum = 0;
  for (Integer position = 1; position <= length; ++position) {
    const Integer digit = hexDigitValue(input, position, report);
    // A weight of 16^8 or more makes the total a multiple of 2^32, or 2^63 and beyond, or not
    // finite, and every one of these keeps 0 as the low 32 bits; such weights come first, while
    // the sum is still 0, so the sum stays 0 and only the last eight digits need the arithmetic.
    if (length - position >= 8) continue;
    // Each step stores the double result before the next one, and keeps the low 32 bits of
    // the cut total.
    const Real weight = power(16.0, Real(length) - Real(position));
    const Real product = Real(digit) * weight;
    const Real total = Real(sum) + product;
    sum = narrowToInteger(truncateToInt64(total));
  }
  return integerToText(sum);
}

void convertHexToDecimal(ControlBridge& bridge) {
  runConversionClick(bridge, hexTextToDecimalText);
}

}  // namespace hexdec
