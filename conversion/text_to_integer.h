#pragma once

#include "conversion/types.h"

namespace hexdec {

// Reads the decimal integer at the start of the folded text after blanks: an optional sign, then
// digits. Wraps modulo 2^32 and never saturates; a text without digits gives 0.
Integer textToInteger(const Text& text);

}  // namespace hexdec
