// Each step changes the list one way when undone and back when redone; the panel then shows the
// list, colours the viewer and writes the recovery file as after any change.
#include "gui_uda/panel_steps.h"
#include "gui_uda/count_text.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

#include "gui_uda/tfrm_uda.h"

namespace {

// What a category keeps in memory: itself, its objects' ids, its name and the lines it keeps.
std::size_t memory_of(const ObjectsGroup& group) {
  std::size_t bytes = sizeof group + group.object_ids.capacity() * sizeof(viewer::ObjectId) +
                      group.name.capacity() * sizeof(char16_t);
  for (const std::u16string& guid : group.absent_guids)
    bytes += sizeof guid + guid.capacity() * sizeof(char16_t);
  return bytes;
}

// Where a category stands in the list; the list's size when it is not there.
std::size_t index_of(const Groups& groups, const ObjectsGroup* group) {
  const auto found =
      std::find_if(groups.begin(), groups.end(), [group](const auto& entry) { return entry.get() == group; });
  return static_cast<std::size_t>(found - groups.begin());
}

class AssignmentStep : public PanelStep {
 public:
  AssignmentStep(ObjectsGroup* chosen, std::vector<MemberMove> moved, std::vector<MemberMove> before)
      : chosen_(chosen), moved_(std::move(moved)), before_(std::move(before)) {}
  void undo(Tfrm_uda& panel) override { move(panel, before_); }
  void redo(Tfrm_uda& panel) override { move(panel, moved_); }
  std::u16string description(const Tfrm_uda& panel) const override {
    return panel.counted_text("step_assign", {moved_.size()}, count_text(moved_.size()), chosen_->name);
  }
  std::size_t memory_size() const override {
    return sizeof *this + (moved_.capacity() + before_.capacity()) * sizeof(MemberMove);
  }

 private:
  static void move(Tfrm_uda& panel, const std::vector<MemberMove>& moves) {
    move_members(panel.host_handle, panel.plugin.all_objects_id, panel.groups, moves);
  }
  ObjectsGroup* chosen_;
  std::vector<MemberMove> moved_;
  std::vector<MemberMove> before_;
};

// A category that is in the list while the step is done (added) or undone (deleted), and kept by
// the step while it is not.
class PresenceStep : public PanelStep {
 public:
  PresenceStep(ObjectsGroup* group, std::unique_ptr<ObjectsGroup> kept, std::size_t index,
               bool present_when_done)
      : group_(group), kept_(std::move(kept)), index_(index), present_when_done_(present_when_done) {}
  void undo(Tfrm_uda& panel) override { present_when_done_ ? take_out(panel) : put_back(panel); }
  void redo(Tfrm_uda& panel) override { present_when_done_ ? put_back(panel) : take_out(panel); }
  std::u16string description(const Tfrm_uda& panel) const override {
    return panel.text(present_when_done_ ? "step_add" : "step_delete", group_->name);
  }
  // The category counts whether the list or the step holds it now.
  std::size_t memory_size() const override { return sizeof *this + memory_of(*group_); }

 private:
  void take_out(Tfrm_uda& panel) {
    index_ = index_of(panel.groups, group_);
    if (index_ == panel.groups.size()) return;
    kept_ = std::move(panel.groups[index_]);
    panel.groups.erase(panel.groups.begin() + static_cast<std::ptrdiff_t>(index_));
  }
  void put_back(Tfrm_uda& panel) {
    if (!kept_) return;
    const std::size_t at = std::min(index_, panel.groups.size());
    panel.groups.insert(panel.groups.begin() + static_cast<std::ptrdiff_t>(at), std::move(kept_));
  }
  ObjectsGroup* group_;
  std::unique_ptr<ObjectsGroup> kept_;
  std::size_t index_;
  bool present_when_done_;
};

class RenameStep : public PanelStep {
 public:
  RenameStep(ObjectsGroup* renamed, std::u16string old_name)
      : group_(renamed), old_name_(std::move(old_name)), new_name_(renamed->name) {}
  void undo(Tfrm_uda& panel) override { name(panel, old_name_); }
  void redo(Tfrm_uda& panel) override { name(panel, new_name_); }
  std::u16string description(const Tfrm_uda& panel) const override {
    return panel.text("step_rename", old_name_, new_name_);
  }
  std::size_t memory_size() const override {
    return sizeof *this + (old_name_.capacity() + new_name_.capacity()) * sizeof(char16_t);
  }

 private:
  // The colour is remembered under the name the category has again.
  void name(Tfrm_uda& panel, const std::u16string& name) {
    group_->name = name;
    panel.save_colors();
  }
  ObjectsGroup* group_;
  std::u16string old_name_;
  std::u16string new_name_;
};

// Colours given to one category, or to several at once (the palette).
class ColorStep : public PanelStep {
 public:
  explicit ColorStep(std::vector<std::pair<ObjectsGroup*, Rgba>> old_colors)
      : other_colors_(std::move(old_colors)) {}
  void undo(Tfrm_uda& panel) override { swap_colors(panel); }
  void redo(Tfrm_uda& panel) override { swap_colors(panel); }
  std::u16string description(const Tfrm_uda& panel) const override {
    if (other_colors_.size() == 1) return panel.text("step_color", other_colors_.front().first->name);
    return panel.counted_text("step_palette", {other_colors_.size()}, count_text(other_colors_.size()));
  }
  bool changes_sidecar() const override { return false; }
  std::size_t memory_size() const override {
    return sizeof *this + other_colors_.capacity() * sizeof(std::pair<ObjectsGroup*, Rgba>);
  }

 private:
  void swap_colors(Tfrm_uda& panel) {
    for (auto& [group, color] : other_colors_) std::swap(group->color, color);
    panel.save_colors();
  }
  std::vector<std::pair<ObjectsGroup*, Rgba>> other_colors_;
};

class ListStep : public PanelStep {
 public:
  ListStep(Groups before, const char* key, std::u16string file_name)
      : other_(std::move(before)), key_(key), file_name_(std::move(file_name)) {}
  void undo(Tfrm_uda& panel) override { std::swap(panel.groups, other_); }
  void redo(Tfrm_uda& panel) override { std::swap(panel.groups, other_); }
  std::u16string description(const Tfrm_uda& panel) const override { return panel.text(key_, file_name_); }
  bool restores_unsaved_work() const override { return std::string_view(key_) == "step_restore"; }
  std::size_t memory_size() const override {
    std::size_t bytes = sizeof *this + file_name_.capacity() * sizeof(char16_t);
    for (const auto& group : other_) bytes += sizeof group + memory_of(*group);
    return bytes;
  }

 private:
  Groups other_;
  const char* key_;
  std::u16string file_name_;
};

}  // namespace

std::unique_ptr<PanelStep> assignment_step(ObjectsGroup* chosen, std::vector<MemberMove> moved,
                                           std::vector<MemberMove> before) {
  return std::make_unique<AssignmentStep>(chosen, std::move(moved), std::move(before));
}

std::unique_ptr<PanelStep> add_step(ObjectsGroup* added) {
  return std::make_unique<PresenceStep>(added, nullptr, 0, true);
}

std::unique_ptr<PanelStep> rename_step(ObjectsGroup* renamed, std::u16string old_name) {
  return std::make_unique<RenameStep>(renamed, std::move(old_name));
}

std::unique_ptr<PanelStep> delete_step(std::unique_ptr<ObjectsGroup> removed, std::size_t index) {
  ObjectsGroup* group = removed.get();
  return std::make_unique<PresenceStep>(group, std::move(removed), index, false);
}

std::unique_ptr<PanelStep> color_step(ObjectsGroup* colored, Rgba old_color) {
  return std::make_unique<ColorStep>(std::vector<std::pair<ObjectsGroup*, Rgba>>{{colored, old_color}});
}

std::unique_ptr<PanelStep> colors_step(std::vector<std::pair<ObjectsGroup*, Rgba>> old_colors) {
  return std::make_unique<ColorStep>(std::move(old_colors));
}

std::unique_ptr<PanelStep> list_step(Groups before, const char* key, std::u16string file_name) {
  return std::make_unique<ListStep>(std::move(before), key, std::move(file_name));
}
