// One torv-host process driven through its standard input, with what it prints (standard output
// and error in one pipe, in the order written) read back up to a marker line.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace random_session {

class HostProcess {
 public:
  // Starts program with arguments (UTF-8); throws std::runtime_error when it cannot be started.
  HostProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments);
  ~HostProcess();
  HostProcess(const HostProcess&) = delete;
  HostProcess& operator=(const HostProcess&) = delete;

  // The process id the system gave it (the viewer key of its recovery files begins with it).
  unsigned long id() const;
  // Writes text to its standard input; false when the pipe is closed (the process ended).
  bool send(const std::string& text);
  // Reads what it prints until a line holds marker; false when it ended first or printed nothing
  // for seconds_quiet (a hang). What was read is appended to out either way.
  bool read_until(const std::string& marker, int seconds_quiet, std::string& out);
  // Closes its standard input and waits for it; its exit code, or -1 when a signal ended it.
  int finish(std::string& out);
  // Ends it at once, as the task manager does, and waits for it.
  void kill();

 private:
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

// Gives the plug-in of a sequence a per-user folder of its own under work, and returns the library
// to load: on POSIX the built one, with XDG_DATA_HOME set to work/user for the programs this
// process starts; on Windows, where the folder follows the library's name, a copy of the library
// (and of its data folder) in work under a name of its own.
std::filesystem::path own_plugin(const std::filesystem::path& plugin, const std::filesystem::path& work);
// A path as a POSIX shell word of the replay (under Wine, through winepath).
std::string replay_path(const std::filesystem::path& path);
// The shell line that gives a replay the same per-user folder ("" where the library's name does).
std::string user_folder_replay_line(const std::filesystem::path& work);

}  // namespace random_session
