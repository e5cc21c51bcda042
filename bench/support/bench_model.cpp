// Building the benchmarks' models and files.
#include "support/bench_model.h"

#include <cstdlib>
#include <fstream>

#include "app/text_output.h"
#include "model/generated_model.h"

namespace bench {
namespace {

std::string batch_values() {
  std::string values;
  for (std::size_t k = 1; k <= batch_count; ++k) values += (k == 1 ? "" : ";") + ("Batch " + std::to_string(k));
  return values;
}

// GUID numbers far above those the generator uses.
constexpr std::uint64_t deep_guid_base = 1ull << 40;

host::Object element(std::string entity, std::u16string name, std::uint64_t number) {
  host::Object object;
  object.entity = std::move(entity);
  object.name = std::move(name);
  object.guid = host::generated_guid(deep_guid_base + number);
  object.has_representation = true;
  object.bounds = host::Bounds{{0, 0, 0}, {1, 1, 1}};
  return object;
}

void add_deep_assembly(BenchModel& bench) {
  // Under the first storey (the generator's fourth object).
  const host::ObjectId storey = host::Model::id_at(3);
  std::uint64_t number = 0;
  host::Object assembly = element("IfcElementAssembly", u"Deep assembly", ++number);
  assembly.has_representation = false;
  bench.deep_assembly = bench.model.add(storey, std::move(assembly));
  host::ObjectId first_part = 0;
  for (std::size_t p = 0; p < deep_assembly_parts; ++p) {
    const host::ObjectId part = bench.model.add(bench.deep_assembly, element("IfcBeam", u"Deep part", ++number));
    if (first_part == 0) first_part = part;
  }
  host::ObjectId parent = first_part;
  for (std::size_t d = 0; d < deep_chain_length; ++d) {
    parent = bench.model.add(parent, element("IfcBuildingElementProxy", u"Nested", ++number));
  }
  bench.deepest_object = parent;
}

BenchModel generated(const std::string& spec_text, const std::filesystem::path& model_path) {
  host::GeneratorSpec spec = host::parse_generator_spec(spec_text);
  spec.path = model_path.u16string();
  BenchModel bench{host::generate_model(spec)};
  bench.generated_objects = bench.model.size();
  add_deep_assembly(bench);
  return bench;
}

}  // namespace

std::string steel_model_spec(std::size_t objects) {
  // Each storey holds 10 objects per assembly and 10 columns; every part weighs 12.5 kg.
  return "storeys=10,parts=9,loose=10,part_weight=12.5,values=" + batch_values() +
         ",assemblies=" + std::to_string(objects / 100);
}

BenchModel steel_model(std::size_t objects, const std::filesystem::path& model_path) {
  return generated(steel_model_spec(objects), model_path);
}

BenchModel assemblies_only_model(std::size_t objects, const std::filesystem::path& model_path) {
  return generated("storeys=10,parts=0,loose=0,values=" + batch_values() +
                       ",assemblies=" + std::to_string(objects / 10),
                   model_path);
}

std::size_t write_assemblies_sidecar(const host::Model& model, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary);
  out << "IFC GUID,BATCH\r\n";
  std::size_t lines = 0;
  for (std::size_t i = 0; i < model.size(); ++i) {
    const host::Object& object = *model.find(host::Model::id_at(i));
    if (object.entity != "IfcElementAssembly" || object.properties.empty()) continue;
    out << host::utf8(object.guid) << ',' << host::utf8(object.properties.front().text) << "\r\n";
    ++lines;
  }
  return lines;
}

std::vector<std::u16string> category_names(std::size_t n) {
  std::vector<std::u16string> names;
  names.reserve(n);
  for (std::size_t k = 1; k <= n; ++k) {
    const std::string number = std::to_string((k * 7919) % n + 1);
    const char* forms[] = {"Batch ", "batch-", "Lot A", "Delivery 2026-"};
    const std::string name = forms[k % 4] + number;
    names.emplace_back(name.begin(), name.end());
  }
  return names;
}

void write_color_file(const std::filesystem::path& file, const std::vector<std::u16string>& names) {
  std::ofstream out(file, std::ios::binary);
  const auto word = [&out](std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8),
                           static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
    out.write(bytes, 4);
  };
  word(1);
  word(static_cast<std::uint32_t>(names.size()));
  for (std::size_t k = 0; k < names.size(); ++k) {
    word(static_cast<std::uint32_t>(names[k].size()));
    for (const char16_t c : names[k]) {
      const char bytes[2] = {static_cast<char>(c), static_cast<char>(c >> 8)};
      out.write(bytes, 2);
    }
    word(0xFF000000u | static_cast<std::uint32_t>(k * 2654435761u & 0xFFFFFFu));
  }
}

std::filesystem::path bench_folder() {
  static const std::filesystem::path folder = [] {
    const std::filesystem::path made = std::filesystem::temp_directory_path() / "torv-bench";
    std::filesystem::create_directories(made);
    setenv("XDG_DATA_HOME", (made / "user").c_str(), 1);
    return made;
  }();
  return folder;
}

std::filesystem::path batch_color_file() {
  const std::filesystem::path folder = bench_folder() / "user" / "Quarnex" / "plugins" / "torv";
  std::filesystem::create_directories(folder);
  return folder / "uda4_colors.dat";
}

std::vector<host::ObjectId> parts_of_assemblies(const host::Model& model, std::size_t limit) {
  std::vector<host::ObjectId> parts;
  for (std::size_t i = 0; i < model.size() && parts.size() < limit; ++i) {
    const host::Object& object = *model.find(host::Model::id_at(i));
    if (object.entity == "IfcBeam" || object.entity == "IfcPlate") parts.push_back(host::Model::id_at(i));
  }
  return parts;
}

}  // namespace bench
