#pragma once

#include <cstdint>
#include <string>

namespace hexdec {

// Bytes of code page 936, never a zero byte; positions count bytes from 1, so a double-byte
// character takes two positions. Every text that reaches the conversions is of this kind, and no
// longer than 2^31 - 1 bytes (more than any edit box holds), so that positions fit an Integer.
using Text = std::string;

// A 32-bit two's-complement number; wider intermediates are std::int64_t.
using Integer = std::int32_t;

// An IEEE 754 double, rounded to nearest with ties to even and never trapping.
using Real = double;

}  // namespace hexdec
