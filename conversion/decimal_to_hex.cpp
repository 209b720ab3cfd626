#include "conversion/decimal_to_hex.h"

#include <algorithm>

#include "conversion/click.h"
#include "conversion/integer_format.h"
#include "conversion/real_rules.h"
#include "conversion/text_rules.h"
#include "conversion/text_to_number.h"

namespace hexdec {

Text decimalTextToHexText(const Text& input, const ReportPosition& report) {
  // Only the first byte that is not an ASCII digit is reported; the value is read all the same.
  const auto other = std::find_if(input.begin(), input.end(), [](char c) { return !isDigit(c); });
  if (other != input.end()) report(static_cast<Integer>(other - input.begin()) + 1);
  const Real value = textToNumber(input);
  return integerToHexText(narrowToInteger(truncateToInt64(value)));
}

void convertDecimalToHex(ControlBridge& bridge) {
  runConversionClick(bridge, decimalTextToHexText);
}

}  // namespace hexdec
