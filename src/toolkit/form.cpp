// Form: visibility, size and modal runs; the backend puts it on a screen.
#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/form_registry.h"

namespace toolkit {
namespace {

std::vector<Form*>& forms() {
  static std::vector<Form*> all;
  return all;
}

}  // namespace

const std::vector<Form*>& all_forms() { return forms(); }

Form* find_form(std::string_view name) {
  for (auto form = forms().rbegin(); form != forms().rend(); ++form) {
    if ((*form)->name() == name) return *form;
  }
  return nullptr;
}

Form::Form(std::string name, FormStyle style) : Control(nullptr, std::move(name)), style_(style) {
  Control::set_visible(false);
  forms().push_back(this);
  backend::form_created(*this);
}

Form::~Form() {
  backend::form_destroyed(*this);
  std::erase(forms(), this);
}

void* Form::window_handle() { return backend::window_handle(*this); }

void Form::set_caption(std::u16string caption) {
  caption_ = std::move(caption);
  backend::form_changed(*this);
}

void Form::set_position(int left, int top) { set_bounds({left, top, bounds().width, bounds().height}); }

void Form::keep_inside_work_area() {
  const Point at = backend::inside_work_area(*this, {left(), top()});
  set_position(at.x, at.y);
}

void Form::center_on_screen() {
  const Rect screen = backend::screen_area();
  set_position(screen.left + (screen.width - width()) / 2, screen.top + (screen.height - height()) / 2);
}

int Form::width() const { return bounds().width; }

int Form::height() const { return bounds().height; }

void Form::set_client_size(int width, int height) {
  set_bounds({left(), top(), std::max(width + backend::frame_width(*this), minimum_width_),
              std::max(height + backend::frame_height(*this), minimum_height_)});
}

void Form::set_minimum_size(int width, int height) {
  minimum_width_ = width;
  minimum_height_ = height;
  set_bounds({left(), top(), std::max(bounds().width, width), std::max(bounds().height, height)});
}

Rect Form::client_rect() const {
  return {0, 0, std::max(bounds().width - backend::frame_width(*this), 0),
          std::max(bounds().height - backend::frame_height(*this), 0)};
}

void Form::bounds_changed() {
  if (on_resize) on_resize();
  backend::form_changed(*this);
}

void Form::show() {
  const bool was_hidden = !visible();
  if (was_hidden && focus_when_shown_ != nullptr) focused = focus_when_shown_;
  Control::set_visible(true);
  if (was_hidden && on_show) on_show();
  backend::form_changed(*this);
}

void Form::hide() {
  Control::set_visible(false);
  backend::form_changed(*this);
}

void Form::close() {
  if (modal_result_ == ModalResult::none) modal_result_ = ModalResult::cancel;
  hide();
}

bool Form::show_modal() {
  modal_result_ = ModalResult::none;
  show();
  const std::weak_ptr<const void> alive = life();
  backend::run_modal(*this);
  if (alive.expired()) return false;
  if (modal_result_ == ModalResult::none) modal_result_ = ModalResult::cancel;
  hide();
  return modal_result_ == ModalResult::ok;
}

void Form::end_modal(ModalResult result) { modal_result_ = result; }

}  // namespace toolkit
