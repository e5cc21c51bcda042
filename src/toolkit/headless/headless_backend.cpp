// The headless backend: windows exist only in memory, dialogs are answered by the desktop's queue
// (cancelled when nothing is queued), message boxes go to the desktop, the cursor is a value.
#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/popup_menu.h"

namespace toolkit::backend {
namespace {

Cursor current_cursor = Cursor::normal;

}  // namespace

void initialize() { desktop::connect_desktop(); }

void finalize() { desktop::disconnect_desktop(); }

void form_created(Form&) {}

void form_destroyed(Form&) {}

void form_changed(Form&) {}

void invalidate(Control&) {}

void* window_handle(Form& form) { return &form; }

void send_input(Form& form, const UserInput& input) { take_input(form, input); }

void choose_from_context_menu(Form& form, Point point, const std::string& item) {
  press_mouse(form, MouseButton::right, point);
  PopupMenu* menu = context_menu_at(form, point);
  if (menu == nullptr) return;
  menu->popup();
  if (MenuItem* chosen = menu->find(item)) menu->choose(*chosen);
}

void run_modal(Form& form) { desktop::answer_form(form); }

bool run_file_dialog(FileDialog& dialog, Form*) { return desktop::answer_file_dialog(dialog); }

void show_message(void*, std::u16string_view text, std::u16string_view caption, MessageIcon icon) {
  desktop::desktop_message(platform::to_utf8(caption), platform::to_utf8(text), static_cast<int>(icon));
}

bool ask_question(void*, std::u16string_view text, std::u16string_view caption) {
  return desktop::answer_question(text, caption);
}

Cursor screen_cursor() { return current_cursor; }

void set_screen_cursor(Cursor cursor) { current_cursor = cursor; }

// A screen of 1920 × 1080 pixels.
Rect screen_area() { return {0, 0, 1920, 1080}; }

// A tool window's frame: a 4-pixel border and a small caption; a dialog's: a thicker caption.
int frame_width(const Form& form) { return form.style() == FormStyle::tool_window ? 8 : 6; }

int frame_height(const Form& form) { return form.style() == FormStyle::tool_window ? 24 : 29; }

}  // namespace toolkit::backend
