// Views a coordinator asks for: one category alone, colours for all from the palette, the parts
// below each category.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;

class Views : public torv_test::PanelFixture {
 protected:
  // The viewer's colours and how many objects show each.
  std::map<std::string, int> colors() {
    std::map<std::string, int> counts;
    std::istringstream lines(run_session("print colors\n"));
    for (std::string line; std::getline(lines, line);) {
      const auto tab = line.find('\t');
      if (tab != std::string::npos) counts[line.substr(0, tab)] = std::stoi(line.substr(tab + 1));
    }
    return counts;
  }
};

constexpr const char* faded_grey = "C8C8C840";

// Three assemblies of three parts: A holds one, B two, the default row the columns and the rest.
TEST_F(Views, EachCategoryAloneShowsItsObjectsAndTheRestGrey) {
  load_model("storeys=1,assemblies=3,parts=3,loose=2,values=A;B;B");
  run_session("click Batches\nanswer color FF112233\npanel batch swatch 1\n");
  const int all = static_cast<int>(state().model.size());
  // A alone: its assembly and parts in its colour, every other object grey.
  run_session("panel batch row 1\npanel batch menu only\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"112233FF", 4}, {faded_grey, all - 4}}));
  EXPECT_THAT(panel_rows("batch"), HasSubstr("\u25BA A\t1\t112233FF\n"));
  // B alone, which has no colour: its objects in their default colours.
  run_session("panel batch row 2\npanel batch menu only\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"default", 8}, {faded_grey, all - 8}}));
  // The default row alone: everything but the categories' objects.
  run_session("panel batch row 3\npanel batch menu only\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"default", all - 12}, {faded_grey, 12}}));
  EXPECT_THAT(panel_rows("batch"), HasSubstr("\u25BA No batch\t\tnone\n"));
  // Show all brings back the panel's colours, and the mark goes.
  run_session("panel batch menu all\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"112233FF", 4}, {"default", all - 4}}));
  EXPECT_EQ(panel_rows("batch").find("\u25BA"), std::string::npos);
}

// Whatever applies the colours again ends the view: an assignment, a model load, Ctrl+Space again.
TEST_F(Views, ColoursAppliedAgainEndTheViewAlone) {
  load_model("storeys=1,assemblies=3,values=A;B;B");
  const std::string alone = "panel batch row 1\npanel batch keys {CTRL+SPACE}\n";
  run_session("click Batches\n" + alone);
  EXPECT_THAT(panel_rows("batch"), HasSubstr("\u25BA A"));
  run_session("panel batch keys {CTRL+SPACE}\n");
  EXPECT_EQ(panel_rows("batch").find("\u25BA"), std::string::npos);
  run_session(alone + "select " + guid_of("Assembly 2") + "\ncontext\nchoose A\n");
  EXPECT_EQ(panel_rows("batch").find("\u25BA"), std::string::npos);
  EXPECT_EQ(colors().count(faded_grey), 0u);
  run_session(alone + "answer yes\n");
  load_model("storeys=1,assemblies=3,values=A;B;B");
  EXPECT_EQ(panel_rows("batch").find("\u25BA"), std::string::npos);
  EXPECT_EQ(colors().count(faded_grey), 0u);
}

// A colour chosen while another category is shown alone keeps it alone: the recoloured category
// stays grey with the rest; chosen for the category shown alone, it shows in the new colour.
TEST_F(Views, ARecolourKeepsTheViewAlone) {
  load_model("storeys=1,assemblies=3,parts=3,loose=2,values=A;B;B");
  run_session("click Batches\nanswer color FF112233\npanel batch swatch 1\n");
  const int all = static_cast<int>(state().model.size());
  run_session("panel batch row 1\npanel batch menu only\nanswer color FF445566\npanel batch swatch 2\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"112233FF", 4}, {faded_grey, all - 4}}));
  EXPECT_THAT(panel_rows("batch"), HasSubstr("\u25BA A\t1\t112233FF\n"));
  run_session("answer color FF778899\npanel batch swatch 1\n");
  EXPECT_EQ(colors(), (std::map<std::string, int>{{"778899FF", 4}, {faded_grey, all - 4}}));
}

// Nine categories, one already blue: the palette gives the other eight eight distinct colours, none
// the blue, remembered by name for the next model; one step that undo takes back.
TEST_F(Views, ThePaletteColoursEveryCategoryWithoutAColourOnce) {
  load_model("storeys=1,assemblies=9,values=A;B;C;D;E;F;G;H;I");
  run_session("click Batches\nanswer color FF0072B2\npanel batch swatch 1\npanel batch menu palette\n");
  std::set<std::string> seen;
  std::istringstream rows(panel_rows("batch"));
  for (std::string row; std::getline(rows, row);) {
    const std::string color = row.substr(row.rfind('\t') + 1);
    if (row.starts_with("No batch")) continue;
    EXPECT_NE(color, "none") << row;
    EXPECT_TRUE(seen.insert(color).second) << row;
  }
  EXPECT_EQ(seen.size(), 9u);
  const std::string colored = panel_rows("batch");
  // Remembered by name: the same names elsewhere get the same colours.
  run_session("answer no\n");
  load_model("storeys=1,assemblies=9,values=A;B;C;D;E;F;G;H;I,path=" + folder_file("other.ifc").string());
  EXPECT_EQ(panel_rows("batch"), colored);
  // Every category has a colour: the palette has nothing to do.
  EXPECT_THAT(run_session("panel batch menu\n"),
              HasSubstr("menu_palette\tColour all from the &palette\t\tdisabled\n"));
}

TEST_F(Views, ThePaletteIsOneStep) {
  load_model("storeys=1,assemblies=3,values=A;B;C");
  run_session("click Batches\n");
  const std::string before = panel_rows("batch");
  run_session("panel batch menu palette\n");
  EXPECT_EQ(run_session("print history batch\n"), "  start\n> colours from the palette for 3 categories\n");
  run_session("panel batch undo\n");
  EXPECT_EQ(panel_rows("batch"), before);
}

// The parts below each category: the objects below its filed assemblies, nested ones included.
TEST_F(Views, PartsAreTheObjectsBelowTheFiledOnes) {
  load_model("storeys=1,assemblies=3,parts=4,values=A;B;B");
  const std::string printed = run_session("click Batches\nprint panel batch parts\n");
  EXPECT_THAT(printed, HasSubstr("\nA\t1\tnone\t4\nB\t2\tnone\t8\nNo batch\t\tnone\t\n"));
}

}  // namespace
