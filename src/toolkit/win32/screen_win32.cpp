// The screen on Windows: the cursor, the work area, and the process's windows as a list.
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/form_input.h"

namespace toolkit::backend {
namespace {

Cursor current_cursor = Cursor::normal;
// The cursor that showed before the wait cursor, given back when the wait ends.
HCURSOR cursor_before_wait = nullptr;

std::string utf8(const std::wstring& text) {
  return platform::to_utf8(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

std::string class_of(HWND window) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(window, name, 256);
  return utf8(std::wstring(name, static_cast<std::size_t>(std::max(length, 0))));
}

std::string text_of(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return utf8(text);
}

BOOL CALLBACK list_window(HWND window, LPARAM l) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != GetCurrentProcessId()) return TRUE;
  auto& out = *reinterpret_cast<std::string*>(l);
  out += class_of(window) + '\t' + text_of(window) + '\t' + (IsWindowVisible(window) ? "visible" : "hidden") +
         '\t' + (IsWindowEnabled(window) ? "enabled" : "disabled") + '\n';
  return TRUE;
}

}  // namespace

std::string window_list() {
  std::string out;
  EnumWindows(&list_window, reinterpret_cast<LPARAM>(&out));
  const HWND focus = GetFocus();
  out += "focus\t" + (focus != nullptr ? class_of(focus) + '\t' + text_of(focus) : std::string("\t")) + '\n';
  return out;
}

Cursor screen_cursor() { return current_cursor; }

// Keys typed to a form without a window (no display) come through the toolkit's own input.
bool shift_key_down() { return GetKeyState(VK_SHIFT) < 0 || stroke_shift_down(); }

// The key message's own time, which wraps after 49 days (a list then starts its typed name anew).
std::int64_t key_time_ms() {
  return static_cast<std::int64_t>(static_cast<DWORD>(GetMessageTime())) + stroke_pauses_ms();
}

void set_screen_cursor(Cursor cursor) {
  if (cursor == current_cursor) return;
  current_cursor = cursor;
  if (cursor == Cursor::wait) {
    cursor_before_wait = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  } else {
    SetCursor(cursor_before_wait);
  }
}

Rect screen_area() {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

}  // namespace toolkit::backend
