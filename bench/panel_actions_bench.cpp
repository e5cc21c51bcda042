// The plug-in's operations as the user meets them, driven through the real library loaded into a
// stand-in viewer in this process: session commands, ribbon clicks and viewer events. Each runs
// beside a baseline that makes the same host calls and nothing else.
// Run: build/linux/bin/bench_panel_actions [--benchmark_filter=...] [--benchmark_repetitions=5]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>

#include "api/host_state.h"
#include "api/viewer_events.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/viewer.h"
#include "plugin_base/host_api.h"
#include "support/baseline_calls.h"
#include "support/bench_model.h"
#include "support/measure.h"

namespace {

using bench::Category;
using bench::host;
using host::ObjectId;

// How many times the two cheap events run in one measured iteration.
constexpr int hovers_per_iteration = 1000;
constexpr std::size_t selected_parts = 10'000;

enum class ModelKind { steel, assemblies_only };

// The stand-in viewer with the plug-in, the batch panel shown, and one model at a time.
class Stage {
 public:
  static Stage& at(ModelKind kind, std::size_t objects) {
    static Stage stage;
    if (stage.kind_ != kind || stage.objects_ != objects) stage.load(kind, objects);
    stage.show_panel();
    return stage;
  }

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
  std::size_t sidecar_lines() const { return sidecar_lines_; }
  double objects() const { return static_cast<double>(host::host_state().model.size()); }

  // The categories after the side-car load: every assembly in the batch of its property, or in
  // moved_to when it is one of moved.
  std::vector<Category> categories(const std::set<ObjectId>& moved = {},
                                   const std::u16string& moved_to = {}) const {
    const host::Model& model = host::host_state().model;
    return bench::categories_from_walk(
        [&](ObjectId id) -> std::optional<std::u16string> {
          if (moved.contains(id)) return moved_to;
          const host::Object* object = model.find(id);
          if (object == nullptr || object->entity != "IfcElementAssembly" || object->properties.empty())
            return std::nullopt;
          return object->properties.front().text;
        },
        [this](const std::u16string& name) {
          const auto found = colors_.find(name);
          return found != colors_.end() ? found->second : 0u;
        });
  }

 private:
  Stage() {
    folder_ = bench::bench_folder();
    viewer_ = std::make_unique<host::Viewer>(host::executable_folder() + host::default_plugin_file_name());
    viewer_->load_plugin();
    // Every batch coloured; the default category has no colour.
    std::vector<std::u16string> names;
    for (std::size_t k = 1; k <= bench::batch_count; ++k) {
      const std::string name = "Batch " + std::to_string(k);
      names.emplace_back(name.begin(), name.end());
      colors_[names.back()] = 0xFF000000u | static_cast<std::uint32_t>(k * 2654435761u & 0xFFFFFFu);
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
    sidecar_lines_ = bench::write_assemblies_sidecar(host::host_state().model, sidecar_);
  }

  std::filesystem::path folder_;
  std::unique_ptr<host::Viewer> viewer_;
  std::map<std::u16string, std::uint32_t> colors_;
  ModelKind kind_ = ModelKind::steel;
  std::size_t objects_ = 0;
  bench::BenchModel model_;
  std::filesystem::path sidecar_;
  std::size_t sidecar_lines_ = 0;
};

// The side-car's GUIDs in the ANSI code page, as calculate_object_id takes them.
std::vector<std::string> sidecar_guids(const host::Model& model) {
  std::vector<std::string> guids;
  for (std::size_t i = 0; i < model.size(); ++i) {
    const host::Object& object = *model.find(host::Model::id_at(i));
    if (object.entity != "IfcElementAssembly" || object.properties.empty()) continue;
    guids.emplace_back(object.guid.begin(), object.guid.end());
  }
  return guids;
}

// What the baselines store as user data: any pointer that is not null marks a member.
char member_mark;

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

// The recovery write after a change: the calls and the bytes of a save of the categories.
void recovery_calls(const std::vector<Category>& categories, const std::string& bytes,
                    std::vector<viewer::ObjectInfo2>& infos) {
  const viewer::HostHandle handle = host();
  for (const Category& category : categories) {
    if (category.ids.empty()) continue;
    infos.assign(category.ids.size(), viewer::ObjectInfo2{});
    viewer::get_object_info2(handle, category.ids.data(), infos.data(),
                             static_cast<std::int32_t>(category.ids.size()));
    for (const viewer::ObjectInfo2& info : infos) bench::read_text(info.ifc_guid);
  }
  bench::write_bytes((bench::bench_folder() / "baseline.recovery.csv").string(), bytes);
}

bench::Measured load_groups_file(ModelKind kind, std::size_t size) {
  Stage& stage = Stage::at(kind, size);
  auto guids = std::make_shared<std::vector<std::string>>(sidecar_guids(host::host_state().model));
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  const std::string file = stage.sidecar().string();
  // Opened by hand, a file other than the model's own side-car file is unsaved work.
  stage.open_sidecar();
  auto recovered = std::make_shared<std::string>(recovery_bytes());
  auto infos = std::make_shared<std::vector<viewer::ObjectInfo2>>();
  return {[] {}, [&stage] { stage.open_sidecar(); },
          [guids, categories, file, recovered, infos] {
            const viewer::HostHandle handle = host();
            viewer::get_loaded_ifc_path(handle);
            const std::string bytes = bench::read_bytes(file);
            benchmark::DoNotOptimize(bytes.data());
            viewer::set_user_data(handle, host::all_objects_id, nullptr, true);
            for (const std::string& guid : *guids) {
              const ObjectId id = viewer::calculate_object_id(handle, guid.c_str());
              viewer::set_user_data(handle, id, &member_mark, false);
              // Read back: a line of an object the model lacks is kept.
              benchmark::DoNotOptimize(viewer::get_user_data(handle, id));
            }
            bench::membership_walk_calls();
            bench::colour_calls(*categories);
            recovery_calls(*categories, *recovered, *infos);
          },
          stage.objects()};
}

bench::Measured build_groups_from_model(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  const std::string missing_sidecar = (bench::bench_folder() / "model.batching.csv").string();
  // Changes an earlier benchmark left unsaved would be offered back: they are discarded first.
  return {[] { std::filesystem::remove_all(recovery_folder()); }, [] { host::fire_model_load(); },
          [categories, missing_sidecar] {
            const viewer::HostHandle handle = host();
            viewer::get_all_objects_id(handle);
            viewer::get_selected_id(handle);
            viewer::get_loaded_ifc_path(handle);
            viewer::set_user_data(handle, host::all_objects_id, nullptr, true);
            benchmark::DoNotOptimize(bench::read_bytes(missing_sidecar).size());
            viewer::PropertyQuery query{0, u"BIM", u"USER_FIELD_4"};
            std::vector<ObjectId> stack{host::all_objects_id};
            std::vector<ObjectId> children;
            while (!stack.empty()) {
              const ObjectId parent = stack.back();
              stack.pop_back();
              bench::children_calls(parent, children);
              for (const ObjectId child : children) {
                query.object_id = child;
                viewer::PropertyResult result{};
                if (viewer::filter_properties(handle, &query, &result, true) == 0) {
                  stack.push_back(child);
                  continue;
                }
                viewer::ObjectInfo2 info{};
                viewer::get_object_info2(handle, &child, &info, 1);
              }
            }
            bench::colour_calls(*categories);
          },
          stage.objects()};
}

// The texts and settings a panel looks up each time it is shown.
void show_panel_calls() {
  const viewer::HostHandle handle = host();
  for (const char* key :
       {"btn_open.hint", "btn_save.hint", "menu_add", "color", "count", "menu_rename", "menu_delete"}) {
    viewer::get_text(handle, key);
  }
  viewer::get_gui_color(handle, 1);
  viewer::is_touch_mode(handle);
}

bench::Measured apply_colors(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  const std::int32_t batch = stage.button(u"/batch.png");
  const std::int32_t reset = stage.button(u"/reset.png");
  // The panel shown again after the reset hid it colours the model again.
  return {[reset] { host::click_button(reset); }, [batch] { host::click_button(batch); },
          [categories] {
            viewer::clicked_button(host());
            show_panel_calls();
            bench::colour_calls(*categories);
          },
          stage.objects()};
}

bench::Measured select_group(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  // The default category is the last row.
  stage.run("panel batch row 1\npanel batch key end\n");
  return {[] {}, [&stage] { stage.run("panel batch key space\n"); },
          [categories] {
            const viewer::HostHandle handle = host();
            viewer::select(handle, host::selected_objects_id, false);
            viewer::select(handle, host::all_objects_id, true);
            for (const Category& category : *categories) {
              viewer::select_many(handle, category.ids.data(), static_cast<std::int32_t>(category.ids.size()),
                                  0);
            }
            viewer::apply_select_rules(handle);
            viewer::invalidate(handle);
          },
          stage.objects()};
}

bench::Measured assign_selection(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  host::HostState& state = host::host_state();
  const std::vector<ObjectId> parts = bench::parts_of_assemblies(state.model, selected_parts);
  std::set<ObjectId> assemblies;
  for (const ObjectId part : parts) assemblies.insert(state.model.find(part)->parent);
  // The plug-in selects whole assemblies in place of the parts: each run starts from the parts.
  const auto select_parts = [parts] {
    host::HostState& host_state = host::host_state();
    std::fill(host_state.selected.begin(), host_state.selected.end(), false);
    for (const ObjectId part : parts) host_state.selected[host_state.model.index_of(part)] = true;
  };
  select_parts();
  host::fire_selection_change();
  host::fire_context_menu();
  std::int32_t entry = 0;
  for (const std::int32_t menu : state.context_menu) {
    for (const std::int32_t id : state.find_button(menu)->entries) {
      if (state.find_button(id)->text == u"Batch 1") entry = id;
    }
  }
  // Once assigned, the categories stay as they are from run to run.
  select_parts();
  host::click_button(entry);
  const auto categories = std::make_shared<std::vector<Category>>(stage.categories(assemblies, u"Batch 1"));
  // The plug-in marks the members of the chosen category last.
  auto marking_order = std::make_shared<std::vector<Category>>(*categories);
  const auto chosen = std::find_if(marking_order->begin(), marking_order->end(),
                                   [](const Category& category) { return category.name == u"Batch 1"; });
  std::rotate(chosen, chosen + 1, marking_order->end());
  auto buffers = std::make_shared<std::pair<std::vector<ObjectId>, std::vector<ObjectId>>>();
  auto recovered = std::make_shared<std::string>(recovery_bytes());
  auto infos = std::make_shared<std::vector<viewer::ObjectInfo2>>();
  return {select_parts, [entry] { host::click_button(entry); },
          [categories, marking_order, buffers, recovered, infos] {
            const viewer::HostHandle handle = host();
            viewer::clicked_button(handle);
            viewer::set_user_data(handle, host::all_objects_id, nullptr, true);
            for (const Category& category : *marking_order) {
              for (const ObjectId id : category.ids) viewer::set_user_data(handle, id, &member_mark, false);
            }
            auto& [selection, assemblies_of_parts] = *buffers;
            const std::int32_t count = viewer::get_selected(handle, nullptr, 0);
            selection.resize(static_cast<std::size_t>(count));
            viewer::get_selected(handle, selection.data(), count);
            viewer::select(handle, host::selected_objects_id, false);
            assemblies_of_parts.clear();
            for (const ObjectId id : selection)
              assemblies_of_parts.push_back(bench::enclosing_assembly_calls(id));
            viewer::select_many(handle, assemblies_of_parts.data(),
                                static_cast<std::int32_t>(assemblies_of_parts.size()), 2);
            for (ObjectId id : assemblies_of_parts) {
              viewer::ObjectInfo2 info{};
              viewer::get_object_info2(handle, &id, &info, 1);
              viewer::set_user_data(handle, id, &member_mark, false);
            }
            bench::membership_walk_calls();
            bench::colour_calls(*categories);
            recovery_calls(*categories, *recovered, *infos);
          },
          stage.objects()};
}

std::string file_bytes_after(const std::function<void()>& write, const std::string& file) {
  write();
  return bench::read_bytes(file);
}

bench::Measured save_groups_file(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  const std::string file = (bench::bench_folder() / "saved.batching.csv").string();
  const std::string script = "answer save " + file + "\npanel batch save\n";
  const auto bytes = std::make_shared<std::string>(file_bytes_after([&] { stage.run(script); }, file));
  const std::string baseline_file = (bench::bench_folder() / "baseline.batching.csv").string();
  auto infos = std::make_shared<std::vector<viewer::ObjectInfo2>>();
  return {[] {}, [&stage, script] { stage.run(script); },
          [categories, bytes, baseline_file, infos] {
            const viewer::HostHandle handle = host();
            viewer::get_loaded_ifc_path(handle);
            for (const Category& category : *categories) {
              infos->assign(category.ids.size(), viewer::ObjectInfo2{});
              viewer::get_object_info2(handle, category.ids.data(), infos->data(),
                                       static_cast<std::int32_t>(category.ids.size()));
              // The writer cannot write a GUID without reading it.
              for (const viewer::ObjectInfo2& info : *infos) bench::read_text(info.ifc_guid);
            }
            bench::write_bytes(baseline_file, *bytes);
          },
          stage.objects()};
}

// The recovery file written after a change, as save_groups_file writes the side-car file: here
// after a rename, which also stores the colours under the new name (a file of the batches alone).
bench::Measured write_recovery(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  // The first batch is renamed back and forth; the list keeps its order.
  auto renamed = std::make_shared<bool>(false);
  const auto rename = [&stage, renamed] {
    *renamed = !*renamed;
    stage.run(std::string("panel batch row 1\nanswer name ") + (*renamed ? "Batch 1 renamed" : "Batch 1") +
              "\npanel batch menu rename\n");
  };
  rename();
  auto recovered = std::make_shared<std::string>(recovery_bytes());
  auto infos = std::make_shared<std::vector<viewer::ObjectInfo2>>();
  return {[] {}, rename,
          [categories, recovered, infos] {
            const viewer::HostHandle handle = host();
            viewer::get_text(handle, "rename_batch");
            viewer::get_text(handle, "menu_rename");
            recovery_calls(*categories, *recovered, *infos);
          },
          stage.objects()};
}

bench::Measured export_report(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  stage.open_sidecar();
  auto categories = std::make_shared<std::vector<Category>>(stage.categories());
  const std::string file = (bench::bench_folder() / "report.export.csv").string();
  const std::string script =
      "answer save " + file + "\nclick " + std::to_string(stage.button(u"/export.png")) + "\n";
  const auto bytes = std::make_shared<std::string>(file_bytes_after([&] { stage.run(script); }, file));
  const std::string baseline_file = (bench::bench_folder() / "baseline.export.csv").string();
  auto infos =
      std::make_shared<std::pair<std::vector<viewer::ObjectInfo>, std::vector<viewer::ObjectInfo2>>>();
  return {[] {}, [&stage, script] { stage.run(script); },
          [categories, bytes, baseline_file, infos] {
            const viewer::HostHandle handle = host();
            viewer::clicked_button(handle);
            viewer::get_loaded_ifc_path(handle);
            viewer::get_text(handle, "filter_export");
            auto& [first, second] = *infos;
            for (const Category& category : *categories) {
              const auto count = static_cast<std::int32_t>(category.ids.size());
              first.assign(category.ids.size(), viewer::ObjectInfo{});
              second.assign(category.ids.size(), viewer::ObjectInfo2{});
              viewer::get_object_info(handle, category.ids.data(), first.data(), count);
              viewer::get_object_info2(handle, category.ids.data(), second.data(), count);
              // Every text the report holds is read once, as the writer must.
              for (std::size_t i = 0; i < category.ids.size(); ++i) {
                bench::read_text(second[i].ifc_guid);
                bench::read_text(first[i].name);
                bench::read_text(first[i].description);
                bench::read_text(first[i].ifc_entity);
                bench::read_text(second[i].tag);
                viewer::BoundsBox box{};
                viewer::get_bounds(handle, category.ids[i], &box);
              }
            }
            bench::write_bytes(baseline_file, *bytes);
          },
          stage.objects()};
}

bench::Measured on_hover(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  const bench::BenchModel& model = stage.model();
  host::host_state().hovered = model.deepest_object;
  auto buffer = std::make_shared<std::vector<ObjectId>>();
  return {[] {},
          [] {
            for (int i = 0; i < hovers_per_iteration; ++i) host::fire_hover();
          },
          [buffer] {
            const viewer::HostHandle handle = host();
            for (int i = 0; i < hovers_per_iteration; ++i) {
              viewer::HoverPosition position{};
              viewer::get_hovered_pos(handle, &position);
              const ObjectId assembly = bench::enclosing_assembly_calls(position.object_id);
              bench::children_calls(assembly, *buffer);
              buffer->push_back(position.object_id);
              viewer::set_hover_objects(handle, buffer->data(), static_cast<std::int32_t>(buffer->size()));
            }
          },
          // Each event walks up the chain and highlights the assembly's parts.
          static_cast<double>(hovers_per_iteration *
                              (bench::deep_chain_length + 2 + bench::deep_assembly_parts))};
}

bench::Measured on_selection_change(std::size_t size) {
  Stage& stage = Stage::at(ModelKind::steel, size);
  const ObjectId deepest = stage.model().deepest_object;
  auto buffer = std::make_shared<std::vector<ObjectId>>();
  // The plug-in selects the whole assembly in place of the part: each run starts from the part.
  return {[deepest] {
            host::HostState& state = host::host_state();
            std::fill(state.selected.begin(), state.selected.end(), false);
            state.selected[state.model.index_of(deepest)] = true;
          },
          [] { host::fire_selection_change(); },
          [buffer] {
            const viewer::HostHandle handle = host();
            const std::int32_t count = viewer::get_selected(handle, nullptr, 0);
            buffer->resize(static_cast<std::size_t>(count));
            viewer::get_selected(handle, buffer->data(), count);
            viewer::select(handle, host::selected_objects_id, false);
            ObjectId assembly = bench::enclosing_assembly_calls(buffer->front());
            viewer::select_many(handle, &assembly, 1, 2);
          },
          // The viewer's selection calls visit every object of the model.
          stage.objects()};
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
    add("apply_colors", size, [size] { return apply_colors(size); });
    add("select_group", size, [size] { return select_group(size); });
    add("save_groups_file", size, [size] { return save_groups_file(size); });
    add("write_recovery", size, [size] { return write_recovery(size); });
    add("export_report", size, [size] { return export_report(size); });
    add("on_hover", size, [size] { return on_hover(size); });
    add("on_selection_change", size, [size] { return on_selection_change(size); });
  }
  // A side-car file of a million lines: one per assembly of a model of assemblies alone.
  add("load_groups_file_million_lines", 1'000'000u,
      [] { return load_groups_file(ModelKind::assemblies_only, 1'000'000); });
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
