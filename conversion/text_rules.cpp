#include "conversion/text_rules.h"

#include <algorithm>
#include <cstdint>

namespace hexdec {

namespace {

Integer signedByte(char byte) {
  const auto value = static_cast<Integer>(static_cast<unsigned char>(byte));
  return value >= 0x80 ? value - 0x100 : value;
}

}  // namespace

Integer textLength(const Text& text) { return static_cast<Integer>(text.size()); }

Text textMiddle(const Text& text, Integer position, Integer count) {
  const auto length = static_cast<std::int64_t>(text.size());
  if (position < 1 || position > length || count <= 0) return {};
  const std::int64_t last = std::min<std::int64_t>(std::int64_t{position} + count - 1, length);
  return text.substr(static_cast<std::size_t>(position - 1),
                     static_cast<std::size_t>(last - position + 1));
}

Integer charCode(const Text& text) { return text.empty() ? 0 : signedByte(text.front()); }

Integer charCode(const Text& text, Integer position) {
  if (position < 1 || static_cast<std::size_t>(position) > text.size()) return 0;
  return signedByte(text[static_cast<std::size_t>(position - 1)]);
}

}  // namespace hexdec
