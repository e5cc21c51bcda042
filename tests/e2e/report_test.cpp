// The object report: its exact bytes for a small model, and where the file goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "api/desktop_functions.h"
#include "app/text_output.h"
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
