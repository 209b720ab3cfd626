#include "program.h"

#include <vector>

#include "report.h"
#include "win.h"

namespace hexdec::e2e {

HWND Program::button(const std::string& name) const {
  if (name == "转16进制") return controls[2];
  if (name == "转10进制") return controls[3];
  fatal("no button " + name);
}

Program::~Program() {
  if (!process.hProcess) return;
  if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process.hProcess, 99);
    WaitForSingleObject(process.hProcess, 5000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

HWND findTopLevel(DWORD process, const wchar_t* windowClass, const wchar_t* caption) {
  for (HWND window : topLevelWindows()) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != process || !IsWindowVisible(window)) continue;
    if (windowClass && className(window) != windowClass) continue;
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    if (std::wstring(text) == caption) return window;
  }
  return nullptr;
}

namespace {

bool tryStart(const std::wstring& exe, Program& program) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &program.process))
    return false;
  const DWORD id = program.process.dwProcessId;
  const bool shown = waitFor(10000, [&] {
    program.main = findTopLevel(id, nullptr, kCaption);
    return program.main && threadFocus(program.process.dwThreadId).hwndFocus;
  });
  if (shown) return true;
  TerminateProcess(program.process.hProcess, 99);
  WaitForSingleObject(program.process.hProcess, 5000);
  CloseHandle(program.process.hThread);
  CloseHandle(program.process.hProcess);
  program.process = {};
  return false;
}

}  // namespace

void startProgram(const std::wstring& exe, Program& program) {
  int attempt = 1;
  while (!tryStart(exe, program)) {
    if (++attempt > 3) fatal("the program did not show its window in three starts");
    note("start " + std::to_string(attempt - 1) + " failed; starting again");
  }
  int count = 0;
  for (HWND child = GetWindow(program.main, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (count < 4) program.controls[count] = child;
    ++count;
  }
  check(count == 4, "the window has " + std::to_string(count) + " children, not 4");
  if (count < 4) fatal("cannot go on without the four controls");
}

void activate(const Program& program) {
  SetForegroundWindow(program.main);
  const bool active = waitFor(5000, [&] {
    const GUITHREADINFO focus = threadFocus(program.process.dwThreadId);
    return GetForegroundWindow() == program.main && focus.hwndActive == program.main &&
           focus.hwndFocus != nullptr;
  });
  if (!active) fatal("the main window did not become active with a focused control");
}

void focusByTab(const Program& program, HWND control) {
  activate(program);
  const DWORD thread = program.process.dwThreadId;
  for (int step = 0; step < 4 && threadFocus(thread).hwndFocus != control; ++step) {
    const HWND before = threadFocus(thread).hwndFocus;
    pressKey(VK_TAB);
    waitFor(5000, [&] { return threadFocus(thread).hwndFocus != before; });
  }
  if (threadFocus(thread).hwndFocus != control) fatal("Tab did not bring the focus to a control");
}

DWORD waitForExit(const Program& program) {
  if (WaitForSingleObject(program.process.hProcess, 10000) != WAIT_OBJECT_0)
    fatal("the program did not end within 10 s");
  DWORD code = 0;
  GetExitCodeProcess(program.process.hProcess, &code);
  return code;
}

}  // namespace hexdec::e2e
