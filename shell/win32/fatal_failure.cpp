#include "shell/win32/fatal_failure.h"

#include <windows.h>

#include <string_view>

namespace hexdec {

void endWithFatalFailure(const wchar_t* failure) {
  // Task-modal, so that the window, if it exists, takes no click while the box is shown.
  MessageBoxW(nullptr, failure, L"十六进制十进制转换器", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(kFatalExitCode));
}

std::array<wchar_t, 64> outOfMemoryText(std::size_t bytes) {
  constexpr std::wstring_view kBefore = L"内存不足：无法分配 ";
  constexpr std::wstring_view kAfter = L" 字节。";
  std::array<wchar_t, 24> digits{};
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + bytes % 10);
    bytes /= 10;
  } while (bytes != 0);

  std::array<wchar_t, 64> text{};
  auto out = kBefore.copy(text.data(), kBefore.size());
  while (count != 0) text[out++] = digits[--count];
  kAfter.copy(text.data() + out, kAfter.size());
  return text;
}

void endOutOfMemory(std::size_t bytes) { endWithFatalFailure(outOfMemoryText(bytes).data()); }

}  // namespace hexdec
