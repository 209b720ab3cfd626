// A click of 转16进制 on any text: the click's calls, at most one message and none for ASCII
// digits, a canonical hexadecimal result, and for a signed integer below 2^64 the low 32 bits of
// its value as the number reader rounds it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "conversion/decimal_to_hex.h"
#include "conversion/memory_bridge.h"
#include "conversion/text_rules.h"
#include "fuzz/checks.h"
#include "fuzz/reference.h"

using namespace hexdec;
using hexdec::fuzz::check;

namespace {

// The low 32 bits of a text of an optional '-' and digits, truncated to 64 bits as the conversion
// does (2^63 and above give 0); nothing for any other text or a value from 2^64 on.
std::optional<std::uint32_t> expectedPattern(const Text& input) {
  const bool negative = !input.empty() && input.front() == '-';
  const auto magnitude = fuzz::digitsValue(negative ? input.substr(1) : input);
  if (!magnitude) return std::nullopt;
  const Real rounded = fuzz::readerRounding(*magnitude);
  if (rounded > 9223372036854775808.0) return 0;
  const auto wide = static_cast<std::uint64_t>(rounded);  // 2^63 itself narrows to 0 either way
  return static_cast<std::uint32_t>(negative ? 0 - wide : wide);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  MemoryBridge bridge(input, "previous");
  convertDecimalToHex(bridge);
  const std::size_t messages = fuzz::checkClick(bridge, input);
  const Text& result = bridge.text(EditBox::编辑框2);

  const auto firstOther =
      std::find_if(input.begin(), input.end(), [](char c) { return !isDigit(c); });
  check(messages == (firstOther == input.end() ? 0 : 1),
        "one message when a byte is not an ASCII digit, none otherwise", input);
  std::vector<Integer> reported;
  const Text direct = decimalTextToHexText(input, [&](Integer p) { reported.push_back(p); });
  check(direct == result, "the click writes the conversion's result", input);
  if (firstOther != input.end()) {
    const auto position = static_cast<Integer>(firstOther - input.begin() + 1);
    check(reported == std::vector<Integer>{position}, "the first other byte is reported", input);
  } else {
    check(reported.empty(), "ASCII digits are not reported", input);
  }

  const auto pattern = fuzz::parseCanonicalHex(result);
  check(pattern.has_value(), "the result is 1 to 8 upper-case hexadecimal digits", input);
  if (const auto expected = expectedPattern(input)) {
    check(*pattern == *expected, "an integer gives the low 32 bits of its value", input);
  }
  return 0;
}
