#include "conversion/text_to_integer.h"

#include <cstdint>

#include "conversion/fold_full_width.h"
#include "conversion/text_rules.h"

namespace hexdec {

Integer textToInteger(const Text& text) {
  const Text folded = foldFullWidth(text);
  std::size_t i = 0;
  while (i < folded.size() && isBlank(folded[i])) ++i;
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) negative = folded[i++] == '-';
  // Unsigned arithmetic wraps modulo 2^32 by definition.
  std::uint32_t value = 0;
  for (; i < folded.size() && isDigit(folded[i]); ++i) {
    value = value * 10U + static_cast<std::uint32_t>(folded[i] - '0');
  }
  if (negative) value = 0U - value;
  return static_cast<Integer>(value);
}

}  // namespace hexdec
