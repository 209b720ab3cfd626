#include "shell/qt/main_window.h"

#include <algorithm>

#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "shell/qt/edit_box.h"
#include "shell/qt/out_of_memory.h"

// The icon is a resource of this static library, which only an explicit call links in; the call
// has to be made outside any namespace.
static void initialiseResources() { Q_INIT_RESOURCE(hexdec); }

namespace hexdec {
namespace {

// The outer size of the description includes a frame and title bar that Qt leaves to the window
// manager; the client area keeps room for a common frame of that size (3 pixels at the sides and
// bottom, a 26-pixel title bar). It holds the controls, which end at 310 x 90, with margins.
constexpr int kFrameSide = 3;
constexpr int kTitleBar = 26;

QString utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::array<QWidget*, 4> buildControls(QWidget& window) {
  std::array<QWidget*, 4> controls{};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlDescription& description = kWindowDescription.controls[i];
    QWidget* control = nullptr;
    if (description.kind == ControlKind::editBox) {
      auto* box = new EditBoxWidget(&window);
      box->setText(utf8(description.text));
      control = box;
    } else {
      auto* button = new QPushButton(utf8(description.text), &window);
      button->setAutoDefault(false);
      button->setDefault(false);
      control = button;
    }
    control->setObjectName(utf8(description.name));
    control->setFocusPolicy(Qt::StrongFocus);
    const Bounds& bounds = description.bounds;
    control->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
    controls[i] = control;
  }
  return controls;
}

QLineEdit& editBox(const std::array<QWidget*, 4>& controls, std::size_t index) {
  return *static_cast<QLineEdit*>(controls[index]);
}

Key keyOf(const QKeyEvent& event) {
  if (event.modifiers() & Qt::MetaModifier) return Key::other;
  switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return Key::tab;
    case Qt::Key_Escape: return Key::escape;
    default: return Key::other;
  }
}

Modifiers modifiersOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held = event.modifiers();
  // Qt reports Shift+Tab as Backtab, on some platforms without the Shift modifier.
  return {.shift = event.key() == Qt::Key_Backtab || held.testFlag(Qt::ShiftModifier),
          .control = held.testFlag(Qt::ControlModifier),
          .alt = held.testFlag(Qt::AltModifier)};
}

}  // namespace

MainWindow::MainWindow(ClickRunner runClick)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      controls_(buildControls(*this)),
      bridge_(editBox(controls_, 0), editBox(controls_, 1)),
      runClick_(std::move(runClick)) {
  initialiseResources();
  setWindowTitle(utf8(kWindowDescription.caption));
  setWindowIcon(QIcon(QStringLiteral(":/hexdec.ico")));
  setFixedSize(kWindowDescription.outerWidth - 2 * kFrameSide,
               kWindowDescription.outerHeight - kTitleBar - kFrameSide);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ClickAction action = kWindowDescription.controls[i].click;
    if (auto* button = qobject_cast<QPushButton*>(controls_[i])) {
      connect(button, &QPushButton::clicked, this, [this, action] { click(action); });
    }
  }
  // Sees every key before the focused control does.
  qApp->installEventFilter(this);
}

void MainWindow::showCentred() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const Point origin = centredOrigin(screen.width(), screen.height(), kWindowDescription.outerWidth,
                                     kWindowDescription.outerHeight);
  move(screen.left() + origin.x, screen.top() + origin.y);
  focusControl(std::nullopt);
  show();
  raise();
  activateWindow();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) {
    remembered_ = focusWidget();
  } else if (event->type() == QEvent::WindowActivate) {
    focusControl(indexOf(remembered_.data()));
    remembered_.clear();
  }
  return QWidget::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != this) {
    return false;
  }
  const auto& key = *static_cast<QKeyEvent*>(event);
  switch (keyAction(keyOf(key), modifiersOf(key))) {
    case KeyAction::focusNext: stepFocusTo(FocusStep::next); return true;
    case KeyAction::focusPrevious: stepFocusTo(FocusStep::previous); return true;
    case KeyAction::closeWindow: close(); return true;
    case KeyAction::passOn: return false;
  }
  return false;
}

bool MainWindow::focusNextPrevChild(bool) { return true; }

void MainWindow::click(ClickAction action) {
  try {
    runClick_(action, bridge_);
  } catch (const std::bad_alloc& failure) {
    showOutOfMemory(failure);
    QCoreApplication::exit(-1);
  }
}

std::optional<std::size_t> MainWindow::indexOf(const QWidget* control) const {
  const auto found = std::find(controls_.begin(), controls_.end(), control);
  if (control == nullptr || found == controls_.end()) return std::nullopt;
  return static_cast<std::size_t>(found - controls_.begin());
}

std::vector<std::size_t> MainWindow::cycle() const {
  return focusCycle(kWindowDescription, [this](std::size_t i) {
    const QWidget* control = controls_[i];
    return !control->isHidden() && control->isEnabled() && (control->focusPolicy() & Qt::TabFocus);
  });
}

void MainWindow::focusControl(std::optional<std::size_t> index) {
  // No control given: the first of the focus cycle, where stepping forward from none arrives.
  if (!index) index = stepFocus(cycle(), std::nullopt, FocusStep::next);
  // A reason other than Tab: QLineEdit selects its whole text when Tab brings the focus.
  if (index) controls_[*index]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::stepFocusTo(FocusStep step) {
  focusControl(stepFocus(cycle(), indexOf(focusWidget()), step));
}

}  // namespace hexdec
