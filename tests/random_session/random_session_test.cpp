// A few hundred random sessions, the same every run (fixed seeds), through the build's torv-host;
// a failing sequence prints a shell script that replays it.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <string>

#include "platform/utf8.h"
#include "random_session/session_engine.h"
#include "support/host_fixture.h"

namespace {

namespace fs = std::filesystem;

class SeededChoices : public random_session::Choices {
 public:
  explicit SeededChoices(unsigned seed) : generator_(seed) {}
  bool exhausted() const override { return false; }
  unsigned pick(unsigned count) override {
    return std::uniform_int_distribution<unsigned>(0, count - 1)(generator_);
  }

 private:
  std::mt19937 generator_;
};

// The Windows build runs under Wine, where each torv-host takes longer to start: fewer sequences.
const bool windows = torv_test::library_extension() == ".dll";
constexpr int blocks = 10;
const int sequences_per_block = windows ? 6 : 30;

// How the replay starts this build's torv-host: under Wine, the Linux path of the Windows program.
std::string host_command(const fs::path& host) {
  std::string path = platform::to_utf8(host.u16string());
  if (!windows) return path;
  if (path.starts_with("Z:") || path.starts_with("z:")) path = path.substr(2);
  for (char& c : path) c = c == '\\' ? '/' : c;
  return "wine " + path;
}

class RandomSession : public ::testing::TestWithParam<int> {};

TEST_P(RandomSession, NoWorkIsLost) {
  const fs::path bin = torv_test::built_folder();
  // In the build tree, so that the Windows build's replay has Linux paths too.
  const fs::path root = bin / "random-session";
  int steps = 0;
  int processes = 0;
  int restored_unknown_list = 0;
  for (int sequence = 0; sequence < sequences_per_block; ++sequence) {
    const unsigned seed = static_cast<unsigned>(GetParam() * 1000 + sequence);
    random_session::Setup setup;
    setup.host = bin / (windows ? "torv-host.exe" : "torv-host");
    setup.plugin = fs::path(torv_test::built_plugin_path());
    setup.work = root / ("seed-" + std::to_string(seed));
    setup.host_command = host_command(setup.host);
    fs::remove_all(setup.work);
    fs::create_directories(setup.work);
    SeededChoices choices(seed);
    const random_session::Outcome outcome = random_session::play(setup, choices);
    if (!outcome.failure.empty()) {
      ADD_FAILURE() << "seed " << seed << ", step " << outcome.steps << ": " << outcome.failure
                    << "\nThe sequence, to replay with torv-host (sh; the folder is kept):\n"
                    << outcome.replay;
      return;
    }
    steps += outcome.steps;
    processes += outcome.processes;
    restored_unknown_list += outcome.restored_unknown_list;
    fs::remove_all(setup.work);
  }
  std::cout << sequences_per_block << " sequences, " << steps << " steps, " << processes
            << " torv-host processes; a restored list the checker did not keep (a known case): "
            << restored_unknown_list
            << "\n";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Range(0, blocks));

}  // namespace
