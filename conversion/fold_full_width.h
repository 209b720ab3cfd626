#pragma once

#include "conversion/types.h"

namespace hexdec {

// Replaces the code page 936 full-width forms of ASCII characters (row A3), the ideographic space,
// the full-width tilde and the two stars by their one-byte ASCII forms. Every byte from 0x80 up
// leads a pair with the byte after it; other pairs are copied, and a lead byte at the very end is
// dropped. The result is never longer than the argument.
Text foldFullWidth(const Text& text);

// The longest start of foldFullWidth(text) whose bytes all pass `keep`, folding no further: for a
// reader that stops at the first byte it cannot use, so that the rest of a long text is not copied.
Text foldFullWidthWhile(const Text& text, bool (*keep)(char byte));

}  // namespace hexdec
