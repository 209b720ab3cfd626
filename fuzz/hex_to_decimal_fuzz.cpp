// A click of 转10进制 on any text: the click's calls, one message per byte that is not a
// hexadecimal digit, in order, and a canonical decimal result equal to the last eight digit values
// read as a 32-bit two's-complement number.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "conversion/hex_to_decimal.h"
#include "conversion/memory_bridge.h"
#include "fuzz/checks.h"

using namespace hexdec;
using hexdec::fuzz::check;

namespace {

// The digit value of a byte, or -1 for a byte that is not a hexadecimal digit.
int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  MemoryBridge bridge(input, "previous");
  convertHexToDecimal(bridge);
  const std::size_t messages = fuzz::checkClick(bridge, input);
  const Text& result = bridge.text(EditBox::编辑框2);

  std::vector<Integer> others;
  std::uint32_t lastEight = 0;  // shifting by 4 keeps only the last eight digits
  for (std::size_t i = 0; i < input.size(); ++i) {
    const int digit = digitValue(input[i]);
    if (digit < 0) others.push_back(static_cast<Integer>(i + 1));
    lastEight = lastEight << 4 | static_cast<std::uint32_t>(digit < 0 ? 0 : digit);
  }
  check(messages == others.size(), "one message per byte that is not a hexadecimal digit", input);
  std::vector<Integer> reported;
  const Text direct = hexTextToDecimalText(input, [&](Integer p) { reported.push_back(p); });
  check(direct == result, "the click writes the conversion's result", input);
  check(reported == others, "the other bytes are reported in order", input);

  const auto value = fuzz::parseCanonicalDecimal(result);
  check(value.has_value(), "the result is a 32-bit integer in canonical decimal", input);
  check(*value == static_cast<std::int32_t>(lastEight),
        "the result is the last eight digits as a 32-bit two's-complement number", input);
  return 0;
}
