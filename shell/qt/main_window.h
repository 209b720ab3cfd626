#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include <QPointer>
#include <QWidget>

// moc cannot read the Chinese identifiers of the shared headers, and needs nothing from them.
#ifndef Q_MOC_RUN
#include "shell/qt/qt_control_bridge.h"
#include "shell/window_rules.h"
#endif

namespace hexdec {

// What a click on a button runs; runClickAction, unless a test needs another.
using ClickRunner = std::function<void(ClickAction, ControlBridge&)>;

// The program's one window, built from kWindowDescription: two edit boxes and two buttons at
// their fixed places, the focus cycle and keyboard rules of window_rules, and the conversions
// started by clicks through the window's own QtControlBridge.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(ClickRunner runClick = runClickAction);

  // Moves the window to the centre of the primary screen, shows it and makes it active.
  void showCentred();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Qt's own focus chain (Tab in QWidget, arrow keys on buttons) is replaced by the focus cycle.
  bool focusNextPrevChild(bool next) override;

 private:
  void click(ClickAction action);
  std::optional<std::size_t> indexOf(const QWidget* control) const;
  // The controls that can take the focus, in focus order.
  std::vector<std::size_t> cycle() const;
  // Gives the focus to the control, or to the first of the focus cycle when there is none.
  void focusControl(std::optional<std::size_t> index);
  void stepFocusTo(FocusStep step);

  std::array<QWidget*, 4> controls_;  // in description order, owned by the window
  QtControlBridge bridge_;
  ClickRunner runClick_;
  QPointer<QWidget> remembered_;  // the focused control while the window is inactive
};

}  // namespace hexdec
