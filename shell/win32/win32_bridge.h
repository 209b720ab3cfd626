#pragma once

#include <windows.h>

#include <array>

#include "conversion/control_bridge.h"

namespace hexdec {

// The bridge over the real edit boxes and the system message box. It keeps no text of its own:
// every read asks the control afresh.
class Win32Bridge final : public ControlBridge {
 public:
  // The edit boxes in the order of EditBox: 编辑框1, then 编辑框2.
  explicit Win32Bridge(std::array<HWND, 2> editBoxes) : editBoxes_(editBoxes) {}

  Text readText(EditBox box) override;
  void writeText(EditBox box, const Text& text) override;
  void showMessage(const Text& message) override;

 private:
  HWND control(EditBox box) const { return editBoxes_[static_cast<std::size_t>(box)]; }

  std::array<HWND, 2> editBoxes_;
};

}  // namespace hexdec
