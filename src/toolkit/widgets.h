// The small widgets: a panel, a check box, a button with an image, an editable combo box.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace toolkit {

enum class ModalResult;

// Images for buttons, by name; the backend draws each ("open", "save") as its symbol.
struct ImageList {
  int width = 16;
  int height = 16;
  std::vector<std::string> names;
};

// A plain area that holds other controls, in a background colour.
class Panel : public Control {
 public:
  using Control::Control;
  Argb color() const { return color_; }
  void set_color(Argb color);

 private:
  Argb color_ = 0xFFF0F0F0;
};

// A line of text.
class Label : public Control {
 public:
  using Control::Control;
  const std::u16string& caption() const { return caption_; }
  void set_caption(std::u16string caption);

 private:
  std::u16string caption_;
};

class CheckBox : public Control {
 public:
  using Control::Control;
  const std::u16string& caption() const { return caption_; }
  void set_caption(std::u16string caption);
  bool checked() const { return checked_; }
  // Runs on_click whenever the state changes, as a click does.
  void set_checked(bool checked);
  // The user's click: toggles the state.
  void click();

  std::function<void()> on_click;

 private:
  std::u16string caption_;
  bool checked_ = false;
};

class Button : public Control {
 public:
  using Control::Control;
  const std::u16string& caption() const { return caption_; }
  void set_caption(std::u16string caption);
  // The list the button's image comes from (not owned), and the image's place in it; -1 for none.
  const ImageList* images = nullptr;
  int image_index() const { return image_index_; }
  void set_image_index(int index);
  // Clicking a button with a modal result ends its form's modal run with that result.
  void set_modal_result(ModalResult result);
  // The user's click: nothing when the button is disabled.
  void click();

  std::function<void()> on_click;

 private:
  std::u16string caption_;
  int image_index_ = -1;
  ModalResult modal_result_{};
};

class ComboBox : public Control {
 public:
  using Control::Control;
  const std::u16string& text() const { return text_; }
  // A change by the program: on_change does not run.
  void set_text(std::u16string text);
  // The user typing one character at the end of the text: on_change runs.
  void type(char16_t character);
  // The user's backspace at the end of the text: on_change runs.
  void erase_last();

  std::function<void()> on_change;

 private:
  std::u16string text_;
};

}  // namespace toolkit
