#include "shell/window_rules.h"

#include <gtest/gtest.h>

#include "conversion/memory_bridge.h"

namespace hexdec {
namespace {

TEST(CentredOrigin, CentresAndTruncatesTowardZero) {
  struct Case {
    int width, height, x, y;
  };
  const Case cases[] = {{1920, 1080, 789, 472}, {1024, 768, 341, 316}, {300, 100, -20, -18}};
  for (const Case& c : cases) {
    const Point origin = centredOrigin(c.width, c.height, 341, 136);
    EXPECT_EQ(origin.x, c.x) << c.width;
    EXPECT_EQ(origin.y, c.y) << c.height;
  }
}

TEST(FocusCycle, FollowsDescriptionOrderAndWraps) {
  const auto cycle = focusCycle(kWindowDescription, [](std::size_t) { return true; });
  ASSERT_EQ(cycle, (std::vector<std::size_t>{0, 1, 2, 3}));
  std::optional<std::size_t> focus = 0;
  for (std::size_t expected : {1u, 2u, 3u, 0u}) {
    focus = stepFocus(cycle, focus, FocusStep::next);
    EXPECT_EQ(focus, expected);
  }
  EXPECT_EQ(stepFocus(cycle, 0, FocusStep::previous), 3u);
  EXPECT_EQ(stepFocus(cycle, 3, FocusStep::previous), 2u);
}

TEST(FocusCycle, OrdersByFocusNumberThenDescriptionAndSkipsUnavailable) {
  WindowDescription description = kWindowDescription;
  description.controls[3].focusOrder = -1;
  const auto cycle = focusCycle(description, [](std::size_t i) { return i != 1; });
  EXPECT_EQ(cycle, (std::vector<std::size_t>{3, 0, 2}));
  EXPECT_EQ(stepFocus(cycle, std::nullopt, FocusStep::next), 3u);
  EXPECT_EQ(stepFocus(cycle, 1, FocusStep::previous), 2u);
  EXPECT_EQ(stepFocus({}, 0, FocusStep::next), std::nullopt);
}

TEST(KeyAction, MatchesOnlyTheExactModifiers) {
  struct Case {
    Key key;
    Modifiers modifiers;
    KeyAction expected;
  };
  const Case cases[] = {
      {Key::tab, {}, KeyAction::focusNext},
      {Key::tab, {.shift = true}, KeyAction::focusPrevious},
      {Key::tab, {.control = true}, KeyAction::passOn},
      {Key::tab, {.shift = true, .control = true}, KeyAction::passOn},
      {Key::tab, {.alt = true}, KeyAction::passOn},
      {Key::escape, {}, KeyAction::closeWindow},
      {Key::escape, {.shift = true}, KeyAction::passOn},
      {Key::escape, {.control = true}, KeyAction::passOn},
      {Key::other, {}, KeyAction::passOn},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(keyAction(c.key, c.modifiers), c.expected)
        << static_cast<int>(c.key) << c.modifiers.shift << c.modifiers.control;
  }
}

TEST(RunClickAction, StartsTheBoundConversion) {
  for (const auto& control : kWindowDescription.controls) {
    MemoryBridge bridge("255", "x");
    runClickAction(control.click, bridge);
    const Text expected = control.click == ClickAction::convertHexToDecimal   ? "597"
                          : control.click == ClickAction::convertDecimalToHex ? "FF"
                                                                              : "x";
    EXPECT_EQ(bridge.text(EditBox::编辑框2), expected);
  }
}

}  // namespace
}  // namespace hexdec
