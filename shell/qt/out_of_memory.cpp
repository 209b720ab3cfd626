#include "shell/qt/out_of_memory.h"

#include <QMessageBox>

#include "shell/window_description.h"

namespace hexdec {

QString outOfMemoryMessage(const std::bad_alloc& failure) {
  if (const auto* known = dynamic_cast<const OutOfMemory*>(&failure)) {
    return QStringLiteral(u"内存不足：无法分配 %1 字节。程序将退出。").arg(known->bytes());
  }
  return QStringLiteral(u"内存不足：无法分配所需的内存。程序将退出。");
}

void showOutOfMemory(const std::bad_alloc& failure) {
  QMessageBox box(QMessageBox::Critical,
                  QString::fromUtf8(kWindowDescription.caption.data(),
                                    static_cast<qsizetype>(kWindowDescription.caption.size())),
                  outOfMemoryMessage(failure), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

}  // namespace hexdec
