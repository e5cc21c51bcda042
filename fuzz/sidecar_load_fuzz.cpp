// Any bytes as the batch panel's side-car file, opened through the built plug-in library in the
// stand-in viewer: decoding, the line rules, the membership walk, sorting and colouring.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "api/host_state.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/viewer.h"
#include "model/generated_model.h"

namespace {

struct Stage {
  std::filesystem::path folder;
  std::filesystem::path sidecar;
  std::unique_ptr<host::Viewer> viewer;
};

Stage& stage() {
  static Stage instance;
  return instance;
}

void run(const std::string& script) {
  std::istringstream input(script);
  std::ostringstream output;
  std::ostringstream errors;
  host::Session session(*stage().viewer, output, errors);
  session.run(input, false);
  // A refused command or a call the viewer would not accept is a fault of the plug-in.
  if (session.failed() || !host::host_state().faults.empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Stage& s = stage();
  s.folder = std::filesystem::temp_directory_path() / ("torv-sidecar-fuzz-" + std::to_string(getpid()));
  std::filesystem::create_directories(s.folder);
  // The plug-in's per-user colour files go to this folder, not to the user's.
  setenv("XDG_DATA_HOME", s.folder.c_str(), 1);
  s.sidecar = s.folder / "model.batching.csv";
  const std::filesystem::path library =
      std::filesystem::path(host::executable_folder()) / host::default_plugin_file_name();
  s.viewer = std::make_unique<host::Viewer>(library.u16string());
  s.viewer->load_plugin();
  // Assemblies with parts and loose elements, one without a GUID: what the walk meets in a model.
  host::GeneratorSpec spec = host::parse_generator_spec("storeys=2,assemblies=3,parts=2,loose=2,no_guid=2");
  spec.path = (s.folder / "model.ifc").u16string();
  s.viewer->load_model(host::generate_model(spec));
  run("click Batches\n");
  std::atexit([] {
    stage().viewer.reset();
    std::error_code ignored;
    std::filesystem::remove_all(stage().folder, ignored);
  });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Stage& s = stage();
  std::ofstream(s.sidecar, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  run("answer open " + s.sidecar.string() + "\npanel batch open\nprint panel batch\ncontext\n");
  return 0;
}
