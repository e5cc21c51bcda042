// The model generator: a fixed, deterministic layout that grows with the sizes asked for.
#include "model/generated_model.h"

#include "platform/utf8.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace host {
namespace {

std::size_t parse_count(std::string_view key, std::string_view value) {
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size()) {
    throw std::invalid_argument("generator: " + std::string(key) + " needs a whole number, not '" +
                                std::string(value) + "'");
  }
  return number;
}

std::u16string widen(std::string_view utf8) { return platform::from_utf8(utf8); }

PropertyKind parse_kind(std::string_view value) {
  if (value == "text") return PropertyKind::text;
  if (value == "integer") return PropertyKind::integer;
  if (value == "boolean") return PropertyKind::boolean;
  if (value == "real") return PropertyKind::real;
  throw std::invalid_argument("generator: batch is text, integer, boolean, real or none, not '" +
                              std::string(value) + "'");
}

std::vector<std::u16string> split_values(std::string_view text) {
  std::vector<std::u16string> values;
  while (true) {
    const auto end = text.find(';');
    values.push_back(widen(text.substr(0, end)));
    if (end == std::string_view::npos) return values;
    text.remove_prefix(end + 1);
  }
}

std::uint64_t mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::u16string number_text(std::size_t number) { return widen(std::to_string(number)); }

// A GlobalId as some tools write it: a UUID in hexadecimal groups, in braces when asked.
std::u16string uuid_guid(std::uint64_t number, bool braced) {
  const std::uint64_t high = mix(number * 2);
  const std::uint64_t low = mix(number * 2 + 1);
  std::u16string text;
  const auto hex = [&text](std::uint64_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
      text += u"0123456789ABCDEF"[(value >> shift) & 0xF];
  };
  if (braced) text += u'{';
  hex(high >> 32, 8);
  text += u'-';
  hex(high >> 16, 4);
  text += u'-';
  hex(high, 4);
  text += u'-';
  hex(low >> 48, 4);
  text += u'-';
  hex(low, 12);
  if (braced) text += u'}';
  return text;
}

Property batch_property(const GeneratorSpec& spec, std::size_t index) {
  Property property{u"BIM", u"USER_FIELD_4", spec.batch_kind, {}, 0};
  const std::size_t cycle = spec.batch_values.empty() ? 3 : spec.batch_values.size();
  const std::size_t slot = index % cycle;
  if (spec.batch_values.empty()) {
    switch (spec.batch_kind) {
      case PropertyKind::text: property.text = u"Batch " + number_text(slot + 1); break;
      case PropertyKind::integer: property.number = static_cast<double>(slot + 1); break;
      case PropertyKind::boolean: property.number = slot % 2 == 0 ? 1.0 : 0.0; break;
      case PropertyKind::real: property.number = static_cast<double>(slot + 1) + 0.5; break;
    }
    return property;
  }
  const std::u16string& value = spec.batch_values[slot];
  if (spec.batch_kind == PropertyKind::text) {
    property.text = value;
  } else if (spec.batch_kind == PropertyKind::boolean) {
    property.number = value == u"true" || value == u"1" ? 1.0 : 0.0;
  } else {
    property.number = std::stod(std::string(value.begin(), value.end()));
  }
  return property;
}

Bounds box_at(double x, double y, double z, double size_x, double size_y, double size_z) {
  return Bounds{{x, y, z}, {x + size_x, y + size_y, z + size_z}};
}

class Generator {
 public:
  explicit Generator(const GeneratorSpec& spec) : spec_(spec) {}

  Model run() {
    const ObjectId project = add(all_objects_id, "IfcProject", u"Project", u"Generated project", false);
    for (std::size_t s = 0; s < spec_.sites; ++s) {
      const ObjectId site = add(project, "IfcSite", u"Site " + number_text(s + 1), u"", false);
      const ObjectId building = add(site, "IfcBuilding", u"Building " + number_text(s + 1), u"", false);
      for (std::size_t level = 0; level < spec_.storeys; ++level) add_storey(building, level);
    }
    model_.description = "generated model";
    model_.path = spec_.path;
    return std::move(model_);
  }

 private:
  ObjectId add(ObjectId parent, std::string entity, std::u16string name, std::u16string description,
               bool with_guid_and_tag, std::u16string guid = {}) {
    ++counter_;
    Object object;
    object.entity = std::move(entity);
    object.name = std::move(name);
    object.description = std::move(description);
    if (with_guid_and_tag) object.tag = u"T-" + number_text(counter_);
    object.guid = guid.empty() ? generated_guid(counter_) : std::move(guid);
    return model_.add(parent, std::move(object));
  }

  void add_storey(ObjectId building, std::size_t level) {
    const double z = 3.5 * static_cast<double>(level) - 3.5;  // the first storey is below ground
    const ObjectId storey = add(building, "IfcBuildingStorey", u"Level " + number_text(level), u"", false);
    for (std::size_t a = 0; a < spec_.assemblies; ++a) add_assembly(storey, z);
    for (std::size_t l = 0; l < spec_.loose; ++l) add_loose(storey, z);
    if (!chain_added_) {
      add_chain(storey, z);
      chain_added_ = true;
    }
  }

  void add_assembly(ObjectId storey, double z) {
    const std::size_t number = ++assemblies_;
    const bool uuid = spec_.uuid_guid_every != 0 && number % spec_.uuid_guid_every == 0;
    const ObjectId assembly =
        add(storey, "IfcElementAssembly", u"Assembly " + number_text(number),
            u"Steel assembly, frame " + number_text(number), true,
            uuid ? uuid_guid(number, number / spec_.uuid_guid_every % 2 == 0) : std::u16string());
    if (spec_.batch) model_.find(assembly)->properties.push_back(batch_property(spec_, number - 1));
    std::optional<Bounds> assembly_bounds;
    const double x = 2.5 * static_cast<double>(number) - 10.0;
    for (std::size_t p = 0; p < spec_.parts; ++p) {
      const bool plate = p % 3 == 2;
      const ObjectId part =
          add(assembly, plate ? "IfcPlate" : "IfcBeam",
              (plate ? u"PL10*200 " : u"HEA200 ") + number_text(p + 1), plate ? u"Plate" : u"Beam", true);
      Object& object = *model_.find(part);
      object.has_representation = true;
      if (!spec_.parts_batch.empty()) {
        object.properties.push_back(
            Property{u"BIM", u"USER_FIELD_4", PropertyKind::text, spec_.parts_batch, 0});
      }
      if (spec_.part_weight != 0) {
        object.properties.push_back(
            Property{u"BaseQuantities", u"NetWeight", PropertyKind::real, {}, spec_.part_weight});
      }
      object.bounds = box_at(x, -1.25 + 0.5 * static_cast<double>(p), z, 0.2, 6.0, 0.2);
      assembly_bounds = assembly_bounds ? united(*assembly_bounds, *object.bounds) : *object.bounds;
    }
    model_.find(assembly)->bounds = assembly_bounds;
  }

  void add_loose(ObjectId storey, double z) {
    const std::size_t number = ++loose_;
    const ObjectId element =
        add(storey, "IfcColumn", u"Column " + number_text(number), u"Concrete column", true);
    Object& object = *model_.find(element);
    const bool without_guid = spec_.no_guid_every != 0 && number % spec_.no_guid_every == 0;
    const bool without_geometry =
        spec_.no_representation_every != 0 && number % spec_.no_representation_every == 0;
    if (without_guid) object.guid.clear();
    if (!without_geometry) {
      object.has_representation = true;
      object.bounds = box_at(-1.0 * static_cast<double>(number), -2.0, z, 0.4, 0.4, 3.5);
    }
  }

  void add_chain(ObjectId storey, double z) {
    ObjectId parent = storey;
    for (std::size_t d = 0; d < spec_.depth; ++d) {
      parent = add(parent, "IfcBuildingElementProxy", u"Nested " + number_text(d + 1), u"", true);
      Object& object = *model_.find(parent);
      object.has_representation = true;
      object.bounds = box_at(0, 0, z, 0.1, 0.1, 0.1);
    }
  }

  const GeneratorSpec& spec_;
  Model model_;
  std::size_t counter_ = 0;
  std::size_t assemblies_ = 0;
  std::size_t loose_ = 0;
  bool chain_added_ = false;
};

}  // namespace

struct CountKey {
  std::string_view key;
  std::size_t GeneratorSpec::*field;
};

constexpr CountKey count_keys[] = {
    {"sites", &GeneratorSpec::sites},
    {"storeys", &GeneratorSpec::storeys},
    {"assemblies", &GeneratorSpec::assemblies},
    {"parts", &GeneratorSpec::parts},
    {"loose", &GeneratorSpec::loose},
    {"depth", &GeneratorSpec::depth},
    {"no_guid", &GeneratorSpec::no_guid_every},
    {"no_representation", &GeneratorSpec::no_representation_every},
    {"uuid_guid", &GeneratorSpec::uuid_guid_every},
};

GeneratorSpec parse_generator_spec(std::string_view text) {
  GeneratorSpec spec;
  if (text == "default" || text.empty()) return spec;
  while (!text.empty()) {
    const auto end = text.find(',');
    const std::string_view pair = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const auto equals = pair.find('=');
    if (equals == std::string_view::npos) {
      throw std::invalid_argument("generator: '" + std::string(pair) + "' is not key=value");
    }
    const std::string_view key = pair.substr(0, equals);
    const std::string_view value = pair.substr(equals + 1);
    if (const auto count = std::find_if(std::begin(count_keys), std::end(count_keys),
                                        [key](const CountKey& entry) { return entry.key == key; });
        count != std::end(count_keys)) {
      spec.*(count->field) = parse_count(key, value);
    } else if (key == "batch") {
      spec.batch = value != "none";
      if (spec.batch) spec.batch_kind = parse_kind(value);
    } else if (key == "values") {
      spec.batch_values = split_values(value);
    } else if (key == "parts_batch") {
      spec.parts_batch = widen(value);
    } else if (key == "part_weight") {
      // Whole kilograms and decimals with a point, whatever the machine's locale.
      double kilograms = 0;
      const auto [number_end, error] = std::from_chars(value.data(), value.data() + value.size(), kilograms);
      if (error != std::errc() || number_end != value.data() + value.size())
        throw std::invalid_argument("generator: part_weight needs a number, not '" + std::string(value) +
                                    "'");
      spec.part_weight = kilograms;
    } else if (key == "path") {
      spec.path = widen(value);
    } else {
      throw std::invalid_argument("generator: unknown key '" + std::string(key) + "'");
    }
  }
  return spec;
}

Model generate_model(const GeneratorSpec& spec) { return Generator(spec).run(); }

std::u16string generated_guid(std::uint64_t number) {
  static constexpr char alphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";
  const std::uint64_t high = mix(number);
  const std::uint64_t low = mix(high ^ number);
  // 128 bits as 22 characters: 2 bits first, then twenty-one 6-bit digits.
  std::u16string guid(22, u'0');
  guid[0] = static_cast<char16_t>(alphabet[high >> 62]);
  const std::uint64_t rest_high = high & 0x3FFFFFFFFFFFFFFFull;
  for (int i = 21; i >= 1; --i) {
    const int bit = (21 - i) * 6;  // position of this digit in the 126 low bits
    std::uint64_t digit = 0;
    if (bit + 6 <= 64) {
      digit = (low >> bit) & 0x3F;
    } else if (bit >= 64) {
      digit = (rest_high >> (bit - 64)) & 0x3F;
    } else {
      digit = ((low >> bit) | (rest_high << (64 - bit))) & 0x3F;
    }
    guid[static_cast<std::size_t>(i)] = static_cast<char16_t>(alphabet[digit]);
  }
  return guid;
}

}  // namespace host
