// Control: what every widget has: a name, a place in its parent, visibility, enabling, a hint.
#pragma once

#include <string>
#include <vector>

#include "toolkit/geometry.h"

namespace toolkit {

class Form;
class PopupMenu;

// How a control follows its parent's size, as VCL's Align: along the bottom or right edge, or
// filling what the others leave.
enum class Align { none, bottom, right, client };

class Control {
 public:
  // Name: the design name ("grid", "btn_save") by which tests and sessions find the control.
  Control(Control* parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& name() const { return name_; }
  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  // The form this control lies on (itself for a form).
  Form* form();

  const Rect& bounds() const { return bounds_; }
  void set_bounds(const Rect& bounds);
  Align align() const { return align_; }
  void set_align(Align align);
  bool visible() const { return visible_; }
  void set_visible(bool visible);
  bool enabled() const { return enabled_; }
  void set_enabled(bool enabled);
  const std::u16string& hint() const { return hint_; }
  void set_hint(std::u16string hint);
  // What a screen reader calls a control that shows no label of its own (a text field).
  const std::u16string& accessible_name() const { return accessible_name_; }
  void set_accessible_name(std::u16string name);

  // The context menu a right click opens; not owned.
  PopupMenu* popup_menu = nullptr;
  // Whether Tab stops at the control, when it is one that takes the keyboard's focus.
  bool tab_stop = true;
  // Its place among its siblings in Tab's order; siblings of the same place go in the order made.
  int tab_order = 0;
  // Buttons, check boxes, text fields and grids take the focus; labels and panels do not.
  virtual bool takes_focus() const { return false; }
  // Visible and enabled, and so are all its parents.
  bool usable() const;

  // Tells the backend that the control changed (bounds, state, text), so that it is shown again.
  void repaint();

  // The area children are placed in, in this control's own coordinates.
  virtual Rect client_rect() const;
  // Places the aligned children in the client area, then their own children.
  void realign();

 protected:
  virtual void bounds_changed() {}

 private:
  Control* parent_;
  std::string name_;
  std::vector<Control*> children_;
  Rect bounds_;
  Align align_ = Align::none;
  bool visible_ = true;
  bool enabled_ = true;
  std::u16string hint_;
  std::u16string accessible_name_;
};

}  // namespace toolkit
