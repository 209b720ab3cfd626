#pragma once

#include "shell/qt/main_window.h"

namespace hexdec {

// Everything after the QApplication is made: puts the floating-point unit into its default
// state, builds and shows MainWindow, and runs the event loop until the window is closed. The
// result is the process's exit code: 0 after the window has been closed, -1 after running out of
// memory.
int runMainWindow(const ClickRunner& runClick = runClickAction);

}  // namespace hexdec
