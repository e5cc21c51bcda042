// The session language of torv-host: one command a line, played as the user's actions, with
// what the viewer shows printed as plain text.
#pragma once

#include <iosfwd>
#include <string_view>

#include "app/viewer.h"

namespace host {

class Session {
 public:
  Session(Viewer& viewer, std::ostream& out, std::ostream& errors);

  // Runs one line; false once the session has ended (quit).
  bool run_line(std::string_view line);
  // Runs every line of input until quit or its end; prompts when prompt is set.
  void run(std::istream& input, bool prompt);

  // Whether any command failed (unknown command, unknown button, bad argument).
  bool failed() const { return failed_; }

 private:
  void print_ribbon();
  void click(std::string_view target);
  void fail(std::string_view message);

  Viewer& viewer_;
  std::ostream& out_;
  std::ostream& errors_;
  bool failed_ = false;
};

}  // namespace host
