// The headless backend: windows exist only in memory, dialogs are answered by the desktop's queue
// (cancelled when nothing is queued), message boxes and the cursor are recorded.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/headless/desktop_link.h"
#include "toolkit/headless/form_registry.h"
#include "toolkit/widgets.h"

namespace toolkit::headless {

std::vector<Form*>& forms() {
  static std::vector<Form*> all;
  return all;
}

Form* find_form(std::string_view name) {
  for (auto form = forms().rbegin(); form != forms().rend(); ++form) {
    if ((*form)->name() == name) return *form;
  }
  return nullptr;
}

namespace {

Cursor current_cursor = Cursor::normal;

std::optional<Argb> parse_argb(const std::string& text) {
  if (text.size() != 8 || text.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return std::nullopt;
  return static_cast<Argb>(std::stoul(text, nullptr, 16));
}

}  // namespace
}  // namespace toolkit::headless

namespace toolkit::backend {

using namespace toolkit::headless;

void initialize() { connect_desktop(); }

void finalize() { disconnect_desktop(); }

void form_created(Form& form) { forms().push_back(&form); }

void form_destroyed(Form& form) { std::erase(forms(), &form); }

void form_changed(Form&) {}

void invalidate(Control&) {}

// The answer to a form is what the user types into its text field, then the accept button
// (when it is enabled; otherwise the user gives up and cancels).
void run_modal(Form& form) {
  const std::optional<std::string> answer = desktop_answer(form.name());
  if (!answer || form.text_input == nullptr || form.accept_button == nullptr) {
    form.end_modal(ModalResult::cancel);
    return;
  }
  // Typing replaces the text the field opened with, as it is selected when the dialog opens.
  form.text_input->set_text(u"");
  for (const char16_t character : platform::from_utf8(*answer)) form.text_input->type(character);
  if (form.accept_button->enabled()) form.accept_button->click();
  if (form.modal_result() == ModalResult::none) form.end_modal(ModalResult::cancel);
}

bool run_file_dialog(FileDialog& dialog, Form*) {
  const std::optional<std::string> answer = desktop_answer(dialog.kind() == FileDialogKind::open ? "open" : "save");
  if (!answer) return false;
  dialog.file_name = platform::from_utf8(*answer);
  return true;
}

bool run_color_dialog(ColorDialog& dialog) {
  const std::optional<std::string> answer = desktop_answer("color");
  if (!answer) return false;
  const std::optional<Argb> color = parse_argb(*answer);
  if (!color) return false;
  dialog.color = *color;
  return true;
}

void show_message(void*, std::u16string_view text, std::u16string_view caption, MessageIcon icon) {
  desktop_message(platform::to_utf8(caption), platform::to_utf8(text), static_cast<int>(icon));
}

Cursor screen_cursor() { return current_cursor; }

void set_screen_cursor(Cursor cursor) { current_cursor = cursor; }

// A tool window's frame: a 1-pixel border and a small caption; a dialog's: a thicker border.
int frame_width(const Form& form) { return form.style() == FormStyle::tool_window ? 8 : 6; }

int frame_height(const Form& form) { return form.style() == FormStyle::tool_window ? 24 : 29; }

}  // namespace toolkit::backend
