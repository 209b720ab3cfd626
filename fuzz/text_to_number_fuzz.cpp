// textToNumber on any text, and on number texts built from the same bytes: never NaN, the sign
// only negates, folding first changes nothing, the reading equals that of the whole fold (the
// reader folds only as far as the number reaches), an integer below 2^64 comes out as the
// reader's rounding of it (below 2^53, exactly that integer), and a plain decimal number in the
// normal range lies at most one step from strtod's correctly rounded value.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conversion/decimal_magnitude.h"
#include "conversion/decimal_number.h"
#include "conversion/fold_full_width.h"
#include "conversion/text_rules.h"
#include "conversion/text_to_number.h"
#include "fuzz/checks.h"
#include "fuzz/reference.h"

using namespace hexdec;
using hexdec::fuzz::check;

namespace {

bool sameReal(Real a, Real b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Hands out the bytes of a text in turn, then zeros: the choices that shape a derived text.
class Choices {
 public:
  explicit Choices(const Text& text) : text_(text) {}
  unsigned next() {
    return position_ < text_.size() ? static_cast<unsigned char>(text_[position_++]) : 0U;
  }
  char digit() { return static_cast<char>('0' + next() % 10); }

 private:
  const Text& text_;
  std::size_t position_ = 0;
};

// When the text is blanks, an optional sign and digits with a value below 2^64, checks the result.
void checkIfSignedInteger(const Text& text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const auto magnitude = fuzz::digitsValue(text.substr(i));
  if (!magnitude) return;
  const Real expected = fuzz::readerRounding(*magnitude);
  check(sameReal(textToNumber(text), negative ? -expected : expected),
        "a signed integer below 2^64 reads as its rounded value", text);
}

// Blanks, a sign, leading zeros and up to 20 digits.
Text signedDigitsFrom(const Text& input) {
  Choices choices(input);
  const unsigned blanks = choices.next();
  Text text(blanks % 4, " \t\n\r"[blanks / 4 % 4]);
  const unsigned sign = choices.next() % 3;
  if (sign != 0) text.push_back(sign == 1 ? '+' : '-');
  text.append(choices.next() % 32, '0');
  const unsigned digits = 1 + choices.next() % 20;
  for (unsigned i = 0; i < digits; ++i) text.push_back(choices.digit());
  return text;
}

// A sign, up to 30 digits before and after the point, and an exponent of at most 5200, the
// largest that the reader takes as written; in the form that strtod reads alike.
Text plainDecimalFrom(const Text& input) {
  Choices choices(input);
  Text text;
  const unsigned sign = choices.next() % 3;
  if (sign != 0) text.push_back(sign == 1 ? '+' : '-');
  const unsigned whole = choices.next() % 31;
  const unsigned fraction = choices.next() % 31;
  for (unsigned i = 0; i < whole || (whole == 0 && fraction == 0 && i == 0); ++i) {
    text.push_back(choices.digit());
  }
  if (fraction != 0) {
    text.push_back('.');
    for (unsigned i = 0; i < fraction; ++i) text.push_back(choices.digit());
  }
  const unsigned exponentSign = choices.next() % 4;
  if (exponentSign != 0) {
    // Mostly within the range of a Real, where the digits matter, now and then up to the limit.
    const unsigned wide = choices.next();
    const unsigned exponent = (wide << 8 | choices.next()) % (wide >= 0xF0 ? 5201 : 340);
    text += (exponentSign == 1 ? "e" : exponentSign == 2 ? "e+" : "e-") + std::to_string(exponent);
  }
  return text;
}

// The reader rounds its own way from a 64-bit-accurate intermediate, so in the normal range it may
// differ from the correctly rounded value by one step, never more.
void checkNearStrtod(const Text& text) {
  // strtod reads in the "C" locale: nothing in this program sets another.
  const Real nearest = std::strtod(text.c_str(), nullptr);
  const Real value = textToNumber(text);
  if (std::fabs(nearest) < DBL_MIN || std::fabs(value) < DBL_MIN) return;
  const bool near = value == nearest || std::nextafter(nearest, HUGE_VAL) == value ||
                    std::nextafter(nearest, -HUGE_VAL) == value;
  check(near, "a plain decimal number reads within one step of strtod", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  const Real value = textToNumber(input);
  check(!std::isnan(value), "textToNumber never gives NaN", input);
  check(sameReal(textToNumber(foldFullWidth(input)), value), "textToNumber reads the folded text",
        input);
  // It folds only as far as a number reaches, and gives what reading the whole fold gives.
  const DecimalNumber whole = readDecimalNumber(foldFullWidth(input));
  const Real wholeMagnitude = decimalMagnitude(whole.significand, whole.exponent);
  check(sameReal(value, whole.negative ? -wholeMagnitude : wholeMagnitude),
        "textToNumber reads what the whole fold gives", input);
  // A significand with a digit right at the start: a sign before it only sets the sign. ("-." has
  // no digit and reads as +0.0, so it is left out.)
  const bool startsWithDigit = !input.empty() && isDigit(input[0]);
  const bool startsWithPointDigit = input.size() > 1 && input[0] == '.' && isDigit(input[1]);
  if (startsWithDigit || startsWithPointDigit) {
    check(sameReal(textToNumber("-" + input), -value), "a '-' negates the number", input);
    check(sameReal(textToNumber("+" + input), value), "a '+' leaves the number as it is", input);
  }
  checkIfSignedInteger(input);
  checkIfSignedInteger(signedDigitsFrom(input));
  checkNearStrtod(plainDecimalFrom(input));
  return 0;
}
