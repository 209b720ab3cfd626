// textToNumber on any text, and on a signed digit string built from the same bytes: never NaN,
// the sign only negates, folding first changes nothing, and an integer below 2^64 comes out as
// the reader's rounding of it (below 2^53, exactly that integer).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "conversion/fold_full_width.h"
#include "conversion/text_rules.h"
#include "conversion/text_to_number.h"
#include "fuzz/checks.h"
#include "fuzz/reference.h"

using namespace hexdec;
using hexdec::fuzz::check;

namespace {

bool sameReal(Real a, Real b) { return std::memcmp(&a, &b, sizeof a) == 0; }

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

// Blanks, a sign, leading zeros and up to 20 digits, all chosen by the fuzzer's bytes.
Text signedDigitsFrom(const Text& input) {
  if (input.size() < 3) return "0";
  const auto byte = [&input](std::size_t i) { return static_cast<unsigned char>(input[i]); };
  Text text(byte(0) % 4, " \t\n\r"[byte(0) / 4 % 4]);
  if (byte(1) % 3 != 0) text.push_back(byte(1) % 3 == 1 ? '+' : '-');
  text.append(byte(2) % 32, '0');
  for (std::size_t i = 3; i < input.size() && i < 23; ++i) {
    text.push_back(static_cast<char>('0' + byte(i) % 10));
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  const Real value = textToNumber(input);
  check(!std::isnan(value), "textToNumber never gives NaN", input);
  check(sameReal(textToNumber(foldFullWidth(input)), value), "textToNumber reads the folded text",
        input);
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
  return 0;
}
