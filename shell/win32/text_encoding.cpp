#include "shell/win32/text_encoding.h"

#include <windows.h>

namespace hexdec {

namespace {

constexpr UINT kCodePage936 = 936;

constexpr bool isHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

Text toCodePage936(std::wstring text) {
  // Code page 936 has no character outside the Basic Multilingual Plane, so every surrogate
  // character becomes '?' here, a pair as one; the system then maps every other unit on its own
  // and puts one '?' for each it cannot map. Best-fit mapping is off: a look-alike is not the
  // character the user typed.
  auto out = text.begin();
  for (auto in = text.begin(); in != text.end(); ++in) {
    if (isHighSurrogate(*in) && in + 1 != text.end() && isLowSurrogate(*(in + 1))) {
      ++in;
      *out++ = L'?';
    } else if (isHighSurrogate(*in) || isLowSurrogate(*in)) {
      *out++ = L'?';
    } else {
      *out++ = *in;
    }
  }
  text.erase(out, text.end());
  if (text.empty()) return {};

  const int units = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, text.data(), units,
                                        nullptr, 0, "?", nullptr);
  Text result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(kCodePage936, WC_NO_BEST_FIT_CHARS, text.data(), units, result.data(), bytes,
                      "?", nullptr);
  return result;
}

namespace {

std::wstring widen(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int bytes = static_cast<int>(text.size());
  const int units = MultiByteToWideChar(codePage, 0, text.data(), bytes, nullptr, 0);
  std::wstring result(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), bytes, result.data(), units);
  return result;
}

}  // namespace

std::wstring fromCodePage936(const Text& text) { return widen(kCodePage936, text); }

std::wstring fromUtf8(std::string_view text) { return widen(CP_UTF8, text); }

}  // namespace hexdec
