#include <windows.h>

#include <array>

#include "checks.h"
#include "report.h"
#include "win.h"

namespace hexdec::e2e {
namespace {

constexpr const char* kNames[] = {"编辑框1", "编辑框2", "转16进制", "转10进制"};

int focusIndex(const Program& program) {
  const HWND focus = threadFocus(program.process.dwThreadId).hwndFocus;
  for (int i = 0; i < 4; ++i)
    if (program.controls[i] == focus) return i;
  return -1;
}

std::string nameOf(int index) { return index < 0 ? "no control" : kNames[index]; }

// Presses the key and waits until the focus reaches the expected control.
void stepAndCheck(const Program& program, bool shift, int expected) {
  const int from = focusIndex(program);
  if (shift)
    pressKey(VK_TAB, {VK_SHIFT});
  else
    pressKey(VK_TAB);
  waitFor(3000, [&] { return focusIndex(program) == expected; });
  check(focusIndex(program) == expected,
        std::string(shift ? "Shift+Tab" : "Tab") + " from " + nameOf(from) + " went to " +
            nameOf(focusIndex(program)) + ", expected " + nameOf(expected));
}

std::pair<DWORD, DWORD> selectionOf(HWND edit) {
  DWORD start = 0, end = 0;
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end), SMTO_NORMAL, 5000, &ignored);
  return {start, end};
}

// Enter on the focused control: no conversion starts and the focus stays. The Tab pressed after
// it is handled after it, so once the focus has moved on, the Enter has been handled too.
void checkEnter(const Program& program, int at) {
  const std::wstring marker = L"回车无作用";
  setWindowText(program.edit2(), marker);
  pressKey(VK_RETURN);
  pressKey(VK_TAB);
  const int next = (at + 1) % 4;
  const HWND box = [&] {
    HWND found = nullptr;
    waitFor(3000, [&] {
      found = findTopLevel(program.process.dwProcessId, L"#32770", L"信息：");
      return found || focusIndex(program) == next;
    });
    return found;
  }();
  check(!box, "Enter on " + nameOf(at) + " started a conversion");
  if (box) fatal("cannot go on with a message box that Enter opened");
  check(focusIndex(program) == next,
        "after Enter and Tab on " + nameOf(at) + " the focus is on " + nameOf(focusIndex(program)));
  check(windowText(program.edit2()) == marker, "Enter on " + nameOf(at) + " changed 编辑框2");
  pressKey(VK_TAB, {VK_SHIFT});
  waitFor(3000, [&] { return focusIndex(program) == at; });
}

// A rule holds only with exactly its modifiers: Ctrl+Tab moves nothing and Shift+Esc closes
// nothing. The plain Tab after each shows that it has been handled.
void checkOtherModifiers(const Program& program) {
  focusByTab(program, program.edit1());
  pressKey(VK_TAB, {VK_CONTROL});
  pressKey(VK_TAB);
  waitFor(3000, [&] { return focusIndex(program) != 0; });
  check(focusIndex(program) == 1,
        "after Ctrl+Tab and Tab from 编辑框1 the focus is on " + nameOf(focusIndex(program)));
  pressKey(VK_ESCAPE, {VK_SHIFT});
  pressKey(VK_TAB);
  waitFor(3000, [&] { return focusIndex(program) != 1; });
  check(WaitForSingleObject(program.process.hProcess, 0) == WAIT_TIMEOUT,
        "Shift+Esc closed the window");
  check(focusIndex(program) == 2,
        "after Shift+Esc and Tab from 编辑框2 the focus is on " + nameOf(focusIndex(program)));
}

// Turning to another window and back gives the focus back to the control that had it.
void checkFocusKeptAcrossSwitch(const Program& program) {
  focusByTab(program, program.controls[2]);
  const HWND other = CreateWindowExW(0, L"STATIC", L"另一个窗口", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  const bool away = waitFor(5000, [&] { return GetForegroundWindow() == other; });
  check(away, "another window did not come to the foreground");
  check(threadFocus(program.process.dwThreadId).hwndActive != program.main,
        "the main window stayed active behind another window");
  activate(program);
  check(threadFocus(program.process.dwThreadId).hwndFocus == program.controls[2],
        "after turning away and back the focus is on " + nameOf(focusIndex(program)) +
            ", not on 转16进制");
  DestroyWindow(other);
}

}  // namespace

void checkKeyboard(const Program& program) {
  // Text that either conversion would report, so a stray click would show a message box.
  setWindowText(program.edit1(), L"G");
  setWindowText(program.edit2(), L"12345");
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(program.edit2(), EM_SETSEL, 2, 2, SMTO_NORMAL, 5000, &ignored);
  focusByTab(program, program.edit1());

  for (int step = 1; step <= 4; ++step) {
    stepAndCheck(program, false, step % 4);
    if (step == 1) {
      const auto [start, end] = selectionOf(program.edit2());
      check(start == 2 && end == 2, "Tab into 编辑框2 changed its selection to " +
                                        std::to_string(start) + "-" + std::to_string(end));
    }
  }
  for (int step = 1; step <= 4; ++step) stepAndCheck(program, true, (4 - step) % 4);

  for (int at = 0; at < 4; ++at) {
    focusByTab(program, program.controls[at]);
    checkEnter(program, at);
  }
  checkOtherModifiers(program);
  checkFocusKeptAcrossSwitch(program);
}

}  // namespace hexdec::e2e
