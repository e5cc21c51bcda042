// Tfrm_add_category: the small modal dialog in which the name of a new category, or a new name
// for one, is typed; it accepts only a new, non-empty, cleaned name.
#pragma once

#include <cstddef>

#include "categories/objects_group.h"
#include "toolkit/form.h"
#include "toolkit/widgets.h"

class Tfrm_add_category : public toolkit::Form {
 public:
  // Works on the owning panel's categories.
  explicit Tfrm_add_category(Groups& owner_groups);

  // True when the user confirmed: the new category is then in the list, which is sorted again.
  bool run_add();
  // True when the user confirmed: category index then has the new name; the list keeps its order.
  bool run_rename(std::size_t index);

  void cmb_nameChange();
  void btn_okClick();

  toolkit::ComboBox cmb_name;
  toolkit::Button btn_ok;
  toolkit::Button btn_cancel;

 private:
  bool run();

  Groups& groups_;
  // -1 while adding; the index of the category being renamed otherwise.
  std::ptrdiff_t edit_index_ = -1;
  const ObjectsGroup* renamed_ = nullptr;
};
