// The dialogs hand their modal runs to the backend.
#include "toolkit/dialogs.h"

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/color_form.h"

namespace toolkit {

bool FileDialog::execute(void* owner_window) { return backend::run_file_dialog(*this, owner_window); }

int filter_index_for(std::u16string_view filter, std::u16string_view file_name) {
  const auto lower = [](char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
  };
  const std::size_t name_start = file_name.find_last_of(u"\\/") + 1;
  const std::size_t dot = file_name.rfind(u'.');
  if (dot == std::u16string_view::npos || dot < name_start) return 0;
  const std::u16string_view extension = file_name.substr(dot);
  int index = 0;
  std::size_t piece = 0;
  for (std::size_t start = 0; start <= filter.size(); ++piece) {
    const std::size_t end = std::min(filter.find(u'|', start), filter.size());
    const std::u16string_view text = filter.substr(start, end - start);
    start = end + 1;
    if (piece % 2 == 0) {
      ++index;
      continue;
    }
    // A pair's pattern may list several, as "*.csv;*.txt".
    for (std::size_t from = 0; from <= text.size();) {
      const std::size_t until = std::min(text.find(u';', from), text.size());
      const std::u16string_view pattern = text.substr(from, until - from);
      from = until + 1;
      if (pattern.size() == extension.size() + 1 && pattern[0] == u'*' &&
          std::equal(extension.begin(), extension.end(), pattern.begin() + 1,
                     [&lower](char16_t a, char16_t b) { return lower(a) == lower(b); }))
        return index;
    }
  }
  return 0;
}

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
