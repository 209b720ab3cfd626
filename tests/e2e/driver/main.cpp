// Drives the real program through its window, as a user would, and checks what it shows.
//
//   hexdec_e2e_driver <program.exe> <ANSI code page> table <cases.tsv>
//   hexdec_e2e_driver <program.exe> <ANSI code page> hard <hard_inputs.tsv> <clicks>
//
// "table" checks the window at start, runs every case, walks the keyboard rules and closes the
// window with Esc from a button. "hard" clicks many times with messages while measuring the
// process, runs the large and bad inputs, shows that the window still works, and closes with Esc
// from 编辑框1. The ANSI code page is the one the system is expected to run under, so that a run
// meant for another code page cannot pass unnoticed. Exit code 0 when every check held.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checks.h"
#include "report.h"
#include "win.h"

using namespace hexdec::e2e;

namespace {

void runTable(const Program& program, const std::vector<Case>& cases) {
  checkWindowAtStart(program);
  bool mouseDone[2] = {}, spaceDone[2] = {}, throughBoxDone = false;
  for (const Case& c : cases) {
    const int button = c.button == "转16进制" ? 0 : 1;
    ClickOptions options;
    if (!c.positions.empty() && !mouseDone[button]) {
      options.click = ClickWay::mouse;
      options.answer = AnswerWay::enterKey;
      mouseDone[button] = true;
    } else if (c.positions.empty() && !spaceDone[button]) {
      options.click = ClickWay::spaceBar;
      spaceDone[button] = true;
    } else if (c.positions.size() >= 2 && !throughBoxDone) {
      options.tryClickThroughBox = true;
      throughBoxDone = true;
    }
    runCase(program, c, options);
  }
  note(std::to_string(cases.size()) + " cases run");
  checkKeyboard(program);
  focusByTab(program, program.controls[3]);
}

void runHard(const Program& program, const std::vector<Case>& cases, int clicks) {
  checkResourceUse(program, clicks);
  for (const Case& c : cases) {
    ClickOptions options;
    options.timeoutMs = 120000;
    runCase(program, c, options);
  }
  note(std::to_string(cases.size()) + " large and bad inputs run");
  // The window still answers a user after them.
  ClickOptions byMouse;
  byMouse.click = ClickWay::mouse;
  runCase(program, {0, "转16进制", "\"255\"", u"255", {}, "FF"}, byMouse);
  focusByTab(program, program.edit1());
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring mode = argc > 3 ? argv[3] : L"";
  if (!((mode == L"table" && argc == 5) || (mode == L"hard" && argc == 6))) {
    std::fprintf(stderr,
                 "usage: driver <program.exe> <ANSI code page> table <cases.tsv>\n"
                 "       driver <program.exe> <ANSI code page> hard <cases.tsv> <clicks>\n");
    return 2;
  }
  try {
    const UINT codePage = UINT(std::stoul(argv[2]));
    if (GetACP() != codePage)
      fatal("the system runs with the ANSI code page " + std::to_string(GetACP()) + ", not " +
            std::to_string(codePage));
    note("ANSI code page " + std::to_string(GetACP()));
    const std::vector<Case> cases = readCases(narrow(argv[4]));
    if (cases.empty()) fatal("no cases in " + narrow(argv[4]));

    Program program;
    startProgram(argv[1], program);
    if (mode == L"table")
      runTable(program, cases);
    else
      runHard(program, cases, std::stoi(argv[5]));

    pressKey(VK_ESCAPE);
    const DWORD code = waitForExit(program);
    check(code == 0, "the program ended with exit code " + std::to_string(long(code)));
  } catch (const std::exception& error) {
    std::printf("FAIL: %s\n", error.what());
    return 1;
  }
  if (failureCount() > 0) {
    std::printf("%d checks failed\n", failureCount());
    return 1;
  }
  note("all checks held");
  return 0;
}
