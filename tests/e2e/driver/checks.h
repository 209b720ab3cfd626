#pragma once

#include <string>
#include <vector>

#include "../case_table.h"
#include "program.h"

namespace hexdec::e2e {

// The window as it is shown at start: size, centred place, styles, the four controls and the
// focus in 编辑框1.
void checkWindowAtStart(const Program& program);

// How a click is given and how its message boxes are answered.
enum class ClickWay { mouse, spaceBar, postedClick };
enum class AnswerWay { okClick, enterKey };

struct ClickOptions {
  ClickWay click = ClickWay::postedClick;
  AnswerWay answer = AnswerWay::okClick;
  unsigned timeoutMs = 10000;
  // While the first message box is shown: click the other button for real, which must start
  // nothing because the box is task-modal.
  bool tryClickThroughBox = false;
};

// Runs one case through the window and checks its messages and result; the description names
// the case in failure messages.
void runCase(const Program& program, const Case& c, const ClickOptions& options);

// Tab and Shift+Tab around the cycle, Enter starting nothing, Tab into 编辑框2 keeping its
// selection, modifiers that match no rule, and the focus kept while another window is active.
void checkKeyboard(const Program& program);

// Clicks many times with messages and checks that the process holds no more handles, window
// objects or memory afterwards.
void checkResourceUse(const Program& program, int clicks);

}  // namespace hexdec::e2e
