#pragma once

#include "conversion/types.h"

namespace hexdec {

// The two edit boxes of the window, by their names in the window description.
enum class EditBox { 编辑框1, 编辑框2 };

// "您输入的数据有误" in code page 936: the one message the conversions show.
inline const Text kInputErrorMessage =
    "\xC4\xFA\xCA\xE4\xC8\xEB\xB5\xC4\xCA\xFD\xBE\xDD\xD3\xD0\xCE\xF3";

// The only way the conversions reach the window. Texts cross by value, as code page 936 bytes;
// none of the operations fails in a way the caller sees.
class ControlBridge {
 public:
  virtual ~ControlBridge() = default;

  // The whole current text of the box, as a new Text.
  virtual Text readText(EditBox box) = 0;

  // Replaces the whole text of the box, every time, even with an equal text.
  virtual void writeText(EditBox box, const Text& text) = 0;

  // Shows the message with the caption "信息：" and returns once the user has dismissed it.
  virtual void showMessage(const Text& message) = 0;
};

}  // namespace hexdec
