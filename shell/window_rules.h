#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "conversion/control_bridge.h"
#include "shell/window_description.h"

namespace hexdec {

struct Point {
  int x, y;
};

// The outer top-left corner that centres a window of the given outer size on a screen of the
// given size; each division truncates toward zero, so a too-narrow screen gives x = -20, not -21.
Point centredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

// The indices of the controls that can take the focus, ordered by focus-order number and, among
// equal numbers, by description order.
std::vector<std::size_t> focusCycle(const WindowDescription& description,
                                    const std::function<bool(std::size_t)>& canTakeFocus);

enum class FocusStep { next, previous };

// The control that receives the focus when it moves one step from `current` around the cycle.
// A control outside the cycle (or none) moves to the first control, or to the last going back.
std::optional<std::size_t> stepFocus(const std::vector<std::size_t>& cycle,
                                     std::optional<std::size_t> current, FocusStep step);

enum class Key { tab, escape, other };

struct Modifiers {
  bool shift = false, control = false, alt = false;
};

enum class KeyAction { focusNext, focusPrevious, closeWindow, passOn };

// What the window does with a key before the focused control sees it. A rule matches only its
// key with exactly its modifiers; Enter, F1 and every other key are passed on.
KeyAction keyAction(Key key, Modifiers modifiers);

// Runs the conversion bound to a click; ClickAction::none does nothing.
void runClickAction(ClickAction action, ControlBridge& bridge);

}  // namespace hexdec
