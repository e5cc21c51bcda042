// Nothing the files hold is lost or turned against the user: lines of objects another revision
// has, names with line breaks, report fields a spreadsheet would run as formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/generated_model.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

// GUIDs no generated model has.
const std::string absent_1 = "0000000000000000000001";
const std::string absent_2 = "0000000000000000000002";

using SafeNames = torv_test::PanelFixture;

TEST_F(SafeNames, LinesOfObjectsTheModelLacksFollowTheirCategoryAndComeBack) {
  load_model("storeys=1,assemblies=2,values=A");
  const std::string a1 = guid_of("Assembly 1");
  const std::string a2 = guid_of("Assembly 2");
  torv_test::write_file(sidecar("batching"), "IFC GUID,BATCH\r\n" + absent_1 + ",A\r\n" + a1 + ",A\r\n" +
                                                 absent_2 + ",Gone\r\n" + a2 + ",A\r\n,Empty\r\n");
  run_session("click Batches\n");
  // Counts are objects only; a category of absent objects stays.
  EXPECT_EQ(panel_rows("batch"), "A\t2\tnone\nEmpty\t0\tnone\nGone\t0\tnone\nNo batch\t\tnone\n");
  run_session("panel batch row 1\nanswer name Renamed\npanel batch menu rename\nanswer save " +
              sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), "IFC GUID,BATCH\r\n" + a1 + ",Renamed\r\n" + a2 +
                                                           ",Renamed\r\n" + absent_1 +
                                                           ",Renamed\r\n,Empty\r\n" + absent_2 + ",Gone\r\n");
  // Deleted, a category takes its absent lines with it.
  run_session("panel batch row 3\npanel batch menu delete\nanswer save " + sidecar("batching").string() +
              "\npanel batch save\n");
  EXPECT_EQ(
      torv_test::read_file(sidecar("batching")),
      "IFC GUID,BATCH\r\n" + a1 + ",Renamed\r\n" + a2 + ",Renamed\r\n" + absent_1 + ",Renamed\r\n,Empty\r\n");
}

TEST_F(SafeNames, ARoundTripThroughARevisionWithoutSomeObjectsLosesNone) {
  load_model("storeys=1,assemblies=4,values=A;B");
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  const std::string full = torv_test::read_file(sidecar("batching"));
  // The next revision has half the assemblies: their lines wait for the one after.
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  load_model("storeys=1,assemblies=4,values=A;B");
  EXPECT_EQ(panel_rows("batch"), "A\t2\tnone\nB\t2\tnone\nNo batch\t\tnone\n");
  run_session("answer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_EQ(torv_test::read_file(sidecar("batching")), full);
}

struct NameCase {
  const char* label;
  std::u16string value;  // the model's property text
  std::string name;      // the category's name everywhere
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.label; }

class NamesReadBack : public torv_test::PanelFixture, public ::testing::WithParamInterface<NameCase> {};

// Whatever the writer writes, the reader reads as the same category: panel, side-car, report.
TEST_P(NamesReadBack, WrittenThenReadTheNameIsTheSame) {
  host::GeneratorSpec spec = host::parse_generator_spec("storeys=1,assemblies=3");
  spec.batch_values = {GetParam().value, u"Plain"};
  spec.path = model_path().u16string();
  viewer().load_model(host::generate_model(spec));
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  const std::string rows = panel_rows("batch");
  EXPECT_EQ(rows.substr(0, rows.find('\t')), GetParam().name);
  // Read back from the side-car file at the next load: every line, every category.
  viewer().load_model(host::generate_model(spec));
  EXPECT_EQ(panel_rows("batch"), rows);
  run_session("answer save " + folder_file("report.csv").string() + "\nclick Export\n");
  EXPECT_NE(torv_test::read_file(folder_file("report.csv")).find("," + GetParam().name + ","),
            std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Sources, NamesReadBack,
                         ::testing::Values(NameCase{"line_feed", u"Level 1\nEast", "Level 1 East"},
                                           NameCase{"cr_lf", u"Level 1\r\nEast", "Level 1 East"},
                                           NameCase{"lone_cr", u"Level 1\rEast", "Level 1 East"},
                                           NameCase{"two_breaks", u"A\n\nB", "A  B"},
                                           NameCase{"plain", u"Level 1", "Level 1"}),
                         torv_test::CaseLabel());

TEST_F(SafeNames, ANameTypedWithALoneCrReadsBack) {
  load_model("storeys=1,assemblies=1,values=A");
  state().desktop.queue_answer("frm_add_category", "New\rbatch");
  run_session("click Batches\npanel batch row 1\npanel batch menu add\nanswer save " +
              sidecar("batching").string() + "\npanel batch save\n");
  const std::string rows = panel_rows("batch");
  EXPECT_EQ(rows, "A\t1\tnone\nNew batch\t0\tnone\nNo batch\t\tnone\n");
  load_model("storeys=1,assemblies=1,values=A");
  EXPECT_EQ(panel_rows("batch"), rows);
}

TEST_F(SafeNames, ReportFieldsThatASpreadsheetWouldRunAreTexts) {
  host::GeneratorSpec spec = host::parse_generator_spec("storeys=1,assemblies=1,parts=0,loose=0");
  spec.batch_values = {u"=1+2"};
  spec.path = model_path().u16string();
  host::Model model = host::generate_model(spec);
  for (std::size_t i = 0; i < model.size(); ++i) {
    host::Object& object = *model.find(host::Model::id_at(i));
    if (object.entity != "IfcElementAssembly") continue;
    object.name = u"=HYPERLINK(\"http://x\",\"y\")";
    object.description = u"-2+3+cmd|' /C calc'!A0";
    object.tag = u",@SUM(1)";
  }
  viewer().load_model(std::move(model));
  run_session("click Batches\nanswer save " + folder_file("report.csv").string() + "\nclick Export\n");
  const std::string report = torv_test::read_file(folder_file("report.csv"));
  const std::string line = report.substr(report.find("\r\n") + 2);
  EXPECT_EQ(line.substr(line.find(',')),
            ",'=1+2,'=HYPERLINK(http://xy),'-2+3+cmd|' /C calc'!A0,IfcElementAssembly,'@SUM(1)," +
                line.substr(line.find("@SUM(1),") + 8));
  // Coordinates stay numbers, negative ones too.
  EXPECT_EQ(line.find(",'-", line.find("@SUM(1),")), std::string::npos);
}

}  // namespace
