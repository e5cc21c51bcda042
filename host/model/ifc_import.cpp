// Reading an IFC file with IFC++: the file's entities, then the object tree, properties and
// geometry the viewer shows.
#include "model/ifc_import.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include <ifcpp/IFC4/include/IfcElement.h>
#include <ifcpp/IFC4/include/IfcGloballyUniqueId.h>
#include <ifcpp/IFC4/include/IfcIdentifier.h>
#include <ifcpp/IFC4/include/IfcLabel.h>
#include <ifcpp/IFC4/include/IfcProduct.h>
#include <ifcpp/IFC4/include/IfcText.h>
#include <ifcpp/reader/ReaderSTEP.h>

#include "model/ifc_properties.h"
#include "model/ifc_shapes.h"
#include "model/ifc_text.h"
#include "model/ifc_tree.h"
#include "platform/utf8.h"

namespace host {
namespace {

std::runtime_error read_error(const std::filesystem::path& file, const std::string& reason) {
  return std::runtime_error("cannot read " + file.string() + ": " + reason);
}

std::string file_bytes(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) throw read_error(file, error.message());
  std::ifstream in(file, std::ios::binary);
  std::string bytes(size, '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
    throw read_error(file, "the file cannot be read");
  return bytes;
}

// IFC++ reads what it can of a file that was cut short and says nothing, so the frame of the
// exchange file is checked first.
void check_step_frame(const std::filesystem::path& file, std::string_view text) {
  constexpr std::string_view blanks = " \t\r\n";
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  const auto first = text.find_first_not_of(blanks);
  const auto last = text.find_last_not_of(blanks);
  text = first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
  if (!text.starts_with("ISO-10303-21;")) {
    throw read_error(file, "it is not an IFC file (it does not begin with ISO-10303-21;)");
  }
  if (!text.ends_with("END-ISO-10303-21;")) {
    throw read_error(file, "the file is cut short (it does not end with END-ISO-10303-21;)");
  }
}

// IFC++ reports faults as messages rather than exceptions.
struct ReaderErrors {
  std::vector<std::string> texts;

  static void collect(void* errors, shared_ptr<StatusCallback::Message> message) {
    if (message->m_message_type != StatusCallback::MESSAGE_TYPE_ERROR) return;
    static_cast<ReaderErrors*>(errors)->texts.push_back(platform::to_utf8(ifc_text(message->m_message_text)));
  }
};

shared_ptr<BuildingModel> read_entities(const std::filesystem::path& file) {
  std::string bytes = file_bytes(file);
  check_step_frame(file, bytes);
  auto model = std::make_shared<BuildingModel>();
  ReaderErrors errors;
  ReaderSTEP reader;
  reader.setMessageCallBack(&errors, &ReaderErrors::collect);
  try {
    // Not loadModelFromFile: that one sets the process's locale to en_US, which a machine may lack.
    reader.loadModelFromString(bytes, model);
  } catch (const std::exception& error) {
    throw read_error(file, error.what());
  }
  if (model->getMapIfcEntities().empty()) {
    throw read_error(file, errors.texts.empty() ? "it holds no IFC entities" : errors.texts.front());
  }
  return model;
}

Object describe(const IfcObjectDefinition& definition) {
  Object object;
  object.entity = definition.className();
  object.name = ifc_text(definition.m_Name);
  object.description = ifc_text(definition.m_Description);
  object.guid = ifc_text(definition.m_GlobalId);
  if (const auto* element = dynamic_cast<const IfcElement*>(&definition))
    object.tag = ifc_text(element->m_Tag);
  if (const auto* product = dynamic_cast<const IfcProduct*>(&definition)) {
    object.has_representation = static_cast<bool>(product->m_Representation);
  }
  return object;
}

// An element without geometry of its own, such as a steel assembly, takes the box of its parts.
void unite_part_bounds(const std::vector<TreeEntry>& tree, Model& model) {
  // Backwards: every part comes after its element, so nested assemblies have their boxes first.
  for (std::size_t entry = tree.size(); entry-- > 0;) {
    Object& object = *model.find(Model::id_at(entry));
    if (object.has_representation || dynamic_cast<const IfcElement*>(tree[entry].object.get()) == nullptr) {
      continue;
    }
    for (const ObjectId child : object.children) {
      const std::optional<Bounds>& part = model.find(child)->bounds;
      if (part) object.bounds = object.bounds ? united(*object.bounds, *part) : *part;
    }
  }
}

}  // namespace

Model read_ifc_model(const std::filesystem::path& file) {
  const shared_ptr<BuildingModel> entities = read_entities(file);
  const std::vector<TreeEntry> tree = ifc_object_tree(*entities);
  if (tree.empty()) throw read_error(file, "it holds no IFC project and no product");
  PropertyTable properties = ifc_properties(*entities);
  ProductShapes shapes(entities);

  // Entry i becomes object i: the model is empty, and each parent's entry comes before its children.
  Model model;
  for (const TreeEntry& entry : tree) {
    Object object = describe(*entry.object);
    if (const auto found = properties.find(entry.object->m_entity_id); found != properties.end()) {
      object.properties = std::move(found->second);
    }
    if (object.has_representation) {
      ProductShape shape = shapes.of(dynamic_pointer_cast<IfcProduct>(entry.object));
      object.bounds = shape.bounds;
      object.surface = std::move(shape.surface);
    }
    model.add(entry.parent == tree_root ? all_objects_id : Model::id_at(entry.parent), std::move(object));
  }
  unite_part_bounds(tree, model);
  model.path = std::filesystem::absolute(file).u16string();
  model.description = file.filename().string();
  return model;
}

}  // namespace host
