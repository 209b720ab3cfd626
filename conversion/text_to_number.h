#pragma once

#include "conversion/types.h"

namespace hexdec {

// Reads the decimal number at the start of the folded text after blanks as a Real: an optional
// sign, a significand with '.', an optional exponent introduced by e, E, d or D. A text without a
// number gives +0.0; bytes after the number are ignored. Locale-independent, and rounded as this
// program has always rounded, which is not always to nearest.
Real textToNumber(const Text& text);

}  // namespace hexdec
