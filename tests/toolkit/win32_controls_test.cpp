// The Windows backend's forms on a display: the system's controls as child windows, their
// notifications given to the toolkit's handlers, and a handler that throws kept from the system's
// message dispatch. Needs a display (under Wine: xvfb-run).
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/needed_display.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/widgets.h"

namespace {

class TestForm : public toolkit::Form {
 public:
  TestForm()
      : toolkit::Form("test_form", toolkit::FormStyle::dialog),
        name(this, "name"),
        ok(this, "ok"),
        fail(this, "fail") {
    set_client_size(200, 80);
    name.set_bounds({8, 8, 160, 21});
    ok.set_bounds({8, 40, 75, 25});
    ok.set_caption(u"OK");
    fail.set_bounds({96, 40, 75, 25});
    fail.set_caption(u"Fail");
  }
  toolkit::ComboBox name;
  toolkit::Button ok;
  toolkit::Button fail;
};

class Win32Controls : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::initialize();
    TORV_NEEDS_WINDOWS();
    window_ = static_cast<HWND>(form_.window_handle());
    form_.show();
  }
  void TearDown() override { toolkit::finalize(); }

  HWND window_of(const toolkit::Control& control) {
    for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetWindowLongPtrW(child, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(&control)) return child;
    }
    return nullptr;
  }

  TestForm form_;
  HWND window_ = nullptr;
};

TEST_F(Win32Controls, EveryControlIsAChildWindowOfTheSystemsClass) {
  wchar_t name[64] = {};
  GetClassNameW(window_of(form_.ok), name, 64);
  EXPECT_STREQ(name, L"Button");
  GetClassNameW(window_of(form_.name), name, 64);
  EXPECT_STREQ(name, L"ComboBox");
  EXPECT_TRUE(GetWindowLongW(window_of(form_.ok), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(Win32Controls, AHandlerThatThrowsEndsThereAndTheFormGoesOn) {
  int clicks = 0;
  form_.fail.on_click = [] { throw std::runtime_error("a handler fails"); };
  form_.ok.on_click = [&clicks] { ++clicks; };
  SendMessageW(window_of(form_.fail), BM_CLICK, 0, 0);
  SendMessageW(window_of(form_.ok), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
}

TEST_F(Win32Controls, TheFieldsEditsReachTheHandlerWhichMayCleanThemKeepingTheCaret) {
  form_.name.on_change = [this] {
    std::u16string cleaned;
    for (const char16_t c : form_.name.text()) {
      if (c != u',') cleaned += c;
    }
    if (cleaned == form_.name.text()) return;
    const std::size_t caret = form_.name.caret() - 1;
    form_.name.set_text(cleaned);
    form_.name.set_selection(caret, caret);
  };
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(window_of(form_.name), &info));
  for (const wchar_t c : std::wstring(L"ab")) SendMessageW(info.hwndItem, WM_CHAR, c, 1);
  SendMessageW(info.hwndItem, EM_SETSEL, 1, 1);
  SendMessageW(info.hwndItem, WM_CHAR, L',', 1);
  SendMessageW(info.hwndItem, WM_CHAR, L'x', 1);
  EXPECT_EQ(form_.name.text(), u"axb");
  wchar_t shown[16] = {};
  GetWindowTextW(info.hwndItem, shown, 16);
  EXPECT_STREQ(shown, L"axb");
}

TEST_F(Win32Controls, TheWaitCursorGivesBackTheCursorThatWasShowing) {
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  SetCursor(hand);
  {
    const toolkit::CursorWait wait;
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  }
  EXPECT_EQ(GetCursor(), hand);
}

}  // namespace
