// The dialogs hand their modal runs to the backend.
#include "toolkit/dialogs.h"

#include "toolkit/backend.h"
#include "toolkit/color_form.h"

namespace toolkit {

bool FileDialog::execute(void* owner_window) { return backend::run_file_dialog(*this, owner_window); }

ColorDialogTexts& color_dialog_texts() {
  static ColorDialogTexts texts;
  return texts;
}

bool ColorDialog::execute(void* owner_window) {
  ColorForm form(*this);
  form.set_owner_window(owner_window);
  return form.run();
}

void message_box(void* owner_window, std::u16string_view text, std::u16string_view caption,
                 MessageIcon icon) {
  backend::show_message(owner_window, text, caption, icon);
}

bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption) {
  return backend::ask_question(owner_window, text, caption);
}

void initialize() { backend::initialize(); }

void finalize() { backend::finalize(); }

}  // namespace toolkit
