#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "conversion/memory_bridge.h"
#include "conversion/types.h"

// What every fuzz target shares: turning the fuzzer's bytes into a Text, and the checks that
// stop the run with a message when an invariant fails.
namespace hexdec::fuzz {

// The fuzzer's bytes without their zero bytes, which a Text never holds; every Text the program
// can meet is reachable this way.
Text textFrom(const std::uint8_t* data, std::size_t size);

// Prints what failed, with the input in hexadecimal, and aborts so that libFuzzer keeps the input.
[[noreturn]] void fail(const char* what, const Text& input);

inline void check(bool holds, const char* what, const Text& input) {
  if (!holds) fail(what, input);
}

// Checks the calls one click made on a bridge that held `input` in 编辑框1: it reads 编辑框1 first,
// shows only the input error message, and ends with its one write, to 编辑框2, after the last
// message; 编辑框1 is never written. Returns the number of messages shown.
std::size_t checkClick(const MemoryBridge& bridge, const Text& input);

// The value of a text in the canonical form of a 32-bit integer ("0", or an optional '-' and
// digits without a leading zero, within range; never "-0"), or nothing for any other text.
std::optional<std::int32_t> parseCanonicalDecimal(const Text& text);

// The 32-bit pattern of a text of 1 to 8 upper-case hexadecimal digits without a leading zero
// (or "0"), or nothing for any other text.
std::optional<std::uint32_t> parseCanonicalHex(const Text& text);

}  // namespace hexdec::fuzz
