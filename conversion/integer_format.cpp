#include "conversion/integer_format.h"

#include <cstdint>

namespace hexdec {

namespace {

Text digitsOf(std::uint32_t value, std::uint32_t base) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  char buffer[32];
  char* end = buffer + sizeof buffer;
  char* begin = end;
  do {
    *--begin = kDigits[value % base];
    value /= base;
  } while (value != 0);
  return Text(begin, end);
}

}  // namespace

Text integerToText(Integer value) {
  const auto pattern = static_cast<std::uint32_t>(value);
  if (value >= 0) return digitsOf(pattern, 10);
  return "-" + digitsOf(0U - pattern, 10);
}

Text integerToHexText(Integer value) { return digitsOf(static_cast<std::uint32_t>(value), 16); }

}  // namespace hexdec
