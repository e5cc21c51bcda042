// The model file: what it keeps of a model, texts of every kind, and the damaged and cut-short
// files it refuses with the line and the reason.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "host/same_model.h"
#include "model/generated_model.h"
#include "model/model_file.h"
#include "support/case_label.h"
#include "support/temp_folder.h"

namespace {

using host::Model;
using host::Object;
using host::Property;
using host::PropertyKind;
using ::testing::HasSubstr;

// A generated model with objects lacking GUIDs and geometry, nested elements, and one object whose
// texts and properties hold what a file format trips over.
Model awkward_model() {
  Model model = host::generate_model(host::parse_generator_spec(
      "storeys=2,assemblies=2,parts=2,loose=3,depth=3,no_guid=2,no_representation=3"));
  Object odd;
  odd.entity = "IfcBuildingElementProxy";
  odd.name = u"tab\there, line\nbreak, return\r, back\\slash and \\t";
  odd.description = u"Zäune für Łódź, 漢字, 🙂";
  odd.guid = u"3vB2YO$MX4xv5uCqZZG05x";
  odd.has_representation = true;
  odd.bounds = host::Bounds{{-0.1, 1.0 / 3.0, 1e-17}, {2.5, 7e10, -0.0}};
  odd.properties = {
      Property{u"Set\twith tab", u"Text", PropertyKind::text, u"a\\nb\n", 0},
      Property{u"", u"", PropertyKind::text, u"", 0},
      Property{u"Counts", u"Integer", PropertyKind::integer, {}, -42},
      Property{u"Counts", u"Boolean", PropertyKind::boolean, {}, 1},
      Property{u"Counts", u"Real", PropertyKind::real, {}, 0.1 + 0.2},
      Property{u"Counts", u"Tiny", PropertyKind::real, {}, -4.9e-324},
      Property{u"Counts", u"Huge", PropertyKind::real, {}, 1.7976931348623157e308},
      // The same set and name with another kind is another key.
      Property{u"Counts", u"Integer", PropertyKind::real, {}, 2.5},
  };
  model.add(Model::id_at(3), odd);
  Object top;
  top.entity = "IfcGroup";
  top.name = u"loose at the top";
  model.add(host::all_objects_id, top);
  return model;
}

TEST(ModelFile, KeepsEveryObjectTheTreeAndTheProperties) {
  const Model model = awkward_model();
  EXPECT_TRUE(torv_test::same_model(model, host::parse_model_file(host::model_file_text(model))));
}

TEST(ModelFile, WritesTheSameTextForTheModelItReads) {
  const std::string text = host::model_file_text(awkward_model());
  EXPECT_TRUE(text.starts_with("TORV-MODEL 1\n"));
  EXPECT_EQ(host::model_file_text(host::parse_model_file(text)), text);
}

TEST(ModelFile, IsKnownByItsFirstLineWhateverItsName) {
  const torv_test::TempFolder folder;
  const Model model = awkward_model();
  host::write_model_file(model, folder.path() / "model.txt");
  EXPECT_TRUE(host::is_model_file(folder.path() / "model.txt"));
  const Model read = host::read_model_file(folder.path() / "model.txt");
  EXPECT_TRUE(torv_test::same_model(model, read));
  // The model comes from the file it was read from, as an IFC file's does.
  EXPECT_EQ(read.path, std::filesystem::absolute(folder.path() / "model.txt").u16string());
  EXPECT_EQ(read.description, "model.txt");

  torv_test::write_file(folder.path() / "model.tvm", "ISO-10303-21;\nHEADER;\n");
  EXPECT_FALSE(host::is_model_file(folder.path() / "model.tvm"));
  torv_test::write_file(folder.path() / "short.tvm", "TORV");
  EXPECT_FALSE(host::is_model_file(folder.path() / "short.tvm"));
  EXPECT_FALSE(host::is_model_file(folder.path() / "missing.tvm"));
}

TEST(ModelFile, ReplacesAFileWholeOrLeavesIt) {
  const torv_test::TempFolder folder;
  torv_test::write_file(folder.path() / "model.tvm", "the old file");
  host::write_model_file(awkward_model(), folder.path() / "model.tvm");
  EXPECT_EQ(torv_test::read_file(folder.path() / "model.tvm"), host::model_file_text(awkward_model()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  try {
    host::write_model_file(awkward_model(), folder.path() / "no-such-folder" / "model.tvm");
    ADD_FAILURE() << "a file in a missing folder was written";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), HasSubstr("cannot write "));
    EXPECT_THAT(error.what(), HasSubstr("model.tvm"));
  }
}

TEST(ModelFile, RefusesEveryCutOfAFile) {
  const std::string text = host::model_file_text(host::generate_model(host::parse_generator_spec("default")));
  for (std::size_t size = 0; size + 1 < text.size(); ++size) {
    EXPECT_THROW(host::parse_model_file(text.substr(0, size)), std::runtime_error) << "cut at " << size;
  }
  // Only the last line break may go missing.
  EXPECT_NO_THROW(host::parse_model_file(text.substr(0, text.size() - 1)));
}

TEST(ModelFile, ReadsAFileThatWentThroughAWindowsTextCopy) {
  const Model model = awkward_model();
  std::string text = host::model_file_text(model);
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) {
    text.insert(at, "\r");
  }
  EXPECT_TRUE(torv_test::same_model(model, host::parse_model_file(text)));
}

constexpr const char* small_file =
    "TORV-MODEL 1\n"
    "o\t-\tIfcProject\tHall\t\t\t0dRKpJoajA$OtvzH4NdFr0\t0\t-\n"
    "o\t0\tIfcBeam\tBeam\tHEA200\tB/1\t1BZBf$00020Z4oDZSrCJKv\t1\t0 0 0 1 1 1\n"
    "k\ttext\tBIM\tUSER_FIELD_4\n"
    "p\t0\tBatch 1\n"
    "end\t2\n";

struct DamagedCase {
  const char* label;
  const char* find;  // replaced in small_file; empty: the whole file
  const char* replacement;
  const char* message;
};

void PrintTo(const DamagedCase& c, std::ostream* out) { *out << c.label; }

class DamagedModelFile : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedModelFile, IsRefusedWithTheLineAndTheReason) {
  const DamagedCase& c = GetParam();
  std::string text = small_file;
  const std::string find = c.find;
  if (find.empty()) {
    text = c.replacement;
  } else {
    ASSERT_NE(text.find(find), std::string::npos) << find;
    text.replace(text.find(find), find.size(), c.replacement);
  }
  try {
    host::parse_model_file(text);
    ADD_FAILURE() << "the file was read";
  } catch (const std::runtime_error& error) {
    EXPECT_THAT(error.what(), HasSubstr(c.message));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedModelFile,
    ::testing::Values(
        DamagedCase{"empty", "", "", "it is not a torv model file"},
        DamagedCase{"ifc_file", "", "ISO-10303-21;\nEND-ISO-10303-21;\n", "it is not a torv model file"},
        DamagedCase{"header_without_version", "TORV-MODEL 1", "TORV-MODEL", "damaged at line 1: the header"},
        DamagedCase{"version_not_a_number", "TORV-MODEL 1", "TORV-MODEL one",
                    "damaged at line 1: the header"},
        DamagedCase{"newer_version", "TORV-MODEL 1", "TORV-MODEL 2",
                    "written by a newer torv-host (model file version 2; this one reads version 1)"},
        DamagedCase{"no_end", "end\t2\n", "", "the file is cut short"},
        DamagedCase{"cut_in_an_object", "1 1 1\nk\ttext\tBIM\tUSER_FIELD_4\np\t0\tBatch 1\nend\t2\n", "1 1",
                    "the file is cut short"},
        DamagedCase{"end_counts_other", "end\t2", "end\t3",
                    "damaged at line 6: the end counts 3 objects, the file holds 2"},
        DamagedCase{"end_count_not_a_number", "end\t2", "end\ttwo", "damaged at line 6: the end counts two"},
        DamagedCase{"text_after_the_end", "end\t2\n", "end\t2\n\nend\t2\n",
                    "damaged at line 8: text follows the end"},
        DamagedCase{"unknown_line", "k\ttext", "q\ttext", "damaged at line 4: it is neither an object"},
        DamagedCase{"object_fields_missing", "\tHEA200\tB/1", "",
                    "damaged at line 3: the object has not 8 fields"},
        DamagedCase{"object_field_too_many", "\t1\t0 0 0", "\t1\t1\t0 0 0",
                    "damaged at line 3: the object has not 8 fields"},
        DamagedCase{"parent_after_the_object", "o\t0\tIfcBeam", "o\t1\tIfcBeam",
                    "damaged at line 3: the parent"},
        DamagedCase{"parent_not_a_number", "o\t0\tIfcBeam", "o\tx\tIfcBeam", "damaged at line 3: the parent"},
        DamagedCase{"parent_negative", "o\t0\tIfcBeam", "o\t-1\tIfcBeam", "damaged at line 3: the parent"},
        DamagedCase{"representation_flag", "\t1\t0 0 0", "\t2\t0 0 0",
                    "damaged at line 3: the representation flag"},
        DamagedCase{"box_of_five_numbers", "0 0 0 1 1 1", "0 0 0 1 1",
                    "damaged at line 3: the box has not six numbers"},
        DamagedCase{"box_of_seven_numbers", "0 0 0 1 1 1", "0 0 0 1 1 1 1",
                    "damaged at line 3: the box has not six"},
        DamagedCase{"box_not_a_number", "0 0 0 1 1 1", "0 0 zero 1 1 1",
                    "damaged at line 3: 'zero' is not a number"},
        DamagedCase{"box_number_and_more", "0 0 0 1 1 1", "0 0 0 1 1 1m",
                    "damaged at line 3: '1m' is not a number"},
        DamagedCase{"unknown_kind", "k\ttext", "k\tstring", "damaged at line 4: the property's kind"},
        DamagedCase{"key_fields_missing", "\tBIM\tUSER_FIELD_4", "\tBIM",
                    "damaged at line 4: the property key has not"},
        DamagedCase{"key_unknown", "p\t0", "p\t1",
                    "damaged at line 5: the property's key is not one before it"},
        DamagedCase{"property_before_any_object", "o\t-\tIfcProject",
                    "k\ttext\tA\tB\np\t0\t\no\t-\tIfcProject",
                    "damaged at line 3: a property comes before the first object"},
        DamagedCase{"real_that_is_text", "k\ttext", "k\treal",
                    "damaged at line 5: 'Batch 1' is not a number"},
        DamagedCase{"unknown_escape", "\tBeam\t", "\tBe\\am\t",
                    "damaged at line 3: a backslash begins no known escape"},
        DamagedCase{"escape_cut_off", "\tBeam\t", "\tBeam\\\t",
                    "damaged at line 3: a backslash begins no known escape"}),
    torv_test::CaseLabel());

}  // namespace
