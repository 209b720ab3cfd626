#include "shell/win32/win32_bridge.h"

#include <string>
#include <utility>

#include "shell/win32/text_encoding.h"

namespace hexdec {

Text Win32Bridge::readText(EditBox box) {
  const HWND edit = control(box);
  // The length may overstate the text, never understate it; the copy says how much there was.
  const int length = GetWindowTextLengthW(edit);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(edit, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return toCodePage936(std::move(text));
}

void Win32Bridge::writeText(EditBox box, const Text& text) {
  SetWindowTextW(control(box), fromCodePage936(text).c_str());
}

void Win32Bridge::showMessage(const Text& message) {
  // No owner and task-modal: the system disables every window of the program while the box is up.
  MessageBoxW(nullptr, fromCodePage936(message).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

}  // namespace hexdec
