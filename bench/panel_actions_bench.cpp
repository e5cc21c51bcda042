// The plug-in's operations as the user meets them, driven through the real library loaded into a
// stand-in viewer in this process: session commands, ribbon clicks and viewer events. Each runs
// beside a baseline that makes the host calls it recorded of the operation and nothing else.
// Run: build/linux/bin/bench_panel_actions [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/viewer.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "support/bench_model.h"
#include "support/file_bytes.h"
#include "support/measure.h"
#include "support/recorded_calls.h"
#include "support/workbook_cells.h"

namespace {

using host::ObjectId;

// How many times the two cheap events run in one measured iteration.
constexpr int hovers_per_iteration = 1000;
constexpr std::size_t selected_parts = 10'000;

enum class ModelKind { steel, assemblies_only };

// The stand-in viewer with the plug-in, the batch panel shown, and one model at a time.
class Stage {
 public:
  static Stage& at(ModelKind kind, std::size_t objects) {
    Stage& stage = instance();
    if (stage.kind_ != kind || stage.objects_ != objects) stage.load(kind, objects);
    stage.show_panel();
    return stage;
  }

  // The viewer closes before the program's static objects go, as a viewer closes before it exits.
  static void close() { instance().viewer_.reset(); }

  std::string run(const std::string& script) {
    std::istringstream input(script);
    std::ostringstream output;
    std::ostringstream errors;
    host::Session session(*viewer_, output, errors);
    session.run(input, false);
    if (session.failed()) throw std::runtime_error(script + ": " + errors.str());
    return output.str();
  }

  // The side-car file naming every assembly, opened in the batch panel.
  void open_sidecar() { run("answer open " + sidecar_.string() + "\npanel batch open\n"); }

  // The batch panel visible, whatever a benchmark before left: the reset hides it.
  void show_panel() {
    host::click_button(button(u"/reset.png"));
    host::click_button(button(u"/batch.png"));
  }

  std::int32_t button(const char16_t* image) const {
    for (const host::RibbonButton& button : host::host_state().buttons) {
      if (button.image.ends_with(image)) return button.id;
    }
    throw std::runtime_error("no ribbon button with that image");
  }

  const bench::BenchModel& model() const { return model_; }
  const std::filesystem::path& sidecar() const { return sidecar_; }
  double objects() const { return static_cast<double>(host::host_state().model.size()); }

 private:
  static Stage& instance() {
    static Stage stage;
    return stage;
  }

  Stage() {
    folder_ = bench::bench_folder();
    viewer_ = std::make_unique<host::Viewer>(host::executable_folder() + host::default_plugin_file_name());
    viewer_->load_plugin();
    // Every batch coloured; the default category has no colour.
    std::vector<std::u16string> names;
    for (std::size_t k = 1; k <= bench::batch_count; ++k) {
      const std::string name = "Batch " + std::to_string(k);
      names.emplace_back(name.begin(), name.end());
    }
    bench::write_color_file(bench::batch_color_file(), names);
  }

  void load(ModelKind kind, std::size_t objects) {
    kind_ = kind;
    objects_ = objects;
    const std::filesystem::path model_path = folder_ / "model.ifc";
    std::filesystem::remove(folder_ / "model.batching.csv");
    model_ = kind == ModelKind::steel ? bench::steel_model(objects, model_path)
                                      : bench::assemblies_only_model(objects, model_path);
    viewer_->load_model(std::move(model_.model));
    model_.model = host::Model{};
    sidecar_ = folder_ / "assemblies.batching.csv";
    bench::write_assemblies_sidecar(host::host_state().model, sidecar_);
  }

  std::filesystem::path folder_;
  std::unique_ptr<host::Viewer> viewer_;
  ModelKind kind_ = ModelKind::steel;
  std::size_t objects_ = 0;
  bench::BenchModel model_;
  std::filesystem::path sidecar_;
};

std::filesystem::path recovery_folder() {
  return bench::bench_folder() / "user" / "Quarnex" / "plugins" / "torv" / "recovery";
}

// The bytes of the batch panel's recovery file as the plug-in last wrote it.
std::string recovery_bytes() {
  for (const auto& entry : std::filesystem::directory_iterator(recovery_folder())) {
    if (entry.path().string().ends_with(".batching.csv")) return bench::read_bytes(entry.path().string());
  }
  throw std::runtime_error("no recovery file");
}

// What a baseline writes for the recovery file after a change: the bytes the plug-in wrote.
std::function<void()> recovery_write() {
  return [bytes = recovery_bytes()] {
    bench::write_bytes((bench::bench_folder() / "baseline.recovery.csv").string(), bytes);
  };
}

// The same bytes written as a save must write them at the least: the durable floor. Each file
// the operation writes is one element of files.
bench::Measured::FurtherFloor durable_floor(std::vector<std::string> files) {
  return {"durable_floor", [files = std::move(files), folder = bench::bench_folder()] {
            for (std::size_t i = 0; i < files.size(); ++i)
              bench::write_replacing((folder / ("durable." + std::to_string(i))).string(), files[i]);
          }};
}

bench::Measured load_groups_file(ModelKind kind, std::size_t size) {
  Stage& stage = Stage::at(kind, size);
  const std::string file = stage.sidecar().string();
  // Opened by hand, a file other than the model's own side-car file is unsaved work.
  stage.open_sidecar();
  return {.operation = [&stage] { stage.open_sidecar(); },
          .beside_calls =
              [file, write_recovery = recovery_write()] {
                benchmark::DoNotOptimize(bench::read_bytes(file).size());
                write_recovery();
              },
          .objects = stage.objects()};
}

bench::Measured build_groups_from_model(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  const std::string missing_sidecar = (bench::bench_folder() / "model.batching.csv").string();
  // Changes an earlier benchmark left unsaved would be offered back: they are discarded first.
  return {.prepare = [] { std::filesystem::remove_all(recovery_folder()); },
          .operation = [] { host::fire_model_load(); },
          .beside_calls =
              [missing_sidecar] { benchmark::DoNotOptimize(bench::read_bytes(missing_sidecar).size()); },
          .objects = stage.objects()};
}

bench::Measured apply_colors(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  const std::int32_t batch = stage.button(u"/batch.png");
  const std::int32_t reset = stage.button(u"/reset.png");
  // The panel shown again after the reset hid it colours the model again.
  return {.prepare = [reset] { host::click_button(reset); },
          .operation = [batch] { host::click_button(batch); },
          .objects = stage.objects()};
}

bench::Measured select_group(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  // The default category is the last row.
  stage.run("panel batch row 1\npanel batch key end\n");
  return {.operation = [&stage] { stage.run("panel batch key space\n"); }, .objects = stage.objects()};
}

bench::Measured assign_selection(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  host::HostState& state = host::host_state();
  const std::vector<ObjectId> parts = bench::parts_of_assemblies(state.model, selected_parts);
  // The plug-in selects whole assemblies in place of the parts: each run starts from the parts.
  const auto select_parts = [parts] {
    host::HostState& host_state = host::host_state();
    std::fill(host_state.selected.begin(), host_state.selected.end(), false);
    for (const ObjectId part : parts) host_state.selected[host_state.model.index_of(part)] = true;
  };
  select_parts();
  host::fire_selection_change();
  host::fire_context_menu();
  std::int32_t entries[2] = {0, 0};
  for (const std::int32_t menu : state.context_menu) {
    for (const std::int32_t id : state.find_button(menu)->entries) {
      if (state.find_button(id)->text == u"Batch 1") entries[0] = id;
      if (state.find_button(id)->text == u"Batch 2") entries[1] = id;
    }
  }
  // Each run moves the parts' assemblies to the other of two batches: an assignment that moves
  // nothing writes no recovery file and would measure less than a user's.
  select_parts();
  host::click_button(entries[0]);
  auto next = std::make_shared<int>(1);
  return {.prepare = select_parts,
          .operation =
              [entries, next] {
                host::click_button(entries[*next]);
                *next = 1 - *next;
              },
          .beside_calls = recovery_write(),
          .further_floors = {durable_floor({recovery_bytes()})},
          .objects = stage.objects()};
}

// An assignment of the parts' assemblies taken back and made again in turn, through the grid's
// menu as the user does it: beside assign_selection, what undo and redo cost.
bench::Measured undo_assignment(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  host::HostState& state = host::host_state();
  const std::vector<ObjectId> parts = bench::parts_of_assemblies(state.model, selected_parts);
  std::fill(state.selected.begin(), state.selected.end(), false);
  for (const ObjectId part : parts) state.selected[state.model.index_of(part)] = true;
  host::fire_selection_change();
  host::fire_context_menu();
  for (const std::int32_t menu : state.context_menu) {
    for (const std::int32_t id : state.find_button(menu)->entries) {
      if (state.find_button(id)->text == u"Batch 2") host::click_button(id);
    }
  }
  auto undone = std::make_shared<bool>(false);
  return {.operation =
              [&stage, undone] {
                stage.run(*undone ? "panel batch redo\n" : "panel batch undo\n");
                *undone = !*undone;
              },
          .beside_calls = recovery_write(),
          .further_floors = {durable_floor({recovery_bytes()})},
          .objects = stage.objects()};
}

// The first batch shown alone: the model greyed, the batch's objects in their colour.
bench::Measured show_only(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  // The row is chosen before: what is timed is the menu's entry.
  return {.prepare = [&stage] { stage.run("panel batch row 1\n"); },
          .operation = [&stage] { stage.run("panel batch menu only\n"); },
          .objects = stage.objects()};
}

// The parts below every category, as print panel … parts asks for them.
bench::Measured parts_count(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  return {.operation = [&stage] { stage.run("print panel batch parts\n"); }, .objects = stage.objects()};
}

// Objects, parts and weight of every category, computed afresh as after a change of the list,
// against the walk that visits every object with one property query each.
bench::Measured category_totals(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  return {.prepare = [&stage] { stage.open_sidecar(); },
          .operation = [&stage] { stage.run("print panel batch totals\n"); },
          .floor =
              [] {
                const viewer::HostHandle host = bench::host();
                walk_children(host, viewer::get_all_objects_id(host), [host](viewer::ObjectId child) {
                  viewer::PropertyQuery query{child, u"BaseQuantities", u"NetWeight"};
                  viewer::PropertyResult result{};
                  viewer::filter_properties(host, &query, &result, true);
                  return true;
                });
              },
          .objects = stage.objects()};
}

std::string file_bytes_after(const std::function<void()>& write, const std::string& file) {
  write();
  return bench::read_bytes(file);
}

bench::Measured save_groups_file(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  const std::string file = (bench::bench_folder() / "saved.batching.csv").string();
  const std::string script = "answer save " + file + "\npanel batch save\n";
  const std::string bytes = file_bytes_after([&] { stage.run(script); }, file);
  const std::string baseline_file = (bench::bench_folder() / "baseline.batching.csv").string();
  return {.operation = [&stage, script] { stage.run(script); },
          .beside_calls = [bytes, baseline_file] { bench::write_bytes(baseline_file, bytes); },
          .further_floors = {durable_floor({bytes})},
          .objects = stage.objects()};
}

// The recovery file written after a change, as save_groups_file writes the side-car file: here
// after a rename, which also stores the colours under the new name (a file of the batches alone).
bench::Measured write_recovery(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  // The first batch is renamed back and forth; the list keeps its order.
  auto renamed = std::make_shared<bool>(false);
  const auto rename = [&stage, renamed] {
    *renamed = !*renamed;
    stage.run(std::string("panel batch row 1\nanswer name ") + (*renamed ? "Batch 1 renamed" : "Batch 1") +
              "\npanel batch menu rename\n");
  };
  rename();
  return {.operation = rename,
          .beside_calls = recovery_write(),
          .further_floors = {durable_floor({recovery_bytes(), bench::read_bytes(bench::batch_color_file())})},
          .objects = stage.objects()};
}

// The export to a file of the given name: the CSV report, or the workbook for a name ending in
// ".xlsx" (the statuses read once before it; none are filed, so their column stays empty). The
// baseline writes the same bytes; the durable floor writes the report's through a temporary file,
// the workbook's floor the workbook's cells through libxlsxwriter.
bench::Measured export_to(std::size_t size, const std::string& name) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  const std::string file = (bench::bench_folder() / name).string();
  const std::string script =
      "answer save " + file + "\nclick " + std::to_string(stage.button(u"/export.png")) + "\n";
  const std::string bytes = file_bytes_after([&] { stage.run(script); }, file);
  const std::string baseline_file = (bench::bench_folder() / ("baseline." + name)).string();
  bench::Measured measured{
      .operation = [&stage, script] { stage.run(script); },
      .beside_calls = [bytes, baseline_file] { bench::write_bytes(baseline_file, bytes); },
      .objects = stage.objects()};
  if (!name.ends_with(".xlsx")) {
    measured.further_floors.push_back(durable_floor({bytes}));
    return measured;
  }
  // The workbook's floor writes the cells the plug-in wrote, read back from its workbook.
  auto cells = std::make_shared<const bench::WorkbookCells>(bench::read_workbook_cells(file));
  const std::string floor_file = (bench::bench_folder() / "floor.xlsx").string();
  bench::write_workbook_cells(*cells, floor_file);
  if (bench::workbook_sheet_data(floor_file) != bench::workbook_sheet_data(file))
    throw std::runtime_error("the workbook's floor writes other cells than the plug-in");
  measured.further_floors.push_back(
      {"workbook_floor", [cells, floor_file] { bench::write_workbook_cells(*cells, floor_file); }});
  return measured;
}

bench::Measured on_hover(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  host::host_state().hovered = stage.model().deepest_object;
  return {.operation =
              [] {
                for (int i = 0; i < hovers_per_iteration; ++i) host::fire_hover();
              },
          // Each event walks up the chain and highlights the assembly's parts.
          .objects = static_cast<double>(hovers_per_iteration *
                                         (bench::deep_chain_length + 2 + bench::deep_assembly_parts))};
}

bench::Measured on_selection_change(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  const ObjectId deepest = stage.model().deepest_object;
  // The plug-in selects the whole assembly in place of the part: each run starts from the part.
  return {.prepare =
              [deepest] {
                host::HostState& state = host::host_state();
                std::fill(state.selected.begin(), state.selected.end(), false);
                state.selected[state.model.index_of(deepest)] = true;
              },
          .operation = [] { host::fire_selection_change(); },
          // The viewer's selection calls visit every object of the model.
          .objects = stage.objects()};
}

int iterations_for(std::size_t size) { return size >= 1'000'000 ? 3 : size >= 100'000 ? 6 : 20; }

void add(const std::string& name, std::size_t size, std::function<bench::Measured()> make) {
  bench::register_measured(name, size, iterations_for(size), std::move(make));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  for (const std::size_t size : {10'000u, 100'000u, 1'000'000u}) {
    add("load_groups_file", size, [size] { return load_groups_file(ModelKind::steel, size); });
    add("build_groups_from_model", size, [size] { return build_groups_from_model(size); });
    add("assign_selection", size, [size] { return assign_selection(size); });
    add("undo_assignment", size, [size] { return undo_assignment(size); });
    add("show_only", size, [size] { return show_only(size); });
    add("parts_count", size, [size] { return parts_count(size); });
    add("category_totals", size, [size] { return category_totals(size); });
    add("apply_colors", size, [size] { return apply_colors(size); });
    add("select_group", size, [size] { return select_group(size); });
    add("save_groups_file", size, [size] { return save_groups_file(size); });
    add("write_recovery", size, [size] { return write_recovery(size); });
    add("export_report", size, [size] { return export_to(size, "report.export.csv"); });
    add("export_workbook", size, [size] { return export_to(size, "report.export.xlsx"); });
    add("on_hover", size, [size] { return on_hover(size); });
    add("on_selection_change", size, [size] { return on_selection_change(size); });
  }
  // A side-car file of a million lines: one per assembly of a model of assemblies alone.
  add("load_groups_file_million_lines", 1'000'000u,
      [] { return load_groups_file(ModelKind::assemblies_only, 1'000'000); });
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Stage::close();
  return 0;
}
