// The model generator: the tree it builds, its GUIDs, and the faults of a spec it refuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "model/generated_model.h"

namespace {

using host::Model;
using host::ObjectId;

std::size_t count_entity(const Model& model, const std::string& entity) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < model.size(); ++i) count += model.find(Model::id_at(i))->entity == entity;
  return count;
}

TEST(GeneratedModel, BuildsTheSpatialTreeWithAssembliesAndParts) {
  const Model model =
      host::generate_model(host::parse_generator_spec("sites=2,storeys=3,assemblies=4,parts=5,loose=1"));
  EXPECT_EQ(count_entity(model, "IfcProject"), 1u);
  EXPECT_EQ(count_entity(model, "IfcSite"), 2u);
  EXPECT_EQ(count_entity(model, "IfcBuildingStorey"), 6u);
  EXPECT_EQ(count_entity(model, "IfcElementAssembly"), 24u);
  EXPECT_EQ(count_entity(model, "IfcBeam") + count_entity(model, "IfcPlate"), 120u);
  EXPECT_EQ(count_entity(model, "IfcColumn"), 6u);
  // Every object's parent chain ends at the root, and each object is its parent's child.
  for (std::size_t i = 0; i < model.size(); ++i) {
    const ObjectId id = Model::id_at(i);
    const ObjectId parent = model.find(id)->parent;
    EXPECT_THAT(model.children(parent), ::testing::Contains(id));
    ObjectId walk = id;
    for (int steps = 0; walk != host::all_objects_id && steps < 10; ++steps) walk = model.find(walk)->parent;
    EXPECT_EQ(walk, host::all_objects_id);
  }
}

TEST(GeneratedModel, IdsLieAbove32Bits) {
  const Model model = host::generate_model(host::parse_generator_spec("default"));
  ASSERT_GT(model.size(), 0u);
  EXPECT_GT(Model::id_at(0), 0xFFFFFFFFull);
  EXPECT_EQ(model.find(host::all_objects_id), nullptr);
  EXPECT_EQ(model.find(0), nullptr);
  EXPECT_TRUE(model.children(0).empty());
}

TEST(GeneratedModel, GuidsAreUniqueIfcGuids) {
  const Model model = host::generate_model(host::parse_generator_spec("assemblies=50,parts=4"));
  std::set<std::u16string> guids;
  for (std::size_t i = 0; i < model.size(); ++i) {
    const std::u16string& guid = model.find(Model::id_at(i))->guid;
    ASSERT_EQ(guid.size(), 22u);
    EXPECT_NE(std::u16string(u"0123").find(guid[0]), std::u16string::npos);
    EXPECT_TRUE(guids.insert(guid).second);
    EXPECT_EQ(model.find_by_guid(guid), Model::id_at(i));
  }
  EXPECT_EQ(model.find_by_guid(u"0000000000000000000000"), 0u);
}

TEST(GeneratedModel, BatchPropertyTakesTheKindAndValuesAsked) {
  const Model model =
      host::generate_model(host::parse_generator_spec("storeys=1,assemblies=4,batch=integer,values=1;2;10"));
  std::vector<double> values;
  for (std::size_t i = 0; i < model.size(); ++i) {
    for (const host::Property& property : model.find(Model::id_at(i))->properties) {
      EXPECT_EQ(property.property_set, u"BIM");
      EXPECT_EQ(property.name, u"USER_FIELD_4");
      EXPECT_EQ(property.kind, host::PropertyKind::integer);
      values.push_back(property.number);
    }
  }
  EXPECT_THAT(values, ::testing::ElementsAre(1, 2, 10, 1));
}

TEST(GeneratedModel, LooseElementsCanLackGuidOrGeometry) {
  const Model model = host::generate_model(
      host::parse_generator_spec("storeys=1,assemblies=0,loose=6,no_guid=2,no_representation=3"));
  std::size_t without_guid = 0;
  std::size_t without_geometry = 0;
  for (std::size_t i = 0; i < model.size(); ++i) {
    const host::Object& object = *model.find(Model::id_at(i));
    if (object.entity != "IfcColumn") continue;
    without_guid += object.guid.empty();
    without_geometry += !object.has_representation && !object.bounds;
  }
  EXPECT_EQ(without_guid, 3u);
  EXPECT_EQ(without_geometry, 2u);
}

TEST(GeneratedModel, DeepChainIsBuiltWithoutRecursion) {
  const Model model =
      host::generate_model(host::parse_generator_spec("storeys=1,assemblies=0,loose=0,depth=100000"));
  EXPECT_EQ(count_entity(model, "IfcBuildingElementProxy"), 100000u);
}

class GeneratorSpecFault : public ::testing::TestWithParam<const char*> {};

TEST_P(GeneratorSpecFault, IsRefusedWithAMessage) {
  EXPECT_THROW(host::parse_generator_spec(GetParam()), std::invalid_argument);
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorSpecFault,
                         ::testing::Values("assemblies", "colour=red", "parts=-1", "parts=2x", "batch=date",
                                           "storeys="));

}  // namespace
