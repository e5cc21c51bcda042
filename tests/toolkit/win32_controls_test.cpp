// The Windows backend's forms on a display: the system's controls as child windows, their
// notifications given to the toolkit's handlers, and a handler that throws kept from the system's
// message dispatch. Needs a display (under Wine: xvfb-run).
#include <windows.h>

#include <colordlg.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "support/needed_display.h"
#include "toolkit/argb_text.h"
#include "toolkit/color_form.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/popup_menu.h"
#include "toolkit/shown_text.h"
#include "toolkit/widgets.h"

namespace {

// WM_MOUSEWHEEL's wParam: the turn as a signed 16-bit word in the high word. Built by hand because
// MAKEWPARAM of a negative turn overflows a signed LONG in the 64-bit headers.
WPARAM wheel_turn(int delta) {
  return static_cast<WPARAM>(static_cast<WORD>(static_cast<SHORT>(delta))) << 16;
}

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

// The forms' scale: each window at its monitor's dpi, and at the one WM_DPICHANGED brings it.

template <class Function>
Function user32_function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int screen_dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

HWND child_of(HWND form, const toolkit::Control& control) {
  for (HWND child = GetWindow(form, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (GetWindowLongPtrW(child, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(&control)) return child;
  }
  return nullptr;
}

SIZE client_size(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

LONG font_height(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

RECT place_on_form(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void tell_dpi(HWND window, int dpi, RECT suggested) {
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(Win32Controls, AFormTakesTheScaleOfItsOwnMonitorAndTheOthersKeepTheirs) {
  if (screen_dpi() != 96) GTEST_SKIP() << "the sizes are given at 96 dpi, the screen has " << screen_dpi();
  TestForm other;
  other.show();
  const HWND other_window = static_cast<HWND>(other.window_handle());
  tell_dpi(window_, 144, {40, 50, 500, 400});
  // At 150%, where the system suggests: the client area, the font and the controls 1.5 times as large.
  RECT placed{};
  GetWindowRect(window_, &placed);
  EXPECT_EQ(placed.left, 40);
  EXPECT_EQ(placed.top, 50);
  EXPECT_EQ(client_size(window_).cx, 300);
  EXPECT_EQ(client_size(window_).cy, 120);
  EXPECT_EQ(font_height(child_of(window_, form_.ok)), -17);
  const RECT ok = place_on_form(child_of(window_, form_.ok));
  EXPECT_EQ(ok.left, 12);
  EXPECT_EQ(ok.top, 60);
  EXPECT_EQ(ok.right, 125);
  EXPECT_EQ(ok.bottom, 98);
  // The form's size at 96 dpi stays what it was; the other form stays at 100%.
  EXPECT_EQ(form_.width(), other.width());
  EXPECT_EQ(form_.height(), other.height());
  EXPECT_EQ(client_size(other_window).cx, 200);
  EXPECT_EQ(client_size(other_window).cy, 80);
  EXPECT_EQ(font_height(child_of(other_window, other.ok)), -11);
  // Back on a monitor at 100%.
  tell_dpi(window_, 96, {60, 70, 300, 200});
  EXPECT_EQ(client_size(window_).cx, 200);
  EXPECT_EQ(client_size(window_).cy, 80);
  EXPECT_EQ(font_height(child_of(window_, form_.ok)), -11);
}

TEST_F(Win32Controls, AFormsWindowIsMadePerMonitorAwareAtItsMonitorsScaleLeavingTheThreadAsItWas) {
  const auto thread_context = user32_function<HANDLE(WINAPI*)()>("GetThreadDpiAwarenessContext");
  const auto window_context = user32_function<HANDLE(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
  const auto same = user32_function<BOOL(WINAPI*)(HANDLE, HANDLE)>("AreDpiAwarenessContextsEqual");
  const auto awareness = user32_function<int(WINAPI*)(HANDLE)>("GetAwarenessFromDpiAwarenessContext");
  const auto window_dpi = user32_function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (thread_context == nullptr || window_context == nullptr || same == nullptr || awareness == nullptr ||
      window_dpi == nullptr)
    GTEST_SKIP() << "the system has no per-monitor dpi";
  constexpr int per_monitor_aware = 2;  // DPI_AWARENESS_PER_MONITOR_AWARE
  const HANDLE before = thread_context();
  TestForm made;
  made.show();
  const HWND window = static_cast<HWND>(made.window_handle());
  EXPECT_TRUE(same(thread_context(), before));
  EXPECT_EQ(awareness(window_context(window)), per_monitor_aware);
  const int dpi = static_cast<int>(window_dpi(window));
  EXPECT_EQ(client_size(window).cx, MulDiv(200, dpi, 96));
  EXPECT_EQ(font_height(child_of(window, made.ok)), -MulDiv(11, dpi, 96));
}

// A form with a grid of 20 rows below its header, one column 80 wide, a long text in row 1.
class GridForm : public toolkit::Form {
 public:
  GridForm() : toolkit::Form("grid_form", toolkit::FormStyle::tool_window), grid(this, "grid") {
    set_client_size(200, 120);
    grid.set_bounds({0, 0, 200, 120});
    grid.set_col_count(1);
    grid.set_col_width(0, 80);
    grid.set_fixed_rows(1);
    grid.set_row_count(21);
    grid.on_draw_cell = [](toolkit::Canvas& canvas, int, int row, const toolkit::Rect& rect,
                           toolkit::CellState) {
      canvas.text_out(rect.left + 4, rect.top + 2, row == 1 ? long_name : u"Short");
    };
  }
  static constexpr const char16_t* long_name = u"R&D S\u00fcd, the northern wing in its second stage";
  toolkit::DrawGrid grid;
};

class Win32Grid : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::initialize();
    TORV_NEEDS_WINDOWS();
    HWND form = static_cast<HWND>(form_.window_handle());
    form_.show();
    grid_ = GetWindow(form, GW_CHILD);
    UpdateWindow(grid_);
  }
  void TearDown() override { toolkit::finalize(); }

  // The text of the tooltip that the grid's tool shows now.
  std::wstring tip_text() {
    const HWND form = static_cast<HWND>(form_.window_handle());
    std::wstring text(1024, L'\0');
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
      if (GetWindow(tip, GW_OWNER) != form) continue;
      TOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = grid_;
      tool.uId = reinterpret_cast<UINT_PTR>(grid_);
      tool.lpszText = text.data();
      SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
      return text.c_str();
    }
    return L"(no tooltip)";
  }
  void move_to_row(int row) {
    HDC screen = GetDC(nullptr);
    const int y = (1 + row * 19 + 9) * GetDeviceCaps(screen, LOGPIXELSY) / 96;
    ReleaseDC(nullptr, screen);
    SendMessageW(grid_, WM_MOUSEMOVE, 0, MAKELPARAM(20, y));
  }

  GridForm form_;
  HWND grid_ = nullptr;
};

TEST_F(Win32Grid, ACutCellShowsItsWholeTextInTheTooltipAndAWholeCellNone) {
  move_to_row(1);
  EXPECT_EQ(tip_text(), L"R&D S\u00fcd, the northern wing in its second stage");
  move_to_row(2);
  EXPECT_EQ(tip_text(), L"");
}

TEST_F(Win32Grid, TheMouseFindsTheRowsAtTheGridsOwnScale) {
  if (screen_dpi() != 96) GTEST_SKIP() << "the sizes are given at 96 dpi, the screen has " << screen_dpi();
  const HWND form = static_cast<HWND>(form_.window_handle());
  RECT place{};
  GetWindowRect(form, &place);
  tell_dpi(form, 144, place);
  // Row 1's middle, 29 pixels down at 96 dpi, is 43 at 150%, where row 2 would be at 96 dpi.
  SendMessageW(grid_, WM_MOUSEMOVE, 0, MAKELPARAM(20, 43));
  EXPECT_EQ(tip_text(), L"R&D S\u00fcd, the northern wing in its second stage");
}

TEST_F(Win32Grid, SmallWheelTurnsAddUpAtTheUsersLinesPerNotch) {
  UINT saved = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
  // Not stored: the setting is this session's only.
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, 1, nullptr, 0);
  const int top = form_.grid.top_row();
  for (int i = 0; i < 2; ++i) SendMessageW(grid_, WM_MOUSEWHEEL, wheel_turn(-WHEEL_DELTA / 3), 0);
  EXPECT_EQ(form_.grid.top_row(), top);
  SendMessageW(grid_, WM_MOUSEWHEEL, wheel_turn(-WHEEL_DELTA / 3), 0);
  EXPECT_EQ(form_.grid.top_row(), top + 1);
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, 4, nullptr, 0);
  SendMessageW(grid_, WM_MOUSEWHEEL, wheel_turn(-WHEEL_DELTA), 0);
  EXPECT_EQ(form_.grid.top_row(), top + 5);
  SendMessageW(grid_, WM_MOUSEWHEEL, wheel_turn(WHEEL_DELTA / 2), 0);
  EXPECT_EQ(form_.grid.top_row(), top + 3);
  SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
}

TEST_F(Win32Grid, ADialogNearTheLowerRightEdgeIsMovedInsideTheWorkAreaKeepingItsSize) {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  TestForm dialog;
  const HWND window = static_cast<HWND>(dialog.window_handle());
  dialog.set_position(work.right - 40, work.bottom - 20);
  RECT before{};
  GetWindowRect(window, &before);
  dialog.keep_inside_work_area();
  RECT after{};
  GetWindowRect(window, &after);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  EXPECT_EQ(after.right, work.right);
  EXPECT_EQ(after.bottom, work.bottom);
  // One that lies inside already stays where it is.
  dialog.set_position(work.left + 10, work.top + 10);
  dialog.keep_inside_work_area();
  GetWindowRect(window, &after);
  EXPECT_EQ(after.left, work.left + 10);
  EXPECT_EQ(after.top, work.top + 10);
}

TEST_F(Win32Grid, TheControlsAreTheCommonControls6WhateverTheProgramsManifest) {
  // Only the buttons of the common controls 6 know their ideal size.
  TestForm dialog;
  const HWND window = static_cast<HWND>(dialog.window_handle());
  SIZE ideal{};
  const HWND button = FindWindowExW(window, nullptr, L"Button", nullptr);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
}

// What a system dialog or menu of the thread showed, read and closed from inside its modal loop.
std::wstring menu_item;
bool picker_answered = false;

BOOL CALLBACK answer_picker(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wstring(name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  SetDlgItemInt(window, COLOR_RED, 10, FALSE);
  SetDlgItemInt(window, COLOR_GREEN, 20, FALSE);
  SetDlgItemInt(window, COLOR_BLUE, 30, FALSE);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
  picker_answered = true;
  return FALSE;
}

void CALLBACK read_menu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND menu_window = FindWindowW(L"#32768", nullptr);
  if (menu_window == nullptr) return;
  KillTimer(nullptr, timer);
  const auto menu = reinterpret_cast<HMENU>(SendMessageW(menu_window, MN_GETHMENU, 0, 0));
  wchar_t text[256] = {};
  GetMenuStringW(menu, 0, text, 256, MF_BYPOSITION);
  menu_item = text;
  EndMenu();
}

void CALLBACK pick_in_picker(HWND, UINT, UINT_PTR timer, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), &answer_picker, 0);
  if (picker_answered) KillTimer(nullptr, timer);
}

// The entry's access key stays one; the name's '&' and tab are shown as text; the key follows a tab.
TEST_F(Win32Grid, TheContextMenuShowsANameAsTextAndTheEntrysKey) {
  toolkit::PopupMenu menu;
  menu.add("menu_rename", u"&Rename: \"" + toolkit::menu_caption(u"R&D S\u00fcd\tLot 7") + u"\"").shortcut =
      u"F2";
  form_.grid.popup_menu = &menu;
  menu_item.clear();
  SetTimer(nullptr, 0, 50, &read_menu);
  SendMessageW(grid_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid_), -1);
  EXPECT_EQ(menu_item, L"&Rename: \"R&&D S\u00fcd Lot 7\"\tF2");
}

class Win32ColorPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    toolkit::initialize();
    TORV_NEEDS_WINDOWS();
  }
  void TearDown() override { toolkit::finalize(); }
};

TEST_F(Win32ColorPicker, DefineCustomColoursPicksRedGreenAndBlueInTheSystemsDialogKeepingTheAlpha) {
  toolkit::ColorDialog dialog;
  toolkit::ColorForm form(dialog);
  form.show();
  form.cmb_argb.set_text(u"");
  for (const char16_t c : std::u16string(u"80FF0000")) form.cmb_argb.type(c);
  picker_answered = false;
  SetTimer(nullptr, 0, 50, &pick_in_picker);
  form.btn_define.click();
  EXPECT_TRUE(picker_answered);
  // Red, green and blue from the picker, the alpha 80 from the field.
  EXPECT_EQ(toolkit::parse_argb_text(form.cmb_argb.text()), toolkit::Argb{0x800A141E});
}

}  // namespace
