// IFC import on small files written here: property kinds and texts, where each object lands in
// the tree, boxes in metres whatever the file's unit, and the files it refuses.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/ifc_import.h"
#include "support/case_label.h"
#include "support/temp_folder.h"

namespace {

using host::Model;
using host::Object;
using host::ObjectId;

std::string guid(int number) {
  const std::string digits = std::to_string(number);
  return std::string(22 - digits.size(), '0') + digits;
}

std::string step_file(const std::string& schema, const std::string& data) {
  return "ISO-10303-21;\nHEADER;\nFILE_DESCRIPTION(('ViewDefinition [CoordinationView]'),'2;1');\n"
         "FILE_NAME('test.ifc','2024-01-01T00:00:00',(''),(''),'','','');\nFILE_SCHEMA(('" +
         schema + "'));\nENDSEC;\nDATA;\n" + data + "ENDSEC;\nEND-ISO-10303-21;\n";
}

// A file whose last quarter is missing, as a copy that was interrupted leaves it.
std::string cut_short(std::string text) {
  text.resize(text.size() * 3 / 4);
  return text;
}

// "#id=TYPE('GlobalId',$,attributes);\n": an entity with a GlobalId made of its id.
std::string rooted(int id, const std::string& type, const std::string& attributes) {
  return "#" + std::to_string(id) + "=" + type + "('" + guid(id) + "',$," + attributes + ");\n";
}

// An IFC4 file: a project (#1) with a 3D context (#2) and the length unit #4, then data.
std::string ifc4_file(const std::string& data,
                      const std::string& length_unit = "IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)") {
  std::string project = rooted(1, "IFCPROJECT", "'Project',$,$,$,$,(#2),#3");
  project += "#2=IFCGEOMETRICREPRESENTATIONCONTEXT($,'Model',3,1.E-05,#5,$);\n";
  project += "#3=IFCUNITASSIGNMENT((#4));\n#4=" + length_unit + ";\n";
  project += "#5=IFCAXIS2PLACEMENT3D(#6,$,$);\n#6=IFCCARTESIANPOINT((0.,0.,0.));\n";
  return step_file("IFC4", project + data);
}

class IfcFile : public ::testing::Test {
 protected:
  Model read(const std::string& content) {
    torv_test::write_file(folder_.path() / "test.ifc", content);
    return host::read_ifc_model(folder_.path() / "test.ifc");
  }

 private:
  torv_test::TempFolder folder_;
};

const Object& object_named(const Model& model, const std::u16string& name) {
  for (std::size_t i = 0; i < model.size(); ++i) {
    if (model.find(Model::id_at(i))->name == name) return *model.find(Model::id_at(i));
  }
  throw std::logic_error("no object of that name");
}

struct ValueCase {
  std::string label;
  std::string step_value;  // as the file writes the nominal value
  host::PropertyKind kind;
  std::u16string text;
  double number;
};

void PrintTo(const ValueCase& c, std::ostream* out) { *out << c.label; }

class PropertyValue : public IfcFile, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(PropertyValue, TakesTheKindAndValueOfTheNominalValue) {
  std::string data = rooted(10, "IFCWALL", "'Wall',$,$,$,$,$,$");
  data += "#11=IFCPROPERTYSINGLEVALUE('Value',$," + GetParam().step_value + ",$);\n";
  data += rooted(12, "IFCPROPERTYSET", "'Set',$,(#11)");
  data += rooted(13, "IFCRELDEFINESBYPROPERTIES", "$,$,(#10),#12");
  const Model model = read(ifc4_file(data));
  const std::vector<host::Property>& properties = object_named(model, u"Wall").properties;
  ASSERT_EQ(properties.size(), 1u);
  EXPECT_EQ(properties[0].property_set, u"Set");
  EXPECT_EQ(properties[0].name, u"Value");
  EXPECT_EQ(properties[0].kind, GetParam().kind);
  EXPECT_EQ(properties[0].text, GetParam().text);
  EXPECT_EQ(properties[0].number, GetParam().number);
}

using host::PropertyKind;

INSTANTIATE_TEST_SUITE_P(
    Kinds, PropertyValue,
    ::testing::Values(
        ValueCase{"label", "IFCLABEL('Batch 1')", PropertyKind::text, u"Batch 1", 0},
        ValueCase{"text", "IFCTEXT('Hot-dip galvanised')", PropertyKind::text, u"Hot-dip galvanised", 0},
        ValueCase{"identifier", "IFCIDENTIFIER('A-12')", PropertyKind::text, u"A-12", 0},
        ValueCase{"date", "IFCDATE('2024-05-31')", PropertyKind::text, u"2024-05-31", 0},
        ValueCase{"integer", "IFCINTEGER(-42)", PropertyKind::integer, u"", -42},
        ValueCase{"count", "IFCCOUNTMEASURE(3)", PropertyKind::integer, u"", 3},
        ValueCase{"boolean_true", "IFCBOOLEAN(.T.)", PropertyKind::boolean, u"", 1},
        ValueCase{"boolean_false", "IFCBOOLEAN(.F.)", PropertyKind::boolean, u"", 0},
        ValueCase{"logical_true", "IFCLOGICAL(.T.)", PropertyKind::boolean, u"", 1},
        ValueCase{"logical_unknown", "IFCLOGICAL(.U.)", PropertyKind::boolean, u"", 0},
        ValueCase{"real", "IFCREAL(2.5)", PropertyKind::real, u"", 2.5},
        ValueCase{"length_keeps_every_digit", "IFCLENGTHMEASURE(1234.5678901)", PropertyKind::real, u"",
                  1234.5678901},
        ValueCase{"positive_length", "IFCPOSITIVELENGTHMEASURE(0.1)", PropertyKind::real, u"", 0.1},
        ValueCase{"mass_density", "IFCMASSDENSITYMEASURE(7850.)", PropertyKind::real, u"", 7850},
        ValueCase{"plane_angle", "IFCPLANEANGLEMEASURE(-1.5E-3)", PropertyKind::real, u"", -1.5e-3}),
    torv_test::CaseLabel());

INSTANTIATE_TEST_SUITE_P(
    Texts, PropertyValue,
    ::testing::Values(
        ValueCase{"escaped_latin", "IFCLABEL('Caf\\X2\\00E9\\X0\\')", PropertyKind::text, u"Caf\u00E9", 0},
        ValueCase{"escaped_pair", "IFCLABEL('\\X2\\D83DDE00\\X0\\!')", PropertyKind::text, u"\U0001F600!", 0},
        ValueCase{"doubled_quote", "IFCLABEL('O''Brien')", PropertyKind::text, u"O'Brien", 0},
        ValueCase{"doubled_backslash", "IFCLABEL('C:\\\\site\\\\hall')", PropertyKind::text,
                  u"C:\\site\\hall", 0},
        ValueCase{"raw_utf8", "IFCLABEL('Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87')", PropertyKind::text,
                  u"Za\u017C\u00F3\u0142\u0107", 0},
        ValueCase{"raw_latin1", "IFCLABEL('Caf\xE9 cr\xE8me')", PropertyKind::text, u"Caf\u00E9 cr\u00E8me",
                  0}),
    torv_test::CaseLabel());

TEST_F(IfcFile, SkipsPropertiesWithoutOneValue) {
  std::string data = rooted(10, "IFCWALL", "'Wall',$,$,$,$,$,$");
  data += "#11=IFCPROPERTYSINGLEVALUE('None',$,$,$);\n";
  data += "#12=IFCPROPERTYSINGLEVALUE('Complex',$,IFCCOMPLEXNUMBER((1.,2.)),$);\n";
  data += "#13=IFCPROPERTYSINGLEVALUE('Kept',$,IFCINTEGER(1),$);\n";
  data += rooted(14, "IFCPROPERTYSET", "'Set',$,(#11,#12,#13)");
  data += rooted(15, "IFCRELDEFINESBYPROPERTIES", "$,$,(#10),#14");
  const Model model = read(ifc4_file(data));
  const std::vector<host::Property>& properties = object_named(model, u"Wall").properties;
  ASSERT_EQ(properties.size(), 1u);
  EXPECT_EQ(properties[0].name, u"Kept");
}

TEST_F(IfcFile, TypePropertiesFollowTheObjectsOwn) {
  // IFC4 IfcBeamType: ..., ApplicableOccurrence, HasPropertySets, RepresentationMaps, Tag,
  // ElementType, PredefinedType.
  std::string data = rooted(10, "IFCBEAM", "'Beam',$,$,$,$,$,$");
  data += "#11=IFCPROPERTYSINGLEVALUE('Grade',$,IFCLABEL('S355'),$);\n";
  data += "#12=IFCPROPERTYSINGLEVALUE('Grade',$,IFCLABEL('S235'),$);\n";
  data += "#13=IFCPROPERTYSINGLEVALUE('Profile',$,IFCLABEL('IPE360'),$);\n";
  data += rooted(14, "IFCPROPERTYSET", "'Own',$,(#11)");
  data += rooted(15, "IFCPROPERTYSET", "'Of type',$,(#12,#13)");
  data += rooted(16, "IFCBEAMTYPE", "'IPE360',$,$,(#15),$,$,$,.BEAM.");
  // The type relation comes first in the file; the object's own set still leads.
  data += rooted(17, "IFCRELDEFINESBYTYPE", "$,$,(#10),#16");
  data += rooted(18, "IFCRELDEFINESBYPROPERTIES", "$,$,(#10),#14");
  const Model model = read(ifc4_file(data));
  std::vector<std::pair<std::u16string, std::u16string>> properties;
  for (const host::Property& property : object_named(model, u"Beam").properties) {
    properties.emplace_back(property.property_set + u"." + property.name, property.text);
  }
  EXPECT_THAT(properties, ::testing::ElementsAre(::testing::Pair(u"Own.Grade", u"S355"),
                                                 ::testing::Pair(u"Of type.Grade", u"S235"),
                                                 ::testing::Pair(u"Of type.Profile", u"IPE360")));
}

// A storey with an assembly whose beam the storey also lists as contained, a wall with an
// opening, a column in no relation, and two assemblies that aggregate each other.
std::string tree_file() {
  std::string data = rooted(10, "IFCSITE", "'Site',$,$,$,$,$,.ELEMENT.,$,$,$,$,$");
  data += rooted(11, "IFCBUILDINGSTOREY", "'Storey',$,$,$,$,$,.ELEMENT.,0.");
  data += rooted(12, "IFCELEMENTASSEMBLY", "'Assembly','Frame 1',$,$,$,'A-1',.FACTORY.,.GIRDER.");
  data += rooted(13, "IFCBEAM", "'Beam',$,$,$,$,'B-1',$");
  data += rooted(14, "IFCPLATE", "'Plate',$,$,$,$,'P-1',$");
  data += rooted(15, "IFCWALL", "'Wall',$,$,$,$,'W-1',$");
  data += rooted(16, "IFCOPENINGELEMENT", "'Opening',$,$,$,$,$,$");
  data += rooted(17, "IFCCOLUMN", "'Loose',$,$,$,$,$,$");
  data += rooted(18, "IFCELEMENTASSEMBLY", "'Cycle first',$,$,$,$,$,$,$");
  data += rooted(19, "IFCELEMENTASSEMBLY", "'Cycle second',$,$,$,$,$,$,$");
  data += rooted(20, "IFCRELAGGREGATES", "$,$,#1,(#10)");
  data += rooted(21, "IFCRELAGGREGATES", "$,$,#10,(#11)");
  data += rooted(22, "IFCRELCONTAINEDINSPATIALSTRUCTURE", "$,$,(#12,#13,#15),#11");
  data += rooted(23, "IFCRELAGGREGATES", "$,$,#12,(#13,#14)");
  data += rooted(24, "IFCRELVOIDSELEMENT", "$,$,#15,#16");
  data += rooted(25, "IFCRELAGGREGATES", "$,$,#19,(#18)");
  data += rooted(26, "IFCRELAGGREGATES", "$,$,#18,(#19)");
  return ifc4_file(data);
}

struct PlaceCase {
  std::string label;
  std::u16string name;
  std::u16string parent;  // empty: the root
};

void PrintTo(const PlaceCase& c, std::ostream* out) { *out << c.label; }

class TreePlace : public IfcFile, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(TreePlace, PutsEachObjectUnderOneParent) {
  const Model model = read(tree_file());
  const ObjectId parent = object_named(model, GetParam().name).parent;
  if (GetParam().parent.empty()) {
    EXPECT_EQ(parent, host::all_objects_id);
  } else {
    ASSERT_NE(model.find(parent), nullptr);
    EXPECT_EQ(model.find(parent)->name, GetParam().parent);
  }
}

INSTANTIATE_TEST_SUITE_P(Relations, TreePlace,
                         ::testing::Values(PlaceCase{"project_at_root", u"Project", u""},
                                           PlaceCase{"site_in_project", u"Site", u"Project"},
                                           PlaceCase{"storey_in_site", u"Storey", u"Site"},
                                           PlaceCase{"assembly_in_storey", u"Assembly", u"Storey"},
                                           PlaceCase{"aggregation_wins_over_containment", u"Beam",
                                                     u"Assembly"},
                                           PlaceCase{"part_of_assembly", u"Plate", u"Assembly"},
                                           PlaceCase{"loose_at_root", u"Loose", u""},
                                           PlaceCase{"cycle_enters_at_first", u"Cycle first", u""},
                                           PlaceCase{"cycle_goes_on_below", u"Cycle second", u"Cycle first"}),
                         torv_test::CaseLabel());

TEST_F(IfcFile, ListsEveryObjectOnceWithItsAttributes) {
  const Model model = read(tree_file());
  // Everything but the opening, which is a hole in the wall.
  EXPECT_EQ(model.size(), 10u);
  EXPECT_THROW(object_named(model, u"Opening"), std::logic_error);
  const Object& storey = object_named(model, u"Storey");
  ASSERT_EQ(storey.children.size(), 2u);
  EXPECT_EQ(model.find(storey.children[0])->name, u"Assembly");
  EXPECT_EQ(model.find(storey.children[1])->name, u"Wall");
  const Object& assembly = *model.find(storey.children[0]);
  EXPECT_EQ(assembly.entity, "IfcElementAssembly");
  EXPECT_EQ(assembly.description, u"Frame 1");
  EXPECT_EQ(assembly.tag, u"A-1");
  EXPECT_EQ(assembly.guid, std::u16string(u"0000000000000000000012"));
  EXPECT_FALSE(assembly.has_representation);
  EXPECT_FALSE(assembly.bounds.has_value());
  EXPECT_EQ(object_named(model, u"Storey").tag, u"");
  EXPECT_EQ(model.description, "test.ifc");
}

TEST_F(IfcFile, NestingDeeperThanTheCallStackAllows) {
  constexpr int depth = 100000;
  // Assembly #100 in the project, #102 in #100, #104 in #102, ...
  std::string data = rooted(10, "IFCRELAGGREGATES", "$,$,#1,(#100)");
  for (int level = 0; level < depth; ++level) {
    const int id = 100 + 2 * level;
    data += rooted(id, "IFCELEMENTASSEMBLY", "'A" + std::to_string(level) + "',$,$,$,$,$,$,$");
    if (level + 1 < depth) {
      data += rooted(id + 1, "IFCRELAGGREGATES",
                     "$,$,#" + std::to_string(id) + ",(#" + std::to_string(id + 2) + ")");
    }
  }
  const Model model = read(ifc4_file(data));
  ASSERT_EQ(model.size(), depth + 1u);
  ObjectId id = model.find_by_guid([] {
    const std::string deepest = guid(100 + 2 * (depth - 1));
    return std::u16string(deepest.begin(), deepest.end());
  }());
  std::size_t levels = 0;
  for (; id != host::all_objects_id; ++levels) id = model.find(id)->parent;
  EXPECT_EQ(levels, depth + 1u);
}

struct BoxCase {
  std::string label;
  std::string length_unit;  // entity #4; #7 to #9 are there for a conversion-based unit to use
  double per_metre;         // file units in a metre
  bool turned;              // the wall's x axis along the model's y axis
  double lift;              // metres the storey's placement lifts the wall by
  host::Bounds expected;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.label; }

class GeometryBox : public IfcFile, public ::testing::WithParamInterface<BoxCase> {};

// A wall 2 m long, 0.2 m thick and 3 m high, its axis centred at (1, 2) m.
TEST_P(GeometryBox, InMetresInTheModelsCoordinates) {
  const BoxCase& c = GetParam();
  const auto length = [&](double metres) { return std::to_string(metres * c.per_metre); };
  std::string data = "#7=IFCDIMENSIONALEXPONENTS(1,0,0,0,0,0,0);\n";
  data += "#8=IFCMEASUREWITHUNIT(IFCLENGTHMEASURE(0.3048),#9);\n";
  data += "#9=IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.);\n";
  data += rooted(10, "IFCWALL", "'Wall',$,$,#11,#20,$,$");
  data += "#11=IFCLOCALPLACEMENT(#12,#14);\n";
  data += "#12=IFCLOCALPLACEMENT($,#13);\n";
  data += "#13=IFCAXIS2PLACEMENT3D(#16,$,$);\n";
  data += std::string("#14=IFCAXIS2PLACEMENT3D(#15,$,") + (c.turned ? "#17" : "$") + ");\n";
  data += "#15=IFCCARTESIANPOINT((" + length(1) + "," + length(2) + ",0.));\n";
  data += "#16=IFCCARTESIANPOINT((0.,0.," + length(c.lift) + "));\n";
  data += "#17=IFCDIRECTION((0.,1.,0.));\n";
  data += "#20=IFCPRODUCTDEFINITIONSHAPE($,$,(#21));\n";
  data += "#21=IFCSHAPEREPRESENTATION(#2,'Body','SweptSolid',(#22));\n";
  data += "#22=IFCEXTRUDEDAREASOLID(#23,#5,#26," + length(3) + ");\n";
  data += "#23=IFCRECTANGLEPROFILEDEF(.AREA.,$,#24," + length(2) + "," + length(0.2) + ");\n";
  data += "#24=IFCAXIS2PLACEMENT2D(#25,$);\n#25=IFCCARTESIANPOINT((0.,0.));\n#26=IFCDIRECTION((0.,0.,1.));\n";
  const Model model = read(ifc4_file(data, c.length_unit));
  const Object& wall = object_named(model, u"Wall");
  EXPECT_TRUE(wall.has_representation);
  ASSERT_TRUE(wall.bounds.has_value());
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_NEAR(wall.bounds->min[axis], c.expected.min[axis], 1e-6) << axis;
    EXPECT_NEAR(wall.bounds->max[axis], c.expected.max[axis], 1e-6) << axis;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Units, GeometryBox,
    ::testing::Values(
        BoxCase{"millimetres",
                "IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)",
                1000,
                false,
                0,
                {{0, 1.9, 0}, {2, 2.1, 3}}},
        BoxCase{"metres", "IFCSIUNIT(*,.LENGTHUNIT.,$,.METRE.)", 1, false, 0, {{0, 1.9, 0}, {2, 2.1, 3}}},
        BoxCase{"feet",
                "IFCCONVERSIONBASEDUNIT(#7,.LENGTHUNIT.,'FOOT',#8)",
                1 / 0.3048,
                false,
                0,
                {{0, 1.9, 0}, {2, 2.1, 3}}},
        BoxCase{
            "turned", "IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)", 1000, true, 0, {{0.9, 1, 0}, {1.1, 3, 3}}},
        BoxCase{"placed_on_a_lifted_storey",
                "IFCSIUNIT(*,.LENGTHUNIT.,.MILLI.,.METRE.)",
                1000,
                false,
                3.5,
                {{0, 1.9, 3.5}, {2, 2.1, 6.5}}}),
    torv_test::CaseLabel());

// Entities #id to #id+7: a product whose geometry is a 1 m x 0.1 m x 0.1 m block centred on x
// millimetres; the file gives #8 (the direction of extrusion) and #9 (the profile's position).
std::string block(int id, const std::string& type, const std::string& name, int x) {
  const auto ref = [id](int offset) { return "#" + std::to_string(id + offset); };
  std::string data = rooted(id, type, "'" + name + "',$,$," + ref(1) + "," + ref(4) + ",$,$");
  data += ref(1) + "=IFCLOCALPLACEMENT($," + ref(2) + ");\n";
  data += ref(2) + "=IFCAXIS2PLACEMENT3D(" + ref(3) + ",$,$);\n";
  data += ref(3) + "=IFCCARTESIANPOINT((" + std::to_string(x) + ".,0.,0.));\n";
  data += ref(4) + "=IFCPRODUCTDEFINITIONSHAPE($,$,(" + ref(5) + "));\n";
  data += ref(5) + "=IFCSHAPEREPRESENTATION(#2,'Body','SweptSolid',(" + ref(6) + "));\n";
  data += ref(6) + "=IFCEXTRUDEDAREASOLID(" + ref(7) + ",#5,#8,100.);\n";
  data += ref(7) + "=IFCRECTANGLEPROFILEDEF(.AREA.,$,#9,1000.,100.);\n";
  return data;
}

TEST_F(IfcFile, AssemblyWithoutGeometryTakesTheBoxOfItsParts) {
  std::string data = "#8=IFCDIRECTION((0.,0.,1.));\n#9=IFCAXIS2PLACEMENT2D(#6,$);\n";
  data += rooted(10, "IFCELEMENTASSEMBLY", "'Assembly',$,$,$,$,$,$,$");
  data += block(20, "IFCBEAM", "Left", 0);
  data += block(30, "IFCPLATE", "Right", 5000);
  data += block(40, "IFCOPENINGELEMENT", "Hole", -10000);
  data += rooted(50, "IFCRELAGGREGATES", "$,$,#10,(#20,#30)");
  data += rooted(51, "IFCRELVOIDSELEMENT", "$,$,#10,#40");
  const Model model = read(ifc4_file(data));
  const Object& assembly = object_named(model, u"Assembly");
  EXPECT_EQ(assembly.children.size(), 2u);
  EXPECT_FALSE(assembly.has_representation);
  ASSERT_TRUE(assembly.bounds.has_value());
  const host::Bounds expected{{-0.5, -0.05, 0}, {5.5, 0.05, 0.1}};
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_NEAR(assembly.bounds->min[axis], expected.min[axis], 1e-6) << axis;
    EXPECT_NEAR(assembly.bounds->max[axis], expected.max[axis], 1e-6) << axis;
  }
}

TEST_F(IfcFile, RepresentationWithoutGeometryHasNoBox) {
  std::string data = rooted(10, "IFCWALL", "'Wall',$,$,$,#11,$,$");
  data += "#11=IFCPRODUCTDEFINITIONSHAPE($,$,(#12));\n";
  data += "#12=IFCSHAPEREPRESENTATION(#2,'Body','SweptSolid',());\n";
  const Model model = read(ifc4_file(data));
  EXPECT_TRUE(object_named(model, u"Wall").has_representation);
  EXPECT_FALSE(object_named(model, u"Wall").bounds.has_value());
}

struct RefusalCase {
  std::string label;
  std::optional<std::string> content;  // nothing: no file at all
  std::string reason;
};

void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.label; }

class Refusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, NamesTheFileAndTheReason) {
  const torv_test::TempFolder folder;
  const std::filesystem::path file = folder.path() / "model.ifc";
  if (GetParam().content) torv_test::write_file(file, *GetParam().content);
  try {
    host::read_ifc_model(file);
    FAIL() << "read without complaint";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), ::testing::StartsWith("cannot read " + file.string() + ": "));
    EXPECT_THAT(error.what(), ::testing::HasSubstr(GetParam().reason));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, Refusal,
    ::testing::Values(RefusalCase{"missing", std::nullopt, "No such file"},
                      RefusalCase{"not_step", "hello\n", "it is not an IFC file"},
                      RefusalCase{"cut_short",
                                  cut_short(step_file("IFC4", "#1=IFCCARTESIANPOINT((0.,0.,0.));\n")),
                                  "the file is cut short"},
                      RefusalCase{"no_entities", step_file("IFC4", ""), "no IFC entities"},
                      RefusalCase{"unknown_schema", step_file("IFC9", "#1=IFCCARTESIANPOINT((0.,0.,0.));\n"),
                                  "Unsupported IFC version"},
                      RefusalCase{"no_objects", step_file("IFC4", "#1=IFCCARTESIANPOINT((0.,0.,0.));\n"),
                                  "no IFC project and no product"}),
    torv_test::CaseLabel());

}  // namespace
