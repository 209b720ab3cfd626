#include "conversion/click.h"

namespace hexdec {

void runConversionClick(ControlBridge& bridge, TextConversion convert) {
  // The box cannot change during a click (the message box is task-modal), so one read serves the
  // whole scan; reading it again at every byte would make a long paste cost quadratic time.
  const Text input = bridge.readText(EditBox::编辑框1);
  const Text result =
      convert(input, [&bridge](Integer) { bridge.showMessage(kInputErrorMessage); });
  bridge.writeText(EditBox::编辑框2, result);
}

}  // namespace hexdec
