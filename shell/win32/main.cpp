// The program entry: prepares the process, builds the main window and runs the event loop.
#include <windows.h>

#include <commctrl.h>

#include <new>

#include "shell/win32/allocation.h"
#include "shell/win32/fatal_failure.h"
#include "shell/win32/floating_point.h"
#include "shell/win32/main_window.h"

namespace {

int runEventLoop(hexdec::MainWindow& window) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.preTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The edit boxes and buttons come from version 6 of the common controls, as the manifest asks.
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  hexdec::resetFloatingPoint();

  try {
    hexdec::MainWindow window(instance);
    if (const auto failure = window.build()) hexdec::endWithFatalFailure(failure->c_str());
    return runEventLoop(window);
  } catch (const std::bad_alloc&) {
    hexdec::endOutOfMemory(hexdec::lastFailedAllocationSize());
  }
}
