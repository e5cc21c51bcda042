// The plug-in's internal operations that no user action reaches alone: the membership walk,
// sorting categories, and reading and writing the colour file. This program links the plug-in's
// own static libraries, plays the viewer for them (its exports are the host functions, which the
// plug-in code resolves by name as in the library) and calls the operations directly.
// Run: build/linux/bin/bench_plugin_internals [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>

#include "api/host_state.h"
#include "categories/collect_members.h"
#include "categories/sort_groups.h"
#include "gui_uda/tfrm_uda.h"
#include "plugin/plugin.h"
#include "support/bench_model.h"
#include "support/file_bytes.h"
#include "support/measure.h"
#include "support/recorded_calls.h"

namespace {

constexpr std::size_t names = 10'000;

// Any address inside this program names it as the plug-in's module, for its folders.
const char module_marker = 0;

// The plug-in with one batch panel, on the model of the size last asked for.
class Internals {
 public:
  static Internals& at(std::size_t objects) {
    static Internals internals;
    if (internals.objects_ != objects) internals.load(objects);
    return internals;
  }

  Plugin plugin{const_cast<char*>(&module_marker)};
  std::unique_ptr<Tfrm_uda> panel;
  // One category per batch, filled by the membership walk.
  std::vector<ObjectsGroup> batches = std::vector<ObjectsGroup>(bench::batch_count);

  std::filesystem::path color_file() const {
    std::filesystem::create_directories(std::filesystem::path(plugin.user_folder));
    return std::filesystem::path(plugin.user_folder) / "uda4_colors.dat";
  }

 private:
  Internals() {
    bench::bench_folder();
    plugin.on_plugin_load(bench::host(), true, &host::host_state());
    panel = std::make_unique<Tfrm_uda>(plugin, PanelMode::Batch);
  }

  void load(std::size_t objects) {
    objects_ = objects;
    host::HostState& state = host::host_state();
    state.set_model(bench::steel_model(objects, bench::bench_folder() / "model.ifc").model);
    plugin.on_model_load();
    // Every assembly marked with its batch's category, as a side-car load leaves them.
    for (std::size_t i = 0; i < state.model.size(); ++i) {
      const host::Object& object = *state.model.find(host::Model::id_at(i));
      if (object.entity != "IfcElementAssembly" || object.properties.empty()) continue;
      const std::u16string& text = object.properties.front().text;
      const std::size_t batch = std::stoul(std::string(text.begin() + 6, text.end())) - 1;
      state.user_data[i] = &batches[batch];
    }
  }

  std::size_t objects_ = 0;
};

bench::Measured collect_members_measured(std::size_t size) {
  Internals& internals = Internals::at(size);
  return {.prepare =
              [&internals] {
                for (ObjectsGroup& batch : internals.batches) batch.object_ids.clear();
              },
          .operation = [&internals] { collect_members(bench::host(), internals.plugin.all_objects_id); },
          .objects = static_cast<double>(host::host_state().model.size())};
}

// The panel's categories: the given names and the default one.
void set_categories(Tfrm_uda& panel, const std::vector<std::u16string>& category_names) {
  panel.groups.clear();
  for (const std::u16string& name : category_names) {
    panel.groups.push_back(std::make_unique<ObjectsGroup>());
    panel.groups.back()->name = name;
  }
  panel.groups.push_back(std::make_unique<ObjectsGroup>());
  panel.groups.back()->is_default = true;
  panel.groups.back()->name = u"unbatched";
}

bench::Measured sort_groups_measured() {
  Internals& internals = Internals::at(10'000);
  Groups& groups = internals.panel->groups;
  set_categories(*internals.panel, bench::category_names(names));
  auto random = std::make_shared<std::mt19937>(2026);
  // The baseline sorts the same categories by the plain order of their code units.
  return {.prepare = [&groups, random] { std::shuffle(groups.begin(), groups.end(), *random); },
          .operation = [&groups] { sort_groups(groups); },
          .beside_calls =
              [&groups] {
                std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) {
                  if (a->is_default != b->is_default) return b->is_default;
                  return a->name < b->name;
                });
              },
          .objects = static_cast<double>(names)};
}

bench::Measured load_colors_measured() {
  Internals& internals = Internals::at(10'000);
  const std::vector<std::u16string> category_names = bench::category_names(names);
  set_categories(*internals.panel, category_names);
  bench::write_color_file(internals.color_file(), category_names);
  const std::string file = internals.color_file().string();
  return {.operation = [&internals] { internals.panel->load_colors(); },
          .beside_calls = [file] { benchmark::DoNotOptimize(bench::read_bytes(file).size()); },
          .objects = static_cast<double>(names)};
}

bench::Measured save_colors_measured() {
  Internals& internals = Internals::at(10'000);
  const std::vector<std::u16string> category_names = bench::category_names(names);
  set_categories(*internals.panel, category_names);
  bench::write_color_file(internals.color_file(), category_names);
  internals.panel->load_colors();
  internals.panel->save_colors();
  const std::string bytes = bench::read_bytes(internals.color_file().string());
  const std::string baseline_file = (bench::bench_folder() / "baseline_colors.dat").string();
  return {.operation = [&internals] { internals.panel->save_colors(); },
          .beside_calls = [bytes, baseline_file] { bench::write_bytes(baseline_file, bytes); },
          .objects = static_cast<double>(names)};
}

int iterations_for(std::size_t size) { return size >= 1'000'000 ? 5 : size >= 100'000 ? 10 : 40; }

void add(const std::string& name, std::size_t size, std::function<bench::Measured()> make) {
  bench::register_measured(name, size, iterations_for(size), std::move(make));
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  add("sort_groups", names, sort_groups_measured);
  add("load_colors", names, load_colors_measured);
  add("save_colors", names, save_colors_measured);
  for (const std::size_t size : {10'000u, 100'000u, 1'000'000u}) {
    add("collect_members", size, [size] { return collect_members_measured(size); });
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
