// Tfrm_uda: the floating panel of one tracked attribute: its categories in a grid, and what the
// user does with them.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "categories/category_totals.h"
#include "categories/objects_group.h"
#include "gui_add_category/tfrm_add_category.h"
#include "gui_uda/panel_history.h"
#include "gui_uda/panel_mode.h"
#include "platform/file_facts.h"
#include "plugin_base/plugin_base.h"
#include "simple_io/in_file.h"
#include "toolkit/dialogs.h"
#include "toolkit/draw_grid.h"
#include "toolkit/file_text.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/type_ahead.h"
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

  // Loading categories for the loaded model; unsaved changes of the model are offered back, or,
  // for a list filled only to be reported, left for the panel to offer when it is shown.
  void reload_groups(bool offer_unsaved = true);
  std::u16string sidecar_path(const std::u16string& model_path) const;
  // Appends the side-car file's categories; false when it could not be read. Lines whose GUID
  // names no object of the model stay with their category (absent_guids). How much of the file
  // was read goes to last_read.
  bool load_groups_file(const std::u16string& path);
  // The same on a file already read, stamped as it was before the read.
  bool load_groups_bytes(simple_io::FileBytes file, std::optional<platform::FileStamp> stamp);
  void build_groups_from_model();

  // Colouring and selecting the viewer's objects. apply_colors also ends a category shown alone.
  void apply_colors();
  void select_group(int index);
  // One category alone: its objects as apply_colors colours them, every other object in a
  // translucent light grey; nothing selected, nothing changed in the list. Its row is marked
  // until colours are applied again.
  void show_only(std::size_t index);
  const ObjectsGroup* shown_alone() const { return shown_alone_; }
  // Every category without a colour gets the next colour of the palette that no other category
  // of the panel has; remembered by name, one step of the history.
  void color_from_palette();
  // How many objects lie below the category's filed objects.
  std::size_t parts_of(const ObjectsGroup& group) const;
  // Objects, parts and weight of each category and of what is in none, walked once and kept until
  // the list or the model changes.
  const ListTotals& totals() const;
  // The count cell's hint: "Batch 3 – 107 objects, 412 parts below them, 18.42 t"; on the default
  // row what is in no category; empty for other cells.
  std::u16string count_hint(int col, int row) const;
  // Each row's name, objects, parts and kilograms with one decimal, tab-separated, a row a line.
  std::u16string totals_listing() const;

  // Category colours remembered by name.
  void load_colors();
  void save_colors();

  // The grid.
  void gridDrawCell(toolkit::Canvas& canvas, int col, int row, const toolkit::Rect& rect,
                    toolkit::CellState state);
  // Insert, F2 and Delete: the context menu's add, rename and delete, as enabled there; Ctrl+Space
  // shows the current row's category alone, and all again on the same row.
  void gridKeyDown(toolkit::Key key);
  // Enter chooses a colour, Space selects, Ctrl+Z and Ctrl+Y undo and redo, letters find rows.
  void gridKeyPress(char16_t& key);
  void gridMouseDown(toolkit::MouseButton button, toolkit::Point point);
  void gridDblClick();
  void gridSelectCell(int col, int row, bool& can_select);
  // "shown alone" on the row of the category shown alone, for screen readers; empty elsewhere.
  std::u16string gridRowMark(int row) const;
  void cbx_auto_selectClick();
  // The row count follows the list (one header row), then the column layout.
  void set_row_count_and_layout();

  // Category editing through the grid's context menu.
  void popup_menuPopup();
  void menu_addClick();
  void menu_renameClick();
  void menu_deleteClick();
  // Enter's and Space's work on the current row, for those who look for it in the menu.
  void menu_colorClick();
  void menu_selectClick();
  void menu_onlyClick();
  void menu_allClick();
  void menu_paletteClick();

  // Side-car files. False when nothing was written (refused, cancelled or failed).
  bool save_groups_file(const std::u16string& path);
  // What save_groups_file writes; objects without a valid IFC GUID are left out and counted.
  toolkit::FileText sidecar_text(std::size_t& left_out) const;
  void btn_saveClick();
  void btn_openClick();

  // Unsaved work: after every change the list goes to a recovery file in the user folder, named
  // after the model's path and the attribute; a save or a load from the side-car file removes it.
  void note_change();
  std::u16string recovery_path() const;
  // Before the viewer clears the model or unloads the plug-in: unsaved changes are offered to be
  // saved to the model's side-car file; declined, they stay in the recovery file.
  void offer_to_save();

  // The history of changes: a change just made, taken back, made again; the steps listed one a
  // line, the one an undo takes back marked "> " ("> start" when there is none).
  void record(std::unique_ptr<PanelStep> step);
  void undo();
  void redo();
  std::u16string history_listing() const;
  PanelHistory history;

  // The texts of a line in the language file with its %1, %2 and %3 filled in.
  std::u16string text(const char* key, std::u16string_view first, std::u16string_view second = {},
                      std::u16string_view third = {}) const;
  // The same for a text with counts, in the form of the viewer's language for each count in order
  // ("assign 1 object to %2", "assign 5 objects to %2").
  std::u16string counted_text(const char* key, std::initializer_list<std::uint64_t> counts,
                              std::u16string_view first, std::u16string_view second = {},
                              std::u16string_view third = {}) const;

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
  toolkit::TypeAhead type_ahead;
  // The recovery files of the model that no other running viewer writes are offered, newest first,
  // over the list read for the model: the one the user takes replaces the list (a step that undo
  // takes back); each refused one is kept as a ".discarded" copy, and so are those older than the
  // one taken.
  void offer_recovery(const std::u16string& model_path);
  void forget_recovery();
  // Whether the model's side-car file, as the list last read or wrote it, has these bytes' hash.
  bool holds_model_sidecar(std::uint32_t content_hash) const;
  std::u16string recovery_folder() const;
  // A free name for a copy of path kept aside: path.discarded, else path.N.discarded.
  static std::u16string discarded_name(const std::u16string& path);
  // Before the list is replaced by something the history alone would hold (a file opened by hand,
  // a restore undone): unsaved changes move from the recovery file to a kept copy, and the user is
  // told where.
  void keep_unsaved_aside();
  struct RecoveryFile {
    std::u16string path;
    std::int64_t modified_ns = 0;
  };
  // The model's recovery files that no other running viewer writes, newest first.
  std::vector<RecoveryFile> recovery_files() const;
  void set_unsaved(bool unsaved);
  // What the list knows of a side-car file it read or wrote, so that someone else's save shows.
  void remember_sidecar(const std::u16string& path, const std::optional<platform::FileStamp>& stamp,
                        std::uint32_t content_hash, bool whole);
  // Says once, as the list fills, that the side-car file was not read, or not to its end.
  void tell_unread(const std::u16string& path);
  // Whether a save to path may replace what is there (asks when someone else changed it).
  bool may_replace(const std::u16string& path);
  // Asks before a file that is no side-car file of this panel is read into the list.
  bool may_open(const std::u16string& path, std::string_view bytes);
  // After an undo or a redo: the list shown and the viewer coloured as after any change.
  void after_history_step();

  // The model the list was filled for: its recovery file and side-car file. Its canonical path
  // keys the recovery files, so that every spelling of the model finds them.
  std::u16string model_of_list;
  std::u16string recovery_stem;
  std::u16string caption_text;
  // The custom colours as they were read, so that unchanged ones are not written again.
  std::vector<std::u16string> loaded_custom_colors;
  bool unsaved = false;
  const ObjectsGroup* shown_alone_ = nullptr;
  // Whether the user already answered the question before leaving these changes.
  bool leaving_answered = false;
  // What totals() found for the list as it is; emptied by every change of the list or the model.
  mutable std::optional<ListTotals> totals_;
  void forget_totals() { totals_.reset(); }
  // The kept copy of a recovery file that was restored in part: until a save, saving asks.
  std::u16string restored_part_of;
  // The list was filled without offering the model's unsaved changes (for an export).
  bool recovery_pending = false;
  // A side-car file as the list last read or wrote it: its stamp (nothing when no file was there)
  // and the hash of its bytes; whole is false when the list does not hold all of it.
  struct KnownFile {
    std::u16string path;
    std::optional<platform::FileStamp> stamp;
    std::uint32_t content_hash = 0;
    bool whole = true;
  };
  std::vector<KnownFile> known_files;
  // Of the last file load: lines with a GUID, and those whose GUID names no object of the model.
  std::size_t loaded_guid_lines = 0;
  std::size_t loaded_absent_lines = 0;
  // Of the last file load: why the file could not be read (empty when it was, or was missing),
  // where reading stopped and how many lines with text were left after it, and how many lines
  // were skipped for a GUID that is not one.
  struct ReadOutcome {
    bool missing = false;
    std::u16string failure;
    std::size_t stopped_at_line = 0;
    std::size_t lines_not_read = 0;
    std::size_t invalid_guid_lines = 0;
    std::optional<platform::FileStamp> stamp;
    std::uint32_t content_hash = 0;
    bool whole() const { return failure.empty() && lines_not_read == 0 && invalid_guid_lines == 0; }
  };
  ReadOutcome last_read;

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
  // The auto-select box and the buttons as wide as their captions, the panel wide enough for them.
  void fit_bottom_row();
  // The current row's category index, when a category stands there.
  std::optional<std::size_t> current_index() const;
  // Sets the dialog's captions for a command and places it at the panel's centre.
  void prepare_dialog(const char* caption_key, const char* ok_key);
  // Proposes the side-car file of the loaded model in a file dialog.
  void propose_sidecar(toolkit::FileDialog& dialog);
};
