// The session language of torv-host: one command a line, played as the user's actions, with
// what the viewer shows printed as plain text.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/picture.h"
#include "app/viewer.h"
#include "model/model.h"

namespace host {

// Loads a model for the session's load command: a file, or a generator spec.
using ModelLoader = std::function<Model(const std::string& model_file, const std::string& generator_spec)>;

class Session {
 public:
  Session(Viewer& viewer, std::ostream& out, std::ostream& errors, ModelLoader load_model = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one line; false once the session has ended (quit).
  bool run_line(std::string_view line);
  // Runs every line of input until quit or its end; prompts when prompt is set.
  void run(std::istream& input, bool prompt);

  // Whether any command failed (unknown command, unknown object or button, a refused action).
  bool failed() const { return failed_; }

  // A session command: its word (in small letters) and what runs it with the rest of the line.
  struct Command {
    std::string_view word;
    void (Session::*run)(std::string_view arguments);
  };

 private:
  static const std::vector<Command>& commands();

  void print(std::string_view what);
  void print_ribbon(std::string_view arguments);
  void print_colors();
  void print_objects(const std::vector<ObjectId>& ids);
  void print_help(std::string_view arguments);
  void click(std::string_view target);
  void select(std::string_view objects);
  void hover(std::string_view object);
  void find(std::string_view text);
  void put_on_clipboard(std::string_view text);
  void open_context_menu(std::string_view arguments);
  void choose(std::string_view entry);
  void act_on_panel(std::string_view arguments);
  void answer(std::string_view arguments);
  void load(std::string_view arguments);
  void save_model(std::string_view file);
  void change_settings(std::string_view arguments);
  void snapshot(std::string_view arguments);
  // Takes the picture queued for a dialog that stands filled with its answer.
  void dialog_filled(const std::string& dialog, void* window, const std::string& display_list);
  void take_picture(const ShownForm& form, const std::string& file);
  void render(std::string_view arguments);
  // The rows of a panel as print panel shows them; nothing (and a failure) when it is not open.
  std::optional<std::vector<std::string>> panel_rows(const std::string& panel);
  // The legend of the visible panel, titled with the model's file name.
  Legend legend();
  // Runs a toolkit command on a panel, printing what it replies; an error fails the command.
  void toolkit(const std::string& command, const std::string& panel = {});
  // An object by GUID, as @N (the N-th object of the model), or by a name or tag that fits one
  // object; 0 and a failure when unknown.
  ObjectId object(std::string_view name);
  // The objects whose name or tag is text, or with containing, whose GUID, entity, name or tag
  // contains it; capitals not minded.
  std::vector<ObjectId> matches(std::u16string_view text, bool containing) const;
  void fail(std::string_view message);

  Viewer& viewer_;
  std::ostream& out_;
  std::ostream& errors_;
  ModelLoader load_model_;
  bool failed_ = false;
  // Pictures to take of the next dialogs, by the dialog's name, in order.
  std::map<std::string, std::deque<std::string>, std::less<>> dialog_pictures_;
};

}  // namespace host
