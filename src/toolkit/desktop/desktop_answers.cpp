// Answering dialogs from the desktop's queue.
#include "toolkit/desktop/desktop_answers.h"

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/widgets.h"

namespace toolkit::desktop {
namespace {

bool is_key(const KeyStroke& stroke, Key key) {
  return stroke.kind == KeyStroke::Kind::key && stroke.key == key;
}

// Esc, or Alt+F4 (the close box): either cancels a system dialog.
bool cancels(const KeyStroke& stroke) {
  return is_key(stroke, Key::escape) || (is_key(stroke, Key::f4) && stroke.alt);
}

void list_windows() { desktop_print(backend::window_list(), Stream::output); }

}  // namespace

std::optional<std::vector<KeyStroke>> queued_keys(std::string_view dialog) {
  const std::optional<std::string> keys = desktop_keys(dialog);
  if (!keys) return std::nullopt;
  std::string error;
  std::optional<std::vector<KeyStroke>> strokes = parse_key_strokes(platform::from_utf8(*keys), error);
  if (!strokes) desktop_print("keys: " + error + "\n", Stream::error);
  return strokes;
}

void say_left_open(std::string_view dialog) {
  desktop_print("dialog " + std::string(dialog) + ": still open after its keys, cancelled\n", Stream::error);
}

void answer_form(Form& form) {
  if (const std::optional<std::vector<KeyStroke>> keys = queued_keys(form.name())) {
    for (std::size_t i = 0; i < keys->size(); ++i) {
      const KeyStroke& stroke = (*keys)[i];
      if (form.modal_result() != ModalResult::none || !form.visible()) break;
      // Its picture stands as the user sees it before the last key, which mostly confirms it.
      if (i + 1 == keys->size()) desktop_dialog_filled(form.name(), nullptr, paint_form(form));
      if (stroke.kind == KeyStroke::Kind::list_windows) {
        list_windows();
      } else {
        press_key(form, stroke);
      }
    }
    if (form.modal_result() == ModalResult::none && form.visible()) {
      say_left_open(form.name());
      form.end_modal(ModalResult::cancel);
    }
    return;
  }
  const std::optional<std::string> answer = desktop_answer(form.name());
  if (answer && form.text_input != nullptr) {
    // Typing replaces the text the field opened with, as it is selected when the dialog opens.
    form.text_input->select_all();
    form.text_input->paste(u"");
    for (const char16_t character : platform::from_utf8(*answer)) form.text_input->type(character);
  }
  desktop_dialog_filled(form.name(), nullptr, paint_form(form));
  if (answer && form.text_input != nullptr && form.accept_button != nullptr && form.accept_button->enabled())
    form.accept_button->click();
  if (form.modal_result() == ModalResult::none) form.end_modal(ModalResult::cancel);
}

bool answer_file_dialog(FileDialog& dialog) {
  const std::string kind = dialog.kind() == FileDialogKind::open ? "open" : "save";
  if (const std::optional<std::vector<KeyStroke>> keys = queued_keys(kind)) {
    // The dialog's file name field, which opens with the proposed name selected.
    ComboBox field(nullptr, "file_name");
    field.set_text(dialog.file_name);
    field.select_all();
    for (const KeyStroke& stroke : *keys) {
      if (cancels(stroke)) return false;
      if (is_key(stroke, Key::enter)) {
        dialog.file_name = field.text();
        return true;
      }
      if (stroke.kind == KeyStroke::Kind::list_windows) {
        list_windows();
      } else {
        edit_text(field, stroke);
      }
    }
    say_left_open(kind);
    return false;
  }
  const std::optional<std::string> answer = desktop_answer(kind);
  if (!answer) return false;
  dialog.file_name = platform::from_utf8(*answer);
  // The answer names the file and, by its extension, the type chosen with it.
  if (const int index = filter_index_for(dialog.filter, dialog.file_name)) dialog.filter_index = index;
  return true;
}

void answer_message_box() {
  const std::optional<std::vector<KeyStroke>> keys = queued_keys("message");
  if (!keys) return;
  for (const KeyStroke& stroke : *keys) {
    if (is_key(stroke, Key::enter) || is_key(stroke, Key::space) || cancels(stroke)) return;
    if (stroke.kind == KeyStroke::Kind::list_windows) list_windows();
  }
  say_left_open("message");
}

bool answer_question(std::u16string_view text, std::u16string_view caption) {
  const bool yes = desktop_answer("question") == "yes";
  desktop_message(platform::to_utf8(caption), platform::to_utf8(text) + (yes ? " -> yes" : " -> no"),
                  question_icon);
  return yes;
}

}  // namespace toolkit::desktop
