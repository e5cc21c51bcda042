// POSIX: fork and exec with two pipes; poll bounds every wait.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "random_session/host_process.h"

namespace random_session {

struct HostProcess::Handles {
  pid_t pid = -1;
  int input = -1;
  int output = -1;
  bool ended = false;
  int status = 0;
};

HostProcess::HostProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments)
    : handles_(std::make_unique<Handles>()) {
  int to_child[2];
  int from_child[2];
  if (pipe2(to_child, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  if (pipe2(from_child, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  std::vector<std::string> words{program.string()};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    dup2(to_child[0], STDIN_FILENO);
    dup2(from_child[1], STDOUT_FILENO);
    dup2(from_child[1], STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  handles_->pid = pid;
  handles_->input = to_child[1];
  handles_->output = from_child[0];
  // A write to a process that has ended fails with EPIPE instead of ending this one.
  signal(SIGPIPE, SIG_IGN);
}

HostProcess::~HostProcess() {
  if (!handles_->ended) kill();
  if (handles_->input >= 0) close(handles_->input);
  if (handles_->output >= 0) close(handles_->output);
}

unsigned long HostProcess::id() const { return static_cast<unsigned long>(handles_->pid); }

bool HostProcess::send(const std::string& text) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t now = write(handles_->input, text.data() + written, text.size() - written);
    if (now < 0 && errno == EINTR) continue;
    if (now <= 0) return false;
    written += static_cast<std::size_t>(now);
  }
  return true;
}

bool HostProcess::read_until(const std::string& marker, int seconds_quiet, std::string& out) {
  const std::size_t start = out.size();
  char buffer[4096];
  while (true) {
    if (out.find(marker, start) != std::string::npos) return true;
    pollfd wanted{handles_->output, POLLIN, 0};
    const int ready = poll(&wanted, 1, seconds_quiet * 1000);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t got = read(handles_->output, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    out.append(buffer, static_cast<std::size_t>(got));
  }
}

int HostProcess::finish(std::string& out) {
  close(handles_->input);
  handles_->input = -1;
  // Reads to the end, so that a process with much to say is never stuck on a full pipe.
  read_until(std::string(1, '\0'), 60, out);
  waitpid(handles_->pid, &handles_->status, 0);
  handles_->ended = true;
  return WIFEXITED(handles_->status) ? WEXITSTATUS(handles_->status) : -1;
}

void HostProcess::kill() {
  ::kill(handles_->pid, SIGKILL);
  waitpid(handles_->pid, &handles_->status, 0);
  handles_->ended = true;
}

std::filesystem::path own_plugin(const std::filesystem::path& plugin, const std::filesystem::path& work) {
  setenv("XDG_DATA_HOME", (work / "user").c_str(), 1);
  return plugin;
}

std::string replay_path(const std::filesystem::path& path) {
  std::string result = "'";
  for (const char c : path.string()) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

std::string user_folder_replay_line(const std::filesystem::path& work) {
  return "export XDG_DATA_HOME=" + replay_path(work / "user") + "\n";
}

}  // namespace random_session
