// What the user waits for on a large model: filling the batch panel from the model's property,
// applying colours, selecting a category, assigning a selection, reading a side-car file.
// Run: build/linux/bin/panel_bench [--benchmark_filter=...]; TORV_BENCH_ASSEMBLIES sets the size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "api/desktop_functions.h"
#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/text_output.h"
#include "model/generated_model.h"

namespace {

// One viewer with the plug-in and a large generated model, shared by every benchmark.
class LargeModel {
 public:
  LargeModel() {
    const char* size = std::getenv("TORV_BENCH_ASSEMBLIES");
    // 10 storeys of assemblies with 9 parts each: a million objects by default.
    const std::string assemblies = size != nullptr ? size : "10000";
    folder_ = std::filesystem::temp_directory_path() / "torv-bench";
    std::filesystem::create_directories(folder_);
    setenv("XDG_DATA_HOME", (folder_ / "user").c_str(), 1);
    host::GeneratorSpec spec = host::parse_generator_spec(
        "storeys=10,parts=9,loose=10,values=1;2;3;4;5;6;7;8;9;10,assemblies=" + assemblies);
    spec.path = (folder_ / "model.ifc").u16string();
    viewer_ = std::make_unique<host::Viewer>(host::executable_folder() + host::default_plugin_file_name());
    viewer_->load_plugin();
    viewer_->load_model(host::generate_model(spec));
    run("click 101\n");
  }

  std::string run(const std::string& script) {
    std::istringstream input(script);
    std::ostringstream output;
    std::ostringstream errors;
    host::Session(*viewer_, output, errors).run(input, false);
    return output.str();
  }
  const std::filesystem::path& folder() const { return folder_; }
  std::size_t objects() const { return host::host_state().model.size(); }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<host::Viewer> viewer_;
};

LargeModel& model() {
  static LargeModel large;
  return large;
}

void BM_FillBatchPanelFromProperties(benchmark::State& state) {
  LargeModel& large = model();
  std::filesystem::remove(large.folder() / "model.batching.csv");
  // A model load empties the visible panel and fills it again, then colours the model.
  for (auto _ : state) host::fire_model_load();
  state.counters["objects"] = static_cast<double>(large.objects());
}

void BM_ApplyColors(benchmark::State& state) {
  LargeModel& large = model();
  large.run("answer color FF00FF00\npanel batch swatch 1\n");
  for (auto _ : state) {
    large.run("answer color FF0000FF\npanel batch swatch 11\n");  // the default category: everything
  }
}

void BM_SelectDefaultCategory(benchmark::State& state) {
  LargeModel& large = model();
  for (auto _ : state) large.run("panel batch row 11\npanel batch key space\n");
}

void BM_AssignSelection(benchmark::State& state) {
  LargeModel& large = model();
  const host::Model& objects = host::host_state().model;
  const std::string part = host::utf8(objects.find(host::Model::id_at(objects.size() / 2))->guid);
  int batch = 0;
  for (auto _ : state) {
    large.run("select " + part + "\ncontext\nchoose " + std::to_string(batch % 10 + 1) + "\n");
    ++batch;
  }
}

void BM_SaveAndOpenSidecar(benchmark::State& state) {
  LargeModel& large = model();
  const std::string file = (large.folder() / "saved.batching.csv").string();
  for (auto _ : state)
    large.run("answer save " + file + "\npanel batch save\nanswer open " + file + "\npanel batch open\n");
  state.counters["lines"] = static_cast<double>(std::count(
      std::istreambuf_iterator<char>(std::ifstream(file).rdbuf()), std::istreambuf_iterator<char>(), '\n'));
}

// The status panel from a side-car file that names a few objects: the membership walk then
// visits every object of the model.
void BM_FillStatusPanelWalkingEveryObject(benchmark::State& state) {
  LargeModel& large = model();
  const host::Model& objects = host::host_state().model;
  std::ofstream sidecar(large.folder() / "model.real-time.csv", std::ios::binary);
  sidecar << "IFC GUID,STATUS\r\n";
  for (std::size_t i = 0; i < 10; ++i) {
    sidecar << host::utf8(objects.find(host::Model::id_at(objects.size() - 1 - i))->guid) << ",Erected\r\n";
  }
  sidecar.close();
  large.run("click 102\n");
  for (auto _ : state) host::fire_model_load();
  large.run("click 101\n");
}

BENCHMARK(BM_FillBatchPanelFromProperties)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ApplyColors)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SelectDefaultCategory)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_AssignSelection)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveAndOpenSidecar)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FillStatusPanelWalkingEveryObject)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
