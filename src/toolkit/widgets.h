// The small widgets: a panel, a check box, a button with an image, an editable combo box.
#pragma once

#include <functional>
#include <optional>
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
  bool takes_focus() const override { return true; }
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
  bool takes_focus() const override { return true; }
  const std::u16string& caption() const { return caption_; }
  void set_caption(std::u16string caption);
  // What the button says in words: its caption, or for an image alone its hint, which screen
  // readers read as its name.
  const std::u16string& text() const { return caption_.empty() && images != nullptr ? hint() : caption_; }
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

// An editable text field with a caret and a selection (from anchor to caret, either way round).
class ComboBox : public Control {
 public:
  using Control::Control;
  bool takes_focus() const override { return true; }
  const std::u16string& text() const { return text_; }
  std::size_t caret() const { return caret_; }
  std::size_t anchor() const { return anchor_; }

  // Changes by the program: on_change does not run. A new text puts the caret at its end.
  void set_text(std::u16string text);
  void set_selection(std::size_t anchor, std::size_t caret);

  // The user's edits, as a text field takes them: each runs on_change.
  // Typing replaces the selection, or inserts at the caret.
  void type(char16_t character);
  void paste(std::u16string_view text);
  // Backspace and Delete: the selection, else the character before or after the caret.
  void erase_before();
  void erase_after();
  // Undoes the last edit (one step, which undoing again redoes, as a Windows text field does).
  void undo();
  // The field's new text and caret as the system's own field reports them after the user's edit.
  void take_edit(std::u16string text, std::size_t caret);

  // The user moving the caret (the selection collapses) and selecting all.
  void move_caret(std::size_t caret);
  void select_all();
  // The selected text.
  std::u16string selected_text() const;

  std::function<void()> on_change;

 private:
  void replace_selection(std::u16string_view text);
  void edited(std::u16string text, std::size_t caret);

  std::u16string text_;
  std::size_t anchor_ = 0;
  std::size_t caret_ = 0;
  // What undo gives back; nothing before the user's first edit and after a change by the program.
  std::optional<std::u16string> undo_text_;
  std::size_t undo_caret_ = 0;
};

}  // namespace toolkit
