#include "fuzz/reference.h"

#include <bit>
#include <cmath>
#include <limits>

namespace hexdec::fuzz {

std::optional<std::uint64_t> digitsValue(const Text& digits) {
  if (digits.empty()) return std::nullopt;
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    const auto digit = static_cast<std::uint64_t>(c - '0');
    if (value > (kMax - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return value;
}

Real readerRounding(std::uint64_t value) {
  constexpr std::uint64_t kTwoTo53 = std::uint64_t{1} << 53;
  if (value < kTwoTo53) return static_cast<Real>(value);
  const int dropped = std::bit_width(value) - 53;  // 1 to 11 bits below the 53 kept ones
  const std::uint64_t kept = value >> dropped;
  const bool firstDropped = (value >> (dropped - 1) & 1) != 0;
  const std::uint64_t fromThird =
      dropped >= 3 ? value & ((std::uint64_t{1} << (dropped - 2)) - 1) : 0;
  const std::uint64_t rounded = kept + (firstDropped && fromThird != 0 ? 1 : 0);
  // rounded is at most 2^53, so the conversion and the scaling are exact.
  return std::ldexp(static_cast<Real>(rounded), dropped);
}

}  // namespace hexdec::fuzz
