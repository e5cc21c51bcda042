// The in-process viewer for tests.
#include "support/host_fixture.h"

#include <sstream>
#include <utility>

#include "app/host_platform.h"
#include "app/session.h"

namespace torv_test {

// Test programs live in bin/tests/, one folder below the library they load.
std::filesystem::path built_folder() {
  return std::filesystem::path(host::executable_folder()).parent_path().parent_path();
}

std::u16string built_plugin_path() { return (built_folder() / host::default_plugin_file_name()).u16string(); }

std::string library_extension() {
  return std::filesystem::path(host::default_plugin_file_name()).extension().string();
}

std::filesystem::path built_data_folder() { return built_folder() / "torv_data"; }

void HostFixture::SetUp() {
  host::host_state() = host::HostState{};
  host::host_state().log_calls = true;
}

void HostFixture::TearDown() {
  viewer_.reset();
  EXPECT_TRUE(host::host_state().faults.empty()) << host::host_state().faults.front();
}

void HostFixture::open_plugin(const std::u16string& path) { viewer_ = std::make_unique<host::Viewer>(path); }

void HostFixture::load_plugin(const std::u16string& path) {
  open_plugin(path);
  viewer_->load_plugin();
}

std::vector<std::string> HostFixture::take_calls() { return std::exchange(host::host_state().call_log, {}); }

void HostFixture::load_model(const std::string& generator_spec) {
  viewer_->load_model(host::generate_model(host::parse_generator_spec(generator_spec)));
}

std::string HostFixture::run_session(const std::string& script) {
  std::istringstream input(script);
  std::ostringstream output;
  std::ostringstream errors;
  host::Session session(*viewer_, output, errors);
  session.run(input, false);
  EXPECT_FALSE(session.failed()) << errors.str();
  return output.str();
}

}  // namespace torv_test
