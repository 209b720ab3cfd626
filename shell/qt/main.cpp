#include <QApplication>

#include "shell/qt/program.h"

int main(int, char* argv[]) {
  // The program takes no arguments: Qt is shown only the program's name, so that no option on
  // the command line changes anything.
  int argumentCount = 1;
  QApplication application(argumentCount, argv);
  return hexdec::runMainWindow();
}
