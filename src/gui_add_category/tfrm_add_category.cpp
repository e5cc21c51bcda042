// The add and rename dialog: the name is cleaned as it is typed, and OK is enabled only for a
// name no category of the panel has.
#include "gui_add_category/tfrm_add_category.h"

#include <algorithm>

#include "categories/clean_field.h"
#include "categories/sort_groups.h"

Tfrm_add_category::Tfrm_add_category(Groups& owner_groups)
    : toolkit::Form("frm_add_category", toolkit::FormStyle::dialog),
      cmb_name(this, "cmb_name"),
      btn_ok(this, "btn_ok"),
      btn_cancel(this, "btn_cancel"),
      groups_(owner_groups) {
  set_caption(u"frm_add_category");
  set_client_size(180, 70);
  cmb_name.set_bounds({8, 8, 163, 21});
  cmb_name.on_change = [this] { cmb_nameChange(); };
  btn_ok.set_bounds({8, 35, 75, 25});
  btn_ok.set_caption(u"Add");
  btn_ok.set_modal_result(toolkit::ModalResult::ok);
  btn_ok.on_click = [this] { btn_okClick(); };
  btn_cancel.set_bounds({96, 35, 75, 25});
  btn_cancel.set_caption(u"Cancel");
  btn_cancel.set_modal_result(toolkit::ModalResult::cancel);
  text_input = &cmb_name;
  focus_at_each_show(&cmb_name);
  accept_button = &btn_ok;
}

bool Tfrm_add_category::run_add() {
  edit_index_ = -1;
  cmb_name.set_text(u"");
  return run();
}

bool Tfrm_add_category::run_rename(std::size_t index) {
  edit_index_ = static_cast<std::ptrdiff_t>(index);
  renamed_ = groups_.at(index).get();
  cmb_name.set_text(groups_.at(index)->name);
  // The old name selected whole, as Explorer's rename does: typing replaces it.
  cmb_name.set_selection(0, cmb_name.text().size());
  return run();
}

bool Tfrm_add_category::run() {
  // The user must change the text before confirming, in rename mode too.
  btn_ok.set_enabled(false);
  // The field has no label: the caption the panel gave ("New batch", "Rename batch") names it.
  cmb_name.set_accessible_name(caption());
  return show_modal();
}

void Tfrm_add_category::cmb_nameChange() {
  const std::u16string& typed = cmb_name.text();
  const std::u16string cleaned = clean_field(typed);
  if (cleaned != typed) {
    // The caret stays where the user left it, less the characters cleaned away before it.
    const std::size_t caret = clean_field(std::u16string_view(typed).substr(0, cmb_name.caret())).size();
    cmb_name.set_text(cleaned);
    cmb_name.set_selection(caret, caret);
  }
  // A lone CR, which cleaning keeps, would end the name's line in the side-car file.
  const std::u16string name = category_name(cmb_name.text());
  const bool used =
      std::any_of(groups_.begin(), groups_.end(), [&](const auto& group) { return group->name == name; });
  btn_ok.set_enabled(!name.empty() && !used);
}

void Tfrm_add_category::btn_okClick() {
  const std::u16string name = category_name(cmb_name.text());
  if (edit_index_ >= 0) {
    // The list may have been filled anew while the dialog stood open: only the category the
    // dialog opened for is renamed.
    const auto index = static_cast<std::size_t>(edit_index_);
    if (index < groups_.size() && groups_[index].get() == renamed_) groups_[index]->name = name;
    return;
  }
  auto group = std::make_unique<ObjectsGroup>();
  group->name = name;
  groups_.push_back(std::move(group));
  sort_groups(groups_);
}
