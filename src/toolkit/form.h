// Form: a top-level window (a tool window owned by the viewer's main window, or a dialog), shown
// non-modally or run modally.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/control.h"

namespace toolkit {

class Button;
class ComboBox;

enum class ModalResult { none, ok, cancel };
enum class FormStyle { tool_window, dialog };

class Form : public Control {
 public:
  Form(std::string name, FormStyle style);
  ~Form() override;

  FormStyle style() const { return style_; }
  const std::u16string& caption() const { return caption_; }
  void set_caption(std::u16string caption);

  // The window that owns this one (the viewer's main window); the form stays a top-level window.
  void* owner_window() const { return owner_window_; }
  void set_owner_window(void* window) { owner_window_ = window; }
  // This form as an owner of message boxes and dialogs.
  void* window_handle();

  int left() const { return bounds().left; }
  int top() const { return bounds().top; }
  void set_position(int left, int top);
  void center_on_screen();
  // Moved as little as needed to lie wholly inside the work area of its monitor.
  void keep_inside_work_area();
  // The window's size, frame included.
  int width() const;
  int height() const;
  void set_client_size(int width, int height);
  void set_minimum_size(int width, int height);
  int minimum_width() const { return minimum_width_; }
  int minimum_height() const { return minimum_height_; }

  // Shows the form (and brings it forward); runs on_show when it was hidden.
  void show();
  void hide();
  // What the user's close box does: the modal result becomes cancel, the form is hidden.
  void close();

  // Runs the form modally; true exactly when it was closed with ok.
  bool show_modal();
  ModalResult modal_result() const { return modal_result_; }
  // Ends a modal run (a button with a modal result does this when clicked).
  void end_modal(ModalResult result);

  // The control that keys go to; null for none.
  Control* focused = nullptr;
  // Gives the control the focus now and each time the form is shown, whatever had it when the form
  // was last hidden.
  void focus_at_each_show(Control* control) { focused = focus_when_shown_ = control; }

  // What a headless answer acts on: the text field the user types into, the button that confirms.
  ComboBox* text_input = nullptr;
  Button* accept_button = nullptr;
  // The buttons that Enter and Esc press; null where the keys press none.
  Button* default_button = nullptr;
  Button* cancel_button = nullptr;

  // Expires with the form: a handler that ran a modal loop checks it before it touches the form
  // again, since the viewer may have unloaded the plug-in meanwhile.
  std::weak_ptr<const void> life() const { return life_; }

  std::function<void()> on_show;
  // What the form answers a desktop asking about it by subject (a panel's "history").
  std::function<std::u16string(std::string_view subject)> on_query;
  std::function<void()> on_resize;

  Rect client_rect() const override;

 protected:
  void bounds_changed() override;

 private:
  FormStyle style_;
  Control* focus_when_shown_ = nullptr;
  std::u16string caption_;
  void* owner_window_ = nullptr;
  int minimum_width_ = 0;
  int minimum_height_ = 0;
  ModalResult modal_result_ = ModalResult::none;
  std::shared_ptr<const int> life_ = std::make_shared<const int>(0);
};

}  // namespace toolkit
