#pragma once

#include <array>
#include <string_view>

namespace hexdec {

// What a click on a control starts.
enum class ClickAction { none, convertDecimalToHex, convertHexToDecimal };

enum class ControlKind { editBox, pushButton };

// Pixels at 96 dpi: left and top from the client area's top-left corner, the outer size with the
// border included.
struct Bounds {
  int left, top, width, height;
};

struct ControlDescription {
  std::string_view name;  // UTF-8
  ControlKind kind;
  std::string_view text;  // UTF-8, the text at start
  Bounds bounds;
  ClickAction click;
  int focusOrder;
};

// The fixed description the main window is built from, the same for every window toolkit.
struct WindowDescription {
  std::string_view caption;  // UTF-8
  int outerWidth, outerHeight;
  std::array<ControlDescription, 4> controls;  // in description order
};

inline constexpr WindowDescription kWindowDescription{
    "十六进制十进制转换器",
    341,
    136,
    {{
        {"编辑框1", ControlKind::editBox, "", {16, 25, 176, 25}, ClickAction::none, 0},
        {"编辑框2", ControlKind::editBox, "", {16, 65, 176, 25}, ClickAction::none, 0},
        {"转16进制",
         ControlKind::pushButton,
         "转为16进制",
         {230, 25, 80, 25},
         ClickAction::convertDecimalToHex,
         0},
        {"转10进制",
         ControlKind::pushButton,
         "转为10进制",
         {230, 65, 80, 25},
         ClickAction::convertHexToDecimal,
         0},
    }}};

}  // namespace hexdec
