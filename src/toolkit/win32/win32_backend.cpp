// The Win32 backend: each form is a native top-level window (a tool window owned by the viewer's
// main window, or a dialog) whose light widgets are painted with GDI+ and take the window's mouse
// and keys. File dialogs and message boxes are the system's; when the program that loaded the
// plug-in offers a desktop (the stand-in viewer), its queue's answers and its user's input are
// given to the real windows by messages, and message boxes are told to the desktop and, on a
// display, shown and confirmed.
// windows.h first: commdlg.h needs its types.
#include <windows.h>

#include <commdlg.h>

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/form_painter.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/gdiplus_painter.h"

namespace toolkit::backend {
namespace {

constexpr wchar_t window_class[] = L"TorvForm";

std::unordered_map<Form*, HWND>& windows() {
  static std::unordered_map<Form*, HWND> all;
  return all;
}

// Set while the backend moves a window itself, so that the window's own size and move messages do
// not come back as changes of the form.
bool moving_window = false;
Cursor current_cursor = Cursor::normal;
// The item the desktop chooses from the next context menu, by the menu's own keys.
std::string desktop_menu_choice;

HWND window_of(Form& form) {
  const auto found = windows().find(&form);
  return found != windows().end() ? found->second : nullptr;
}

Form* form_of(HWND window) { return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

DWORD style_of(const Form& form) {
  return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
         (form.style() == FormStyle::tool_window ? WS_THICKFRAME : DWORD{0});
}

DWORD extended_style_of(const Form& form) {
  return form.style() == FormStyle::tool_window ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME;
}

// A mouse message's point, in the form's 96-dpi coordinates.
Point point_of(LPARAM l) {
  return {win32::unscaled(static_cast<short>(LOWORD(l))), win32::unscaled(static_cast<short>(HIWORD(l)))};
}

// The frame a window of the form's style adds around its client area, in the screen's pixels.
SIZE native_frame(const Form& form) {
  RECT r{0, 0, 0, 0};
  AdjustWindowRectEx(&r, style_of(form), FALSE, extended_style_of(form));
  return {r.right - r.left, r.bottom - r.top};
}

// The window's size for a form size at 96 dpi (frame included): the client area scaled, the
// frame as the system draws it.
SIZE native_size(const Form& form, int width, int height) {
  const SIZE frame = native_frame(form);
  return {win32::scaled(width - backend::frame_width(form)) + frame.cx,
          win32::scaled(height - backend::frame_height(form)) + frame.cy};
}

void paint(Form& form, HDC dc) {
  const Rect client = win32::scaled(form.client_rect());
  // Drawn off screen first, so the panel does not flicker while it is painted.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max(client.width, 1), std::max(client.height, 1));
  HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
  {
    win32::GdiPlusPainter painter(memory);
    paint_form(form, painter);
  }
  BitBlt(dc, 0, 0, client.width, client.height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old_bitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
}

void show_context_menu(HWND window, Form& form, Point point) {
  PopupMenu* menu = context_menu_at(form, point);
  if (menu == nullptr) return;
  menu->popup();
  HMENU native = CreatePopupMenu();
  const auto& items = menu->items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuItem& item = *items[i];
    if (item.separator) {
      AppendMenuW(native, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(native, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), i + 1,
                  reinterpret_cast<const wchar_t*>(item.caption.c_str()));
    }
  }
  if (!desktop_menu_choice.empty()) {
    win32::post_menu_keys(window, *menu, desktop_menu_choice);
    desktop_menu_choice.clear();
  }
  POINT screen{win32::scaled(point.x), win32::scaled(point.y)};
  ClientToScreen(window, &screen);
  const auto chosen = static_cast<std::size_t>(
      TrackPopupMenu(native, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window, nullptr));
  DestroyMenu(native);
  if (chosen > 0 && chosen <= items.size()) menu->choose(*items[chosen - 1]);
}

// The keys the grid takes, and their virtual-key codes.
constexpr std::pair<Key, WPARAM> virtual_keys[] = {{Key::up, VK_UP},     {Key::down, VK_DOWN},
                                                   {Key::left, VK_LEFT}, {Key::right, VK_RIGHT},
                                                   {Key::home, VK_HOME}, {Key::end, VK_END}};

std::optional<Key> key_of(WPARAM virtual_key) {
  for (const auto& [key, code] : virtual_keys) {
    if (code == virtual_key) return key;
  }
  return std::nullopt;
}

WPARAM virtual_key_of(Key key) {
  for (const auto& [known, code] : virtual_keys) {
    if (known == key) return code;
  }
  return 0;
}

// The form's bounds from its window, after the user moved or sized it.
void take_window_bounds(HWND window, Form& form) {
  RECT r{};
  GetWindowRect(window, &r);
  RECT client{};
  GetClientRect(window, &client);
  moving_window = true;
  form.set_bounds({r.left, r.top, win32::unscaled(client.right) + frame_width(form),
                   win32::unscaled(client.bottom) + frame_height(form)});
  moving_window = false;
}

LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  Form* form = form_of(window);
  if (form == nullptr) return DefWindowProcW(window, message, w, l);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      paint(*form, dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: paint(*form, reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
    case WM_MOVE:
      if (!moving_window) take_window_bounds(window, *form);
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(l);
      const SIZE minimum = native_size(*form, form->minimum_width(), form->minimum_height());
      limits->ptMinTrackSize = {minimum.cx, minimum.cy};
      return 0;
    }
    case WM_CLOSE: form->close(); return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      SetFocus(window);
      press_mouse(*form, message == WM_LBUTTONDOWN ? MouseButton::left : MouseButton::right, point_of(l));
      return 0;
    case WM_LBUTTONDBLCLK: double_click(*form, point_of(l)); return 0;
    case WM_RBUTTONUP: show_context_menu(window, *form, point_of(l)); return 0;
    case WM_MOUSEWHEEL: {
      // The wheel's point is on the screen; three rows a notch, downward for a turn toward the user.
      POINT at{static_cast<short>(LOWORD(l)), static_cast<short>(HIWORD(l))};
      ScreenToClient(window, &at);
      turn_wheel(*form, {win32::unscaled(at.x), win32::unscaled(at.y)},
                 -3 * GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA);
      return 0;
    }
    case WM_KEYDOWN:
      if (const std::optional<Key> key = key_of(w)) press_key(*form, *key);
      return 0;
    case WM_CHAR: type_character(*form, static_cast<char16_t>(w)); return 0;
    case win32::desktop_answer_message: win32::finish_desktop_answer(window, *form, w != 0); return 0;
    case WM_SETCURSOR:
      if (current_cursor == Cursor::wait && LOWORD(l) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    default: break;
  }
  return DefWindowProcW(window, message, w, l);
}

HINSTANCE this_module() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&window_procedure), &module);
  return module;
}

HWND create_window(Form& form) {
  const HWND owner = static_cast<HWND>(form.owner_window());
  const SIZE size = native_size(form, form.width(), form.height());
  HWND window = CreateWindowExW(extended_style_of(form), window_class,
                                reinterpret_cast<const wchar_t*>(form.caption().c_str()), style_of(form),
                                form.left(), form.top(), size.cx, size.cy, IsWindow(owner) ? owner : nullptr,
                                nullptr, this_module(), nullptr);
  if (window == nullptr) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
  windows()[&form] = window;
  return window;
}

// Converts the toolkit's "description|pattern|..." filter into the double-NUL-ended list.
std::wstring native_filter(const std::u16string& filter) {
  std::wstring native(filter.begin(), filter.end());
  for (wchar_t& c : native) {
    if (c == L'|') c = L'\0';
  }
  native.append(2, L'\0');
  return native;
}

}  // namespace

void initialize() {
  win32::start_gdiplus();
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.style = CS_DBLCLKS;
  description.lpfnWndProc = &window_procedure;
  description.hInstance = this_module();
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.lpszClassName = window_class;
  RegisterClassExW(&description);
  desktop::connect_desktop();
}

void finalize() {
  desktop::disconnect_desktop();
  UnregisterClassW(window_class, this_module());
  win32::stop_gdiplus();
}

void form_created(Form&) {}

void form_destroyed(Form& form) {
  if (HWND window = window_of(form)) {
    // The form is half gone by now: the messages DestroyWindow sends must not reach it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
  windows().erase(&form);
}

void form_changed(Form& form) {
  if (moving_window) return;
  HWND window = window_of(form);
  if (window == nullptr && !form.visible()) return;
  if (window == nullptr && (window = create_window(form)) == nullptr) return;
  moving_window = true;
  SetWindowTextW(window, reinterpret_cast<const wchar_t*>(form.caption().c_str()));
  const SIZE size = native_size(form, form.width(), form.height());
  SetWindowPos(window, nullptr, form.left(), form.top(), size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  moving_window = false;
  ShowWindow(window, form.visible() ? SW_SHOW : SW_HIDE);
  InvalidateRect(window, nullptr, FALSE);
}

void invalidate(Control& control) {
  if (Form* form = control.form()) {
    if (HWND window = window_of(*form)) InvalidateRect(window, nullptr, FALSE);
  }
}

void* window_handle(Form& form) {
  HWND window = window_of(form);
  return window != nullptr ? window : create_window(form);
}

void send_input(Form& form, const UserInput& input) {
  const HWND window = window_of(form);
  if (window == nullptr) return take_input(form, input);
  const LPARAM at = MAKELPARAM(win32::scaled(input.point.x), win32::scaled(input.point.y));
  switch (input.kind) {
    case UserInput::Kind::press:
      if (input.button == MouseButton::left) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, 0, at);
      } else {
        // The press only: its release opens the context menu.
        SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
      }
      break;
    case UserInput::Kind::double_click:
      SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageW(window, WM_LBUTTONUP, 0, at);
      break;
    case UserInput::Kind::key: SendMessageW(window, WM_KEYDOWN, virtual_key_of(input.key), 1); break;
    case UserInput::Kind::character: SendMessageW(window, WM_CHAR, input.character, 1); break;
  }
}

void choose_from_context_menu(Form& form, Point point, const std::string& item) {
  const HWND window = window_of(form);
  if (window == nullptr) {
    // Without a display there is no menu to open: the item is chosen from the toolkit's menu.
    press_mouse(form, MouseButton::right, point);
    if (PopupMenu* menu = context_menu_at(form, point)) {
      menu->popup();
      if (MenuItem* chosen = menu->find(item)) menu->choose(*chosen);
    }
    return;
  }
  desktop_menu_choice = item;
  const LPARAM at = MAKELPARAM(win32::scaled(point.x), win32::scaled(point.y));
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
  SendMessageW(window, WM_RBUTTONUP, 0, at);
  desktop_menu_choice.clear();
}

void run_modal(Form& form) {
  if (desktop::desktop_offered()) {
    const HWND window = window_of(form);
    // Without a display there is no window to type into: the answer goes to the form itself.
    if (window == nullptr) return desktop::answer_form(form);
    win32::post_desktop_answer(window, form);
  }
  const HWND owner = static_cast<HWND>(form.owner_window());
  const bool disable_owner = IsWindow(owner) && IsWindowEnabled(owner);
  if (disable_owner) EnableWindow(owner, FALSE);
  MSG message;
  while (form.visible() && form.modal_result() == ModalResult::none) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Somebody asked the application to end: the dialog is cancelled and the request passed on.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (disable_owner) EnableWindow(owner, TRUE);
}

bool run_file_dialog(FileDialog& dialog, Form* parent) {
  const HWND owner = parent != nullptr ? static_cast<HWND>(parent->window_handle()) : nullptr;
  const bool driven = desktop::desktop_offered();
  // Without a display there is no dialog to fill in: the answer goes to the request itself.
  if (driven && owner == nullptr) return desktop::answer_file_dialog(dialog);
  const std::wstring filter = native_filter(dialog.filter);
  std::vector<wchar_t> file(32768, L'\0');
  const std::wstring proposed(dialog.file_name.begin(), dialog.file_name.end());
  proposed.copy(file.data(), std::min(proposed.size(), file.size() - 1));
  const std::wstring initial_dir(dialog.initial_dir.begin(), dialog.initial_dir.end());
  OPENFILENAMEW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.lpstrFilter = filter.c_str();
  request.lpstrFile = file.data();
  request.nMaxFile = static_cast<DWORD>(file.size());
  request.lpstrInitialDir = initial_dir.empty() ? nullptr : initial_dir.c_str();
  request.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER |
                  (dialog.kind() == FileDialogKind::open ? OFN_FILEMUSTEXIST : 0);
  win32::FileDialogAnswer answer;
  if (driven) {
    answer = win32::take_file_dialog_answer(dialog.kind() == FileDialogKind::open);
    win32::drive_file_dialog(request, answer);
  }
  const BOOL confirmed =
      dialog.kind() == FileDialogKind::open ? GetOpenFileNameW(&request) : GetSaveFileNameW(&request);
  if (!confirmed) return false;
  dialog.file_name = std::u16string(reinterpret_cast<const char16_t*>(file.data()));
  return true;
}

void show_message(void* owner_window, std::u16string_view text, std::u16string_view caption,
                  MessageIcon icon) {
  const HWND owner = static_cast<HWND>(owner_window);
  if (desktop::desktop_offered()) {
    desktop::desktop_message(platform::to_utf8(caption), platform::to_utf8(text), static_cast<int>(icon));
    // Without a display there is no box to show; on one, the real box is shown and confirmed.
    if (!IsWindow(owner)) return;
    win32::confirm_next_message_box();
  }
  static constexpr UINT icons[] = {0, MB_ICONINFORMATION, MB_ICONWARNING, MB_ICONERROR};
  const std::u16string text_z(text);
  const std::u16string caption_z(caption);
  MessageBoxW(IsWindow(owner) ? owner : nullptr, reinterpret_cast<const wchar_t*>(text_z.c_str()),
              reinterpret_cast<const wchar_t*>(caption_z.c_str()), MB_OK | icons[static_cast<int>(icon)]);
}

Cursor screen_cursor() { return current_cursor; }

void set_screen_cursor(Cursor cursor) {
  current_cursor = cursor;
  SetCursor(LoadCursorW(nullptr, cursor == Cursor::wait ? IDC_WAIT : IDC_ARROW));
}

Rect screen_area() {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right - work.left, work.bottom - work.top};
}

// The frame in 96-dpi pixels, so that a form's size less its frame is its client area at 96 dpi.
int frame_width(const Form& form) { return win32::unscaled(native_frame(form).cx); }

int frame_height(const Form& form) { return win32::unscaled(native_frame(form).cy); }

}  // namespace toolkit::backend
