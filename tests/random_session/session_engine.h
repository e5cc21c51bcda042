// The random-session checker: plays random user steps through torv-host (a real process, so
// that it can be killed and started again) against a small model of what the user did, and
// after every step checks that no work is lost. Shared by random_session_test and the fuzz
// target random_session_fuzz.
#pragma once

#include <filesystem>
#include <string>

namespace random_session {

// Where the steps come from: a seeded generator in the test, the input bytes in the fuzz target.
class Choices {
 public:
  virtual ~Choices() = default;
  virtual bool exhausted() const = 0;
  // A number below count (count > 0).
  virtual unsigned pick(unsigned count) = 0;
};

struct Setup {
  std::filesystem::path host;    // the build's torv-host
  std::filesystem::path plugin;  // the build's plug-in library, torv_data beside it
  std::filesystem::path work;    // an empty folder of this sequence's own
  std::string host_command;      // how the replay starts torv-host ("wine .../torv-host.exe")
  int max_steps = 24;
};

struct Outcome {
  std::string failure;  // empty: every invariant held
  std::string replay;   // a shell script that plays the sequence again with torv-host
  int steps = 0;
  int processes = 0;
  // Restores of a list that none of the unsaved lists the checker kept is: a known case, counted.
  int restored_unknown_list = 0;
};

// Plays one sequence in setup.work. On POSIX the per-user folder is setup.work/user (through
// XDG_DATA_HOME); on Windows the plug-in is copied under a name of the sequence's own, which gives
// it a per-user folder of its own.
Outcome play(const Setup& setup, Choices& choices);

}  // namespace random_session
