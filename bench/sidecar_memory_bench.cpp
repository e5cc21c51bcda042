// The plug-in's memory through the real library: the peak while it loads a side-car file of a
// million lines (one per assembly of a model of a million assemblies), and what a panel's history
// of 100 assignments of 1,000 assemblies each keeps on a model of a million objects. Measures:
//  - peak_MB: this program replaces operator new and delete and counts the bytes live on the heap;
//    the plug-in library allocates through them. The peak during the load less the bytes live
//    before it is what the load needed at most (the host's calls allocate nothing that outlives them);
//    for the history, the bytes live after the 100 assignments less those before them (history_MB).
//  - hwm_growth_MB: the process's peak resident size (VmHWM, reset through /proc/self/clear_refs
//    just before the load) less its resident size then: what the load added to the process.
// The report of a million objects, as CSV and as workbook, is measured the same way (see below).
// Run: build/linux/bin/bench_sidecar_memory
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/viewer.h"
#include "support/bench_model.h"
#include "support/process_status.h"
#include "support/counting_allocator.h"

namespace {

void reset_peak_resident_size() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_LoadMillionLineSidecar(benchmark::State& state) {
  const std::filesystem::path folder = bench::bench_folder();
  host::Viewer viewer(host::executable_folder() + host::default_plugin_file_name());
  viewer.load_plugin();
  std::filesystem::remove(folder / "model.batching.csv");
  bench::BenchModel model = bench::assemblies_only_model(1'000'000, folder / "model.ifc");
  viewer.load_model(std::move(model.model));
  const std::filesystem::path sidecar = folder / "million.batching.csv";
  const std::size_t lines = bench::write_assemblies_sidecar(host::host_state().model, sidecar);
  const auto run = [&viewer](const std::string& script) {
    std::istringstream input(script);
    std::ostringstream output;
    host::Session(viewer, output, output).run(input, false);
  };
  // The batch panel shown (filled from the model), before anything is counted.
  for (const host::RibbonButton& button : host::host_state().buttons) {
    if (button.image.ends_with(u"/batch.png")) host::click_button(button.id);
  }
  double peak = 0;
  double retained = 0;
  double resident_growth = 0;
  for (auto _ : state) {
    run("answer open " + sidecar.string() + "\n");
    const std::size_t before = bench::heap_live_bytes();
    bench::reset_heap_peak();
    reset_peak_resident_size();
    const double resident_before = bench::status_kb("VmRSS");
    run("panel batch open\n");
    peak = static_cast<double>(bench::heap_peak_bytes() - before);
    retained = static_cast<double>(bench::heap_live_bytes()) - static_cast<double>(before);
    resident_growth = (bench::status_kb("VmHWM") - resident_before) * 1024;
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["retained_MB"] = retained / 1e6;
  state.counters["hwm_growth_MB"] = resident_growth / 1e6;
}

BENCHMARK(BM_LoadMillionLineSidecar)->Unit(benchmark::kMillisecond)->Iterations(1);

// The same 1,000 assemblies moved between two batches 100 times: the lists keep their sizes from
// the third move on, so what grows is the history.
void BM_HistoryOfHundredAssignments(benchmark::State& state) {
  const std::filesystem::path folder = bench::bench_folder();
  host::Viewer viewer(host::executable_folder() + host::default_plugin_file_name());
  viewer.load_plugin();
  std::filesystem::remove(folder / "model.batching.csv");
  bench::BenchModel model = bench::steel_model(1'000'000, folder / "model.ifc");
  viewer.load_model(std::move(model.model));
  host::HostState& host = host::host_state();
  for (const host::RibbonButton& button : host.buttons) {
    if (button.image.ends_with(u"/batch.png")) host::click_button(button.id);
  }
  std::vector<host::ObjectId> assemblies;
  for (std::size_t i = 0; i < host.model.size() && assemblies.size() < 1000; ++i) {
    if (host.model.find(host::Model::id_at(i))->entity == "IfcElementAssembly")
      assemblies.push_back(host::Model::id_at(i));
  }
  const auto move_to = [&host, &assemblies](const std::u16string& batch) {
    std::fill(host.selected.begin(), host.selected.end(), false);
    for (const host::ObjectId assembly : assemblies) host.selected[host.model.index_of(assembly)] = true;
    host::fire_selection_change();
    host::fire_context_menu();
    for (const std::int32_t menu : host.context_menu) {
      for (const std::int32_t id : host.find_button(menu)->entries) {
        if (host.find_button(id)->text == batch) host::click_button(id);
      }
    }
  };
  double history = 0;
  for (auto _ : state) {
    move_to(u"Batch 1");
    move_to(u"Batch 2");
    const std::size_t before = bench::heap_live_bytes();
    for (int step = 0; step < 100; ++step) move_to(step % 2 == 0 ? u"Batch 1" : u"Batch 2");
    history = static_cast<double>(bench::heap_live_bytes()) - static_cast<double>(before);
  }
  state.counters["objects"] = static_cast<double>(host.model.size());
  state.counters["history_MB"] = history / 1e6;
}

BENCHMARK(BM_HistoryOfHundredAssignments)->Unit(benchmark::kMillisecond)->Iterations(1);

// The report of a million-object model whose assemblies are all in batches, as the CSV report and
// as the workbook: the time, the C++ heap's peak (peak_MB) and, since libxlsxwriter allocates
// through malloc, not through operator new, the growth of the peak resident size (hwm_growth_MB).
// Of a steel model (a tenth of the objects are assemblies, each a line) or of assemblies alone (a
// million lines).
void BM_ExportMillionObjects(benchmark::State& state, const char* file_name, bool assemblies_only) {
  const std::filesystem::path folder = bench::bench_folder();
  host::Viewer viewer(host::executable_folder() + host::default_plugin_file_name());
  viewer.load_plugin();
  std::filesystem::remove(folder / "model.batching.csv");
  bench::BenchModel model = assemblies_only ? bench::assemblies_only_model(1'000'000, folder / "model.ifc")
                                            : bench::steel_model(1'000'000, folder / "model.ifc");
  viewer.load_model(std::move(model.model));
  const std::filesystem::path sidecar = folder / "steel.batching.csv";
  const std::size_t lines = bench::write_assemblies_sidecar(host::host_state().model, sidecar);
  std::int32_t export_button = 0;
  for (const host::RibbonButton& button : host::host_state().buttons) {
    if (button.image.ends_with(u"/batch.png")) host::click_button(button.id);
    if (button.image.ends_with(u"/export.png")) export_button = button.id;
  }
  const auto run = [&viewer](const std::string& script) {
    std::istringstream input(script);
    std::ostringstream output;
    host::Session(viewer, output, output).run(input, false);
  };
  run("answer open " + sidecar.string() + "\npanel batch open\n");
  const std::string export_script =
      "answer save " + (folder / file_name).string() + "\nclick " + std::to_string(export_button) + "\n";
  // The first export reads the statuses' list (none here); the measured one finds it made.
  run(export_script);
  double peak = 0;
  double resident_growth = 0;
  for (auto _ : state) {
    const std::size_t before = bench::heap_live_bytes();
    bench::reset_heap_peak();
    malloc_trim(0);
    reset_peak_resident_size();
    const double resident_before = bench::status_kb("VmRSS");
    run(export_script);
    peak = static_cast<double>(bench::heap_peak_bytes() - before);
    resident_growth = (bench::status_kb("VmHWM") - resident_before) * 1024;
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(folder / file_name)) / 1e6;
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["hwm_growth_MB"] = resident_growth / 1e6;
}

BENCHMARK_CAPTURE(BM_ExportMillionObjects, csv_report, "report.export.csv", false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillionObjects, workbook, "report.export.xlsx", false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillionObjects, csv_report_million_lines, "report.export.csv", true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ExportMillionObjects, workbook_million_lines, "report.export.xlsx", true)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
