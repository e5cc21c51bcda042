// IFC import on the real models in shared/models: the tree, attributes, properties and boxes the
// stand-in viewer shows for them, and torv-host loading one end to end.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "model/ifc_import.h"
#include "support/case_label.h"
#include "support/needed_files.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

using host::Model;
using host::Object;
using host::ObjectId;

const std::filesystem::path models_folder = TORV_SHARED_MODELS;

class SharedModel : public ::testing::Test {
 protected:
  void SetUp() override {
    TORV_NEEDS(std::filesystem::is_directory(models_folder),
               "the real models are not here: " << models_folder << " is missing");
  }
};

std::vector<ObjectId> objects_of(const Model& model, const std::string& entity) {
  std::vector<ObjectId> ids;
  for (std::size_t i = 0; i < model.size(); ++i) {
    if (model.find(Model::id_at(i))->entity == entity) ids.push_back(Model::id_at(i));
  }
  return ids;
}

// The entities of an object's parents, nearest first; nothing when the chain misses the root.
std::optional<std::vector<std::string>> ancestors(const Model& model, ObjectId id) {
  std::vector<std::string> entities;
  for (std::size_t steps = 0; steps <= model.size(); ++steps) {
    const ObjectId parent = model.find(id)->parent;
    if (parent == host::all_objects_id) return entities;
    const Object* object = model.find(parent);
    if (object == nullptr) break;
    entities.push_back(object->entity);
    id = parent;
  }
  return std::nullopt;
}

// What the file itself says, read without IFC++: GUIDs by STEP id, and each IfcRelAggregates.
struct StepFacts {
  std::unordered_map<std::string, std::u16string> guid_of;                   // "#46" -> its GlobalId
  std::vector<std::pair<std::string, std::vector<std::string>>> aggregates;  // whole, parts
};

std::vector<std::string> step_ids(const std::string& list) {
  std::vector<std::string> ids;
  std::size_t start = 0;
  while (start < list.size()) {
    const std::size_t end = std::min(list.find(',', start), list.size());
    ids.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return ids;
}

// The exporter writes one entity a line, GlobalId first; IfcRelAggregates ends "#whole,(#part,...));".
StepFacts read_step_facts(const std::filesystem::path& file) {
  StepFacts facts;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    const std::size_t equals = line.find('=');
    const std::size_t open = line.find("('");
    if (line.empty() || line[0] != '#' || equals == std::string::npos || open == std::string::npos) continue;
    const std::string id = line.substr(0, equals);
    const std::string guid = line.substr(open + 2, 22);
    facts.guid_of[id] = std::u16string(guid.begin(), guid.end());
    if (line.find("IFCRELAGGREGATES(") == std::string::npos) continue;
    const std::size_t parts = line.rfind(",(");
    const std::size_t whole = line.rfind(",#", parts - 1) + 1;
    facts.aggregates.emplace_back(line.substr(whole, parts - whole),
                                  step_ids(line.substr(parts + 2, line.find(')', parts) - parts - 2)));
  }
  return facts;
}

class TeklaCarwash : public SharedModel {
 protected:
  static const Model& model() {
    static const Model model = host::read_ifc_model(models_folder / "tekla-carwash.ifc");
    return model;
  }
};

TEST_F(TeklaCarwash, HasTheObjectsOfTheExport) {
  const std::map<std::string, std::size_t> expected = {
      {"IfcElementAssembly", 1051},  {"IfcBeam", 1949}, {"IfcMember", 228},
      {"IfcDiscreteAccessory", 409}, {"IfcProject", 1}, {"IfcBuildingStorey", 1}};
  for (const auto& [entity, count] : expected) EXPECT_EQ(objects_of(model(), entity).size(), count) << entity;
  EXPECT_EQ(model().description, "tekla-carwash.ifc");
  EXPECT_EQ(std::filesystem::path(model().path),
            std::filesystem::absolute(models_folder / "tekla-carwash.ifc"));
}

TEST_F(TeklaCarwash, EveryObjectHangsExactlyOnceBelowTheRoot) {
  std::size_t listed = model().children(host::all_objects_id).size();
  for (std::size_t i = 0; i < model().size(); ++i) {
    const ObjectId id = Model::id_at(i);
    listed += model().children(id).size();
    const std::vector<ObjectId>& siblings = model().children(model().find(id)->parent);
    EXPECT_EQ(std::count(siblings.begin(), siblings.end(), id), 1) << i;
    EXPECT_TRUE(ancestors(model(), id).has_value()) << i;
  }
  EXPECT_EQ(listed, model().size());
  ASSERT_EQ(model().children(host::all_objects_id).size(), 1u);
  EXPECT_EQ(model().find(model().children(host::all_objects_id)[0])->entity, "IfcProject");
}

TEST_F(TeklaCarwash, AssembliesHoldThePartsTheFileAggregates) {
  const StepFacts facts = read_step_facts(models_folder / "tekla-carwash.ifc");
  std::size_t assemblies_checked = 0;
  for (const auto& [whole, parts] : facts.aggregates) {
    const ObjectId assembly = model().find_by_guid(facts.guid_of.at(whole));
    ASSERT_NE(assembly, 0u) << whole;
    if (model().find(assembly)->entity != "IfcElementAssembly") continue;
    ++assemblies_checked;
    for (const std::string& part : parts) {
      const ObjectId part_id = model().find_by_guid(facts.guid_of.at(part));
      EXPECT_EQ(model().find(part_id)->parent, assembly) << part << " of " << whole;
    }
  }
  // Three of the 1051 assemblies aggregate nothing; 107 are parts of other assemblies.
  EXPECT_EQ(assemblies_checked, 1048u);
  for (const ObjectId assembly : objects_of(model(), "IfcElementAssembly")) {
    EXPECT_THAT(ancestors(model(), assembly), ::testing::Optional(::testing::Contains("IfcBuildingStorey")));
  }
}

TEST_F(TeklaCarwash, GuidsAreUniqueAndFindObjects) {
  std::set<std::u16string> guids;
  for (std::size_t i = 0; i < model().size(); ++i) {
    const std::u16string& guid = model().find(Model::id_at(i))->guid;
    EXPECT_EQ(guid.size(), 22u);
    EXPECT_TRUE(guids.insert(guid).second) << i;
    EXPECT_EQ(model().find_by_guid(guid), Model::id_at(i));
  }
}

TEST_F(TeklaCarwash, PartsHaveGeometryInMetres) {
  double model_min[3] = {1e9, 1e9, 1e9};
  double model_max[3] = {-1e9, -1e9, -1e9};
  for (const char* entity : {"IfcBeam", "IfcMember"}) {
    for (const ObjectId id : objects_of(model(), entity)) {
      const Object& part = *model().find(id);
      EXPECT_TRUE(part.has_representation);
      ASSERT_TRUE(part.bounds.has_value()) << entity << " " << id;
      for (int axis = 0; axis < 3; ++axis) {
        EXPECT_LE(part.bounds->min[axis], part.bounds->max[axis]);
        model_min[axis] = std::min(model_min[axis], part.bounds->min[axis]);
        model_max[axis] = std::max(model_max[axis], part.bounds->max[axis]);
      }
      // The assembly's box is the union of its parts'.
      const Object& assembly = *model().find(part.parent);
      EXPECT_FALSE(assembly.has_representation);
      ASSERT_TRUE(assembly.bounds.has_value());
      for (int axis = 0; axis < 3; ++axis) EXPECT_LE(assembly.bounds->min[axis], part.bounds->min[axis]);
    }
  }
  // A car wash is tens of metres long and a few high; in millimetres these would be thousands.
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_GT(model_max[axis] - model_min[axis], 4.0) << axis;
    EXPECT_LT(model_max[axis] - model_min[axis], 100.0) << axis;
  }
}

TEST_F(SharedModel, BatchedAssembliesCarryTheirBatchAsText) {
  const Model model = host::read_ifc_model(models_folder / "tekla-carwash-batched.ifc");
  std::set<std::u16string> batches;
  const std::vector<ObjectId> assemblies = objects_of(model, "IfcElementAssembly");
  ASSERT_EQ(assemblies.size(), 1051u);
  for (const ObjectId id : assemblies) {
    const std::vector<host::Property>& properties = model.find(id)->properties;
    const auto batch = std::find_if(properties.begin(), properties.end(), [](const host::Property& property) {
      return property.property_set == u"BIM" && property.name == u"USER_FIELD_4";
    });
    ASSERT_NE(batch, properties.end()) << id;
    EXPECT_EQ(batch->kind, host::PropertyKind::text);
    batches.insert(batch->text);
  }
  EXPECT_THAT(batches, ::testing::ElementsAre(u"Batch 1", u"Batch 2", u"Batch 3", u"Batch 4", u"Batch 5",
                                              u"Batch 6", u"Batch 7", u"Batch 8", u"Batch 9"));
}

struct StoreyCase {
  std::string label;
  std::string entity;
  std::size_t count;
};

void PrintTo(const StoreyCase& c, std::ostream* out) { *out << c.label; }

class OpenHouse : public SharedModel, public ::testing::WithParamInterface<StoreyCase> {};

TEST_P(OpenHouse, ElementsStandBelowTheStorey) {
  const Model model = host::read_ifc_model(models_folder / "ifc4-openhouse.ifc");
  const std::vector<ObjectId> objects = objects_of(model, GetParam().entity);
  EXPECT_EQ(objects.size(), GetParam().count);
  for (const ObjectId id : objects) {
    EXPECT_THAT(ancestors(model, id), ::testing::Optional(::testing::Contains("IfcBuildingStorey"))) << id;
    EXPECT_TRUE(model.find(id)->bounds.has_value()) << id;
  }
}

INSTANTIATE_TEST_SUITE_P(Ifc4, OpenHouse,
                         ::testing::Values(StoreyCase{"walls", "IfcWallStandardCase", 4},
                                           StoreyCase{"slabs", "IfcSlab", 2},
                                           StoreyCase{"windows", "IfcWindow", 5},
                                           StoreyCase{"door", "IfcDoor", 1}),
                         torv_test::CaseLabel());

TEST_F(SharedModel, TorvHostLoadsTheModel) {
  const torv_test::TempFolder folder;
  torv_test::write_file(folder.path() / "script.txt", "ribbon\n");
  const auto result = torv_test::run_torv_host(
      {(models_folder / "tekla-carwash.ifc").string(), "--script", (folder.path() / "script.txt").string()});
  EXPECT_EQ(result.exit_code, 0) << result.errors;
  // The project, site, building, storey and the export's 3694 products.
  EXPECT_THAT(result.out,
              ::testing::ContainsRegex("model: tekla-carwash.ifc, read in [0-9.]+ s, 3698 objects\n"));
}

}  // namespace
