// The forms' windows: a top-level window for each form, a child window from the system's class for
// each control on it, kept in step with the controls, and the window procedure that gives the
// controls' notifications to the toolkit's handlers.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/form_painter.h"
#include "toolkit/widgets.h"
#include "toolkit/win32/activation_context.h"
#include "toolkit/win32/button_icons.h"
#include "toolkit/win32/desktop_input.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/dpi_functions.h"
#include "toolkit/win32/form_font.h"
#include "toolkit/win32/grid_accessible.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/modal_windows.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

struct FormWindows {
  HWND window = nullptr;
  HWND tooltip = nullptr;
  std::unordered_map<const Control*, HWND> controls;
  // The hidden labels that name controls without a label of their own.
  std::unordered_map<const Control*, HWND> labels;
  int next_id = 100;
};

std::unordered_map<Form*, FormWindows>& native_forms() {
  static std::unordered_map<Form*, FormWindows> all;
  return all;
}

// Set while the toolkit changes a window itself, so that the window's own notifications (moves,
// sizes, edits) do not come back as the user's changes.
bool updating = false;

class Updating {
 public:
  Updating() : was_(updating) { updating = true; }
  ~Updating() { updating = was_; }
  Updating(const Updating&) = delete;
  Updating& operator=(const Updating&) = delete;

 private:
  bool was_;
};

Argb face_color() { return backend::system_color(backend::SystemColor::face); }

DWORD style_of(const Form& form) {
  return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
         (form.style() == FormStyle::tool_window ? WS_THICKFRAME : DWORD{0});
}

DWORD extended_style_of(const Form& form) {
  return WS_EX_CONTROLPARENT |
         (form.style() == FormStyle::tool_window ? WS_EX_TOOLWINDOW : WS_EX_DLGMODALFRAME);
}

SIZE native_frame(const Form& form, int dpi) {
  return frame_size(style_of(form), extended_style_of(form), dpi);
}

// The window's size at a dpi for a form size at 96 dpi (frame included): the client area scaled,
// the frame as the system draws it there.
SIZE native_size(const Form& form, int width, int height, int dpi) {
  const SIZE frame = native_frame(form, dpi);
  return {scaled(width - backend::frame_width(form), dpi) + frame.cx,
          scaled(height - backend::frame_height(form), dpi) + frame.cy};
}

// Places and sizes the window so that its client area is the form's at the dpi. The frame is the
// one the system draws, measured after a first try: it need not be what the system says for the
// dpi (Wine draws frames unscaled).
void place_window(HWND window, const Form& form, int dpi, const POINT* at) {
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (at != nullptr ? 0 : SWP_NOMOVE);
  const POINT where = at != nullptr ? *at : POINT{};
  const SIZE size = native_size(form, form.width(), form.height(), dpi);
  SetWindowPos(window, nullptr, where.x, where.y, size.cx, size.cy, flags);
  const LONG wanted_width = scaled(form.width() - backend::frame_width(form), dpi);
  const LONG wanted_height = scaled(form.height() - backend::frame_height(form), dpi);
  RECT client{};
  GetClientRect(window, &client);
  if (client.right == wanted_width && client.bottom == wanted_height) return;
  SetWindowPos(window, nullptr, 0, 0, size.cx + wanted_width - client.right,
               size.cy + wanted_height - client.bottom, flags | SWP_NOMOVE);
}

std::wstring wide(const std::u16string& text) { return {text.begin(), text.end()}; }

bool shown(const Control& control) {
  for (const Control* at = &control; at != nullptr && at->parent() != nullptr; at = at->parent()) {
    if (!at->visible()) return false;
  }
  return true;
}

bool enabled(const Control& control) {
  for (const Control* at = &control; at != nullptr && at->parent() != nullptr; at = at->parent()) {
    if (!at->enabled()) return false;
  }
  return true;
}

// The colour behind a control: the panel it lies on, else the form's face.
Argb background_of(const Control& control) {
  for (const Control* at = control.parent(); at != nullptr; at = at->parent()) {
    if (const auto* panel = dynamic_cast<const Panel*>(at)) return panel->color();
  }
  return face_color();
}

HBRUSH brush_for(Argb color) {
  static std::map<Argb, HBRUSH> brushes;
  auto& brush = brushes[color];
  if (brush == nullptr) brush = CreateSolidBrush(colorref(color));
  return brush;
}

std::wstring window_text(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void set_text_if_changed(HWND window, const std::u16string& text) {
  if (window_text(window) != wide(text)) SetWindowTextW(window, wide(text).c_str());
}

// The class and style of a control's window; no window for panels, which the form paints.
struct NativeKind {
  const wchar_t* class_name = nullptr;
  DWORD style = 0;
};

// A button with an image and a caption shows both, the image before the name.
bool icon_alone(const Button& button) { return button.images != nullptr && button.caption().empty(); }

NativeKind kind_of(const Control& control) {
  if (dynamic_cast<const Label*>(&control) != nullptr) return {L"STATIC", SS_LEFT | SS_NOPREFIX};
  if (dynamic_cast<const CheckBox*>(&control) != nullptr) return {L"BUTTON", BS_AUTOCHECKBOX};
  if (const auto* button = dynamic_cast<const Button*>(&control)) {
    return {L"BUTTON", BS_PUSHBUTTON | (icon_alone(*button) ? DWORD{BS_ICON} : DWORD{0})};
  }
  if (dynamic_cast<const ComboBox*>(&control) != nullptr)
    return {L"COMBOBOX", CBS_DROPDOWN | CBS_SORT | CBS_AUTOHSCROLL | WS_VSCROLL};
  if (dynamic_cast<const DrawGrid*>(&control) != nullptr) return {grid_class, WS_VSCROLL | WS_BORDER};
  return {};
}

// A combo box's window is as high as its list when dropped.
constexpr int combo_list_height = 120;

RECT place_of(const Control& control, int dpi) {
  Rect place = scaled(rect_on_form(control), dpi);
  if (dynamic_cast<const ComboBox*>(&control) != nullptr) place.height = scaled(combo_list_height, dpi);
  return {place.left, place.top, place.right(), place.bottom()};
}

void add_tooltip(FormWindows& native, const Control& control, HWND window) {
  if (control.hint().empty()) return;
  if (native.tooltip == nullptr) {
    const ActivatedContext common_controls;
    native.tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                     CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                     native.window, nullptr, this_module(), nullptr);
  }
  std::wstring text = wide(control.hint());
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = native.window;
  tool.uId = reinterpret_cast<UINT_PTR>(window);
  tool.lpszText = text.data();
  SendMessageW(native.tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(native.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// A control's accessible name is the text of a hidden label just before it in Z order, where the
// system's accessibility looks for the name of a field, as a dialog's label names its edit box.
void update_hidden_label(FormWindows& native, const Control& control, HWND window) {
  if (control.accessible_name().empty() && !native.labels.contains(&control)) return;
  HWND& label = native.labels[&control];
  if (label == nullptr) {
    label = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0,
                            native.window, nullptr, this_module(), nullptr);
    if (label == nullptr) {
      native.labels.erase(&control);
      return;
    }
  }
  set_text_if_changed(label, control.accessible_name());
  const HWND before = GetWindow(window, GW_HWNDPREV);
  if (before != label) {
    SetWindowPos(label, before != nullptr ? before : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void create_control_window(FormWindows& native, Control& control) {
  const NativeKind kind = kind_of(control);
  if (kind.class_name == nullptr || native.controls.contains(&control)) return;
  const int id = native.next_id++;
  const int dpi = dpi_of(native.window);
  const RECT place = place_of(control, dpi);
  const DWORD style = WS_CHILD | kind.style | (control.tab_stop && control.takes_focus() ? WS_TABSTOP : 0);
  const Updating quiet;
  const ActivatedContext common_controls;
  HWND window = CreateWindowExW(0, kind.class_name, nullptr, style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, native.window,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), this_module(), nullptr);
  if (window == nullptr) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&control));
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(form_font(dpi)), FALSE);
  native.controls[&control] = window;
  update_control(control);
}

// Made in Tab's order: the system's dialog keys follow the order of the windows.
void create_control_windows(FormWindows& native, Control& parent) {
  for (Control* child : children_in_tab_order(parent)) {
    create_control_window(native, *child);
    create_control_windows(native, *child);
  }
}

void paint_background(Form& form, HDC dc) {
  RECT client{};
  GetClientRect(window_of(form), &client);
  FillRect(dc, &client, brush_for(face_color()));
  std::vector<const Control*> pending(form.children().begin(), form.children().end());
  while (!pending.empty()) {
    const Control* control = pending.back();
    pending.pop_back();
    if (!control->visible()) continue;
    if (const auto* panel = dynamic_cast<const Panel*>(control)) {
      const Rect r = scaled(rect_on_form(*panel), dpi_of(window_of(form)));
      const RECT area{r.left, r.top, r.right(), r.bottom()};
      FillRect(dc, &area, brush_for(panel->color()));
    }
    pending.insert(pending.end(), control->children().begin(), control->children().end());
  }
}

// The form's bounds from its window, after the user moved or sized it.
void take_window_bounds(HWND window, Form& form) {
  RECT r{};
  GetWindowRect(window, &r);
  RECT client{};
  GetClientRect(window, &client);
  const Updating quiet;
  const int dpi = dpi_of(window);
  form.set_bounds({r.left, r.top, unscaled(client.right, dpi) + backend::frame_width(form),
                   unscaled(client.bottom, dpi) + backend::frame_height(form)});
}

// A notification of a control's window: the user clicked, ticked or edited it.
void control_notified(Control& control, HWND window, WORD code) {
  if (auto* box = dynamic_cast<CheckBox*>(&control)) {
    if (code == BN_CLICKED) box->set_checked(SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED);
  } else if (auto* button = dynamic_cast<Button*>(&control)) {
    if (code == BN_CLICKED) button->click();
  } else if (auto* edit = dynamic_cast<ComboBox*>(&control)) {
    if (code != CBN_EDITCHANGE) return;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(window, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const std::wstring text = window_text(window);
    edit->take_edit(std::u16string(text.begin(), text.end()), end);
  }
}

// Shows the control's state in its window.
void update_window(FormWindows& native, const Control& control, HWND window) {
  const Updating quiet;
  const int dpi = dpi_of(native.window);
  const RECT place = place_of(control, dpi);
  SetWindowPos(window, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  EnableWindow(window, enabled(control));
  if (const auto* label = dynamic_cast<const Label*>(&control)) set_text_if_changed(window, label->caption());
  if (const auto* box = dynamic_cast<const CheckBox*>(&control)) {
    set_text_if_changed(window, box->caption());
    SendMessageW(window, BM_SETCHECK, box->checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    // Its background is the panel's colour, which may have changed.
    InvalidateRect(window, nullptr, TRUE);
  }
  if (const auto* button = dynamic_cast<const Button*>(&control)) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR wanted = icon_alone(*button) ? style | BS_ICON : style & ~LONG_PTR{BS_ICON};
    if (wanted != style) SetWindowLongPtrW(window, GWL_STYLE, wanted);
    set_text_if_changed(window, button->text());
    const int index = button->image_index();
    if (button->images != nullptr && index >= 0 &&
        static_cast<std::size_t>(index) < button->images->names.size()) {
      SendMessageW(
          window, BM_SETIMAGE, IMAGE_ICON,
          reinterpret_cast<LPARAM>(button_icon(button->images->names[static_cast<std::size_t>(index)], dpi)));
    }
  }
  if (const auto* edit = dynamic_cast<const ComboBox*>(&control)) {
    set_text_if_changed(window, edit->text());
    SendMessageW(window, CB_SETEDITSEL, 0,
                 MAKELPARAM(static_cast<WORD>(edit->anchor()), static_cast<WORD>(edit->caret())));
  }
  if (const auto* grid = dynamic_cast<const DrawGrid*>(&control)) {
    update_scroll_bar(window, *grid);
    InvalidateRect(window, nullptr, FALSE);
    announce_grid_changes(window, *grid);
  }
  update_hidden_label(native, control, window);
  add_tooltip(native, control, window);
  ShowWindow(window, shown(control) ? SW_SHOWNA : SW_HIDE);
}

// The system's colours or theme changed: the common controls are told (only top-level windows
// hear it from the system), and everything is painted again in the new colours.
void settings_changed(HWND window, UINT message, WPARAM w, LPARAM l) {
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    SendMessageW(child, message, w, l);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The form's window moved to a monitor of another scale, or its monitor's scale changed: its font,
// icons and control places at the new dpi, the window at the place the system suggests and the
// form's size at 96 dpi scaled. Other forms keep their own scale.
void rescale_form(Form& form, HWND window, int dpi, const RECT& suggested) {
  const auto found = native_forms().find(&form);
  if (found == native_forms().end()) return;
  FormWindows& native = found->second;
  set_dpi_of(window, dpi);
  for (auto& [control, child] : native.controls)
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(form_font(dpi)), FALSE);
  {
    const Updating quiet;
    const POINT at{suggested.left, suggested.top};
    place_window(window, form, dpi, &at);
  }
  for (auto& [control, child] : native.controls) update_window(native, *control, child);
  take_window_bounds(window, form);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// A control that holds the focus already (a combo box's edit field holds it for the box) is left
// so: taking it again would raise its focus events again for screen readers.
void give_focus(HWND control) {
  const HWND focus = GetFocus();
  if (focus != control && !IsChild(control, focus)) SetFocus(control);
}

// Enter and Esc, which the keyboard's dialog handling turns into IDOK and IDCANCEL.
void dialog_key(Form& form, WORD id) {
  Button* button = id == IDOK ? form.default_button : id == IDCANCEL ? form.cancel_button : nullptr;
  if (button != nullptr && button->enabled()) button->click();
}

LRESULT form_message(HWND window, Form& form, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      paint_background(form, dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: paint_background(form, reinterpret_cast<HDC>(w)); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const Control* control = control_of(reinterpret_cast<HWND>(l))) {
        const Argb background = background_of(*control);
        SetBkColor(reinterpret_cast<HDC>(w), colorref(background));
        if (background == face_color())
          SetTextColor(reinterpret_cast<HDC>(w),
                       colorref(backend::system_color(backend::SystemColor::face_text)));
        return reinterpret_cast<LRESULT>(brush_for(background));
      }
      break;
    case WM_COMMAND:
      if (l == 0) {
        dialog_key(form, LOWORD(w));
      } else if (Control* control = control_of(reinterpret_cast<HWND>(l)); control != nullptr && !updating) {
        control_notified(*control, reinterpret_cast<HWND>(l), HIWORD(w));
      }
      return 0;
    case WM_SIZE:
    case WM_MOVE:
      if (!updating) take_window_bounds(window, form);
      return 0;
    case WM_GETMINMAXINFO: {
      auto* limits = reinterpret_cast<MINMAXINFO*>(l);
      const SIZE minimum = native_size(form, form.minimum_width(), form.minimum_height(), dpi_of(window));
      limits->ptMinTrackSize = {minimum.cx, minimum.cy};
      return 0;
    }
    case WM_CLOSE: form.close(); return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED: settings_changed(window, message, w, l); return 0;
    case WM_DPICHANGED:
      // The form keeps its client size at 96 dpi; the system suggests where it now stands.
      if (const int dpi = HIWORD(w); dpi > 0 && l != 0)
        rescale_form(form, window, dpi, *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        // The control that had the focus gets it back when the form is active again.
        if (Control* focused = control_of(GetFocus()); focused != nullptr && focused->form() == &form)
          form.focused = focused;
      } else if (HWND focus = form.focused != nullptr ? control_window(*form.focused) : nullptr) {
        give_focus(focus);
        return 0;
      }
      break;
    case desktop_answer_message: finish_desktop_answer(window, form, w != 0); return 0;
    case dialog_key_message: handle_dialog_key(window, w); return 0;
    case WM_SETCURSOR:
      if (screen_cursor() == Cursor::wait) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    default: break;
  }
  return DefWindowProcW(window, message, w, l);
}

LRESULT CALLBACK form_procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  Form* form = form_of(window);
  if (form == nullptr) return DefWindowProcW(window, message, w, l);
  return guarded<LRESULT>(0, [&] { return form_message(window, *form, message, w, l); });
}

}  // namespace

HINSTANCE this_module() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&form_procedure), &module);
  return module;
}

COLORREF colorref(Argb argb) { return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF); }

void register_window_classes() {
  const ActivatedContext common_controls;
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW description{};
  description.cbSize = sizeof description;
  description.style = CS_DBLCLKS;
  description.lpfnWndProc = &form_procedure;
  description.hInstance = this_module();
  description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  description.lpszClassName = form_class;
  RegisterClassExW(&description);
  description.lpfnWndProc = &grid_procedure;
  description.lpszClassName = grid_class;
  RegisterClassExW(&description);
}

void unregister_window_classes() {
  UnregisterClassW(form_class, this_module());
  UnregisterClassW(grid_class, this_module());
}

HWND window_of(Form& form) {
  const auto found = native_forms().find(&form);
  return found != native_forms().end() ? found->second.window : nullptr;
}

HWND make_window(Form& form) {
  if (HWND window = window_of(form)) return window;
  const PerMonitorAware aware;
  const HWND owner = static_cast<HWND>(form.owner_window());
  const SIZE size = native_size(form, form.width(), form.height(), system_dpi());
  HWND window = CreateWindowExW(extended_style_of(form), form_class, wide(form.caption()).c_str(),
                                style_of(form), form.left(), form.top(), size.cx, size.cy,
                                IsWindow(owner) ? owner : nullptr, nullptr, this_module(), nullptr);
  if (window == nullptr) return nullptr;
  // Only now is it known which monitor the window stands on, and so its scale.
  const int dpi = dpi_at_creation(window);
  set_dpi_of(window, dpi);
  {
    const Updating quiet;
    place_window(window, form, dpi, nullptr);
  }
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
  FormWindows& native = native_forms()[&form];
  native.window = window;
  create_control_windows(native, form);
  return window;
}

HWND control_window(const Control& control) {
  for (auto& [form, native] : native_forms()) {
    if (const auto found = native.controls.find(&control); found != native.controls.end())
      return found->second;
  }
  return nullptr;
}

Control* control_of(HWND window) {
  if (window == nullptr || GetWindowLongPtrW(window, GWLP_USERDATA) == 0) return nullptr;
  Control* control = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // The user data of a window that is not ours may hold anything: only a known control counts.
  for (auto& [form, native] : native_forms()) {
    if (const auto found = native.controls.find(control);
        found != native.controls.end() && found->second == window)
      return control;
  }
  return nullptr;
}

Form* form_of(HWND window) {
  for (auto& [form, native] : native_forms()) {
    if (native.window == window) return form;
  }
  return nullptr;
}

bool is_form_window(HWND window) { return window != nullptr && form_of(window) != nullptr; }

void update_control(Control& control) {
  Form* form = control.form();
  if (form == nullptr || &control == form) return;
  const PerMonitorAware aware;
  const auto found = native_forms().find(form);
  if (found == native_forms().end()) return;
  FormWindows& native = found->second;
  if (kind_of(control).class_name == nullptr) {
    // A panel: the form paints it.
    const RECT area = place_of(control, dpi_of(native.window));
    InvalidateRect(native.window, &area, TRUE);
  } else if (const auto known = native.controls.find(&control); known == native.controls.end()) {
    return create_control_window(native, control);
  } else {
    update_window(native, control, known->second);
  }
  // A control's children lie where it lies.
  for (Control* child : control.children()) update_control(*child);
}

void forget_form(Form& form) {
  const auto found = native_forms().find(&form);
  if (found == native_forms().end()) return;
  FormWindows native = found->second;
  native_forms().erase(found);
  // The form is half gone by now: the messages DestroyWindow sends must not reach it.
  SetWindowLongPtrW(native.window, GWLP_USERDATA, 0);
  for (auto& [control, window] : native.controls) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  if (native.tooltip != nullptr) DestroyWindow(native.tooltip);
  enable_windows_behind(native.window);
  forget_dpi_of(native.window);
  DestroyWindow(native.window);
}

}  // namespace toolkit::win32

namespace toolkit::backend {

void form_created(Form&) {}

void form_destroyed(Form& form) { win32::forget_form(form); }

void form_changed(Form& form) {
  if (win32::updating) return;
  HWND window = win32::window_of(form);
  if (window == nullptr && !form.visible()) return;
  if (window == nullptr && (window = win32::make_window(form)) == nullptr) return;
  const win32::PerMonitorAware aware;
  {
    const win32::Updating quiet;
    SetWindowTextW(window, win32::wide(form.caption()).c_str());
    const POINT at{form.left(), form.top()};
    win32::place_window(window, form, win32::dpi_of(window), &at);
  }
  const bool shown_now = form.visible() && !IsWindowVisible(window);
  if (!form.visible()) win32::enable_windows_behind(window);
  ShowWindow(window, form.visible() ? SW_SHOW : SW_HIDE);
  // Showing a window need not activate it (it may still be the active one since it was hidden),
  // and then nothing would put the focus back on a control: it is put there each time.
  if (HWND focus = shown_now && form.focused != nullptr ? win32::control_window(*form.focused) : nullptr)
    win32::give_focus(focus);
  InvalidateRect(window, nullptr, FALSE);
}

void control_changed(Control& control) { win32::update_control(control); }

Point inside_work_area(const Form& form, Point at) {
  const win32::PerMonitorAware aware;
  const HWND window = win32::window_of(const_cast<Form&>(form));
  const int dpi = window != nullptr ? win32::dpi_of(window) : win32::system_dpi();
  const SIZE size = win32::native_size(form, form.width(), form.height(), dpi);
  const RECT wanted{at.x, at.y, at.x + size.cx, at.y + size.cy};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor)) return at;
  const RECT& work = monitor.rcWork;
  return {static_cast<int>(std::max<LONG>(std::min<LONG>(at.x, work.right - size.cx), work.left)),
          static_cast<int>(std::max<LONG>(std::min<LONG>(at.y, work.bottom - size.cy), work.top))};
}

void* window_handle(Form& form) { return win32::make_window(form); }

// The frame in 96-dpi pixels, so that a form's size less its frame is its client area at 96 dpi;
// taken at the system's dpi whatever the form's, so that a change of scale keeps the client area.
int frame_width(const Form& form) {
  return win32::unscaled(win32::native_frame(form, win32::system_dpi()).cx, win32::system_dpi());
}

int frame_height(const Form& form) {
  return win32::unscaled(win32::native_frame(form, win32::system_dpi()).cy, win32::system_dpi());
}

}  // namespace toolkit::backend
