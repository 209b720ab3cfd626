#pragma once

#include "conversion/types.h"

namespace hexdec {

// The number of bytes; a double-byte character counts 2.
Integer textLength(const Text& text);

// The bytes from `position` (1-based) for at most `count` bytes; empty when the position lies
// outside the text or the count is not positive. The cut is by bytes and may split a character.
Text textMiddle(const Text& text, Integer position, Integer count);

// The first byte read as a signed 8-bit number (-128 to 127); 0 for the empty text.
Integer charCode(const Text& text);

// The byte at `position` read as a signed 8-bit number; 0 for a position outside the text.
Integer charCode(const Text& text, Integer position);

// True for the blanks skipped before a number: 0x09 to 0x0D and 0x20, whatever the locale.
constexpr bool isBlank(char byte) { return byte == ' ' || (byte >= '\t' && byte <= '\r'); }

constexpr bool isDigit(char byte) { return byte >= '0' && byte <= '9'; }

}  // namespace hexdec
