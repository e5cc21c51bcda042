// The grid's window class: a child window that takes the focus, the mouse and the keys of the
// toolkit's grid, with the system's vertical scroll bar, painted with GDI+.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "toolkit/draw_grid.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win32/activation_context.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/dpi_functions.h"
#include "toolkit/win32/gdiplus_painter.h"
#include "toolkit/win32/grid_accessible.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

// The item the desktop chooses from the next context menu, by the menu's own keys.
std::string desktop_menu_choice;

// Per grid window: the tooltip that shows a cut cell's whole text, the cell it shows it for, and
// the wheel's turn not yet scrolled (a touchpad sends small parts of a notch).
struct GridExtras {
  HWND tooltip = nullptr;
  std::pair<int, int> tip_cell{-1, -1};
  int wheel_rest = 0;
};

std::map<HWND, GridExtras>& extras() {
  static std::map<HWND, GridExtras> all;
  return all;
}

DrawGrid* grid_of(HWND window) { return dynamic_cast<DrawGrid*>(control_of(window)); }

// A point of the window's client area in the grid's 96-dpi coordinates, which count its border.
Point grid_point(HWND window, LPARAM l) {
  const int dpi = dpi_of(window);
  return {unscaled(static_cast<short>(LOWORD(l)), dpi) + DrawGrid::border,
          unscaled(static_cast<short>(HIWORD(l)), dpi) + DrawGrid::border};
}

void paint(HWND window, DrawGrid& grid, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  // Drawn off screen first, so the grid does not flicker while it is painted.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap =
      CreateCompatibleBitmap(dc, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  const int dpi = dpi_of(window);
  {
    GdiPlusPainter painter(memory, dpi);
    painter.set_origin({-DrawGrid::border, -DrawGrid::border});
    grid.paint(painter, GetFocus() == window);
  }
  if (GetFocus() == window && grid.row_count() > grid.fixed_rows() && grid.row() >= grid.top_row()) {
    const Rect current = scaled(grid.current_rect(), dpi);
    const int border = scaled(DrawGrid::border, dpi);
    RECT focus{current.left - border, current.top - border, current.right() - border,
               current.bottom() - border};
    SetTextColor(memory, RGB(0, 0, 0));
    DrawFocusRect(memory, &focus);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void scroll(DrawGrid& grid, WORD request) {
  const int top = grid.top_row();
  const int page = grid.visible_rows();
  switch (request) {
    case SB_LINEUP: grid.scroll_to(top - 1); break;
    case SB_LINEDOWN: grid.scroll_to(top + 1); break;
    case SB_PAGEUP: grid.scroll_to(top - page); break;
    case SB_PAGEDOWN: grid.scroll_to(top + page); break;
    case SB_TOP: grid.scroll_to(grid.fixed_rows()); break;
    case SB_BOTTOM: grid.scroll_to(grid.row_count()); break;
    default: break;
  }
}

void track_thumb(HWND window, DrawGrid& grid) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  GetScrollInfo(window, SB_VERT, &info);
  grid.scroll_to(grid.fixed_rows() + info.nTrackPos);
}

std::optional<Key> key_of(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_UP: return Key::up;
    case VK_DOWN: return Key::down;
    case VK_LEFT: return Key::left;
    case VK_RIGHT: return Key::right;
    case VK_HOME: return Key::home;
    case VK_END: return Key::end;
    case VK_PRIOR: return Key::page_up;
    case VK_NEXT: return Key::page_down;
    case VK_INSERT: return Key::insert;
    case VK_DELETE: return Key::del;
    case VK_F2: return Key::f2;
    default: return std::nullopt;
  }
}

// The keys the grid keeps from the keyboard's dialog handling: arrows and characters, and Enter
// when the grid has a use for it.
LRESULT dialog_code(const DrawGrid& grid, LPARAM l) {
  const auto* message = reinterpret_cast<const MSG*>(l);
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN &&
      grid.on_key_press)
    code |= DLGC_WANTMESSAGE;
  return code;
}

HWND tooltip_of(HWND window) {
  GridExtras& extra = extras()[window];
  if (extra.tooltip != nullptr && IsWindow(extra.tooltip)) return extra.tooltip;
  // Owned by the form, so that it goes with the form's window.
  const ActivatedContext common_controls;
  extra.tooltip =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      GetAncestor(window, GA_ROOT), nullptr, this_module(), nullptr);
  if (extra.tooltip == nullptr) return nullptr;
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = const_cast<wchar_t*>(L"");
  SendMessageW(extra.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(extra.tooltip, TTM_SETMAXTIPWIDTH, 0, scaled(400, dpi_of(window)));
  return extra.tooltip;
}

// The tooltip follows the mouse from cell to cell: a cut text's whole text, else the cell's hint.
void follow_mouse(HWND window, const DrawGrid& grid, LPARAM l) {
  int col = -1;
  int row = -1;
  if (!grid.cell_at(grid_point(window, l), col, row)) col = row = -1;
  GridExtras& extra = extras()[window];
  if (extra.tip_cell == std::pair{col, row}) return;
  extra.tip_cell = {col, row};
  HWND tooltip = tooltip_of(window);
  if (tooltip == nullptr) return;
  std::wstring text;
  if (col >= 0) {
    const std::u16string whole = grid.cell_hint(col, row);
    text.assign(whole.begin(), whole.end());
  }
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text.data();
  SendMessageW(tooltip, TTM_POP, 0, 0);
  SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Rows for the wheel's turn, at the user's lines per notch; a page for a setting of "one screen".
int wheel_rows(HWND window, const DrawGrid& grid, int delta) {
  UINT lines = 3;
  if (!SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) lines = 3;
  if (lines == 0) return 0;
  const int per_notch = lines == WHEEL_PAGESCROLL ? grid.visible_rows() : static_cast<int>(lines);
  GridExtras& extra = extras()[window];
  // A turn toward the user scrolls down; what does not make a whole row waits for the next turn.
  extra.wheel_rest -= delta * per_notch;
  const int rows = extra.wheel_rest / WHEEL_DELTA;
  extra.wheel_rest -= rows * WHEEL_DELTA;
  return rows;
}

LRESULT grid_message(HWND window, DrawGrid& grid, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      paint(window, grid, dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: paint(window, grid, reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_GETOBJECT: return answer_get_object(window, w, l);
    case grid_changes_message: tell_grid_changes(window, grid); return 0;
    case WM_SETFOCUS: announce_focused_row(window, grid); [[fallthrough]];
    case WM_KILLFOCUS: InvalidateRect(window, nullptr, FALSE); return 0;
    case WM_GETDLGCODE: return dialog_code(grid, l);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      SetFocus(window);
      grid.mouse_down(message == WM_LBUTTONDOWN ? MouseButton::left : MouseButton::right,
                      grid_point(window, l));
      return 0;
    case WM_LBUTTONDBLCLK: grid.double_click(); return 0;
    case WM_MOUSEWHEEL:
      if (const int rows = wheel_rows(window, grid, GET_WHEEL_DELTA_WPARAM(w)); rows != 0) grid.wheel(rows);
      return 0;
    case WM_MOUSEMOVE: follow_mouse(window, grid, l); break;
    case WM_VSCROLL:
      if (LOWORD(w) == SB_THUMBTRACK || LOWORD(w) == SB_THUMBPOSITION) {
        track_thumb(window, grid);
      } else {
        scroll(grid, LOWORD(w));
      }
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // The menu key and Shift+F10 open the menu as they go down; their release opens nothing more.
      if (w == VK_APPS || (w == VK_F10 && GetKeyState(VK_SHIFT) < 0)) {
        show_context_menu(window, grid, nullptr);
        return 0;
      }
      if (message == WM_SYSKEYDOWN) break;
      // Ctrl+Space is a key of the grid's own, not Space.
      if (w == VK_SPACE && GetKeyState(VK_CONTROL) < 0) {
        grid.key_down(Key::space);
        return 0;
      }
      if (const std::optional<Key> key = key_of(w)) grid.key_down(*key);
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (w == VK_APPS || (w == VK_F10 && GetKeyState(VK_SHIFT) < 0)) return 0;
      break;
    case WM_CHAR:
      if (w != VK_SPACE || GetKeyState(VK_CONTROL) >= 0) grid.key_press(static_cast<char16_t>(w));
      return 0;
    case WM_CONTEXTMENU: {
      // From the keyboard (the menu key, Shift+F10) the point is -1, -1: the menu opens at the cell.
      if (l == -1) {
        show_context_menu(window, grid, nullptr);
      } else {
        POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
        ScreenToClient(window, &at);
        show_context_menu(window, grid, &at);
      }
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

LRESULT CALLBACK grid_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  // The form forgets its controls before their windows go, so these come without a grid: what the
  // window kept (its extras, the row last announced) goes with it.
  if (message == WM_DESTROY) extras().erase(window);
  if (message == WM_NCDESTROY) forget_announced_row(window);
  DrawGrid* grid = grid_of(window);
  if (grid == nullptr) return DefWindowProcW(window, message, w, l);
  return guarded<LRESULT>(0, [&] { return grid_message(window, *grid, message, w, l); });
}

void update_scroll_bar(HWND window, const DrawGrid& grid) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(grid.row_count() - grid.fixed_rows() - 1, 0);
  info.nPage =
      grid.scroll_bar_shown() ? static_cast<UINT>(grid.visible_rows()) : static_cast<UINT>(info.nMax + 1);
  info.nPos = grid.top_row() - grid.fixed_rows();
  SetScrollInfo(window, SB_VERT, &info, TRUE);
}

void choose_from_next_menu(const std::string& item) { desktop_menu_choice = item; }

void show_context_menu(HWND window, DrawGrid& grid, const POINT* at) {
  PopupMenu* menu = grid.popup_menu;
  if (menu == nullptr) return;
  // The menu stands at the window's pixels, also when the desktop opens it from outside the window.
  const PerMonitorAware aware;
  POINT screen{};
  if (at != nullptr) {
    screen = *at;
  } else {
    const Rect cell = scaled(grid.cell_rect(0, grid.row()), dpi_of(window));
    screen = {cell.left + cell.width / 2, cell.top + cell.height / 2};
  }
  ClientToScreen(window, &screen);
  menu->popup();
  HMENU native = CreatePopupMenu();
  const auto& items = menu->items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = *items[i];
    if (item.separator) {
      AppendMenuW(native, MF_SEPARATOR, 0, nullptr);
    } else {
      // The system's menu shows what follows a tab as the entry's key, at the right.
      const std::u16string shown =
          item.shortcut.empty() ? item.caption : item.caption + u'\t' + item.shortcut;
      const std::wstring caption(shown.begin(), shown.end());
      AppendMenuW(native, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), i + 1, caption.c_str());
    }
  }
  // The menu belongs to the form's window, which takes the keyboard while the menu is open.
  const HWND owner = GetAncestor(window, GA_ROOT);
  if (!desktop_menu_choice.empty()) {
    post_menu_keys(owner, *menu, desktop_menu_choice);
    desktop_menu_choice.clear();
  }
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(native, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr));
  DestroyMenu(native);
  if (chosen > 0 && chosen <= items.size()) menu->choose(*items[chosen - 1]);
}

}  // namespace toolkit::win32
