// Control: parent links and VCL-style alignment.
#include "toolkit/control.h"

#include <algorithm>

#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace toolkit {

Control::Control(Control* parent, std::string name) : parent_(parent), name_(std::move(name)) {
  if (parent_ != nullptr) parent_->children_.push_back(this);
}

Control::~Control() {
  if (parent_ != nullptr) std::erase(parent_->children_, this);
  for (Control* child : children_) child->parent_ = nullptr;
}

Form* Control::form() {
  Control* control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return dynamic_cast<Form*>(control);
}

void Control::set_bounds(const Rect& bounds) {
  const bool resized = bounds.width != bounds_.width || bounds.height != bounds_.height;
  bounds_ = bounds;
  if (resized) realign();
  bounds_changed();
  if (parent_ != nullptr) repaint();
}

void Control::set_align(Align align) {
  align_ = align;
  if (parent_ != nullptr) parent_->realign();
}

void Control::set_visible(bool visible) {
  visible_ = visible;
  repaint();
}

void Control::set_enabled(bool enabled) {
  enabled_ = enabled;
  repaint();
}

void Control::set_hint(std::u16string hint) {
  hint_ = std::move(hint);
  // An icon button's window text is its hint.
  repaint();
}

void Control::set_accessible_name(std::u16string name) {
  accessible_name_ = std::move(name);
  repaint();
}

bool Control::usable() const {
  for (const Control* at = this; at != nullptr; at = at->parent_) {
    if (!at->visible_ || !at->enabled_) return false;
  }
  return true;
}

void Control::repaint() { backend::control_changed(*this); }

Rect Control::client_rect() const { return Rect{0, 0, bounds_.width, bounds_.height}; }

void Control::realign() {
  Rect free = client_rect();
  for (Control* child : children_) {
    Rect placed = child->bounds_;
    switch (child->align_) {
      case Align::none: continue;
      case Align::bottom:
        placed = {free.left, free.bottom() - placed.height, free.width, placed.height};
        free.height -= placed.height;
        break;
      case Align::right:
        placed = {free.right() - placed.width, free.top, placed.width, free.height};
        free.width -= placed.width;
        break;
      case Align::client: continue;
    }
    child->set_bounds(placed);
  }
  // The client-aligned control takes what the others left.
  for (Control* child : children_) {
    if (child->align_ == Align::client)
      child->set_bounds({free.left, free.top, std::max(free.width, 0), std::max(free.height, 0)});
  }
}

}  // namespace toolkit
