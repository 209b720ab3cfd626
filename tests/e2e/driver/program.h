#pragma once

#include <windows.h>

#include <array>
#include <string>

namespace hexdec::e2e {

inline constexpr wchar_t kCaption[] = L"十六进制十进制转换器";

// The program under test, started by the driver, with the handles of its window.
struct Program {
  PROCESS_INFORMATION process{};
  HWND main = nullptr;
  // 编辑框1, 编辑框2, 转16进制, 转10进制: the children in z order, which is creation order.
  std::array<HWND, 4> controls{};

  HWND edit1() const { return controls[0]; }
  HWND edit2() const { return controls[1]; }
  HWND button(const std::string& name) const;  // 转16进制 or 转10进制

  ~Program();
};

// Starts the program and waits until its window is shown with the focus placed; a first start
// that fails is tried again, as Wine occasionally loses the first process of a session.
void startProgram(const std::wstring& exe, Program& program);

// The top-level window of the process with the given class and caption, if one is shown.
HWND findTopLevel(DWORD process, const wchar_t* windowClass, const wchar_t* caption);

// Makes the main window the foreground window, as a user turning back to it would, and waits
// until a control has the focus.
void activate(const Program& program);

// Moves the focus onto a control with Tab, as a user would, after activating the window.
void focusByTab(const Program& program, HWND control);

// Waits for the process to end and returns its exit code.
DWORD waitForExit(const Program& program);

}  // namespace hexdec::e2e
