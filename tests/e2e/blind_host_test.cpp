// A viewer that offers none of the model queries, nor colouring, selecting or highlighting: each is
// a silent no-op returning 0, false or null. Both panels still open, load, colour, save and go.
#include <gtest/gtest.h>

#include "support/panel_fixture.h"

namespace {

using BlindHost = torv_test::PanelFixture;

TEST_F(BlindHost, BothPanelsWorkWithWhatTheyAreTold) {
  load_model("storeys=1,assemblies=2,parts=2,values=A;B");
  torv_test::write_file(sidecar("real-time"),
                        "IFC GUID,STATUS\r\n" + guid_of("Assembly 1") + ",Erected\r\n,Welded\r\n");
  run_session(
      "click Batches\nanswer color FF102030\npanel batch swatch 1\nselect " + guid_of("Assembly 1") +
      "\nhover " + guid_of("HEA200 1") + "\ncontext\nanswer save " + sidecar("batching").string() +
      "\npanel batch save\nclick Status\nanswer color FF405060\npanel status swatch 1\npanel status row 1\n"
      "panel status dblclick\nanswer save " +
      sidecar("real-time").string() + "\npanel status save\nanswer save " +
      folder_file("report.csv").string() + "\nclick Export\nclick Reset\n");
  // Without the object tree no object can be counted, and without the property the batch panel
  // has its default category alone; the status file's categories are all there.
  EXPECT_EQ(panel_rows("batch"), "No batch\t\t102030FF\n");
  EXPECT_EQ(panel_rows("status"), "Erected\t0\t405060FF\nWelded\t0\tnone\nNo status\t\tnone\n");
  // A viewer that cannot say it has the object keeps no mark for it: its line is kept as it was.
  EXPECT_EQ(torv_test::read_file(sidecar("real-time")),
            "IFC GUID,STATUS\r\n" + guid_of("Assembly 1") + ",Erected\r\n,Welded\r\n");
  EXPECT_TRUE(state().desktop.messages.empty());
  viewer().unload_plugin();
}

}  // namespace
