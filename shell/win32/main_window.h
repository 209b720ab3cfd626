#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "shell/win32/win32_bridge.h"
#include "shell/window_rules.h"

namespace hexdec {

// The program's one window, built from kWindowDescription.
class MainWindow {
 public:
  explicit MainWindow(HINSTANCE instance) : instance_(instance) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden and centred, its controls in description order, then shows and
  // activates it. Returns what could not be created, or nothing when all went well.
  std::optional<std::wstring> build();

  // The keyboard rules, applied to a message before it is dispatched: true when they used it.
  bool preTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

  int scaled(int pixels) const { return MulDiv(pixels, static_cast<int>(dpi_), 96); }
  void placeControls();
  std::optional<std::size_t> controlIndex(HWND control) const;
  std::vector<std::size_t> currentFocusCycle() const;
  void moveFocus(FocusStep step);
  void restoreFocus();

  HINSTANCE instance_;
  UINT dpi_ = 96;
  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  std::array<HWND, 4> controls_{};  // in description order
  HWND rememberedFocus_ = nullptr;
  std::optional<Win32Bridge> bridge_;
};

}  // namespace hexdec
