#include "shell/qt/qt_control_bridge.h"

#include <QMessageBox>

#include "shell/qt/cp936_codec.h"

namespace hexdec {

Text QtControlBridge::readText(EditBox box) { return toCodePage936(control(box).text()); }

void QtControlBridge::writeText(EditBox box, const Text& text) {
  control(box).setText(fromCodePage936(text));
}

void QtControlBridge::showMessage(const Text& message) {
  // No parent: the box is a window of its own, and application-modal it blocks every other one.
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral(u"信息："), fromCodePage936(message),
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  // Input goes back to the window: the box had no owner that the window system would return to.
  box1_.window()->activateWindow();
}

}  // namespace hexdec
