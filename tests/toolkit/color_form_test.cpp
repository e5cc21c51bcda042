// The colour dialog's form worked directly: the field, the "no colour" box, the preview and the mark
// on the chosen swatch follow one another however the colour changes.
#include <gtest/gtest.h>

#include <string>

#include "interface/color_text.h"
#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cell_text.h"
#include "toolkit/color_form.h"
#include "toolkit/desktop/display_list.h"
#include "toolkit/form_input.h"

namespace {

using toolkit::ColorDialog;
using toolkit::ColorForm;

class ColorFormTest : public ::testing::Test {
 protected:
  void type(const std::u16string& text) {
    form.cmb_argb.set_text(u"");
    for (const char16_t c : text) form.cmb_argb.type(c);
  }
  std::string field() const { return platform::to_utf8(form.cmb_argb.text()); }
  // The lines the form paints, as the desktop's display list has them.
  std::string painted() { return toolkit::desktop::paint_form(form); }
  // The preview's swatch: the colour filled over its hatch, or "hatch only".
  std::string preview_fill() {
    const std::string list = painted();
    const std::size_t clip = list.find("clip " + rect_text(form.pnl_preview));
    const std::size_t hatch = list.find("hatch", clip);
    const std::size_t next = list.find('\n', hatch) + 1;
    if (list.compare(next, 5, "fill ") != 0) return "hatch only";
    const std::size_t end = list.find('\n', next);
    return list.substr(end - 8, 8);
  }
  static std::string rect_text(const toolkit::Control& control) {
    const toolkit::Rect r = control.bounds();
    return std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.width) + ' ' +
           std::to_string(r.height);
  }

  ColorDialog dialog;
  ColorForm form{dialog};
  const toolkit::Argb highlight = toolkit::backend::system_color(toolkit::backend::SystemColor::highlight);
  const toolkit::Argb window_text =
      toolkit::backend::system_color(toolkit::backend::SystemColor::window_text);
};

TEST_F(ColorFormTest, TickingNoColorSetsAlphaZeroAndUntickingMakesItOpaque) {
  type(u"#2E86DE");
  EXPECT_FALSE(form.cbx_no_color.checked());
  form.cbx_no_color.click();
  EXPECT_EQ(field(), "002E86DE");
  EXPECT_TRUE(form.btn_ok.enabled());
  EXPECT_EQ(preview_fill(), "hatch only");
  form.cbx_no_color.click();
  EXPECT_EQ(field(), "FF2E86DE");
  EXPECT_EQ(preview_fill(), "FF2E86DE");
}

TEST_F(ColorFormTest, TypingAlphaZeroTicksNoColorAndAnotherAlphaUnticksIt) {
  type(u"002E86DE");
  EXPECT_TRUE(form.cbx_no_color.checked());
  // The box follows the field without rewriting what the user typed.
  type(u"2E86DE");
  EXPECT_FALSE(form.cbx_no_color.checked());
  EXPECT_EQ(field(), "2E86DE");
}

TEST_F(ColorFormTest, PreviewShowsAlphaOverTheHatchAndKeepsTheLastColorWhileIncomplete) {
  type(u"802E86DE");
  EXPECT_EQ(preview_fill(), "802E86DE");
  type(u"80FF");
  EXPECT_FALSE(form.btn_ok.enabled());
  EXPECT_FALSE(form.btn_add_custom.enabled());
  EXPECT_EQ(preview_fill(), "802E86DE");
}

TEST_F(ColorFormTest, FieldKeepsALeadingHashAndHexDigitsAsTyped) {
  type(u"##x2e8-6dE");
  EXPECT_EQ(field(), "#2e86dE");
  EXPECT_TRUE(form.btn_ok.enabled());
}

// The mark is a line in the system's highlight around the swatch of the field's colour, and one in
// the window's text colour inside it, wherever the grid's current cell is: no fixed colour that a
// colour scheme could match.
TEST_F(ColorFormTest, MarksTheSwatchOfTheFieldsColorInTheSystemsColors) {
  const auto outline = [](const toolkit::Rect& r, toolkit::Argb color) {
    return "outline " + std::to_string(r.left) + ' ' + std::to_string(r.top) + ' ' + std::to_string(r.width) +
           ' ' + std::to_string(r.height) + ' ' + desktop::color_text(color);
  };
  const auto marked = [&](const toolkit::DrawGrid& grid, int col, int row) {
    const toolkit::Rect on_form{grid.bounds().left + grid.cell_rect(col, row).left,
                                grid.bounds().top + grid.cell_rect(col, row).top,
                                grid.cell_rect(col, row).width, grid.cell_rect(col, row).height};
    const toolkit::Rect inner{on_form.left + 1, on_form.top + 1, on_form.width - 2, on_form.height - 2};
    const std::string list = painted();
    return list.find(outline(on_form, highlight)) != std::string::npos &&
           list.find(outline(inner, window_text)) != std::string::npos;
  };
  form.grid_basic.select_cell(0, 1);
  EXPECT_EQ(field(), "FFFF0000");
  EXPECT_TRUE(marked(form.grid_basic, 0, 1));
  // Typed, not clicked: the mark moves to the swatch of that colour (black, bottom left).
  type(u"000000");
  EXPECT_TRUE(marked(form.grid_basic, 0, 5));
  EXPECT_FALSE(marked(form.grid_basic, 0, 1));
  // Added to the custom colours, the colour is marked there too.
  type(u"80123456");
  form.btn_add_custom.click();
  EXPECT_TRUE(marked(form.grid_custom, 0, 0));
  EXPECT_FALSE(marked(form.grid_basic, 0, 5));
}

// A screen reader hears each palette by its label and each swatch by its colour's name and code; a
// custom colour's slot not yet filled is empty.
TEST_F(ColorFormTest, PalettesAndSwatchesAreNamedForScreenReaders) {
  EXPECT_EQ(form.grid_basic.accessible_name(), u"Basic colors");
  EXPECT_EQ(form.grid_custom.accessible_name(), u"Custom colors");
  EXPECT_EQ(toolkit::cell_text(form.grid_basic, 0, 1), u"Red, FF0000");
  EXPECT_EQ(toolkit::cell_text(form.grid_basic, 0, 5), u"Black, 000000");
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 0, 0), u"Empty");
  type(u"800072B2");
  form.btn_add_custom.click();
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 0, 0), u"Blue, 800072B2");
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 1, 0), u"Empty");
}

TEST_F(ColorFormTest, APressOnThePreviewLeavesTheKeysWithTheField) {
  const toolkit::Rect preview = form.pnl_preview.bounds();
  toolkit::press_mouse(form, toolkit::MouseButton::left, {preview.left + 5, preview.top + 5});
  EXPECT_EQ(form.focused, &form.cmb_argb);
}

// The slots are filled in turn: the white that the system's dialog and earlier files leave in those
// not yet filled reads as empty.
TEST(ColorFormCustomColors, TrailingWhiteSlotsAreEmpty) {
  ColorDialog dialog;
  dialog.custom_colors.lines = {u"FF2E86DE", u"FFFFFFFF", u"80E03C31", u"FFFFFFFF", u"FFFFFFFF"};
  ColorForm form(dialog);
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 1, 0), u"White, FFFFFF") << "white among filled slots";
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 2, 0), u"Red, 80E03C31");
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 3, 0), u"Empty");
  // A press on an empty slot chooses nothing.
  for (const char16_t c : std::u16string(u"123456")) form.cmb_argb.type(c);
  form.grid_custom.select_cell(4, 0);
  EXPECT_EQ(platform::to_utf8(form.cmb_argb.text()), "123456");
  // The next colour added goes to the first empty slot.
  form.btn_add_custom.click();
  EXPECT_EQ(toolkit::cell_text(form.grid_custom, 3, 0), u"Navy, 123456");
}

}  // namespace
