#include "shell/qt/program.h"

#include <cfenv>

#include <QApplication>

namespace hexdec {

int runMainWindow(const ClickRunner& runClick) {
  // Every floating-point exception masked and rounding to nearest, ties to even: the conversions'
  // arithmetic relies on both.
  std::fesetenv(FE_DFL_ENV);
  MainWindow window(runClick);
  window.showCentred();
  return QApplication::exec();
}

}  // namespace hexdec
