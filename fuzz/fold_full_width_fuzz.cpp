// foldFullWidth on any text: never longer, never a zero byte, idempotent, ASCII left alone.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "conversion/fold_full_width.h"
#include "fuzz/checks.h"

using namespace hexdec;
using hexdec::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text input = fuzz::textFrom(data, size);
  const Text folded = foldFullWidth(input);
  check(folded.size() <= input.size(), "folding never lengthens the text", input);
  check(folded.find('\0') == Text::npos, "folding makes no zero byte", input);
  // Replacements are ASCII and kept pairs stay aligned, so a second fold finds nothing to do.
  check(foldFullWidth(folded) == folded, "folding is idempotent", input);
  const bool ascii = std::all_of(input.begin(), input.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) check(folded == input, "folding leaves an ASCII text unchanged", input);
  return 0;
}
