#include "shell/win32/win32_bridge.h"

#include <gtest/gtest.h>

#include <string>

namespace hexdec {
namespace {

// Two real edit boxes in a hidden window, as the main window makes them.
class Win32BridgeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(parent_, nullptr);
    for (HWND& edit : edits_) {
      edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 50,
                             20, parent_, nullptr, nullptr, nullptr);
      ASSERT_NE(edit, nullptr);
      SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    }
  }
  void TearDown() override { DestroyWindow(parent_); }

  std::wstring shown(HWND edit) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), text.size())));
    return text;
  }

  HWND parent_ = nullptr;
  std::array<HWND, 2> edits_{};
};

TEST_F(Win32BridgeTest, ReadsWhatTheBoxHoldsAsCodePage936) {
  Win32Bridge bridge(edits_);
  EXPECT_EQ(bridge.readText(EditBox::编辑框1), "");
  SetWindowTextW(edits_[0], L" \uFF11\uFF12 \u4E2D\U0001F600");
  EXPECT_EQ(bridge.readText(EditBox::编辑框1), " \xA3\xB1\xA3\xB2 \xD6\xD0?");
  EXPECT_EQ(bridge.readText(EditBox::编辑框2), "");
}

TEST_F(Win32BridgeTest, ReadsALongTextWhole) {
  const std::wstring text(20000, L'\uFF19');
  SetWindowTextW(edits_[0], text.c_str());
  const Text read = Win32Bridge(edits_).readText(EditBox::编辑框1);
  ASSERT_EQ(read.size(), 40000U);
  EXPECT_EQ(read.substr(39998), "\xA3\xB9");
}

TEST_F(Win32BridgeTest, WritesReplaceTheWholeText) {
  Win32Bridge bridge(edits_);
  bridge.writeText(EditBox::编辑框2, "12345678");
  bridge.writeText(EditBox::编辑框2, "-1");
  EXPECT_EQ(shown(edits_[1]), L"-1");
  bridge.writeText(EditBox::编辑框2, "\xD6\xD0");
  EXPECT_EQ(shown(edits_[1]), L"\u4E2D");
  bridge.writeText(EditBox::编辑框2, "");
  EXPECT_EQ(shown(edits_[1]), L"");
  EXPECT_EQ(shown(edits_[0]), L"");
}

}  // namespace
}  // namespace hexdec
