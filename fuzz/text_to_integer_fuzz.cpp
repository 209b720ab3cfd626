// textToInteger on any text, against a reader that sums the digits from the right with weights
// 10^i modulo 2^32, where textToInteger multiplies from the left.
#include <cstddef>
#include <cstdint>

#include "conversion/fold_full_width.h"
#include "conversion/text_rules.h"
#include "conversion/text_to_integer.h"
#include "fuzz/checks.h"

using namespace hexdec;
using hexdec::fuzz::check;

namespace {

std::uint32_t referenceValue(const Text& input) {
  const Text folded = foldFullWidth(input);
  std::size_t begin = 0;
  while (begin < folded.size() && isBlank(folded[begin])) ++begin;
  bool negative = false;
  if (begin < folded.size() && (folded[begin] == '+' || folded[begin] == '-')) {
    negative = folded[begin] == '-';
    ++begin;
  }
  std::size_t end = begin;
  while (end < folded.size() && folded[end] >= '0' && folded[end] <= '9') ++end;
  std::uint32_t value = 0;
  std::uint32_t weight = 1;
  for (std::size_t i = end; i > begin; --i) {
    value += static_cast<std::uint32_t>(folded[i - 1] - '0') * weight;
    weight *= 10U;
  }
  return negative ? 0U - value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  const Integer value = textToInteger(input);
  check(static_cast<std::uint32_t>(value) == referenceValue(input),
        "textToInteger gives the value of its digits modulo 2^32", input);
  check(textToInteger(foldFullWidth(input)) == value, "textToInteger reads the folded text", input);
  return 0;
}
