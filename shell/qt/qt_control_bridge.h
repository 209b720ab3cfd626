#pragma once

#include <QLineEdit>

#include "conversion/control_bridge.h"

namespace hexdec {

// The ControlBridge of the Qt main window: the texts live in its two edit boxes and cross as code
// page 936 bytes; the message is an application-modal box, so that no click or key reaches the
// window while it is shown.
class QtControlBridge final : public ControlBridge {
 public:
  QtControlBridge(QLineEdit& box1, QLineEdit& box2) : box1_(box1), box2_(box2) {}

  Text readText(EditBox box) override;
  void writeText(EditBox box, const Text& text) override;
  void showMessage(const Text& message) override;

 private:
  QLineEdit& control(EditBox box) const { return box == EditBox::编辑框1 ? box1_ : box2_; }

  QLineEdit& box1_;
  QLineEdit& box2_;
};

}  // namespace hexdec
