// Driving the real windows with the desktop's answers and keys.
#include "toolkit/win32/desktop_input.h"

#include <dlgs.h>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/form_painter.h"
#include "toolkit/popup_menu.h"
#include "toolkit/widgets.h"
#include "toolkit/win32/dpi.h"
#include "toolkit/win32/guarded.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::win32 {
namespace {

// The strokes being typed, one for each timer turn: timer messages come only once the input
// before them has been taken, so each stroke finds the windows as the one before left them.
struct Typing {
  HWND target = nullptr;
  std::vector<KeyStroke> strokes;
  std::size_t next = 0;
  // The dialog's name for the desktop; empty for a form that is no dialog (never cancelled).
  std::string name;
  UINT_PTR timer = 0;
  // After {PAUSE}: no key before this tick.
  DWORD resume_at = 0;
};
// The keys typed into dialogs, the innermost last, and those typed into a form that is no dialog.
// Keys wait while a dialog stands over their window (the picker a colour dialog's keys opened, a
// question), and go on once it has closed.
std::vector<Typing> dialog_typing;
Typing form_typing;

WORD virtual_key(Key key) {
  switch (key) {
    case Key::up: return VK_UP;
    case Key::down: return VK_DOWN;
    case Key::left: return VK_LEFT;
    case Key::right: return VK_RIGHT;
    case Key::home: return VK_HOME;
    case Key::end: return VK_END;
    case Key::tab: return VK_TAB;
    case Key::enter: return VK_RETURN;
    case Key::escape: return VK_ESCAPE;
    case Key::space: return VK_SPACE;
    case Key::del: return VK_DELETE;
    case Key::backspace: return VK_BACK;
    case Key::insert: return VK_INSERT;
    case Key::page_up: return VK_PRIOR;
    case Key::page_down: return VK_NEXT;
    case Key::f2: return VK_F2;
    case Key::f4: return VK_F4;
    case Key::f10: return VK_F10;
    case Key::apps: return VK_APPS;
  }
  return 0;
}

bool is_extended(WORD key) {
  return key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME ||
         key == VK_END || key == VK_DELETE || key == VK_INSERT || key == VK_PRIOR || key == VK_NEXT ||
         key == VK_APPS;
}

INPUT key_event(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (is_extended(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

INPUT character_event(char16_t character, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wScan = character;
  input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

void press(const KeyStroke& stroke) {
  std::vector<INPUT> events;
  switch (stroke.kind) {
    case KeyStroke::Kind::character:
      events = {character_event(stroke.character, false), character_event(stroke.character, true)};
      break;
    case KeyStroke::Kind::control_letter:
    case KeyStroke::Kind::alt_letter: {
      const WORD held = stroke.kind == KeyStroke::Kind::alt_letter ? VK_MENU : VK_CONTROL;
      events = {key_event(held, false), key_event(stroke.character, false), key_event(stroke.character, true),
                key_event(held, true)};
      // Ctrl+Shift with a letter: Shift held inside Ctrl.
      if (stroke.shift) {
        events.insert(events.begin() + 1, key_event(VK_SHIFT, false));
        events.insert(events.end() - 1, key_event(VK_SHIFT, true));
      }
      break;
    }
    case KeyStroke::Kind::key: {
      const WORD key = virtual_key(stroke.key);
      if (stroke.control) events.push_back(key_event(VK_CONTROL, false));
      if (stroke.alt) events.push_back(key_event(VK_MENU, false));
      if (stroke.shift) events.push_back(key_event(VK_SHIFT, false));
      events.push_back(key_event(key, false));
      events.push_back(key_event(key, true));
      if (stroke.shift) events.push_back(key_event(VK_SHIFT, true));
      if (stroke.alt) events.push_back(key_event(VK_MENU, true));
      if (stroke.control) events.push_back(key_event(VK_CONTROL, true));
      break;
    }
    case KeyStroke::Kind::pause: return;
    case KeyStroke::Kind::list_windows:
      desktop::desktop_print(backend::window_list(), desktop::Stream::output);
      return;
  }
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

bool dialog_open(HWND window) { return IsWindow(window) && IsWindowVisible(window); }

// A dialog left open by its keys is cancelled: a form of ours is closed, a system dialog takes
// Cancel.
void cancel(HWND dialog) {
  if (is_form_window(dialog)) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
  } else {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
  }
}

void stop(Typing& typed) {
  if (typed.timer != 0) KillTimer(nullptr, typed.timer);
  typed = {};
}

// One stroke; at the end, or once the dialog has closed, the typing stops.
void type_one_stroke(Typing& typed) {
  if (!dialog_open(typed.target)) return stop(typed);
  if (!IsWindowEnabled(typed.target)) return;
  if (typed.resume_at != 0 && static_cast<LONG>(GetTickCount() - typed.resume_at) < 0) return;
  if (typed.next == typed.strokes.size()) {
    // A menu the keys left open would hold the session in its loop.
    EndMenu();
    if (!typed.name.empty()) {
      desktop::say_left_open(typed.name);
      cancel(typed.target);
    }
    return stop(typed);
  }
  const KeyStroke& stroke = typed.strokes[typed.next++];
  if (stroke.kind == KeyStroke::Kind::pause) {
    typed.resume_at = GetTickCount() + pause_ms;
    return;
  }
  // The list shows the windows as they are: only a key brings its window forward first.
  if (stroke.kind != KeyStroke::Kind::list_windows && GetForegroundWindow() != typed.target)
    SetForegroundWindow(typed.target);
  // A dialog's picture stands as the user sees it before the last key, which mostly confirms it.
  if (typed.next == typed.strokes.size() && !typed.name.empty()) {
    Form* form = form_of(typed.target);
    desktop::desktop_dialog_filled(typed.name, typed.target,
                                   form != nullptr ? desktop::paint_form(*form) : std::string());
  }
  press(stroke);
}

// Forgets the dialogs' typing that has stopped.
void drop_stopped_typing() {
  std::erase_if(dialog_typing, [](const Typing& typed) { return typed.timer == 0; });
}

void CALLBACK type_next(HWND, UINT, UINT_PTR timer, DWORD) {
  guarded(0, [timer] {
    if (timer == form_typing.timer) {
      type_one_stroke(form_typing);
      return 0;
    }
    for (Typing& typed : dialog_typing) {
      if (typed.timer == timer) type_one_stroke(typed);
    }
    drop_stopped_typing();
    return 0;
  });
}

UINT_PTR start_timer() { return SetTimer(nullptr, 0, 1, &type_next); }

}  // namespace

void type_into_dialog(HWND target, std::vector<KeyStroke> strokes, std::string name) {
  stop_typing(target);
  Typing typed{target, std::move(strokes), 0, std::move(name), 0};
  typed.timer = start_timer();
  dialog_typing.push_back(std::move(typed));
}

namespace {

void post_character(HWND window, char16_t character) { PostMessageW(window, WM_CHAR, character, 1); }

// The edit field inside a combo box, which takes the characters.
HWND edit_of(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(combo, &info) && info.hwndItem != nullptr ? info.hwndItem : combo;
}

// The file dialog's hook: once the dialog stands ready, its name field gets the answer and OK is
// pressed, or Cancel is, or the keys are typed into it.
UINT_PTR CALLBACK file_dialog_hook(HWND hook_window, UINT message, WPARAM, LPARAM l) {
  return guarded<UINT_PTR>(0, [&]() -> UINT_PTR {
    switch (message) {
      case WM_INITDIALOG:
        SetWindowLongPtrW(hook_window, GWLP_USERDATA, reinterpret_cast<const OPENFILENAMEW*>(l)->lCustData);
        return TRUE;
      case WM_NOTIFY:
        // Posted, so that the dialog finishes setting itself up before it is answered.
        if (reinterpret_cast<const OFNOTIFYW*>(l)->hdr.code == CDN_INITDONE)
          PostMessageW(hook_window, desktop_answer_message, 0, 0);
        return 0;
      case desktop_answer_message: {
        auto* answer = reinterpret_cast<FileDialogAnswer*>(GetWindowLongPtrW(hook_window, GWLP_USERDATA));
        const HWND dialog = GetParent(hook_window);
        if (answer == nullptr) return TRUE;
        if (answer->keys) {
          type_into_dialog(dialog, *answer->keys, answer->dialog);
          return TRUE;
        }
        if (answer->path) {
          // The name field is a combo box in newer dialogs and an edit field in older ones.
          for (const int field : {cmb13, edt1}) {
            SendMessageW(dialog, CDM_SETCONTROLTEXT, field, reinterpret_cast<LPARAM>(answer->path->c_str()));
          }
        }
        desktop::desktop_dialog_filled(answer->dialog, dialog, {});
        const int button = answer->path ? IDOK : IDCANCEL;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
        return TRUE;
      }
      default: return 0;
    }
  });
}

// The next box this thread opens: its name for the desktop, the button that answers it, or the
// keys typed into it instead.
struct NextBox {
  HHOOK hook = nullptr;
  std::string dialog;
  int button = IDOK;
  std::optional<std::vector<KeyStroke>> keys;
};
NextBox next_box;

// After the box's first painting (timers come after paint messages): the desktop sees it, then its
// button is pressed.
void CALLBACK press_box_button(HWND box, UINT, UINT_PTR timer, DWORD) {
  KillTimer(box, timer);
  guarded(0, [box] {
    desktop::desktop_dialog_filled(next_box.dialog, box, {});
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(next_box.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, next_box.button)));
    return 0;
  });
}

LRESULT CALLBACK watch_for_box(int code, WPARAM w, LPARAM l) {
  if (code == HCBT_ACTIVATE) {
    UnhookWindowsHookEx(next_box.hook);
    next_box.hook = nullptr;
    const HWND box = reinterpret_cast<HWND>(w);
    guarded(0, [box] {
      if (next_box.keys) {
        type_into_dialog(box, *next_box.keys, next_box.dialog);
      } else {
        SetTimer(box, 1, 0, &press_box_button);
      }
      return 0;
    });
    next_box.keys.reset();
    return 0;
  }
  return CallNextHookEx(nullptr, code, w, l);
}

}  // namespace

void answer_next_box(std::string dialog, int button, std::optional<std::vector<KeyStroke>> keys) {
  next_box.dialog = std::move(dialog);
  next_box.button = button;
  next_box.keys = std::move(keys);
  if (next_box.hook == nullptr)
    next_box.hook = SetWindowsHookExW(WH_CBT, &watch_for_box, nullptr, GetCurrentThreadId());
}

void post_desktop_answer(HWND window, Form& form) {
  if (std::optional<std::vector<KeyStroke>> keys = desktop::queued_keys(form.name())) {
    return type_into_dialog(window, std::move(*keys), form.name());
  }
  const std::optional<std::string> answer = desktop::desktop_answer(form.name());
  const HWND field = form.text_input != nullptr ? control_window(*form.text_input) : nullptr;
  if (answer && field != nullptr) {
    // Typing replaces the text the field opened with: all of it selected, erased, then the answer.
    const HWND edit = edit_of(field);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    post_character(edit, u'\b');
    for (const char16_t character : platform::from_utf8(*answer)) post_character(edit, character);
  }
  PostMessageW(window, desktop_answer_message, answer.has_value() ? 1 : 0, 0);
}

void finish_desktop_answer(HWND window, Form& form, bool confirm) {
  desktop::desktop_dialog_filled(form.name(), window, desktop::paint_form(form));
  const Button* accept = form.accept_button;
  if (confirm && form.text_input != nullptr && accept != nullptr && accept->enabled()) {
    if (const HWND button = control_window(*accept)) SendMessageW(button, BM_CLICK, 0, 0);
  }
  if (form.modal_result() == ModalResult::none) PostMessageW(window, WM_CLOSE, 0, 0);
}

void post_menu_keys(HWND window, const PopupMenu& menu, const std::string& item) {
  const auto post_key = [window](WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    PostMessageW(window, WM_KEYUP, key, 0xC0000001);
  };
  // The menu's keyboard passes over separators only: a greyed entry is highlighted on the way.
  int downs = 0;
  for (const auto& entry : menu.items()) {
    if (entry->separator) continue;
    ++downs;
    if (entry->name != item) continue;
    for (int i = 0; i < downs; ++i) post_key(VK_DOWN);
    post_key(VK_RETURN);
    return;
  }
  post_key(VK_ESCAPE);
}

FileDialogAnswer take_file_dialog_answer(bool open) {
  const std::string dialog = open ? "open" : "save";
  if (std::optional<std::vector<KeyStroke>> keys = desktop::queued_keys(dialog))
    return {dialog, std::nullopt, keys};
  const std::optional<std::string> answer = desktop::desktop_answer(dialog);
  if (!answer) return {dialog, std::nullopt, std::nullopt};
  const std::u16string path = platform::from_utf8(*answer);
  return {dialog, std::wstring(path.begin(), path.end()), std::nullopt};
}

void drive_file_dialog(OPENFILENAMEW& request, FileDialogAnswer& answer) {
  request.Flags |= OFN_ENABLEHOOK;
  // The answer is taken as given, as the headless desktop takes it: no prompt about missing files.
  if (!answer.keys) request.Flags &= ~static_cast<DWORD>(OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
  request.lpfnHook = &file_dialog_hook;
  request.lCustData = reinterpret_cast<LPARAM>(&answer);
}

void stop_typing(HWND dialog) {
  for (Typing& typed : dialog_typing) {
    if (typed.target == dialog || !dialog_open(typed.target)) stop(typed);
  }
  drop_stopped_typing();
}

void type_into_form(HWND window, std::vector<KeyStroke> strokes) {
  stop(form_typing);
  form_typing = {window, std::move(strokes), 0, {}, 0};
  form_typing.timer = start_timer();
  MSG message;
  while (form_typing.timer != 0) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      stop(form_typing);
      break;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace toolkit::win32

namespace toolkit::backend {

void send_input(Form& form, const UserInput& input) {
  auto* grid = dynamic_cast<DrawGrid*>(control_at(form, input.point));
  if (input.kind == UserInput::Kind::key || input.kind == UserInput::Kind::character)
    grid = dynamic_cast<DrawGrid*>(form.focused);
  const HWND window = grid != nullptr ? win32::control_window(*grid) : nullptr;
  if (window == nullptr) return take_input(form, input);
  const Rect place = rect_on_form(*grid);
  const int dpi = win32::dpi_of(window);
  const LPARAM at = MAKELPARAM(win32::scaled(input.point.x - place.left - DrawGrid::border, dpi),
                               win32::scaled(input.point.y - place.top - DrawGrid::border, dpi));
  switch (input.kind) {
    case UserInput::Kind::press:
      if (input.button == MouseButton::left) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(window, WM_LBUTTONUP, 0, at);
      } else {
        SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
      }
      break;
    case UserInput::Kind::double_click:
      SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageW(window, WM_LBUTTONUP, 0, at);
      break;
    case UserInput::Kind::key: {
      static constexpr WPARAM keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END};
      const auto index = static_cast<std::size_t>(input.key);
      if (index < std::size(keys)) SendMessageW(window, WM_KEYDOWN, keys[index], 1);
      break;
    }
    case UserInput::Kind::character: SendMessageW(window, WM_CHAR, input.character, 1); break;
  }
}

void click(Control& control) {
  const HWND window = win32::control_window(control);
  if (window == nullptr) return click_control(control);
  SendMessageW(window, BM_CLICK, 0, 0);
}

void type_keys(Form& form, const std::vector<KeyStroke>& strokes) {
  const HWND window = win32::window_of(form);
  if (window == nullptr || !IsWindowVisible(window)) return press_keys(form, strokes);
  win32::type_into_form(window, strokes);
}

void choose_from_context_menu(Form& form, Point point, const std::string& item) {
  auto* grid = dynamic_cast<DrawGrid*>(control_at(form, point));
  const HWND window = grid != nullptr ? win32::control_window(*grid) : nullptr;
  if (window == nullptr) {
    // Without a display there is no menu to open: the item is chosen from the toolkit's menu.
    press_mouse(form, MouseButton::right, point);
    if (PopupMenu* menu = context_menu_at(form, point)) {
      menu->popup();
      if (MenuItem* chosen = menu->find(item)) menu->choose(*chosen);
    }
    return;
  }
  const Rect place = rect_on_form(*grid);
  const int dpi = win32::dpi_of(window);
  POINT at{win32::scaled(point.x - place.left - DrawGrid::border, dpi),
           win32::scaled(point.y - place.top - DrawGrid::border, dpi)};
  SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
  win32::choose_from_next_menu(item);
  win32::show_context_menu(window, *grid, &at);
  win32::choose_from_next_menu({});
}

}  // namespace toolkit::backend
