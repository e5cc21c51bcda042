// The viewer's interface colour, a Windows colour value, on the panel's bottom bar: red in the
// lowest byte, and a top byte of 0x80 or 0xFF naming a system colour.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "api/desktop_functions.h"
#include "platform/system_colors.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"
#include "support/process_environment.h"

namespace {

// A colour value (red in the lowest byte) as the display list writes it.
std::string argb_text(std::uint32_t colorref) {
  char text[9];
  std::snprintf(text, sizeof text, "FF%02X%02X%02X", colorref & 0xFFu, (colorref >> 8) & 0xFFu,
                (colorref >> 16) & 0xFFu);
  return text;
}

// What a system colour must show as: the system's own where there is one (GetSysColor, asked here
// directly: Windows' and Wine's defaults differ), else a fresh Windows 10's, written out by hand.
std::string system_argb(int index, const char* windows10_argb) {
  if (const auto own = torv_test::system_colorref(index)) return argb_text(*own);
  return windows10_argb;
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
                      GuiColorCase{"system_button_face", 0xFF00000F, system_argb(15, "FFF0F0F0")},
                      GuiColorCase{"system_button_face_old_style", 0x8000000F, system_argb(15, "FFF0F0F0")},
                      GuiColorCase{"system_highlight", 0xFF00000D, system_argb(13, "FF0078D7")},
                      GuiColorCase{"other_top_byte_ignored", 0x12332211, "FF112233"},
                      GuiColorCase{"top_byte_7F_is_no_system_colour", 0x7F00000F, "FF0F0000"}),
    torv_test::CaseLabel());

TEST_F(BottomBar, TheStandInAnswersTheSystemButtonFace) {
  EXPECT_EQ(state().gui_color, 0xFF00000Fu);
  load_model("storeys=1,assemblies=2");
  run_session("click Batches\n");
  EXPECT_EQ(bottom_bar_color(), system_argb(15, "FFF0F0F0"));
}

// The plug-in's system colours are the system's, and without Windows those of a fresh Windows 10.
TEST(SystemColors, AreTheSystemsOwnElseWindows10s) {
  const struct {
    int index;
    const char* windows10_argb;
  } colors[] = {{5, "FFFFFFFF"},  {8, "FF000000"},  {13, "FF0078D7"}, {14, "FFFFFFFF"},
                {15, "FFF0F0F0"}, {17, "FF6D6D6D"}, {24, "FFFFFFE1"}};
  for (const auto& color : colors) {
    EXPECT_EQ(argb_text(platform::system_color(color.index)), system_argb(color.index, color.windows10_argb))
        << "index " << color.index;
  }
}

}  // namespace
