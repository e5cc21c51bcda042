// The benchmarks' models and files: generated models of a chosen size with one deep assembly,
// side-car files that name every assembly, colour files with many names.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "model/model.h"

namespace bench {

// The number of batches the generated assemblies cycle through ("Batch 1".."Batch 20").
inline constexpr std::size_t batch_count = 20;

// The deep assembly: parts directly below it, and a chain of nested elements below its first part.
inline constexpr std::size_t deep_assembly_parts = 100;
inline constexpr std::size_t deep_chain_length = 50;

struct BenchModel {
  host::Model model;
  host::ObjectId deep_assembly = 0;
  host::ObjectId deepest_object = 0;  // the end of the chain: deep_chain_length + 1 levels below the assembly
  std::size_t generated_objects = 0;  // the generator's, before the deep assembly: `@0` to `@N-1` in torv-host
};

// About objects objects: 10 storeys of assemblies with 9 parts each and 10 loose columns per storey,
// each assembly carrying "USER_FIELD_4" (one of the 20 batches), plus the deep assembly.
BenchModel steel_model(std::size_t objects, const std::filesystem::path& model_path);
// The generator's SPEC of that model, without its path and the deep assembly (torv-host's --generate).
std::string steel_model_spec(std::size_t objects);

// objects assemblies without parts (10 storeys of them): a side-car file that names every assembly
// has one line per object.
BenchModel assemblies_only_model(std::size_t objects, const std::filesystem::path& model_path);

// Writes a side-car file that puts every assembly in its generated batch; returns the line count
// after the header.
std::size_t write_assemblies_sidecar(const host::Model& model, const std::filesystem::path& file);

// n names as categories of a real panel are named: "Batch 1".."Batch n", mixed with a few other forms.
std::vector<std::u16string> category_names(std::size_t n);

// A colour file in the plug-in's format giving every name a colour.
void write_color_file(const std::filesystem::path& file, const std::vector<std::u16string>& names);

// A folder of its own for the benchmark's files and the plug-in's user data (XDG_DATA_HOME).
std::filesystem::path bench_folder();

// The plug-in's colour file of the batch panel in the user folder bench_folder() gives it.
std::filesystem::path batch_color_file();

// The first limit parts (beams and plates) of the model's assemblies, in model order.
std::vector<host::ObjectId> parts_of_assemblies(const host::Model& model, std::size_t limit);

}  // namespace bench
