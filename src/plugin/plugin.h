// Plugin: the tracking plug-in object, its ribbon and its reaction to the viewer's events.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "categories/move_members.h"
#include "categories/objects_group.h"
#include "gui_uda/panel_mode.h"
#include "plugin_base/plugin_base.h"

class Plugin : public cpp::PluginBase {
 public:
  explicit Plugin(platform::ModuleHandle module);
  ~Plugin() override;

  std::int32_t api_minor_version() override;
  void get_plugin_info(cpp::PluginInfo& info) override;
  void on_plugin_load(viewer::HostHandle host, bool flag, viewer::HostWindow window) override;
  void on_plugin_unload() override;
  void on_gui_colors_change() override;
  void on_selection_change() override;
  void on_hover() override;
  void on_context_menu() override;
  void on_button_click(std::int32_t id) override;
  void on_model_load() override;
  // Before the model goes (another is loaded, or the viewer closes): unsaved changes are offered
  // to be saved.
  void on_model_clear() override;

  // Makes the context-menu drop-down's entries those of a panel's categories.
  void rebuild_context_entries(Groups& groups);
  // What an assignment moved: the objects filed under the chosen category, and where they and the
  // filed objects they now hide were before.
  struct Assignment {
    ObjectsGroup* chosen = nullptr;
    std::vector<MemberMove> moved;
    std::vector<MemberMove> before;
  };
  // Moves the assembly-aware selection into the category of groups whose entry button is id;
  // nothing when no category has that entry.
  std::optional<Assignment> assign_selection(Groups& groups, std::int32_t id);

  std::int32_t group_id = -1;
  std::int32_t btn_uda4_id = -1;
  std::int32_t btn_uda3_id = -1;
  std::int32_t btn_reset_id = -1;
  std::int32_t btn_export_id = -1;
  // The drop-down offered in the viewer's context menu, and its entry buttons (a pool that only grows).
  std::int32_t context_button_id = -1;
  std::vector<std::int32_t> context_entry_ids;
  std::u16string change_batching_text;
  std::u16string change_real_time_text;
  // The assembly-aware selection last computed.
  std::vector<viewer::ObjectId> selected_objects;

 private:
  void offer_to_save_panels();
  void create_ribbon();
  void show_panel(PanelMode mode);
  void reset_viewer();
  void export_command();
};
