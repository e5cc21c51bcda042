// The small widgets.
#include "toolkit/widgets.h"

#include <algorithm>

#include "toolkit/form.h"

namespace toolkit {

void Panel::set_color(Argb color) {
  color_ = color;
  repaint();
}

void Label::set_caption(std::u16string caption) {
  caption_ = std::move(caption);
  repaint();
}

void CheckBox::set_caption(std::u16string caption) {
  caption_ = std::move(caption);
  repaint();
}

void CheckBox::set_checked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  repaint();
  if (on_click) on_click();
}

void CheckBox::click() {
  if (enabled()) set_checked(!checked_);
}

void Button::set_caption(std::u16string caption) {
  caption_ = std::move(caption);
  repaint();
}

void Button::set_image_index(int index) {
  image_index_ = index;
  repaint();
}

void Button::set_modal_result(ModalResult result) { modal_result_ = result; }

void Button::click() {
  if (!enabled()) return;
  if (on_click) on_click();
  if (modal_result_ != ModalResult::none) {
    if (Form* owner = form()) owner->end_modal(modal_result_);
  }
}

void ComboBox::set_text(std::u16string text) {
  text_ = std::move(text);
  anchor_ = caret_ = text_.size();
  undo_text_.reset();
  repaint();
}

void ComboBox::set_selection(std::size_t anchor, std::size_t caret) {
  anchor_ = std::min(anchor, text_.size());
  caret_ = std::min(caret, text_.size());
  repaint();
}

void ComboBox::edited(std::u16string text, std::size_t caret) {
  if (text == text_) return set_selection(caret, caret);
  undo_text_ = text_;
  undo_caret_ = caret_;
  text_ = std::move(text);
  anchor_ = caret_ = std::min(caret, text_.size());
  repaint();
  if (on_change) on_change();
}

void ComboBox::replace_selection(std::u16string_view inserted) {
  const std::size_t start = std::min(anchor_, caret_);
  const std::size_t end = std::max(anchor_, caret_);
  std::u16string text = text_.substr(0, start);
  text += inserted;
  text += std::u16string_view(text_).substr(end);
  edited(std::move(text), start + inserted.size());
}

void ComboBox::type(char16_t character) { replace_selection(std::u16string_view(&character, 1)); }

void ComboBox::paste(std::u16string_view text) { replace_selection(text); }

void ComboBox::erase_before() {
  if (anchor_ == caret_ && caret_ > 0) anchor_ = caret_ - 1;
  replace_selection({});
}

void ComboBox::erase_after() {
  if (anchor_ == caret_ && caret_ < text_.size()) anchor_ = caret_ + 1;
  replace_selection({});
}

void ComboBox::undo() {
  if (!undo_text_) return;
  std::u16string previous = *undo_text_;
  edited(std::move(previous), undo_caret_);
}

void ComboBox::take_edit(std::u16string text, std::size_t caret) { edited(std::move(text), caret); }

void ComboBox::move_caret(std::size_t caret) { set_selection(caret, caret); }

void ComboBox::select_all() { set_selection(0, text_.size()); }

std::u16string ComboBox::selected_text() const {
  const std::size_t start = std::min(anchor_, caret_);
  return text_.substr(start, std::max(anchor_, caret_) - start);
}

}  // namespace toolkit
