// The small widgets.
#include "toolkit/widgets.h"

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
  repaint();
}

void ComboBox::type(char16_t character) {
  text_ += character;
  repaint();
  if (on_change) on_change();
}

void ComboBox::erase_last() {
  if (text_.empty()) return;
  text_.pop_back();
  repaint();
  if (on_change) on_change();
}

}  // namespace toolkit
