#include "shell/win32/main_window.h"

#include <new>
#include <string_view>

#include "shell/win32/allocation.h"
#include "shell/win32/fatal_failure.h"
#include "shell/win32/resource.h"
#include "shell/win32/text_encoding.h"
#include "shell/window_description.h"

namespace hexdec {

namespace {

constexpr wchar_t kClassName[] = L"hexdec.MainWindow";
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kEditStyle = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle =
    WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

std::size_t indexOf(std::string_view name) {
  const auto& controls = kWindowDescription.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].name == name) return i;
  }
  return controls.size();
}

// The density of the primary screen, on which the window opens.
UINT screenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

HICON loadIcon(HINSTANCE instance, int sizeMetric) {
  const int size = GetSystemMetrics(sizeMetric);
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(HEXDEC_ICON), IMAGE_ICON, size,
                                       size, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

std::optional<std::wstring> MainWindow::build() {
  const std::wstring caption = fromUtf8(kWindowDescription.caption);
  const std::wstring windowFailure = L"无法创建窗口“" + caption + L"”。";

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProcedure;
  windowClass.hInstance = instance_;
  windowClass.hIcon = loadIcon(instance_, SM_CXICON);
  windowClass.hIconSm = loadIcon(instance_, SM_CXSMICON);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) return windowFailure;

  dpi_ = screenDpi();
  const int width = scaled(kWindowDescription.outerWidth);
  const int height = scaled(kWindowDescription.outerHeight);
  const Point origin =
      centredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), width, height);
  window_ = CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, origin.x, origin.y, width,
                            height, nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return windowFailure;

  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != width || outer.bottom - outer.top != height) {
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);

  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlDescription& description = kWindowDescription.controls[i];
    const bool isEdit = description.kind == ControlKind::editBox;
    const Bounds& bounds = description.bounds;
    controls_[i] = CreateWindowExW(
        isEdit ? WS_EX_CLIENTEDGE : 0, isEdit ? L"EDIT" : L"BUTTON",
        fromUtf8(description.text).c_str(), isEdit ? kEditStyle : kButtonStyle, scaled(bounds.left),
        scaled(bounds.top), scaled(bounds.width), scaled(bounds.height), window_,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(i + 1)), instance_, nullptr);
    if (controls_[i] == nullptr) return L"无法创建控件“" + fromUtf8(description.name) + L"”。";
    if (isEdit) SendMessageW(controls_[i], EM_SETLIMITTEXT, 0, 0);
    SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  }
  for (const HWND control : controls_) ShowWindow(control, SW_SHOWNA);

  bridge_.emplace(std::array{controls_[indexOf("编辑框1")], controls_[indexOf("编辑框2")]});

  // Activation gives the window the focus, which passes it on to 编辑框1.
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  return std::nullopt;
}

bool MainWindow::preTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;

  const Key key = message.wParam == VK_TAB      ? Key::tab
                  : message.wParam == VK_ESCAPE ? Key::escape
                                                : Key::other;
  const Modifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                            GetKeyState(VK_MENU) < 0};
  switch (keyAction(key, modifiers)) {
    case KeyAction::focusNext: moveFocus(FocusStep::next); return true;
    case KeyAction::focusPrevious: moveFocus(FocusStep::previous); return true;
    case KeyAction::closeWindow: SendMessageW(window_, WM_CLOSE, 0, 0); return true;
    case KeyAction::passOn: return false;
  }
  return false;
}

LRESULT CALLBACK MainWindow::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* self = static_cast<MainWindow*>(creation->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // No exception may cross the system's frames; running out of memory ends the program here.
  try {
    return self->handle(message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    endOutOfMemory(lastFailedAllocationSize());
  }
}

LRESULT MainWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        if (const auto index = controlIndex(reinterpret_cast<HWND>(lParam))) {
          runClickAction(kWindowDescription.controls[*index].click, *bridge_);
        }
      }
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (controlIndex(focus)) rememberedFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: restoreFocus(); return 0;
    case WM_SETFONT: font_ = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   scaled(kWindowDescription.outerWidth), scaled(kWindowDescription.outerHeight),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      placeControls();
      return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::placeControls() {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const Bounds& bounds = kWindowDescription.controls[i].bounds;
    SetWindowPos(controls_[i], nullptr, scaled(bounds.left), scaled(bounds.top),
                 scaled(bounds.width), scaled(bounds.height), SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

std::optional<std::size_t> MainWindow::controlIndex(HWND control) const {
  if (control == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] == control) return i;
  }
  return std::nullopt;
}

std::vector<std::size_t> MainWindow::currentFocusCycle() const {
  return focusCycle(kWindowDescription, [this](std::size_t i) {
    const HWND control = controls_[i];
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
  });
}

void MainWindow::moveFocus(FocusStep step) {
  // SetFocus alone: unlike dialog tabbing, it leaves an edit box's caret and selection alone.
  if (const auto next = stepFocus(currentFocusCycle(), controlIndex(GetFocus()), step)) {
    SetFocus(controls_[*next]);
  }
}

void MainWindow::restoreFocus() {
  HWND target = rememberedFocus_;
  rememberedFocus_ = nullptr;
  if (target == nullptr || !IsWindow(target) || !controlIndex(target)) {
    const auto cycle = currentFocusCycle();
    target = cycle.empty() ? nullptr : controls_[cycle.front()];
  }
  if (target != nullptr) SetFocus(target);
}

}  // namespace hexdec
