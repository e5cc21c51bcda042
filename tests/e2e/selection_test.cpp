// Assembly-aware selection and hover, and the viewer's context menu, with a panel visible or not.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/utf8.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::ElementsAre;

class Selection : public torv_test::PanelFixture {
 protected:
  host::ObjectId id_of(const std::string& name) {
    return state().model.find_by_guid(platform::from_utf8(guid_of(name)));
  }
  std::vector<host::ObjectId> selected() {
    std::vector<host::ObjectId> ids;
    for (std::size_t i = 0; i < state().selected.size(); ++i) {
      if (state().selected[i]) ids.push_back(host::Model::id_at(i));
    }
    return ids;
  }
  // The visible entries of the plug-in's drop-down, and how many entry buttons exist.
  std::vector<std::u16string> entries(std::size_t& created) {
    std::vector<std::u16string> visible;
    created = 0;
    for (const host::RibbonButton& button : state().buttons) {
      if (button.kind != host::ButtonKind::small) continue;
      ++created;
      if (button.visible) visible.push_back(button.text);
    }
    return visible;
  }
};

TEST_F(Selection, APartSelectsItsAssemblyWhileAPanelIsVisible) {
  load_model("storeys=1,assemblies=2,parts=3");
  run_session("click Batches\nselect " + guid_of("HEA200 2") + " " + guid_of("Assembly 2") + "\n");
  EXPECT_THAT(selected(), ElementsAre(id_of("Assembly 1"), id_of("Assembly 2")));
}

TEST_F(Selection, WithoutAVisiblePanelTheViewerSelectsAsItWould) {
  load_model("storeys=1,assemblies=2,parts=3");
  run_session("click Batches\npanel batch close\nselect " + guid_of("HEA200 2") + "\n");
  EXPECT_THAT(selected(), ElementsAre(id_of("HEA200 2")));
  run_session("hover " + guid_of("HEA200 2") + "\n");
  EXPECT_TRUE(state().hover_set.empty());
}

TEST_F(Selection, ObjectsOutsideAssembliesWithoutGeometryAreDropped) {
  load_model("storeys=1,assemblies=1,loose=2,no_representation=1");
  run_session("click Status\nselect " + guid_of("Column 1") + " " + guid_of("Level 0") + "\n");
  EXPECT_TRUE(selected().empty());
}

TEST_F(Selection, HoverHighlightsTheWholeAssembly) {
  load_model("storeys=1,assemblies=2,parts=3");
  run_session("click Batches\nhover " + guid_of("HEA200 1") + "\n");
  const host::Object& assembly = *state().model.find(id_of("Assembly 1"));
  EXPECT_EQ(state().hover_set, assembly.children);
  run_session("hover " + guid_of("Column 1") + "\n");
  EXPECT_THAT(state().hover_set, ElementsAre(id_of("Column 1")));
}

// A viewer that reports a broken parent chain must not hang the plug-in: a loop, a loop that the
// walk runs into from outside, or a parent 0.
TEST_F(Selection, BrokenParentChainsEndTheWalkUp) {
  load_model("storeys=1,assemblies=1,parts=2,loose=2");
  const host::ObjectId column = id_of("Column 1");
  const host::ObjectId second_column = id_of("Column 2");
  const host::ObjectId beam = id_of("HEA200 1");
  state().reported_parents[column] = column;
  state().reported_parents[second_column] = column;
  state().reported_parents[beam] = 0;
  run_session("click Batches\nselect " + guid_of("Column 1") + " " + guid_of("Column 2") + " " +
              guid_of("HEA200 1") + "\nhover " + guid_of("HEA200 1") + "\n");
  EXPECT_THAT(selected(), ElementsAre(beam, column, second_column));
  EXPECT_THAT(state().hover_set, ElementsAre(beam));
}

TEST_F(Selection, ContextMenuOffersTheVisiblePanelsCategoriesAndReusesItsEntries) {
  load_model("storeys=1,assemblies=5,values=A;B;C;D");
  run_session("click Batches\nselect " + guid_of("Assembly 1") + "\n");
  EXPECT_EQ(run_session("context\n"), "drop-down \"Set batch\"\n  A\n  B\n  C\n  D\n  No batch\n");
  std::size_t created = 0;
  entries(created);
  EXPECT_EQ(created, 5u);
  // The status panel has three categories: two entries are re-captioned and the rest hidden.
  torv_test::write_file(sidecar("real-time"), "h\r\n,Erected\r\n,Welded\r\n");
  EXPECT_EQ(run_session("click Status\nselect " + guid_of("Assembly 1") + "\ncontext\n"),
            "drop-down \"Set status\"\n  Erected\n  Welded\n  No status\n");
  EXPECT_THAT(entries(created), ElementsAre(u"Erected", u"Welded", u"No status"));
  EXPECT_EQ(created, 5u);
}

TEST_F(Selection, ContextMenuNeedsASelectionAndAVisiblePanel) {
  load_model("storeys=1,assemblies=2");
  EXPECT_EQ(run_session("select " + guid_of("Assembly 1") + "\ncontext\n"),
            "context menu: nothing from the plug-in\n");
  EXPECT_EQ(run_session("click Batches\nselect none\ncontext\n"), "context menu: nothing from the plug-in\n");
}

TEST_F(Selection, ChoosingAnEntryAssignsTheSelection) {
  load_model("storeys=1,assemblies=3,values=A;B;C");
  run_session("click Batches\nselect " + guid_of("HEA200 1") + "\ncontext\nchoose C\n");
  EXPECT_THAT(run_session("print panel batch\n"),
              ::testing::HasSubstr("A\t0\tnone\nB\t1\tnone\nC\t2\tnone\n"));
}

}  // namespace
