// The object report: its exact bytes for a small model, and where the file goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "api/desktop_functions.h"
#include "app/text_output.h"
#include "platform/ansi_code_page.h"
#include "platform/utf8.h"
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

// Names whose commas, quotes and line ends meet in every way: the report's field is the name as
// cleaning leaves it (a CR stays unless an LF follows it, past commas and quotes).
TEST_F(Report, NamesAreCleanedAsCleaningLeavesThem) {
  const std::vector<std::pair<std::u16string, std::string>> names = {
      {u"a\r,\nb", "ab"},   {u"\r\n", ""},
      {u"a\r", "a\r"},      {u"\r\"\nx", "x"},
      {u",\"", ""},         {u"x\r\ry\n", "x\r\ry"},
      {u"p\r,q", "p\rq"},   {u"\n=1", "'=1"},
      {u"\r,\"\r\n", "'\r"}, {u"Träger, \"B1\"", "Träger B1"}};
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

// Coordinates whose thousandths lie a hair below a whole number: every build multiplies in doubles
// and truncates, so each writes what this table, worked out by hand, says.
TEST_F(Report, CoordinatesOnTheRoundingEdgesAreTheSameInEveryBuild) {
  struct Edge {
    double corner[3];
    std::string fields;
  };
  const std::vector<Edge> edges = {
      {{35.91, 5.71, -0.0019}, "35910,5710,-1"},
      {{0.1 + 0.2, 4.35, -35.91}, "300,4350,-35910"},
      {{2147483.647, 2147483.648, -2147483.648}, "2147483647,2147483648,-2147483648"},
      {{-2147483.649, 1.005, 2.01}, "-2147483649,1004,2009"},
      {{0.57, 8.2, -5.71}, "570,8200,-5710"},
      {{0.29, 1.13, 4.1}, "290,1130,4100"},
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
