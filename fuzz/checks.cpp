#include "fuzz/checks.h"

#include <cstdio>
#include <cstdlib>

#include "conversion/control_bridge.h"

namespace hexdec::fuzz {

Text textFrom(const std::uint8_t* data, std::size_t size) {
  Text text;
  text.reserve(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] != 0) text.push_back(static_cast<char>(data[i]));
  }
  return text;
}

void fail(const char* what, const Text& input) {
  std::fprintf(stderr, "invariant failed: %s\ninput (%zu bytes):", what, input.size());
  for (std::size_t i = 0; i < input.size() && i < 64; ++i) {
    std::fprintf(stderr, " %02X", static_cast<unsigned>(static_cast<unsigned char>(input[i])));
  }
  std::fprintf(stderr, input.size() > 64 ? " ...\n" : "\n");
  std::abort();
}

std::size_t checkClick(const MemoryBridge& bridge, const Text& input) {
  using Kind = MemoryBridge::Kind;
  const auto& calls = bridge.calls();
  check(!calls.empty() && calls.front().kind == Kind::read, "a click starts with a read", input);
  check(calls.back().kind == Kind::write, "a click ends with a write", input);
  std::size_t messages = 0;
  std::size_t writes = 0;
  for (const MemoryBridge::Call& call : calls) {
    switch (call.kind) {
      case Kind::read: check(call.box == EditBox::编辑框1, "reads only 编辑框1", input); break;
      case Kind::write:
        check(call.box == EditBox::编辑框2, "writes only 编辑框2", input);
        ++writes;
        break;
      case Kind::message:
        check(call.text == kInputErrorMessage, "shows only the input error message", input);
        ++messages;
        break;
    }
  }
  check(writes == 1, "a click writes exactly once", input);
  check(bridge.text(EditBox::编辑框1) == input, "编辑框1 is left as it was", input);
  check(bridge.text(EditBox::编辑框2) == calls.back().text, "编辑框2 holds what was written",
        input);
  return messages;
}

std::optional<std::int32_t> parseCanonicalDecimal(const Text& text) {
  const bool negative = !text.empty() && text.front() == '-';
  const Text digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
  if (negative && digits == "0") return std::nullopt;
  std::int64_t magnitude = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    magnitude = magnitude * 10 + (c - '0');
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> parseCanonicalHex(const Text& text) {
  if (text.empty() || text.size() > 8) return std::nullopt;
  if (text.size() > 1 && text.front() == '0') return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    std::uint32_t digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<std::uint32_t>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<std::uint32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value << 4 | digit;
  }
  return value;
}

}  // namespace hexdec::fuzz
