#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace hexdec::e2e {

std::wstring widen(const std::string& utf8);
std::wstring widen(const std::u16string& text);
std::string narrow(const std::wstring& text);  // to UTF-8, for messages

// A point in time a few seconds ahead; every wait of the driver has one.
class Deadline {
 public:
  explicit Deadline(DWORD milliseconds);
  bool passed() const;
  DWORD left() const;

 private:
  ULONGLONG end_;
};

// Handles the messages of the driver's own windows, if it has any.
void pumpMessages();

// Waits, polling every few milliseconds, until `ready` holds; false at the deadline.
template <class Ready>
bool waitFor(DWORD milliseconds, Ready ready) {
  const Deadline deadline(milliseconds);
  while (!ready()) {
    if (deadline.passed()) return false;
    pumpMessages();
    Sleep(5);
  }
  return true;
}

// The text of a window of another process, through WM_GETTEXT; nothing if the window does not
// answer within the time.
std::optional<std::wstring> windowText(HWND window, DWORD milliseconds = 5000);
void setWindowText(HWND window, const std::wstring& text, DWORD milliseconds = 5000);
std::wstring className(HWND window);

// Every top-level window of the desktop, and every descendant of a window.
std::vector<HWND> topLevelWindows();
std::vector<HWND> descendantsOf(HWND window);

// Replaces the text of an edit box of another process as a user pasting it would: through the
// clipboard and WM_PASTE. Wine cannot carry a message with megabytes of text between processes.
void pasteText(HWND edit, const std::wstring& text, DWORD milliseconds);

// The whole text of an edit box of another process, copied through the clipboard.
std::optional<std::wstring> copiedText(HWND edit, DWORD milliseconds);

// The focus and the active window of a user-interface thread.
GUITHREADINFO threadFocus(DWORD thread);

// Real input, as a user's keyboard and mouse give it.
// Presses and releases the key while holding the modifier keys.
void pressKey(WORD key, std::initializer_list<WORD> held = {});
void clickAt(POINT screen);
POINT centreOf(HWND window);

}  // namespace hexdec::e2e
