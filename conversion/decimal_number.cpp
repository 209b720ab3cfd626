#include "conversion/decimal_number.h"

#include <algorithm>
#include <optional>

#include "conversion/powers_of_ten.h"
#include "conversion/text_rules.h"

namespace hexdec {

namespace {

constexpr int kHeadDigits = 16;
constexpr int kKeptDigits = 24;  // the head's and at most 8 more, joined at the end
constexpr int kExponentLimit = 5200;

// The eight bytes from `bytes` as one word, the first byte lowest, whatever the machine's order.
// Written out byte by byte, which compilers turn into one load.
std::uint64_t wordAt(const char* bytes) {
  const auto byte = [bytes](int i) {
    return std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
  };
  return byte(0) | byte(1) | byte(2) | byte(3) | byte(4) | byte(5) | byte(6) | byte(7);
}

// Whether all eight bytes of the word are digits: exactly for the bytes that are not, subtracting
// '0' borrows or adding 0x46 carries into the byte's top bit.
constexpr bool allDigits(std::uint64_t word) {
  return (((word + 0x4646464646464646u) | (word - 0x3030303030303030u)) & 0x8080808080808080u) == 0;
}

// The value of the eight bytes from `at` when there are eight before `end` and all are digits.
// Each step joins neighbours: digits into pairs, pairs into fours, fours into the eight, without
// carrying into the next.
std::optional<std::uint64_t> eightDigitsAt(const char* at, const char* end) {
  if (end - at < 8) return std::nullopt;
  std::uint64_t word = wordAt(at);
  if (!allDigits(word)) return std::nullopt;
  word -= 0x3030303030303030u;
  word = (word * 10 + (word >> 8)) & 0x00FF00FF00FF00FFu;
  word = (word * 100 + (word >> 16)) & 0x0000FFFF0000FFFFu;
  return (word * 10000 + (word >> 32)) & 0xFFFFFFFFu;
}

// Collects the significant digits, a run of digits at a time: the first 24 are kept, and whether
// any follow decides the rounding.
class SignificandReader {
 public:
  // Reads the run of digits from `first` and returns its end. After the point, leading zeros and
  // kept digits lower the exponent; before it, the digits beyond the kept ones raise it.
  const char* take(const char* first, const char* end, bool afterPoint) {
    const auto digitAt = [end](const char* at) { return at != end && isDigit(*at); };
    const char* digit = first;
    if (kept_ == 0) digit = std::find_if(digit, end, [](char byte) { return byte != '0'; });
    // Locals, not members, so that the compiler need not fear that writing them changes the text.
    std::uint64_t head = head_;
    std::uint64_t tail = tail_;
    int kept = kept_;
    // Joins digits to `value`, eight at a time while it can, until `limit` digits are kept.
    const auto keep = [&](std::uint64_t& value, int limit) {
      for (std::optional<std::uint64_t> eight;
           limit - kept >= 8 && (eight = eightDigitsAt(digit, end)); digit += 8, kept += 8) {
        value = value * 100000000 + *eight;
      }
      for (; kept < limit && digitAt(digit); ++digit, ++kept) {
        value = value * 10 + static_cast<std::uint64_t>(*digit - '0');
      }
    };
    keep(head, kHeadDigits);
    keep(tail, kKeptDigits);
    head_ = head;
    tail_ = tail;
    kept_ = kept;
    const char* const keptEnd = digit;
    while (eightDigitsAt(digit, end)) digit += 8;
    while (digitAt(digit)) ++digit;
    beyondKept_ = beyondKept_ || digit != keptEnd;
    exponent_ += afterPoint ? first - keptEnd : digit - keptEnd;
    return digit;
  }

  // The number once every digit was taken, with the explicit exponent added.
  DecimalNumber finish(bool negative, std::int64_t explicitExponent) const {
    DecimalNumber number{negative, {}, exponent_ + explicitExponent};
    if (kept_ == 0) return number;
    std::uint64_t head = head_;
    std::uint64_t tail = tail_;
    int tailDigits = std::max(kept_ - kHeadDigits, 0);
    // The 24th digit, not the one after it, decides whether to round up; a carry of that
    // rounding leaves its trailing zeros in place. Otherwise trailing zeros leave the significand.
    const bool roundUp = beyondKept_ && tail % 10 >= 5;
    if (!roundUp) {
      // The tail's trailing zeros first; when they are all zeros, the head's. The first kept
      // digit is not 0, so the head is not either.
      while (tailDigits > 0 && tail % 10 == 0) {
        tail /= 10;
        --tailDigits;
        ++number.exponent;
      }
      while (tailDigits == 0 && head % 10 == 0) {
        head /= 10;
        ++number.exponent;
      }
    }
    const UInt128 joined =
        tailDigits == 0 ? UInt128{0, head}
                        : multiply64(head, kExactPowersOfTen[static_cast<std::size_t>(tailDigits)]);
    number.significand = add(joined, {0, tail + (roundUp ? 1 : 0)});
    return number;
  }

 private:
  std::uint64_t head_ = 0;
  std::uint64_t tail_ = 0;
  std::int64_t exponent_ = 0;
  int kept_ = 0;
  bool beyondKept_ = false;
};

}  // namespace

DecimalNumber readDecimalNumber(const Text& text) {
  const char* i = text.data();
  const char* const end = i + text.size();
  const auto digitAt = [end](const char* at) { return at != end && isDigit(*at); };
  while (i != end && isBlank(*i)) ++i;
  bool negative = false;
  if (i != end && (*i == '+' || *i == '-')) negative = *i++ == '-';

  SignificandReader reader;
  const char* const significand = i;
  i = reader.take(i, end, false);
  bool anyDigit = i != significand;
  if (i != end && *i == '.' && (anyDigit || digitAt(i + 1))) {
    i = reader.take(i + 1, end, true);
    anyDigit = true;
  }
  if (!anyDigit) return {};

  std::int64_t exponent = 0;
  if (i != end && (*i == 'e' || *i == 'E' || *i == 'd' || *i == 'D')) {
    const char* j = i + 1;
    const bool negativeExponent = j != end && *j == '-';
    if (j != end && (*j == '+' || *j == '-')) ++j;
    // Saturating at once keeps the value small; the remaining digits change nothing.
    for (; digitAt(j) && exponent <= kExponentLimit; ++j) exponent = exponent * 10 + (*j - '0');
    if (exponent > kExponentLimit) exponent = kExponentLimit + 1;
    if (negativeExponent) exponent = -exponent;
  }
  return reader.finish(negative, exponent);
}

}  // namespace hexdec
