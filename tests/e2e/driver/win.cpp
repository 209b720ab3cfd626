#include "win.h"

#include <cstring>
#include <cwchar>
#include <vector>

#include "report.h"

namespace hexdec::e2e {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring out(size, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), out.data(), size);
  return out;
}

std::wstring widen(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::string narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int size =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr,
                      nullptr);
  return out;
}

Deadline::Deadline(DWORD milliseconds) : end_(GetTickCount64() + milliseconds) {}
bool Deadline::passed() const { return GetTickCount64() >= end_; }
DWORD Deadline::left() const {
  const ULONGLONG now = GetTickCount64();
  return now >= end_ ? 0 : DWORD(end_ - now);
}

std::optional<std::wstring> windowText(HWND window, DWORD milliseconds) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, milliseconds, &length))
    return std::nullopt;
  // The text may grow between the two messages: a text that fills the buffer is read again.
  for (std::size_t capacity = length + 64;; capacity *= 2) {
    std::vector<wchar_t> buffer(capacity);
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), LPARAM(buffer.data()), SMTO_NORMAL,
                             milliseconds, &copied))
      return std::nullopt;
    if (copied + 1 < capacity) return std::wstring(buffer.data(), copied);
  }
}

void setWindowText(HWND window, const std::wstring& text, DWORD milliseconds) {
  DWORD_PTR done = 0;
  if (!SendMessageTimeoutW(window, WM_SETTEXT, 0, LPARAM(text.c_str()), SMTO_NORMAL, milliseconds,
                           &done) ||
      !done)
    fatal("WM_SETTEXT of " + std::to_string(text.size()) + " characters was not done");
}

namespace {

void putOnClipboard(const std::wstring& text) {
  const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) fatal("no memory for the clipboard");
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!waitFor(5000, [] { return OpenClipboard(nullptr) != FALSE; }))
    fatal("cannot open the clipboard");
  EmptyClipboard();
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!set) fatal("cannot put a text on the clipboard");
}

std::optional<std::wstring> takeFromClipboard() {
  if (!waitFor(5000, [] { return OpenClipboard(nullptr) != FALSE; })) return std::nullopt;
  std::optional<std::wstring> text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const auto* characters = static_cast<const wchar_t*>(GlobalLock(data));
    text = std::wstring(characters, wcsnlen(characters, GlobalSize(data) / sizeof(wchar_t)));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

}  // namespace

void pasteText(HWND edit, const std::wstring& text, DWORD milliseconds) {
  putOnClipboard(text);
  setWindowText(edit, L"");
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(edit, WM_PASTE, 0, 0, SMTO_NORMAL, milliseconds, &ignored))
    fatal("pasting " + std::to_string(text.size()) + " characters took too long");
}

std::optional<std::wstring> copiedText(HWND edit, DWORD milliseconds) {
  putOnClipboard(L"");
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(edit, EM_SETSEL, 0, -1, SMTO_NORMAL, milliseconds, &ignored) ||
      !SendMessageTimeoutW(edit, WM_COPY, 0, 0, SMTO_NORMAL, milliseconds, &ignored) ||
      !SendMessageTimeoutW(edit, EM_SETSEL, 0, 0, SMTO_NORMAL, milliseconds, &ignored))
    return std::nullopt;
  return takeFromClipboard();
}

namespace {

BOOL CALLBACK collect(HWND window, LPARAM windows) {
  reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> topLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(collect, LPARAM(&windows));
  return windows;
}

std::vector<HWND> descendantsOf(HWND window) {
  std::vector<HWND> windows;
  EnumChildWindows(window, collect, LPARAM(&windows));
  return windows;
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

void pumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

GUITHREADINFO threadFocus(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(thread, &info);
  return info;
}

namespace {

INPUT keyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT mouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

void send(std::vector<INPUT> inputs) {
  if (SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)) != inputs.size())
    fatal("SendInput failed");
}

}  // namespace

void pressKey(WORD key, std::initializer_list<WORD> held) {
  std::vector<INPUT> inputs;
  for (WORD modifier : held) inputs.push_back(keyInput(modifier, false));
  inputs.push_back(keyInput(key, false));
  inputs.push_back(keyInput(key, true));
  for (WORD modifier : held) inputs.push_back(keyInput(modifier, true));
  send(inputs);
}

void clickAt(POINT screen) {
  // Absolute coordinates run from 0 to 65535 over the primary screen.
  const LONG x = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG y = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  send({mouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y), mouseInput(MOUSEEVENTF_LEFTDOWN),
        mouseInput(MOUSEEVENTF_LEFTUP)});
}

POINT centreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace hexdec::e2e
