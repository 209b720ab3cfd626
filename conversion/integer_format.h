#pragma once

#include "conversion/types.h"

namespace hexdec {

// Signed decimal, as printf's "%d" writes it: "-2147483648" to "2147483647".
Text integerToText(Integer value);

// The 32-bit two's-complement pattern in upper-case hexadecimal, as printf's "%X" writes it:
// no prefix, no leading zeros, "0" to "FFFFFFFF".
Text integerToHexText(Integer value);

}  // namespace hexdec
