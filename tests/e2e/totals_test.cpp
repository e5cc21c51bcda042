// What a coordinator plans with: each category's objects, the parts below them and their weight,
// and what is in no category, in the count cell's hint and in print … totals.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/utf8.h"
#include "support/panel_fixture.h"
#include "support/temp_folder.h"

namespace {

class Totals : public torv_test::PanelFixture {
 protected:
  // Four assemblies of three 12.5 kg parts, A and B in turn, and two columns without a weight.
  void SetUp() override {
    PanelFixture::SetUp();
    load_model("storeys=1,assemblies=4,parts=3,loose=2,values=A;B;A;B,part_weight=12.5");
    run_session("click Batches\n");
  }
  std::string totals() { return run_session("print panel batch totals\n"); }
  std::string hint(int row) { return run_session("panel batch hint " + std::to_string(row) + "\n"); }
  void weigh(const std::string& name, double kilograms) {
    host::Object& object =
        *state().model.find(state().model.find_by_guid(platform::from_utf8(guid_of(name))));
    object.properties.push_back(
        host::Property{u"Fabrication", u"WEIGHT", host::PropertyKind::real, {}, kilograms});
  }
};

TEST_F(Totals, AnAssemblyWeighsItsParts) {
  EXPECT_EQ(totals(), "Batches\nA\t2\t6\t75.0\nB\t2\t6\t75.0\nNo batch\t2\t0\t\n");
  EXPECT_EQ(hint(1), "A \u2013 2 objects, 6 parts below them, 0.08 t\n");
  // The columns are the objects in no category: neither in one nor below one; they weigh nothing.
  EXPECT_EQ(hint(3), "No batch \u2013 2 objects in no category, 0 parts below them\n");
}

TEST_F(Totals, FollowAssignmentsAndUndo) {
  run_session("select " + guid_of("Assembly 1") + "\ncontext\nchoose B\n");
  EXPECT_EQ(totals(), "Batches *\nA\t1\t3\t37.5\nB\t3\t9\t112.5\nNo batch\t2\t0\t\n");
  run_session("panel batch undo\n");
  EXPECT_EQ(totals(), "Batches\nA\t2\t6\t75.0\nB\t2\t6\t75.0\nNo batch\t2\t0\t\n");
  // A column assigned leaves what is in no category.
  run_session("select " + guid_of("Column 1") + "\ncontext\nchoose A\n");
  EXPECT_EQ(totals(), "Batches *\nA\t3\t6\t75.0\nB\t2\t6\t75.0\nNo batch\t1\t0\t\n");
}

// An object's own weight is taken before its parts', from the first property of the list that it
// carries; the user's own list replaces the shipped one.
TEST_F(Totals, AnObjectsOwnWeightComesFirst) {
  weigh("Assembly 1", 1000);
  EXPECT_EQ(totals(), "Batches\nA\t2\t6\t1037.5\nB\t2\t6\t75.0\nNo batch\t2\t0\t\n");
  std::filesystem::create_directories(user_folder());
  torv_test::write_file(user_folder() / "weight_properties.txt", "# only ours\nFabrication\tWEIGHT\n");
  load_model("storeys=1,assemblies=4,parts=3,loose=2,values=A;B;A;B,part_weight=12.5");
  weigh("Assembly 1", 1000);
  EXPECT_EQ(totals(), "Batches\nA\t2\t6\t1000.0\nB\t2\t6\t\nNo batch\t2\t0\t\n");
  EXPECT_EQ(hint(1), "A \u2013 2 objects, 6 parts below them, 1.00 t\n");
  EXPECT_EQ(hint(2), "B \u2013 2 objects, 6 parts below them\n");
}

}  // namespace
