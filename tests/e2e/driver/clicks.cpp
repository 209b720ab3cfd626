#include <windows.h>

#include <vector>

#include "checks.h"
#include "report.h"
#include "win.h"

namespace hexdec::e2e {
namespace {

constexpr wchar_t kBoxCaption[] = L"信息：";
constexpr wchar_t kBoxText[] = L"您输入的数据有误";
// Never a result of either conversion, so a changed 编辑框2 means the click has written.
constexpr wchar_t kMarker[] = L"（等待结果）";
// Longer inputs are pasted rather than sent with WM_SETTEXT.
constexpr std::size_t kLongestTyped = 65536;

std::vector<HWND> childrenOf(HWND window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

// Checks a shown message box and returns its one button.
HWND inspectBox(const Program& program, HWND box, const std::string& who) {
  check(GetWindow(box, GW_OWNER) == nullptr, who + ": the message box has an owner");
  std::vector<std::wstring> texts;
  std::vector<HWND> buttons;
  for (HWND child : childrenOf(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring kind = className(child);
    if (lstrcmpiW(kind.c_str(), L"Button") == 0) buttons.push_back(child);
    if (lstrcmpiW(kind.c_str(), L"Static") != 0) continue;
    DWORD_PTR icon = 0;
    SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon);
    check(icon == 0, who + ": the message box shows an icon");
    if (auto text = windowText(child); text && !text->empty()) texts.push_back(*text);
  }
  check(texts.size() == 1 && texts[0] == kBoxText,
        who + ": the message box text is \"" + (texts.empty() ? "" : narrow(texts[0])) + "\"");
  check(buttons.size() == 1 && GetDlgCtrlID(buttons[0]) == IDOK,
        who + ": the message box does not have exactly one OK button");
  check(!IsWindowEnabled(program.main), who + ": the main window is enabled under a message box");
  const auto shown = windowText(program.edit2());
  check(shown == std::wstring(kMarker),
        who + ": 编辑框2 changed before the last message was answered: \"" +
            narrow(shown.value_or(L"?")) + "\"");
  if (buttons.empty()) fatal(who + ": cannot answer a message box without a button");
  return buttons[0];
}

// A real mouse click on a button of the disabled main window, with the box moved out of the way,
// must reach nothing.
void clickThroughBox(const Program& program, HWND box, HWND otherButton, const std::string& who) {
  SetWindowPos(box, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  clickAt(centreOf(otherButton));
  Sleep(300);
  check(IsWindow(box) && IsWindowVisible(box), who + ": the click closed the message box");
  check(!IsWindowEnabled(program.main),
        who + ": the main window takes input under the message box");
  const auto shown = windowText(program.edit2());
  check(shown == std::wstring(kMarker), who + ": a click through the box wrote 编辑框2");
}

void answer(HWND box, HWND ok, AnswerWay way, const std::string& who) {
  if (way == AnswerWay::enterKey) {
    SetForegroundWindow(box);
    if (!waitFor(5000, [&] { return GetForegroundWindow() == box; }))
      fatal(who + ": the message box did not come to the foreground");
    pressKey(VK_RETURN);
  } else {
    PostMessageW(ok, BM_CLICK, 0, 0);
  }
  if (!waitFor(5000, [&] { return !IsWindow(box); }))
    fatal(who + ": the message box did not close after OK");
}

void click(const Program& program, HWND button, ClickWay way) {
  switch (way) {
    case ClickWay::mouse:
      activate(program);
      clickAt(centreOf(button));
      break;
    case ClickWay::spaceBar:
      focusByTab(program, button);
      pressKey(VK_SPACE);
      break;
    case ClickWay::postedClick: PostMessageW(button, BM_CLICK, 0, 0); break;
  }
}

}  // namespace

void runCase(const Program& program, const Case& c, const ClickOptions& options) {
  const std::string who =
      "line " + std::to_string(c.line) + " (" + c.button + " " +
      (c.inputSource.size() > 60 ? c.inputSource.substr(0, 60) + "..." : c.inputSource) + ")";
  setWindowText(program.edit2(), kMarker);
  const ULONGLONG started = GetTickCount64();
  const std::wstring input = widen(c.input);
  // Long texts are pasted, as a user would bring them in, and read back the same way.
  const bool paste = input.size() > kLongestTyped;
  if (paste)
    pasteText(program.edit1(), input, options.timeoutMs);
  else
    setWindowText(program.edit1(), input);
  const auto typed =
      paste ? copiedText(program.edit1(), options.timeoutMs) : windowText(program.edit1());
  if (typed != input) fatal(who + ": 编辑框1 does not hold the input");

  const HWND button = program.button(c.button);
  const HWND other = button == program.controls[2] ? program.controls[3] : program.controls[2];
  click(program, button, options.click);

  int boxes = 0;
  std::optional<std::wstring> result;
  const Deadline deadline(options.timeoutMs + 2000 * DWORD(c.positions.size()));
  while (true) {
    if (deadline.passed()) fatal(who + ": no result within the time");
    if (const HWND box = findTopLevel(program.process.dwProcessId, L"#32770", kBoxCaption)) {
      const HWND ok = inspectBox(program, box, who);
      if (boxes == 0 && options.tryClickThroughBox) clickThroughBox(program, box, other, who);
      answer(box, ok, options.answer, who);
      ++boxes;
      continue;
    }
    result = windowText(program.edit2(), deadline.left());
    if (result && *result != kMarker) break;
    Sleep(5);
  }
  if (input.size() > 10000)
    note(who + ": " + std::to_string(input.size()) + " characters put in, converted and read in " +
         std::to_string(GetTickCount64() - started) + " ms");
  // A late box or a second write would show up here.
  Sleep(options.tryClickThroughBox ? 300 : 0);
  check(!findTopLevel(program.process.dwProcessId, L"#32770", kBoxCaption),
        who + ": a message box after the result");
  check(windowText(program.edit2()) == result, who + ": 编辑框2 changed after the result");

  check(boxes == int(c.positions.size()), who + ": " + std::to_string(boxes) +
                                              " messages, expected " +
                                              std::to_string(c.positions.size()));
  check(narrow(*result) == c.result,
        who + ": result \"" + narrow(*result) + "\", expected \"" + c.result + "\"");

  // A clicked button keeps the focus; after a message box the window gets it back on activation.
  if (options.click != ClickWay::postedClick) {
    activate(program);
    check(threadFocus(program.process.dwThreadId).hwndFocus == button,
          who + ": the clicked button does not have the focus afterwards");
  }
}

}  // namespace hexdec::e2e
