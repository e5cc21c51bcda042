// Answering dialogs from the desktop's queue.
#include "toolkit/desktop/desktop_answers.h"

#include <optional>
#include <string>

#include "platform/utf8.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

namespace toolkit::desktop {

void answer_form(Form& form) {
  const std::optional<std::string> answer = desktop_answer(form.name());
  if (answer && form.text_input != nullptr) {
    // Typing replaces the text the field opened with, as it is selected when the dialog opens.
    form.text_input->set_text(u"");
    for (const char16_t character : platform::from_utf8(*answer)) form.text_input->type(character);
  }
  desktop_dialog_filled(form.name(), nullptr, paint_form(form));
  if (answer && form.text_input != nullptr && form.accept_button != nullptr && form.accept_button->enabled())
    form.accept_button->click();
  if (form.modal_result() == ModalResult::none) form.end_modal(ModalResult::cancel);
}

bool answer_file_dialog(FileDialog& dialog) {
  const std::optional<std::string> answer =
      desktop_answer(dialog.kind() == FileDialogKind::open ? "open" : "save");
  if (!answer) return false;
  dialog.file_name = platform::from_utf8(*answer);
  return true;
}

bool answer_question(std::u16string_view text, std::u16string_view caption) {
  const bool yes = desktop_answer("question") == "yes";
  desktop_message(platform::to_utf8(caption), platform::to_utf8(text) + (yes ? " -> yes" : " -> no"),
                  question_icon);
  return yes;
}

}  // namespace toolkit::desktop
