#include "conversion/decimal_number.h"

#include <algorithm>
#include <cstddef>

#include "conversion/text_rules.h"

namespace hexdec {

namespace {

constexpr int kCollected = 25;
constexpr int kHeadDigits = 19;
constexpr int kExponentLimit = 5200;

// Collects the significand digits one by one.
class SignificandReader {
 public:
  void take(int digit, bool afterPoint) {
    if (collected_ == 0 && digit == 0) {
      if (afterPoint) --exponent_;  // a leading zero only places the point
      return;
    }
    if (collected_ == kCollected) {
      if (!afterPoint) ++exponent_;  // beyond the collected digits only the magnitude counts
      return;
    }
    ++collected_;
    if (afterPoint) --exponent_;
    if (collected_ < kCollected) {
      // The first 19 digits fit 64 bits; the rest, at most 5, are joined to them at the end.
      const auto value = static_cast<std::uint64_t>(digit);
      if (collected_ <= kHeadDigits) {
        head_ = head_ * 10 + value;
      } else {
        tail_ = tail_ * 10 + value;
      }
      lastDigit_ = digit;
    }
  }

  // The significand and its exponent once every digit was taken.
  DecimalNumber finish(bool negative) {
    DecimalNumber number{negative, {0, head_}, exponent_};
    if (collected_ == 0) return number;
    const int tailDigits = std::clamp(collected_, kHeadDigits, kCollected - 1) - kHeadDigits;
    std::uint32_t tailScale = 1;
    for (int i = 0; i < tailDigits; ++i) tailScale *= 10;
    number.significand =
        multiplyAdd(number.significand, tailScale, static_cast<std::uint32_t>(tail_));
    bool roundedUp = false;
    if (collected_ == kCollected) {
      // The 25th digit is dropped, and the 24th, not the 25th, decides whether to round up.
      ++number.exponent;
      roundedUp = lastDigit_ >= 5;
      if (roundedUp) number.significand = multiplyAdd(number.significand, 1, 1);
    }
    // A carry of that rounding leaves its trailing zeros in place.
    while (!roundedUp) {
      UInt128 quotient = number.significand;
      if (divideInPlace(quotient, 10) != 0) break;
      number.significand = quotient;
      ++number.exponent;
    }
    return number;
  }

 private:
  std::uint64_t head_ = 0;
  std::uint64_t tail_ = 0;
  std::int64_t exponent_ = 0;
  int collected_ = 0;
  int lastDigit_ = 0;
};

}  // namespace

DecimalNumber readDecimalNumber(const Text& text) {
  const std::size_t size = text.size();
  const auto digitAt = [&text, size](std::size_t i) { return i < size && isDigit(text[i]); };
  std::size_t i = 0;
  while (i < size && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  SignificandReader reader;
  bool anyDigit = false;
  for (; digitAt(i); ++i, anyDigit = true) reader.take(text[i] - '0', false);
  if (i < size && text[i] == '.' && (anyDigit || digitAt(i + 1))) {
    for (++i; digitAt(i); ++i, anyDigit = true) reader.take(text[i] - '0', true);
  }
  if (!anyDigit) return {};

  DecimalNumber number = reader.finish(negative);
  if (i < size && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
    std::size_t j = i + 1;
    const bool negativeExponent = j < size && text[j] == '-';
    if (j < size && (text[j] == '+' || text[j] == '-')) ++j;
    // Saturating at once keeps the value small; the remaining digits change nothing.
    std::int64_t exponent = 0;
    for (; digitAt(j) && exponent <= kExponentLimit; ++j)
      exponent = exponent * 10 + (text[j] - '0');
    if (exponent > kExponentLimit) exponent = kExponentLimit + 1;
    number.exponent += negativeExponent ? -exponent : exponent;
  }
  return number;
}

}  // namespace hexdec
