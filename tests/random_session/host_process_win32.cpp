// Windows: CreateProcessW with two anonymous pipes; waits are bounded by polling the pipe.
#include <windows.h>

#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/utf8.h"
#include "random_session/host_process.h"

namespace random_session {

struct HostProcess::Handles {
  HANDLE process = nullptr;
  DWORD id = 0;
  HANDLE input = nullptr;
  HANDLE output = nullptr;
  bool ended = false;
};

namespace {

// A command-line word as CommandLineToArgvW reads it back.
std::u16string quoted(const std::u16string& word) {
  if (!word.empty() && word.find_first_of(u" \t\"") == std::u16string::npos) return word;
  std::u16string result = u"\"";
  std::size_t backslashes = 0;
  for (const char16_t c : word) {
    if (c == u'\\') {
      ++backslashes;
      continue;
    }
    result.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
    backslashes = 0;
    result += c;
  }
  result.append(backslashes * 2, u'\\');
  return result + u"\"";
}

}  // namespace

HostProcess::HostProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments)
    : handles_(std::make_unique<Handles>()) {
  SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE child_input = nullptr;
  HANDLE child_output = nullptr;
  if (!CreatePipe(&child_input, &handles_->input, &inherited, 0) ||
      !CreatePipe(&handles_->output, &child_output, &inherited, 0))
    throw std::runtime_error("CreatePipe failed");
  // This side's ends stay in this process.
  SetHandleInformation(handles_->input, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(handles_->output, HANDLE_FLAG_INHERIT, 0);
  std::u16string line = quoted(program.u16string());
  for (const std::string& argument : arguments) line += u" " + quoted(platform::from_utf8(argument));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = child_input;
  startup.hStdOutput = child_output;
  startup.hStdError = child_output;
  PROCESS_INFORMATION started{};
  const BOOL made = CreateProcessW(nullptr, reinterpret_cast<wchar_t*>(line.data()), nullptr, nullptr, TRUE,
                                   0, nullptr, nullptr, &startup, &started);
  CloseHandle(child_input);
  CloseHandle(child_output);
  if (!made) throw std::runtime_error("CreateProcessW failed");
  CloseHandle(started.hThread);
  handles_->process = started.hProcess;
  handles_->id = started.dwProcessId;
}

HostProcess::~HostProcess() {
  if (!handles_->ended) kill();
  if (handles_->input != nullptr) CloseHandle(handles_->input);
  CloseHandle(handles_->output);
  CloseHandle(handles_->process);
}

unsigned long HostProcess::id() const { return handles_->id; }

bool HostProcess::send(const std::string& text) {
  DWORD written = 0;
  return WriteFile(handles_->input, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

bool HostProcess::read_until(const std::string& marker, int seconds_quiet, std::string& out) {
  const std::size_t start = out.size();
  auto last_heard = std::chrono::steady_clock::now();
  char buffer[4096];
  while (true) {
    if (out.find(marker, start) != std::string::npos) return true;
    DWORD waiting = 0;
    if (!PeekNamedPipe(handles_->output, nullptr, 0, nullptr, &waiting, nullptr)) return false;
    if (waiting == 0) {
      if (std::chrono::steady_clock::now() - last_heard > std::chrono::seconds(seconds_quiet)) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      continue;
    }
    DWORD got = 0;
    if (!ReadFile(handles_->output, buffer, sizeof buffer, &got, nullptr) || got == 0) return false;
    out.append(buffer, got);
    last_heard = std::chrono::steady_clock::now();
  }
}

int HostProcess::finish(std::string& out) {
  CloseHandle(handles_->input);
  handles_->input = nullptr;
  read_until(std::string(1, '\0'), 60, out);
  // One that does not end after its input closed is a hang: it is ended and said to be.
  if (WaitForSingleObject(handles_->process, 60000) != WAIT_OBJECT_0) {
    kill();
    return -1;
  }
  handles_->ended = true;
  DWORD code = 0;
  GetExitCodeProcess(handles_->process, &code);
  return static_cast<int>(code);
}

void HostProcess::kill() {
  TerminateProcess(handles_->process, 9);
  WaitForSingleObject(handles_->process, INFINITE);
  handles_->ended = true;
}

std::filesystem::path own_plugin(const std::filesystem::path& plugin, const std::filesystem::path& work) {
  const std::string base = "torv-" + work.filename().string();
  const std::filesystem::path library = work / (base + plugin.extension().string());
  std::filesystem::copy_file(plugin, library);
  std::filesystem::copy(plugin.parent_path() / (plugin.stem().string() + "_data"), work / (base + "_data"),
                        std::filesystem::copy_options::recursive);
  return library;
}

std::string replay_path(const std::filesystem::path& path) {
  return "\"$(winepath -u '" + platform::to_utf8(path.u16string()) + "')\"";
}

std::string user_folder_replay_line(const std::filesystem::path&) { return {}; }

}  // namespace random_session
