// Random user sessions through torv-host, the input bytes choosing the steps; a sequence that
// breaks an invariant prints its replay and stops the fuzzer.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "random_session/session_engine.h"

namespace {

class ByteChoices : public random_session::Choices {
 public:
  ByteChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool exhausted() const override { return at_ >= size_; }
  unsigned pick(unsigned count) override { return at_ < size_ ? data_[at_++] % count : 0; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

std::filesystem::path own_folder() { return std::filesystem::canonical("/proc/self/exe").parent_path(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path bin = own_folder();
  static const std::filesystem::path work =
      std::filesystem::temp_directory_path() / ("torv-random-session-" + std::to_string(getpid()));
  std::filesystem::remove_all(work);
  std::filesystem::create_directories(work);
  random_session::Setup setup;
  setup.host = bin / "torv-host";
  setup.plugin = bin / "torv.so";
  setup.work = work;
  setup.host_command = setup.host.string();
  // Short sequences keep each run well within the fuzzer's time limit.
  setup.max_steps = 16;
  ByteChoices choices(data, size);
  const random_session::Outcome outcome = random_session::play(setup, choices);
  if (!outcome.failure.empty()) {
    std::fprintf(stderr, "random session, step %d: %s\nThe sequence, to replay with torv-host (sh):\n%s\n",
                 outcome.steps, outcome.failure.c_str(), outcome.replay.c_str());
    std::abort();
  }
  std::filesystem::remove_all(work);
  return 0;
}
