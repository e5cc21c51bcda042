// Models made to measure for tests and benchmarks: a spatial structure with steel assemblies,
// their parts and loose elements, and the batch property on chosen objects.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"

namespace host {

struct GeneratorSpec {
  std::size_t sites = 1;
  std::size_t storeys = 2;     // per site (one building each)
  std::size_t assemblies = 3;  // per storey
  std::size_t parts = 3;       // per assembly
  std::size_t loose = 2;       // loose elements per storey
  std::size_t depth = 0;       // a chain of nested elements this deep under the first storey
  // "USER_FIELD_4" of property set "BIM" on every assembly: its kind and the values it cycles
  // through (empty: "Batch 1".."Batch 3", 1..3, true/false, 1.5/2.5/3.5).
  bool batch = true;
  PropertyKind batch_kind = PropertyKind::text;
  std::vector<std::u16string> batch_values;
  std::u16string parts_batch;               // "USER_FIELD_4" text on every part too (empty: none)
  double part_weight = 0;                   // "BaseQuantities" "NetWeight" of every part, kg (0: none)
  std::size_t no_guid_every = 0;            // every n-th loose element has no GUID (0: none)
  std::size_t no_representation_every = 0;  // every n-th loose element has no geometry (0: none)
  std::size_t uuid_guid_every = 0;          // every n-th assembly's GUID is a UUID, every other one braced
  std::u16string path;                      // the file the model pretends to come from
};

// Parses "key=value,key=value" (or "default"). Throws std::invalid_argument naming the fault.
GeneratorSpec parse_generator_spec(std::string_view text);

Model generate_model(const GeneratorSpec& spec);

// A deterministic 22-character IFC GUID for a number.
std::u16string generated_guid(std::uint64_t number);

}  // namespace host
