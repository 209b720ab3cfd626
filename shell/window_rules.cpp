#include "shell/window_rules.h"

#include <algorithm>

#include "conversion/decimal_to_hex.h"
#include "conversion/hex_to_decimal.h"

namespace hexdec {

Point centredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
  return {(screenWidth - outerWidth) / 2, (screenHeight - outerHeight) / 2};
}

std::vector<std::size_t> focusCycle(const WindowDescription& description,
                                    const std::function<bool(std::size_t)>& canTakeFocus) {
  std::vector<std::size_t> cycle;
  for (std::size_t i = 0; i < description.controls.size(); ++i) {
    if (canTakeFocus(i)) cycle.push_back(i);
  }
  std::stable_sort(cycle.begin(), cycle.end(), [&description](std::size_t a, std::size_t b) {
    return description.controls[a].focusOrder < description.controls[b].focusOrder;
  });
  return cycle;
}

std::optional<std::size_t> stepFocus(const std::vector<std::size_t>& cycle,
                                     std::optional<std::size_t> current, FocusStep step) {
  if (cycle.empty()) return std::nullopt;
  const auto found = current ? std::find(cycle.begin(), cycle.end(), *current) : cycle.end();
  if (found == cycle.end()) return step == FocusStep::next ? cycle.front() : cycle.back();
  const auto index = static_cast<std::size_t>(found - cycle.begin());
  const std::size_t size = cycle.size();
  return cycle[step == FocusStep::next ? (index + 1) % size : (index + size - 1) % size];
}

KeyAction keyAction(Key key, Modifiers modifiers) {
  if (modifiers.control || modifiers.alt) return KeyAction::passOn;
  switch (key) {
    case Key::tab: return modifiers.shift ? KeyAction::focusPrevious : KeyAction::focusNext;
    case Key::escape: return modifiers.shift ? KeyAction::passOn : KeyAction::closeWindow;
    case Key::other: return KeyAction::passOn;
  }
  return KeyAction::passOn;
}

void runClickAction(ClickAction action, ControlBridge& bridge) {
  switch (action) {
    case ClickAction::convertDecimalToHex: convertDecimalToHex(bridge); break;
    case ClickAction::convertHexToDecimal: convertHexToDecimal(bridge); break;
    case ClickAction::none: break;
  }
}

}  // namespace hexdec
