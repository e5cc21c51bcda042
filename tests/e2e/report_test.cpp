// The object report: its exact bytes for a small model, and where the file goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "api/desktop_functions.h"
#include "app/text_output.h"
#include "model/generated_model.h"
#include "platform/ansi_code_page.h"
#include "platform/utf8.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

class Report : public torv_test::PanelFixture {};

TEST_F(Report, ListsEveryBatchedObjectWithItsBoxCorner) {
  load_model("storeys=1,assemblies=2,parts=1,loose=1");
  const std::string assembly_guid = guid_of("Assembly 1");
  // One assembly with a box at negative coordinates, a column without a box, a dirty name.
  host::Object& assembly =
      *state().model.find(state().model.find_by_guid(platform::from_utf8(guid_of("Assembly 1"))));
  assembly.bounds = host::Bounds{{-0.0015, 2.5, 10.0}, {1, 3, 11}};
  assembly.name = u"Frame, \"north\"\r\nA";
  host::Object& column =
      *state().model.find(state().model.find_by_guid(platform::from_utf8(guid_of("Column 1"))));
  column.bounds.reset();
  torv_test::write_file(sidecar("batching"),
                        "h\r\n" + assembly_guid + ",B,1\r\n" + guid_of("Column 1") + ",B,1\r\n,Empty\r\n");
  run_session("answer save " + folder_file("report").string() + "\nclick Export\n");
  EXPECT_EQ(torv_test::read_file(folder_file("report.csv")),
            "IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n" + assembly_guid +
                ",B1,Frame northA,Steel assembly frame 1,IfcElementAssembly," + host::utf8(assembly.tag) +
                ",-1,2500,10000\r\n" + guid_of("Column 1") + ",B1,Column 1,Concrete column,IfcColumn," +
                host::utf8(column.tag) + ",,,\r\n");
}

// Texts whose commas, quotes and line ends meet in every way: commas and quotes go, a CR LF pair
// goes (also when commas and quotes stood between), and a lone CR or LF becomes a space.
TEST_F(Report, TextsLoseCommasQuotesAndLineBreaks) {
  const std::vector<std::pair<std::u16string, std::string>> names = {
      {u"a\r,\nb", "ab"},  {u"\r\n", ""},
      {u"a\r", "a "},      {u"\r\"\nx", "x"},
      {u",\"", ""},        {u"x\r\ry\n", "x  y "},
      {u"p\r,q", "p q"},   {u"\n=1", "' =1"},
      {u"\r,\"\r\n", " "}, {u"Träger, \"B1\"", "Träger B1"}};
  load_model("storeys=1,assemblies=" + std::to_string(names.size()) + ",parts=1,values=B");
  host::Model& model = state().model;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string guid = guid_of("Assembly " + std::to_string(i + 1));
    model.find(model.find_by_guid(platform::from_utf8(guid)))->description = names[i].first;
  }
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::string report =
      platform::to_utf8(platform::from_ansi(torv_test::read_file(folder_file("r.csv"))));
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string guid = guid_of("Assembly " + std::to_string(i + 1));
    const std::string line_start = guid + ",B,Assembly " + std::to_string(i + 1) + ",";
    const std::size_t at = report.find(line_start);
    ASSERT_NE(at, std::string::npos) << guid;
    EXPECT_EQ(report.substr(at + line_start.size(), names[i].second.size() + 1), names[i].second + ",")
        << "case " << i;
  }
}

enum class Column { guid, batch, name, description, entity, tag };

// One text of one column, and the cell the report must hold for it.
struct GuardCase {
  const char* label;
  Column column;
  std::u16string text;
  std::u16string cell;
};

void PrintTo(const GuardCase& c, std::ostream* out) { *out << c.label; }

class FormulaGuard : public torv_test::PanelFixture, public ::testing::WithParamInterface<GuardCase> {};

// No cell begins a formula where a spreadsheet splits the line at commas, nor where it splits it at
// semicolons or tabs: a piece that would gets an apostrophe in front. The coordinates of every line are
// negative and stay numbers.
TEST_P(FormulaGuard, NoCellBeginsAFormula) {
  const GuardCase& c = GetParam();
  const auto text_of = [&c](Column column, const char16_t* plain) {
    return c.column == column ? c.text : std::u16string(plain);
  };
  const auto cell_of = [&c](Column column, const char16_t* plain) {
    return c.column == column ? c.cell : std::u16string(plain);
  };
  host::GeneratorSpec spec = host::parse_generator_spec("storeys=1,assemblies=1,parts=0,loose=0");
  spec.batch_values = {text_of(Column::batch, u"B")};
  spec.path = model_path().u16string();
  host::Model model = host::generate_model(spec);
  const char16_t* const guid = u"3vB2YO$MX4xv5uCqZZG05x";
  for (std::size_t i = 0; i < model.size(); ++i) {
    host::Object& object = *model.find(host::Model::id_at(i));
    if (object.entity != "IfcElementAssembly") continue;
    object.guid = text_of(Column::guid, guid);
    object.name = text_of(Column::name, u"Frame");
    object.description = text_of(Column::description, u"Steel");
    object.entity = platform::to_ansi(text_of(Column::entity, u"IfcElementAssembly"));
    object.tag = text_of(Column::tag, u"T1");
    object.bounds = host::Bounds{{-1.5, -0.25, -3}, {0, 0, 0}};
  }
  viewer().load_model(std::move(model));
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::u16string line = cell_of(Column::guid, guid) + u"," + cell_of(Column::batch, u"B") + u"," +
                              cell_of(Column::name, u"Frame") + u"," +
                              cell_of(Column::description, u"Steel") + u"," +
                              cell_of(Column::entity, u"IfcElementAssembly") + u"," +
                              cell_of(Column::tag, u"T1") + u",-1500,-250,-3000\r\n";
  // A text the code page cannot hold is saved as UTF-8 after a byte-order mark.
  std::string report = torv_test::read_file(folder_file("r.csv"));
  report =
      report.starts_with("\xEF\xBB\xBF") ? report.substr(3) : platform::to_utf8(platform::from_ansi(report));
  EXPECT_EQ(report,
            "IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n" + platform::to_utf8(line));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormulaGuard,
    ::testing::Values(
        GuardCase{"guid_formula", Column::guid, u"=2+5", u"'=2+5"},
        GuardCase{"guid_after_a_line_break", Column::guid, u"\r\n=1,2", u"'=12"},
        GuardCase{"lone_cr", Column::name, u"a\rb", u"a b"},
        GuardCase{"lone_lf", Column::description, u"a\nb", u"a b"},
        GuardCase{"cr_lf_pair", Column::tag, u"a\r\nb", u"ab"},
        GuardCase{"after_a_semicolon", Column::name, u"x;=cmd|' /C calc'!A0", u"x;'=cmd|' /C calc'!A0"},
        GuardCase{"batch_after_a_semicolon", Column::batch, u"x;=cmd|' /C calc'!A0",
                  u"x;'=cmd|' /C calc'!A0"},
        GuardCase{"entity_after_a_semicolon", Column::entity, u"Ifc;+x", u"Ifc;'+x"},
        GuardCase{"entity_formula", Column::entity, u"@x", u"'@x"},
        GuardCase{"after_blanks", Column::description, u"  =1+1", u"'  =1+1"},
        GuardCase{"after_an_ideographic_space", Column::tag, u"\u3000-1", u"'\u3000-1"},
        GuardCase{"full_width_equals", Column::tag, u"\uFF1D1+1", u"'\uFF1D1+1"},
        GuardCase{"full_width_at", Column::name, u"\uFF20SUM(1)", u"'\uFF20SUM(1)"},
        GuardCase{"after_a_semicolon_and_blanks", Column::name, u"a;  @SUM(1)", u"a;'  @SUM(1)"},
        GuardCase{"after_a_semicolon_and_a_lone_lf", Column::description, u"a\r;\n-1", u"a ;' -1"},
        GuardCase{"semicolon_then_removed_quote", Column::description, u"a;,\"=1", u"a;'=1"},
        GuardCase{"tab_then_formula", Column::name, u"\t=cmd", u"'\t'=cmd"},
        GuardCase{"after_a_tab", Column::description, u"a\t@x", u"a\t'@x"},
        GuardCase{"after_a_no_break_space", Column::name, u"\u00A0=1+1", u"'\u00A0=1+1"},
        GuardCase{"after_a_zero_width_space", Column::tag, u"\u200B=1+1", u"'\u200B=1+1"},
        GuardCase{"after_a_byte_order_mark", Column::description, u"\uFEFF-1", u"'\uFEFF-1"},
        GuardCase{"every_piece", Column::tag, u"+1;-2;b;@3", u"'+1;'-2;b;'@3"},
        GuardCase{"lone_minus", Column::tag, u"-", u"'-"}, GuardCase{"tab", Column::name, u"\tx", u"'\tx"},
        GuardCase{"harmless_semicolon", Column::description, u"a;b", u"a;b"},
        GuardCase{"trailing_semicolon", Column::name, u"a;", u"a;"}),
    torv_test::CaseLabel());

// Georeferenced models lie far from the origin: thousandths beyond 32 bits must not wrap.
TEST_F(Report, CoordinatesBeyond32BitsAndNonNumbers) {
  load_model("storeys=1,assemblies=2,parts=1,loose=0,values=B");
  host::Model& model = state().model;
  model.find(model.find_by_guid(platform::from_utf8(guid_of("Assembly 1"))))->bounds =
      host::Bounds{{5432109.876, -3000000.5, 0}, {0, 0, 0}};
  model.find(model.find_by_guid(platform::from_utf8(guid_of("Assembly 2"))))->bounds = host::Bounds{
      {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 1.0}, {0, 0, 0}};
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::string report = torv_test::read_file(folder_file("r.csv"));
  EXPECT_NE(report.find(",5432109876,-3000000500,0\r\n"), std::string::npos) << report;
  EXPECT_NE(report.find(",,,1000\r\n"), std::string::npos) << report;
}

// Coordinates whose thousandths lie a hair below a whole number: every build multiplies in doubles,
// takes a product within a millionth of a whole millimetre as that millimetre and truncates the
// rest toward zero, so each writes what this table, worked out by hand, says. The values a few
// ulps under a whole millimetre are what a viewer's arithmetic leaves of a whole one.
TEST_F(Report, CoordinatesOnTheRoundingEdgesAreTheSameInEveryBuild) {
  struct Edge {
    double corner[3];
    std::string fields;
  };
  const std::vector<Edge> edges = {
      {{35.91, 5.71, -0.0019}, "35910,5710,-1"},
      {{0.1 + 0.2, 4.35, -35.91}, "300,4350,-35910"},
      {{2147483.647, 2147483.648, -2147483.648}, "2147483647,2147483648,-2147483648"},
      // 1004.9999999999999 and 2009.9999999999998 once scaled.
      {{-2147483.649, 1.005, 2.01}, "-2147483649,1005,2010"},
      {{0.57, 8.2, -5.71}, "570,8200,-5710"},
      {{0.29, 1.13, 4.1}, "290,1130,4100"},
      // One, two and three ulps under 26.26, 35.91 and 1.
      {{26.259999999999998, 35.90999999999998, 0.9999999999999997}, "26260,35910,1000"},
      {{-26.259999999999998, -35.90999999999998, -0.9999999999999997}, "-26260,-35910,-1000"},
      // Under a millimetre: within a millionth of it, and well short of it.
      {{-0.0009999999, 0.0009999999999999994, 0.0009999}, "-1,1,0"},
      {{-0.0004, 0.0025, -0.0025}, "0,2,-2"},
      // Large coordinates: one ulp under is within a millionth; 2e-6 mm under is the millimetre below.
      {{5432109.875999999, -3000000.4999999995, 2147483.6479999996}, "5432109876,-3000000500,2147483648"},
      {{5432109.875999998, -3000000.4999999986, 123456789.0119999}, "5432109875,-3000000499,123456789011"},
      // Halfway, a ten-thousandth and two millionths under stay truncated.
      {{12.3455, 1.0049999, -7.499999998}, "12345,1004,-7499"},
  };
  load_model("storeys=1,assemblies=" + std::to_string(edges.size()) + ",parts=1,values=B");
  host::Model& model = state().model;
  for (std::size_t i = 0; i < edges.size(); ++i) {
    const std::string guid = guid_of("Assembly " + std::to_string(i + 1));
    model.find(model.find_by_guid(platform::from_utf8(guid)))->bounds =
        host::Bounds{{edges[i].corner[0], edges[i].corner[1], edges[i].corner[2]}, {0, 0, 0}};
  }
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::string report = torv_test::read_file(folder_file("r.csv"));
  for (std::size_t i = 0; i < edges.size(); ++i) {
    const std::string guid = guid_of("Assembly " + std::to_string(i + 1));
    const std::size_t line = report.find(guid + ",");
    ASSERT_NE(line, std::string::npos) << guid;
    const std::size_t end = report.find("\r\n", line);
    EXPECT_TRUE(report.substr(line, end - line).ends_with("," + edges[i].fields))
        << report.substr(line, end - line);
  }
}

TEST_F(Report, ExportWithoutAnOpenedBatchPanelBuildsItsCategories) {
  load_model("storeys=1,assemblies=3,parts=1,values=A;B");
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::string report = torv_test::read_file(folder_file("r.csv"));
  EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 4);
  EXPECT_NE(host::desktop_command("forms").find("batch\thidden"), std::string::npos);
}

// The export makes the batch list before the panel was ever shown: its default row is named all the
// same, in the panel and in the viewer's context menu.
TEST_F(Report, ExportBeforeThePanelWasShownNamesTheDefaultRow) {
  load_model("storeys=1,assemblies=3,parts=1,values=A;B");
  run_session("answer save " + folder_file("r.csv").string() + "\nclick Export\nclick Batches\n");
  EXPECT_EQ(panel_rows("batch"), "A\t2\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  run_session("select " + guid_of("Assembly 1") + "\n");
  EXPECT_NE(run_session("context\n").find("No batch"), std::string::npos);
}

TEST_F(Report, CancellingTheDialogWritesNothing) {
  load_model("storeys=1,assemblies=1");
  run_session("answer save cancel\nclick Export\n");
  for (const auto& entry : std::filesystem::directory_iterator(folder_file("."))) {
    EXPECT_NE(entry.path().extension(), ".csv") << entry.path();
  }
}

}  // namespace
