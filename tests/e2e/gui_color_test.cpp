// The viewer's interface colour, a Windows colour value, on the panel's bottom bar: red in the
// lowest byte, and a top byte of 0x80 or 0xFF naming a system colour.
#include <gtest/gtest.h>

#include <sstream>

#include "api/desktop_functions.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

struct GuiColorCase {
  std::string label;
  std::uint32_t viewer_value;
  std::string bar_color;  // ARGB as the display list writes it
};

class BottomBar : public torv_test::PanelFixture {
 protected:
  // The colour of the fill that spans the panel's width along its bottom, 24 high.
  std::string bottom_bar_color() {
    std::istringstream lines(host::desktop_command("paint batch"));
    std::string line;
    std::getline(lines, line);
    std::istringstream form_line(line);
    std::string word;
    int form_width = 0;
    int form_height = 0;
    form_line >> word >> form_width >> form_height;
    while (std::getline(lines, line)) {
      std::istringstream op(line);
      int x = 0, y = 0, w = 0, h = 0;
      std::string color;
      if (op >> word >> x >> y >> w >> h >> color && word == "fill" && x == 0 && w == form_width && h == 24 &&
          y + h == form_height)
        return color;
    }
    return "no bottom bar";
  }
};

class GuiColor : public BottomBar, public ::testing::WithParamInterface<GuiColorCase> {};

TEST_P(GuiColor, PaintsTheBottomBar) {
  const GuiColorCase& c = GetParam();
  load_model("storeys=1,assemblies=2");
  run_session("click Batches\n");
  state().gui_color = c.viewer_value;
  exports().on_gui_colors_change();
  EXPECT_EQ(bottom_bar_color(), c.bar_color);
}

INSTANTIATE_TEST_SUITE_P(
    ViewerValue, GuiColor,
    ::testing::Values(GuiColorCase{"colorref_red_in_the_lowest_byte", 0x00332211, "FF112233"},
                      GuiColorCase{"system_button_face", 0xFF00000F, "FFF0F0F0"},
                      GuiColorCase{"system_button_face_old_style", 0x8000000F, "FFF0F0F0"},
                      GuiColorCase{"system_highlight", 0xFF00000D, "FF0078D7"},
                      GuiColorCase{"other_top_byte_ignored", 0x12332211, "FF112233"},
                      GuiColorCase{"top_byte_7F_is_no_system_colour", 0x7F00000F, "FF0F0000"}),
    torv_test::CaseLabel());

TEST_F(BottomBar, TheStandInAnswersTheSystemButtonFace) {
  EXPECT_EQ(state().gui_color, 0xFF00000Fu);
  load_model("storeys=1,assemblies=2");
  run_session("click Batches\n");
  EXPECT_EQ(bottom_bar_color(), "FFF0F0F0");
}

}  // namespace
