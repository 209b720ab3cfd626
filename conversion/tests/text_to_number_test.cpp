#include "conversion/text_to_number.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "conversion/decimal_magnitude.h"
#include "conversion/decimal_number.h"
#include "conversion/fold_full_width.h"
#include "conversion/powers_of_ten.h"
#include "conversion/tests/big_integer.h"
#include "conversion/tests/bytes.h"
#include "conversion/tests/reduction_rule.h"

namespace hexdec {
namespace {

using testing::BigInteger;
using testing::bytes;
using testing::reductionRule;

constexpr Real kInfinity = std::numeric_limits<Real>::infinity();

std::uint64_t bitsOf(Real value) { return std::bit_cast<std::uint64_t>(value); }

// Compares bit patterns, so that -0.0 differs from +0.0.
#define EXPECT_SAME_REAL(actual, expected, text) \
  EXPECT_EQ(bitsOf(actual), bitsOf(expected)) << (text) << " gives " << (actual)

TEST(TextToNumber, GivesTheWorkedValues) {
  struct Row {
    Text text;
    Real expected;
  };
  const Row rows[] = {
      {"", 0.0},
      {"  12", 12.0},
      {"12 34", 12.0},
      {bytes({0xA3, 0xB1, 0xA3, 0xB2}), 12.0},
      {bytes({0xA1, 0xA1, 0xA3, 0xB1, 0xA3, 0xB2}), 12.0},
      {bytes({0xA3, 0xAD, 0xA3, 0xB5}), -5.0},
      {bytes({'1', '2', 0xD6, 0xD0, '3', '4'}), 12.0},
      {"1e3", 1000.0},
      {"1E+3", 1000.0},
      {"1d3", 1000.0},
      {"1e0000003", 1000.0},
      {"1e", 1.0},
      {"1e+", 1.0},
      {".5", 0.5},
      {"5.", 5.0},
      {"0x1A", 0.0},
      {"inf", 0.0},
      {"nan", 0.0},
      {"+-5", 0.0},
      {"-", 0.0},
      {"-0", -0.0},
      {"0000000000000000000000000012", 12.0},
      {"1e400", kInfinity},
      {"-1e400", -kInfinity},
      {"1e-400", 0.0},
      {"9007199254740993", 9007199254740992.0},
      {"9007199254740995", 9007199254740994.0},
      {"18014398509481987", 18014398509481984.0},
      {"36028797018963973", 36028797018963976.0},
      {"36028797018963974", 36028797018963968.0},
      {"4503599627370497.5", 4503599627370497.0},
      {"9223372036854775296", 9223372036854774784.0},
  };
  for (const Row& row : rows) EXPECT_SAME_REAL(textToNumber(row.text), row.expected, row.text);
}

TEST(TextToNumber, FollowsTheSyntaxToItsLongestPrefix) {
  struct Row {
    Text text;
    Real expected;
  };
  const Row rows[] = {
      {"\t\n\v\f\r 7", 7.0},  // every blank from 09 to 0D, and 20
      {"\x08"
       "7",
       0.0},  // 08 is not a blank
      {"+7", 7.0},
      {"-.", 0.0},
      {"-.e5", 0.0},
      {".", 0.0},
      {"-0.0e7", -0.0},
      {"5+3", 5.0},
      {"1ex", 1.0},
      {"1e-", 1.0},
      {"1e+-3", 1.0},
      {"1e-3", 0.001},
      {"1D-1", 0.1},
      {"2.5e1.5", 25.0},
      {"1..5", 1.0},
      {"1,5", 1.0},
      {"0x", 0.0},
      {"12e3 4", 12000.0},
      {"0.000", 0.0},
      {"000.0001e4", 1.0},
      {"-000", -0.0},
      {bytes({0xA3, 0xAE, 0xA3, 0xB5, 0xA3, 0xC5, 0xA3, 0xB1}), 5.0},  // full-width ".5E1"
      {bytes({'1', 0xA3, 0xE5, '2'}), 100.0},                          // full-width 'e'
  };
  for (const Row& row : rows) EXPECT_SAME_REAL(textToNumber(row.text), row.expected, row.text);
}

// Digits are taken eight at a time where eight follow, so a run must end at the first other byte
// wherever it falls in such a group: the bytes next to '0' and '9', and bytes from 0x80 up.
TEST(TextToNumber, EndsADigitRunAtTheFirstOtherByte) {
  const Text digits = "9876543210987654321098765432";
  const Text after = "12345678901234567890";
  for (const char stop : {'/', ':', 'x', '\x7F', '\x80', '\xB0', '\xFF'}) {
    for (std::size_t length = 1; length <= digits.size(); ++length) {
      const Text number = digits.substr(0, length);
      for (const Text& text : {number + stop + after, "0.00" + number + stop + after}) {
        const Text alone = text.substr(0, text.find(stop));
        EXPECT_SAME_REAL(textToNumber(text), textToNumber(alone), text);
      }
      if (length <= 15) {
        EXPECT_EQ(textToNumber(number + stop + after), static_cast<Real>(std::stoll(number)));
      }
    }
  }
}

// A random integer with its leading 1 at bit width - 1.
std::uint64_t randomInteger(std::mt19937_64& random, int width) {
  const std::uint64_t top = std::uint64_t{1} << (width - 1);
  return top | (random() & (top - 1));
}

// Integers up to 20 digits are read exactly, so the result is the reduction of the integer itself.
// Near the decision points every combination of the (up to) four bits after the 53 kept ones is
// tried, followed by zeros, by a single 1 at the bottom, and by random bits.
TEST(TextToNumber, ReducesIntegersFrom2To53To2To64ByTheRule) {
  std::mt19937_64 random(53);
  std::vector<std::uint64_t> integers;
  for (int i = 0; i < 3000; ++i) integers.push_back(randomInteger(random, 54 + i % 11));
  for (int width = 54; width <= 64; ++width) {
    const int dropped = width - 53;
    const int decisionBits = std::min(dropped, 4);
    const int below = dropped - decisionBits;
    const std::uint64_t belowMask = (std::uint64_t{1} << below) - 1;
    for (std::uint64_t pattern = 0; pattern < (1u << decisionBits); ++pattern) {
      for (const std::uint64_t tail : {std::uint64_t{0}, std::uint64_t{1}, random()}) {
        const std::uint64_t kept = randomInteger(random, width) >> dropped << dropped;
        integers.push_back(kept | pattern << below | (tail & belowMask));
      }
    }
  }
  integers.push_back(std::numeric_limits<std::uint64_t>::max());
  for (const std::uint64_t n : integers) {
    const Real expected = reductionRule(BigInteger(n), false, 0);
    const std::string digits = std::to_string(n);
    EXPECT_SAME_REAL(textToNumber(digits), expected, digits);
    // The same integer written with a point and an exponent reads the same.
    const std::string pointed =
        digits.substr(0, 3) + "." + digits.substr(3) + "e" + std::to_string(digits.size() - 3);
    EXPECT_SAME_REAL(textToNumber(pointed), expected, pointed);
    const std::string negative = "-" + digits + "000e-3";
    EXPECT_SAME_REAL(textToNumber(negative), -expected, negative);
  }
}

// The exact value of the significand's 64 leading bits times 10^exponent, as an integer part q of
// at least 96 bits with an exponent of two and whether a fraction is left below q. readExactly:
// it is an integer of at most 80 significant bits, which every scaling product then holds exactly.
struct ExactValue {
  BigInteger q;
  bool inexactBelow = false;
  int exponent = 0;
  bool readExactly = false;
};

ExactValue exactScaledValue(const BigInteger& significand, int decimalExponent) {
  ExactValue value;
  const int width = significand.bitWidth();
  BigInteger cut = width > 64 ? BigInteger(significand.bits(width - 64, 64)) : significand;
  value.exponent = width > 64 ? width - 64 : 0;
  if (decimalExponent >= 0) {
    value.q = cut * BigInteger::powerOfTen(decimalExponent);
  } else {
    // A restoring long division of cut * 2^shift by 10^-decimalExponent.
    const BigInteger divisor = BigInteger::powerOfTen(-decimalExponent);
    const int shift = divisor.bitWidth() + 96 - cut.bitWidth();
    BigInteger remainder = cut * BigInteger::powerOfTwo(shift);
    value.exponent -= shift;
    const int steps = remainder.bitWidth() - divisor.bitWidth() + 1;
    const BigInteger scaledDivisor = divisor * BigInteger::powerOfTwo(steps);
    for (int i = 0; i <= steps; ++i) {
      value.q = value.q + value.q;
      if (!(remainder < scaledDivisor)) {
        remainder = remainder - scaledDivisor;
        value.q = value.q + BigInteger(1);
      }
      remainder = remainder + remainder;
    }
    value.inexactBelow = !(remainder == BigInteger());
  }
  int trailingZeros = 0;
  while (!value.q.bit(trailingZeros)) ++trailingZeros;
  value.readExactly = decimalExponent >= 0 && value.q.bitWidth() - trailingZeros <= 80;
  const int width96 = value.q.bitWidth();
  if (width96 < 96) {
    value.q = value.q * BigInteger::powerOfTwo(96 - width96);
    value.exponent -= 96 - width96;
  }
  return value;
}

// Whether the 80-bit scaling, off by far less than 2^-75 of the value, could land on the other
// side of a decision of the reduction: the bits from the third after the kept ones to the 22nd
// are all 0 or all 1.
bool nearDecision(const ExactValue& value) {
  const std::uint64_t bits = value.q.bits(value.q.bitWidth() - 75, 20);
  return bits == 0 || bits == (1u << 20) - 1;
}

BigInteger decimalInteger(const std::string& digits) {
  BigInteger value;
  for (const char digit : digits) {
    value = value * BigInteger(10) + BigInteger(static_cast<std::uint64_t>(digit - '0'));
  }
  return value;
}

std::string randomDigits(std::mt19937_64& random, int count) {
  std::string digits;
  for (int i = 0; i < count; ++i) {
    const bool edge = i == 0 || i == count - 1;  // no leading or trailing zero
    digits.push_back(static_cast<char>('0' + (edge ? 1 + random() % 9 : random() % 10)));
  }
  return digits;
}

// Random significands of 1 to 24 digits with decimal exponents across the normal range, written
// in several forms, against the exact value reduced by the rule. Values whose reading lies
// within the 80-bit error of a decision are left out.
TEST(TextToNumber, MatchesTheExactValueReducedByTheRule) {
  std::mt19937_64 random(1074);
  int checked = 0;
  int nearDecisions = 0;
  for (int i = 0; i < 600; ++i) {
    const int count = 1 + static_cast<int>(random() % 24);
    const std::string digits = randomDigits(random, count);
    // Most exponents put the value anywhere in the normal range, some close to its ends.
    const int lowest = -307 - count + 1;
    const int highest = 308 - count;
    const int exponent = i % 4 == 0   ? highest - static_cast<int>(random() % 3)
                         : i % 4 == 1 ? lowest + static_cast<int>(random() % 3)
                                      : lowest + static_cast<int>(random() % (highest - lowest));
    const ExactValue exact = exactScaledValue(decimalInteger(digits), exponent);
    if (!exact.readExactly && nearDecision(exact)) {
      ++nearDecisions;
      continue;
    }
    const Real expected = reductionRule(exact.q, exact.inexactBelow, exact.exponent);
    const int point = static_cast<int>(random() % (count + 1));
    const std::string forms[] = {
        digits + "e" + std::to_string(exponent),
        digits.substr(0, point) + "." + digits.substr(point) + "E" +
            std::to_string(exponent + count - point),
        "0.000" + digits + "d" + std::to_string(exponent + count + 3),
    };
    for (const std::string& text : forms) EXPECT_SAME_REAL(textToNumber(text), expected, text);
    ++checked;
  }
  EXPECT_GT(checked, 590) << nearDecisions << " near a decision";
}

// With 25 significant digits the 25th is dropped and the 24th decides whether to round up, so
// 24 digits and the same with one more can differ. Further digits only move the point.
TEST(TextToNumber, RoundsAtTheTwentyFourthSignificantDigit) {
  struct Row {
    Text text;
    Text sameAs;
  };
  const Row rows[] = {
      {"1234567890123456789012345", "123456789012345678901234e1"},   // 24th is 4
      {"1234567890123456789012349", "123456789012345678901234e1"},   // the 25th does not decide
      {"1234567890123456789012350", "123456789012345678901236e1"},   // 24th is 5
      {"12345678901234567890123.50", "12345678901234567890123.6"},   // 24 digits + 1 after point
      {"12345678901234567890123.499", "12345678901234567890123.4"},  // 26 digits
      {"12345678901234567890123456", "123456789012345678901234e2"},  // 26 digits before point
      {"12345678901234567890123556", "123456789012345678901236e2"},
      {"0.00001234567890123456789012356", "0.0000123456789012345678901236"},
      {"999999999999999999999999.5", "1e24"},  // carries into a new digit
      {"123456789012345678901235" + Text(200, '7'), "123456789012345678901236e200"},
      {"0." + Text(100, '0') + "123456789012345678901236" + Text(1000, '7'),
       "123456789012345678901237e-124"},
  };
  for (const Row& row : rows) {
    EXPECT_SAME_REAL(textToNumber(row.text), textToNumber(row.sameAs), row.text);
  }
  // With 24 digits, nothing is rounded: the integer's own bits decide.
  const Text digits24 = "123456789012345678901235";
  EXPECT_SAME_REAL(
      textToNumber(digits24),
      reductionRule(BigInteger(123456789012345678ull) * BigInteger(1000000) + BigInteger(901235),
                    false, 0),
      digits24);
}

// When the round-up carries into zeros that stay in the significand, the value can be an
// integer below 2^64 although the exponent is negative and the significand is wider than 64
// bits. It is then taken exactly; scaling the cut significand would give another double for
// each of these.
TEST(TextToNumber, TakesACarriedIntegerExactly) {
  struct Row {
    Text text;
    std::uint64_t integer;
  };
  const Row rows[] = {
      {"33842362388161950.99999997", 33842362388161951u},
      {"274116225540053527.9999997", 274116225540053528u},
      {"21985073009253486.99999997", 21985073009253487u},
      {"48565890415439221.99999997", 48565890415439222u},
      {"9223372036854775295.999995", 9223372036854775296u},
      {"18446744073709551614.99995", 18446744073709551615u},
      {"2.999999999999999999999995", 3u},
  };
  for (const Row& row : rows) {
    EXPECT_SAME_REAL(textToNumber(row.text), reductionRule(BigInteger(row.integer), false, 0),
                     row.text);
  }
}

// An integer written with a positive exponent is exact up to 2^64 - 1, and beyond it is scaled,
// exactly too when the product fits 80 bits: either way the integer's own bits decide.
TEST(TextToNumber, ReadsIntegersWithAnExponentAcross2To64) {
  struct Row {
    Text text;
    BigInteger integer;
  };
  const Row rows[] = {
      {"1844674407370955161e1", BigInteger(18446744073709551610u)},
      {"1844674407370955162e1", BigInteger(1844674407370955162u) * BigInteger(10)},
      {"18446744073709551615e0", BigInteger(18446744073709551615u)},
      {"1e19", BigInteger::powerOfTen(19)},
      {"1e20", BigInteger::powerOfTen(20)},
      {"9223372036854775297e0", BigInteger(9223372036854775297u)},
      {"922337203685477581e1", BigInteger(9223372036854775810u)},
      {"3e19", BigInteger(3) * BigInteger::powerOfTen(19)},
  };
  for (const Row& row : rows) {
    EXPECT_SAME_REAL(textToNumber(row.text), reductionRule(row.integer, false, 0), row.text);
  }
}

// The zeros of such a carry stay in the significand, so the value is scaled by the factor for
// the exponent that is left, here 10^-2: the one rounded product decides, and the same number
// written without the carry (scaled exactly by 10^18 or 10^19) reads as another double.
TEST(TextToNumber, KeepsTheZerosOfACarryInTheSignificand) {
  struct Row {
    Text text;
    std::uint64_t leadingDigits;  // the significand is these times 10^20 after the carry
    Text withoutCarry;
  };
  const Row rows[] = {
      {"9281999999999999999999995e-3", 9282, "9282e18"},
      {"8829999999999999999999995e-3", 8830, "883e19"},
  };
  const ExtendedReal& hundredth = powerOfTenFactor(0, 2, true);
  for (const Row& row : rows) {
    const BigInteger significand = BigInteger(row.leadingDigits) * BigInteger::powerOfTen(20);
    const int cutBits = significand.bitWidth() - 64;
    const BigInteger cut(significand.bits(cutBits, 64));
    const ExtendedReal product = testing::roundToExtended(
        cut * BigInteger::significandOf(hundredth), hundredth.exponent + cutBits);
    const Real expected =
        reductionRule(BigInteger::significandOf(product), false, product.exponent);
    EXPECT_SAME_REAL(textToNumber(row.text), expected, row.text);
    EXPECT_NE(textToNumber(row.text), textToNumber(row.withoutCarry)) << row.text;
  }
}

TEST(TextToNumber, SaturatesAtTheEndsOfTheRanges) {
  const Real smallestNormal = std::numeric_limits<Real>::min();
  struct Row {
    Text text;
    Real expected;
  };
  const Row rows[] = {
      {"1.7976931348623157e308", std::numeric_limits<Real>::max()},
      {"1.7976931348623158e308", std::numeric_limits<Real>::max()},
      {"1.7976931348623159e308", kInfinity},  // raised to 2^1024
      {"-1e309", -kInfinity},
      {"2.2250738585072014e-308", smallestNormal},
      {"1e4095", kInfinity},
      {"1e-4095", 0.0},
      {"1e4097", kInfinity},
      {"-1e-4097", -0.0},
      {"1e5200", kInfinity},
      {"1e5201", kInfinity},
      {"1e-5200", 0.0},
      {"0.1e-5199", 0.0},
      {"1e-5201", 0.0},
      {"1e99999999999999999999999", kInfinity},
      {"-1e-99999999999999999999999", -0.0},
      {"1" + Text(5200, '0') + "e-5200", 1.0},
      {"0." + Text(5200, '0') + "1e5201", 1.0},
      // The explicit exponent saturates at 5201 before it is added.
      {"0." + Text(5000, '0') + "123e6000", textToNumber("123e198")},
      {"123" + Text(5000, '0') + "e-6000", textToNumber("123e-201")},
      {"0." + Text(5000, '0') + "5e5000", 0.5},
  };
  for (const Row& row : rows) {
    EXPECT_SAME_REAL(textToNumber(row.text), row.expected, row.text.substr(0, 40));
  }
  // Below 2^-1022 the bits are this reader's own, but every such value truncates to 0.
  for (const Text text : {"1e-308", "4.9e-324", "2.2250738585072011e-308", "-1e-320"}) {
    const Real value = textToNumber(text);
    EXPECT_LT(std::abs(value), smallestNormal) << text;
    EXPECT_EQ(std::signbit(value), text[0] == '-') << text;
  }
  EXPECT_GT(textToNumber("5e-324"), 0.0);
}

// What the reader gives for the whole fold of the text, folded at once.
Real readingOfWholeFold(const Text& text) {
  const DecimalNumber number = readDecimalNumber(foldFullWidth(text));
  const Real magnitude = decimalMagnitude(number.significand, number.exponent);
  return number.negative ? -magnitude : magnitude;
}

Text fullWidth(const Text& ascii) {
  Text text;
  for (const char byte : ascii) text += bytes({0xA3, static_cast<unsigned char>(byte + 0x80)});
  return text;
}

// The reader folds only as far as a number can reach, and reads what the whole fold gives: where
// the number ends early, ends at the text's end, or runs long in full-width digits.
TEST(TextToNumber, ReadsWhatTheWholeFoldGives) {
  const Text chinese = bytes({0xD6, 0xD0});
  const Text rest = chinese + fullWidth("123") + "456" + chinese;
  const Text texts[] = {
      "12" + chinese + "34",
      fullWidth("12") + "x" + fullWidth("34"),
      fullWidth("-1.5e") + chinese + rest,
      fullWidth("1.5e-") + fullWidth("3") + rest,
      "." + fullWidth("5") + rest,
      "-" + chinese + fullWidth("5"),
      fullWidth("1") + bytes({0xA3}),
      bytes({0xA1, 0xA1, '\t'}) + fullWidth(" +7d2") + bytes({0xA1, 0xAB}) + rest,
      fullWidth("7") + bytes({0xC8, '3'}),  // a pair with an ASCII trail byte ends the number
      fullWidth(Text(5000, '9') + ".") + fullWidth(Text(3000, '1')) + rest,
      fullWidth("0." + Text(4000, '0') + "123456789012345678901234567") + fullWidth("e4010") + rest,
      Text(300, '8') + fullWidth(Text(300, '7')) + "e-5" + fullWidth("9") + chinese,
  };
  for (const Text& text : texts) {
    EXPECT_SAME_REAL(textToNumber(text), readingOfWholeFold(text), text.substr(0, 40));
  }
  // And texts drawn from the bytes and pairs that make up numbers, and some that end them.
  const Text pieces[] = {"0",
                         "5",
                         "9",
                         ".",
                         "e",
                         "D",
                         "-",
                         "+",
                         " ",
                         "x",
                         fullWidth("0"),
                         fullWidth("7"),
                         fullWidth("."),
                         fullWidth("E"),
                         fullWidth("-"),
                         bytes({0xA1, 0xA1}),
                         chinese,
                         bytes({0xA3})};
  std::mt19937_64 random(936);
  for (int i = 0; i < 3000; ++i) {
    Text text;
    for (std::uint64_t count = random() % 40; count > 0; --count) {
      text += pieces[random() % std::size(pieces)];
    }
    EXPECT_SAME_REAL(textToNumber(text), readingOfWholeFold(text), text);
  }
}

// Long texts: 16 MiB of digits in one pass, and exponents that stay an exact count.
TEST(TextToNumber, ReadsVeryLongTexts) {
  const std::size_t large = std::size_t{16} << 20;
  const std::size_t medium = std::size_t{1} << 20;
  EXPECT_SAME_REAL(textToNumber(Text(large, '9')), kInfinity, "16 MiB of 9");
  // The explicit exponent saturates at 5201 and cannot make up for the zeros in either direction.
  EXPECT_SAME_REAL(textToNumber("0." + Text(medium, '0') + "1e1048578"), 0.0, "1 MiB of 0");
  EXPECT_SAME_REAL(textToNumber("-0." + Text(medium, '0') + "1e9999"), -0.0, "1 MiB of 0");
  EXPECT_SAME_REAL(textToNumber(Text(medium, '0') + "7"), 7.0, "1 MiB of leading 0");
  EXPECT_SAME_REAL(textToNumber("7" + Text(medium, '0') + "e-1048576"), kInfinity,
                   "1 MiB of 0 after 7");
}

}  // namespace
}  // namespace hexdec
