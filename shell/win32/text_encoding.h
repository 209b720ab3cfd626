#pragma once

#include <string>
#include <string_view>

#include "conversion/types.h"

namespace hexdec {

// A control's UTF-16 text as code page 936 bytes, whatever the system's ANSI code page is. Each
// character without a code page 936 form becomes one '?': a surrogate pair, a lone surrogate and
// every other unmapped character alike. Linear in the length of the text.
Text toCodePage936(std::wstring text);

// Code page 936 bytes as UTF-16 for a control.
std::wstring fromCodePage936(const Text& text);

// The UTF-8 texts of the window description as UTF-16.
std::wstring fromUtf8(std::string_view text);

}  // namespace hexdec
