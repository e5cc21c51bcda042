// The viewer's interface colour, a Windows colour value, on the panel's bottom bar: red in the
// lowest byte, and a top byte of 0x80 or 0xFF naming a system colour.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "api/desktop_functions.h"
#include "platform/system_colors.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

// A system colour as the display list writes it: the system's own (GetSysColor on Windows, whose
// defaults vary between Windows and Wine), as a COLORREF turned to ARGB.
std::string system_argb(int index) {
  const std::uint32_t rgb = platform::system_color(index);
  char text[9];
  std::snprintf(text, sizeof text, "FF%02X%02X%02X", rgb & 0xFFu, (rgb >> 8) & 0xFFu, (rgb >> 16) & 0xFFu);
  return text;
}

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
                      GuiColorCase{"system_button_face", 0xFF00000F, system_argb(15)},
                      GuiColorCase{"system_button_face_old_style", 0x8000000F, system_argb(15)},
                      GuiColorCase{"system_highlight", 0xFF00000D, system_argb(13)},
                      GuiColorCase{"other_top_byte_ignored", 0x12332211, "FF112233"},
                      GuiColorCase{"top_byte_7F_is_no_system_colour", 0x7F00000F, "FF0F0000"}),
    torv_test::CaseLabel());

TEST_F(BottomBar, TheStandInAnswersTheSystemButtonFace) {
  EXPECT_EQ(state().gui_color, 0xFF00000Fu);
  load_model("storeys=1,assemblies=2");
  run_session("click Batches\n");
  EXPECT_EQ(bottom_bar_color(), system_argb(15));
}

TEST(SystemColors, AreTheWindowsDefaultsWithoutWindows) {
  if (system_argb(15) != "FFF0F0F0") GTEST_SKIP() << "the system's own colours (Windows or Wine)";
  EXPECT_EQ(system_argb(13), "FF0078D7");
}

}  // namespace
