// The one state of the stand-in viewer: what the host API functions read and change, and what
// the session prints.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "api/object_tree.h"
#include "interface/desktop_api_list.h"
#include "interface/viewer_records.h"
#include "model/model.h"

namespace host {

enum class ButtonKind { large, small, drop_down };

struct RibbonButton {
  std::int32_t id = 0;
  std::int32_t group = -1;  // -1: in no group
  ButtonKind kind = ButtonKind::large;
  viewer::Callback callback = nullptr;
  std::u16string text;
  std::u16string hint;
  std::u16string image;
  std::u16string small_image;
  bool visible = true;
  std::vector<std::int32_t> entries;  // of a drop-down
};

struct RibbonGroup {
  std::int32_t id = 0;
  std::u16string caption;
  std::vector<std::int32_t> buttons;
};

// The callbacks a plug-in registered, one per event.
struct EventCallbacks {
  viewer::Callback measure_change = nullptr;
  viewer::Callback model_clear = nullptr;
  viewer::Callback selection_change = nullptr;
  viewer::Callback hover = nullptr;
  viewer::Callback draw = nullptr;
  viewer::Callback draw_object_click = nullptr;
  viewer::Callback context_menu = nullptr;
  viewer::Callback gallery_item_context_menu = nullptr;
  viewer::Callback tab_change = nullptr;
  viewer::ValueCallback tab_sheet_placement = nullptr;
  viewer::ValueCallback tab_sheet_change = nullptr;
  viewer::MessageCallback plugin_message = nullptr;
  viewer::Callback property_change = nullptr;
  viewer::Callback object_list_changed = nullptr;
  viewer::Callback model_load = nullptr;
  viewer::Callback save_bvf = nullptr;
};

// The desktop the plug-in's headless toolkit runs on: the user's queued answers to dialogs, the
// message boxes shown, and the toolkit's command handler.
struct Desktop {
  desktop::CommandHandler handler = nullptr;
  // Queues the user's answer to the next dialog of a kind ("open", "save", "color", or a form's
  // name; nullopt: the user cancels), or with the kind "keys", the keys for the next dialog of any
  // kind.
  void queue_answer(const std::string& kind, std::optional<std::string> answer);
  // The next answer for a dialog of the kind; nothing when none is queued.
  std::optional<std::optional<std::string>> take_answer(const std::string& kind);
  // The keys queued for the next dialog, when they were queued before every answer of its kind.
  std::optional<std::string> take_keys(const std::string& kind);

  // Each queued answer with the order in which it was queued.
  std::map<std::string, std::deque<std::pair<std::uint64_t, std::optional<std::string>>>> answers;
  std::uint64_t answers_queued = 0;
  std::string last_answer;  // keeps the answer handed out alive
  std::vector<std::string> messages;
  // What the session put on the clipboard (the Windows build puts it on the system's too).
  std::string clipboard;
  // The screen's dots per inch as the session set it (settings dpi); 0: the system's.
  std::int32_t dpi = 0;
  // Told when a dialog stands filled with its answer: its window (null without one) and its
  // display list.
  std::function<void(const std::string& dialog, void* window, const std::string& display_list)> dialog_filled;
};

// A viewer that misbehaves, switched on by tests of the plug-in's defences.
struct Misbehaviour {
  // get_childs and get_selected answer this many ids more than they fill in.
  std::int32_t overstated_count = 0;
  // Every child list of an object and the selection also name an id of no object, and
  // calculate_object_id answers one for a GUID it does not know.
  bool unknown_ids = false;
  // Every text handed out (names, GUIDs, the model's path, the language and its texts): as it
  // is (null when empty), empty, or null.
  enum class Texts { as_they_are, empty, null } texts = Texts::as_they_are;
};

// The id of no object that a misbehaving viewer hands out.
inline constexpr ObjectId unknown_object_id = 0x0BAD'0000'0000'0001;

struct HostState {
  // The handle the host gives the plug-in; a call with another one is refused and noted.
  viewer::HostHandle handle = 0x7042;

  Model model;
  ObjectTree tree;  // the model's tree, for walks over a subtree
  // Per object, by model index.
  std::vector<void*> user_data;
  std::vector<std::optional<std::uint32_t>> colors;  // nullopt: the object's default colours
  std::vector<bool> selected;
  std::vector<ObjectId> hover_set;
  ObjectId hovered = 0;
  std::int32_t draw_object_id = 0;
  std::int32_t next_ribbon_id = 100;

  std::vector<RibbonGroup> groups;
  std::vector<RibbonButton> buttons;
  std::vector<std::int32_t> context_menu;  // drop-downs added while the context menu is built
  std::int32_t clicked_button = 0;

  std::u16string language = u"en";
  std::unordered_map<std::string, std::u16string> texts;
  std::unordered_map<std::string, std::u16string> unknown_keys;  // keeps answered keys alive
  std::vector<std::u16string> text_files_asked;                  // every load_texts path, in order

  viewer::ViewRect view_rect{0, 0, 1280, 800};
  // A Windows colour value, as the viewer answers: here the system's button face colour.
  std::uint32_t gui_color = 0xFF00000F;
  bool touch_mode = false;

  EventCallbacks events;
  Desktop desktop;

  // Parents to report instead of the model's, to play a viewer whose parent chains are broken.
  std::unordered_map<ObjectId, ObjectId> reported_parents;
  Misbehaviour misbehaviour;

  // Every host function call by name, while log_calls is set.
  bool log_calls = false;
  std::vector<std::string> call_log;
  // Faults of the plug-in's calls that the viewer would not notice but a test should.
  std::vector<std::string> faults;

  // Replaces the model: every object starts with default colours, no user data, unselected.
  void set_model(Model new_model);
  RibbonButton* find_button(std::int32_t id);

  // A text as the viewer hands it out: null when empty, unless it misbehaves.
  const char16_t* handed_out(const std::u16string& text) const;
  const char* handed_out(const std::string& text) const;
  // A text the viewer hands out even when empty, unless it misbehaves.
  const char16_t* handed_out_always(const std::u16string& text) const;
};

HostState& host_state();

}  // namespace host
