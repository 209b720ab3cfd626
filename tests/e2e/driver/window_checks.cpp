#include <windows.h>

#include "checks.h"
#include "report.h"
#include "win.h"

namespace hexdec::e2e {
namespace {

struct ExpectedControl {
  const char* name;
  const wchar_t* windowClass;
  const wchar_t* text;
  RECT bounds;  // left, top, right, bottom in the main window's client area
};

constexpr ExpectedControl kControls[] = {
    {"编辑框1", L"Edit", L"", {16, 25, 16 + 176, 25 + 25}},
    {"编辑框2", L"Edit", L"", {16, 65, 16 + 176, 65 + 25}},
    {"转16进制", L"Button", L"转为16进制", {230, 25, 230 + 80, 25 + 25}},
    {"转10进制", L"Button", L"转为10进制", {230, 65, 230 + 80, 65 + 25}},
};

std::string describe(const RECT& r) {
  return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") to (" +
         std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

bool sameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void checkStyle(const std::string& who, LONG_PTR style, LONG_PTR wanted, LONG_PTR unwanted) {
  check((style & wanted) == wanted,
        who + ": style " + std::to_string(style) + " lacks " + std::to_string(wanted & ~style));
  check((style & unwanted) == 0,
        who + ": style " + std::to_string(style) + " has " + std::to_string(style & unwanted));
}

void checkMainWindow(const Program& program) {
  RECT r{};
  GetWindowRect(program.main, &r);
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const RECT expected{(screenWidth - 341) / 2, (screenHeight - 136) / 2, 0, 0};
  const RECT wanted{expected.left, expected.top, expected.left + 341, expected.top + 136};
  check(sameRect(r, wanted), "main window at " + describe(r) + ", expected " + describe(wanted) +
                                 " on a screen of " + std::to_string(screenWidth) + " x " +
                                 std::to_string(screenHeight));
  note("screen " + std::to_string(screenWidth) + " x " + std::to_string(screenHeight) +
       ", window " + describe(r));

  checkStyle("main window", GetWindowLongPtrW(program.main, GWL_STYLE),
             WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE,
             WS_THICKFRAME | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD | WS_DISABLED | WS_MINIMIZE |
                 WS_MAXIMIZE);
  // The system adds the raised edge to every window with a caption; nothing else is asked for.
  checkStyle("main window (extended)", GetWindowLongPtrW(program.main, GWL_EXSTYLE), 0,
             ~LONG_PTR(WS_EX_WINDOWEDGE));
  check(GetWindow(program.main, GW_OWNER) == nullptr, "main window has an owner");
  check(!IsIconic(program.main) && !IsZoomed(program.main), "main window not in normal state");
}

void checkControl(const Program& program, int index) {
  const ExpectedControl& expected = kControls[index];
  const HWND control = program.controls[index];
  const std::string who = std::string(expected.name) + " (child " + std::to_string(index + 1) + ")";

  check(lstrcmpiW(className(control).c_str(), expected.windowClass) == 0,
        who + ": class " + narrow(className(control)));
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, program.main, reinterpret_cast<POINT*>(&r), 2);
  check(sameRect(r, expected.bounds),
        who + ": at " + describe(r) + ", expected " + describe(expected.bounds));
  const auto text = windowText(control);
  check(text && *text == expected.text, who + ": text \"" + narrow(text.value_or(L"?")) + "\"");

  const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
  const LONG_PTR extended = GetWindowLongPtrW(control, GWL_EXSTYLE);
  const LONG_PTR common = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
  if (index < 2) {
    checkStyle(who, style, common | ES_AUTOHSCROLL,
               WS_DISABLED | WS_HSCROLL | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_PASSWORD |
                   ES_UPPERCASE | ES_LOWERCASE | ES_NUMBER | ES_CENTER | ES_RIGHT);
    check((extended & WS_EX_CLIENTEDGE) != 0, who + ": no sunken client edge");
    DWORD_PTR limit = 0;
    SendMessageTimeoutW(control, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, 5000, &limit);
    check(limit >= 0x7FFFFFFE, who + ": text limit " + std::to_string(limit));
  } else {
    checkStyle(who, style, common | BS_CENTER | BS_VCENTER | BS_MULTILINE,
               WS_DISABLED | BS_BITMAP | BS_ICON);
    check((style & BS_TYPEMASK) == BS_PUSHBUTTON,
          who + ": not a plain push button (type " + std::to_string(style & BS_TYPEMASK) + ")");
  }
}

}  // namespace

void checkWindowAtStart(const Program& program) {
  checkMainWindow(program);
  for (int i = 0; i < 4; ++i) checkControl(program, i);
  const GUITHREADINFO focus = threadFocus(program.process.dwThreadId);
  check(focus.hwndActive == program.main, "main window not active at start");
  check(GetForegroundWindow() == program.main, "main window not in the foreground at start");
  check(focus.hwndFocus == program.edit1(), "the focus at start is not in 编辑框1");
  check(focus.hwndCaret == program.edit1(), "the caret at start is not in 编辑框1");
}

}  // namespace hexdec::e2e
