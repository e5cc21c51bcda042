// Tfrm_uda: the floating panel of one tracked attribute: its categories in a grid, and what the
// user does with them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "categories/objects_group.h"
#include "gui_add_category/tfrm_add_category.h"
#include "gui_uda/panel_mode.h"
#include "platform/file_facts.h"
#include "plugin_base/plugin_base.h"
#include "toolkit/dialogs.h"
#include "toolkit/draw_grid.h"
#include "toolkit/file_text.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/widgets.h"

class Tfrm_uda : public toolkit::Form {
 public:
  Tfrm_uda(cpp::PluginBase& plugin, PanelMode mode);
  ~Tfrm_uda() override;

  // Lifecycle.
  void FormShow();
  void FormResize();
  // The viewer's interface colour and touch mode.
  void apply_gui_settings();
  // After a model load: the list empties, and a visible panel fills it again.
  void on_model_loaded();
  void clear_groups();

  // Loading categories for the loaded model.
  void reload_groups();
  std::u16string sidecar_path(const std::u16string& model_path) const;
  // Appends the side-car file's categories; false when it could not be read. Lines whose GUID
  // names no object of the model stay with their category (absent_guids).
  bool load_groups_file(const std::u16string& path);
  void build_groups_from_model();

  // Colouring and selecting the viewer's objects.
  void apply_colors();
  void select_group(int index);

  // Category colours remembered by name.
  void load_colors();
  void save_colors();

  // The grid.
  void gridDrawCell(toolkit::Canvas& canvas, int col, int row, const toolkit::Rect& rect,
                    toolkit::CellState state);
  void gridKeyPress(char16_t& key);
  void gridMouseDown(toolkit::MouseButton button, toolkit::Point point);
  void gridDblClick();
  void gridSelectCell(int col, int row, bool& can_select);
  void cbx_auto_selectClick();
  // The row count follows the list (one header row), then the column layout.
  void set_row_count_and_layout();

  // Category editing through the grid's context menu.
  void popup_menuPopup();
  void menu_addClick();
  void menu_renameClick();
  void menu_deleteClick();

  // Side-car files.
  void save_groups_file(const std::u16string& path);
  // What save_groups_file writes.
  toolkit::FileText sidecar_text() const;
  void btn_saveClick();
  void btn_openClick();

  // Unsaved work: after every change the list goes to a recovery file in the user folder, named
  // after the model's path and the attribute; a save or a load from the side-car file removes it.
  void note_change();
  std::u16string recovery_path() const;

  Groups groups;
  const PanelMode mode;
  cpp::PluginBase& plugin;
  const viewer::HostHandle host_handle;
  std::u16string name_header;
  std::u16string count_header;
  std::u16string color_header;
  std::u16string default_name;
  std::u16string file_filter;
  std::u16string rename_label;
  std::u16string delete_label;

  toolkit::Panel pnl_bottom;
  toolkit::CheckBox cbx_auto_select;
  toolkit::Button btn_save;
  toolkit::Button btn_open;
  toolkit::ImageList images_small{16, 16, {"open", "save"}};
  toolkit::DrawGrid grid;
  toolkit::PopupMenu popup_menu;
  toolkit::ColorDialog color_dlg;
  toolkit::FileDialog open_dialog{toolkit::FileDialogKind::open};
  toolkit::FileDialog save_dialog{toolkit::FileDialogKind::save};
  std::unique_ptr<Tfrm_add_category> add_category_dialog;

 private:
  // The recovery file, when it is newer than the model's side-car file, is offered: true when the
  // user took it and the list holds it; a refused one is kept as the one ".discarded" copy.
  bool offer_recovery(const std::u16string& model_path);
  void forget_recovery();
  void set_unsaved(bool unsaved);
  // The side-car file as this panel last read or wrote it, so that someone else's save shows.
  void remember_sidecar(const std::u16string& path);
  // Whether a save to path may replace what is there (asks when someone else changed it).
  bool may_replace(const std::u16string& path);
  // Asks before a file that is no side-car file of this panel is read into the list.
  bool may_open(const std::u16string& path);
  // The texts of a line in the language file with its %1 and %2 filled in.
  std::u16string text(const char* key, std::u16string_view first, std::u16string_view second = {}) const;

  // The model the list was filled for: its recovery file and side-car file.
  std::u16string model_of_list;
  std::u16string caption_text;
  // The custom colours as they were read, so that unchanged ones are not written again.
  std::vector<std::u16string> loaded_custom_colors;
  bool unsaved = false;
  std::u16string known_sidecar;
  std::optional<platform::FileStamp> known_stamp;
  // Of the last file load: lines with a GUID, and those whose GUID names no object of the model.
  std::size_t loaded_guid_lines = 0;
  std::size_t loaded_absent_lines = 0;

  // Hashed and looked up by view: a load asks once per line or object, a million times.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view name) const { return std::hash<std::u16string_view>()(name); }
  };
  using GroupsByName =
      std::unordered_map<std::u16string, std::unique_ptr<ObjectsGroup>, NameHash, std::equal_to<>>;
  static ObjectsGroup& group_named(GroupsByName& by_name, std::u16string_view name);
  // The common end of both loads: the categories in order, the default (named default_name) last,
  // their colours.
  void finish_list(GroupsByName& by_name);
  // Each object of a category in its colour, or in its default colours without one.
  void color_objects(const ObjectsGroup& group);
  // The colour dialog that serves both panels.
  toolkit::ColorDialog& shared_color_dialog();
  std::u16string text(const char* key) const;
  // The auto-select box as wide as its caption, the panel wide enough for it beside the buttons.
  void fit_bottom_row();
  // The current row's category index, when a category stands there.
  std::optional<std::size_t> current_index() const;
  // Sets the dialog's captions for a command and places it at the panel's centre.
  void prepare_dialog(const char* caption_key, const char* ok_key);
  // Proposes the side-car file of the loaded model in a file dialog.
  void propose_sidecar(toolkit::FileDialog& dialog);
};
