// User text in the grid and menus: shown as text, cut with an ellipsis to its cell, the whole text
// kept for the tooltip (headless metrics, so the widths are fixed).
#include <gtest/gtest.h>

#include <string>

#include "platform/utf8.h"
#include "toolkit/draw_grid.h"
#include "toolkit/form.h"
#include "toolkit/shown_text.h"
#include "toolkit/text_metrics.h"

namespace {

struct CaptionCase {
  const char* name;
  std::u16string text;
  std::u16string menu;
};

class MenuCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(MenuCaption, ShowsTheTextAsTyped) {
  EXPECT_EQ(toolkit::menu_caption(GetParam().text), GetParam().menu);
}

INSTANTIATE_TEST_SUITE_P(Names, MenuCaption,
                         ::testing::Values(CaptionCase{"ampersand", u"R&D", u"R&&D"},
                                           CaptionCase{"two", u"&&", u"&&&&"},
                                           CaptionCase{"tab", u"R&D S\u00fcd\tLot 7", u"R&&D S\u00fcd Lot 7"},
                                           CaptionCase{"line_breaks",
                                                       u"a\r\nb\x7f"
                                                       u"c",
                                                       u"a  b c"},
                                           CaptionCase{"plain", u"Lot 7", u"Lot 7"}),
                         [](const auto& test_case) { return std::string(test_case.param.name); });

struct AccessKeyCase {
  const char* name;
  std::u16string caption;
  std::u16string shown;
};

class WithoutAccessKey : public ::testing::TestWithParam<AccessKeyCase> {};

TEST_P(WithoutAccessKey, ShowsTheCaptionAsTheEyeReadsIt) {
  EXPECT_EQ(toolkit::without_access_key(GetParam().caption), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, WithoutAccessKey,
    ::testing::Values(AccessKeyCase{"first_letter", u"&Add", u"Add"},
                      AccessKeyCase{"inner_letter", u"\u00d6&ffnen\u2026", u"\u00d6ffnen\u2026"},
                      AccessKeyCase{"doubled_ampersand", u"&Rename: \"R&&D\"", u"Rename: \"R&D\""},
                      AccessKeyCase{"plain", u"Lot 7", u"Lot 7"}),
    [](const auto& test_case) { return std::string(test_case.param.name); });

TEST(FittedText, CutsAtTheWidthWithAnEllipsisAndKeepsSurrogatePairsWhole) {
  const std::u16string name = u"Northern wing, second stage";
  EXPECT_EQ(toolkit::fitted_text(name, toolkit::text_width(name)), name);
  const std::u16string cut = toolkit::fitted_text(name, 60);
  EXPECT_LE(toolkit::text_width(cut), 60);
  EXPECT_EQ(cut.back(), u'\u2026');
  EXPECT_EQ(name.substr(0, cut.size() - 1), cut.substr(0, cut.size() - 1));
  // One more letter would not fit.
  EXPECT_GT(toolkit::text_width(name.substr(0, cut.size()) + u'\u2026'), 60);
  // A character outside the basic plane is never split into half a pair.
  const std::u16string emoji = u"ab\U0001F600\U0001F600\U0001F600";
  for (int width = 0; width < toolkit::text_width(emoji); ++width) {
    const std::u16string shown = toolkit::fitted_text(emoji, width);
    const char16_t last = shown.size() >= 2 ? shown[shown.size() - 2] : u'a';
    EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << width;
  }
}

// A canvas that keeps the texts drawn.
class TextCanvas : public toolkit::Canvas {
 public:
  void set_font_color(toolkit::Argb) override {}
  void text_out(int, int, std::u16string_view text) override { texts += std::u16string(text) + u'|'; }
  void fill_hatch(const toolkit::Rect&, toolkit::Argb, toolkit::Argb) override {}
  void fill_solid(const toolkit::Rect&, toolkit::Argb) override {}
  void draw_outline(const toolkit::Rect&, toolkit::Argb, float) override {}
  std::u16string texts;
};

TEST(GridCells, ShowNamesAsTextCutToTheCellAndKeepTheWholeTextOfACutCell) {
  toolkit::Form form("form", toolkit::FormStyle::tool_window);
  toolkit::DrawGrid grid(&form, "grid");
  grid.set_bounds({0, 0, 200, 100});
  grid.set_col_count(2);
  grid.set_col_width(0, 80);
  grid.set_col_width(1, 80);
  grid.set_row_count(2);
  const std::u16string long_name = u"R&D S\u00fcd\tLot 7 of the northern wing";
  grid.on_draw_cell = [&](toolkit::Canvas& canvas, int col, int row, const toolkit::Rect& rect,
                          toolkit::CellState) {
    canvas.text_out(rect.left + 4, rect.top + 2, row == 0 ? u"A\tB" : col == 0 ? long_name : u"7");
  };
  TextCanvas canvas;
  grid.paint(canvas, true);
  const std::u16string shown = u"R&D S\u00fcd Lot 7 of the northern wing";
  const std::u16string fitted = toolkit::fitted_text(shown, 80 - 4 - 2);
  EXPECT_EQ(canvas.texts, u"A B|A B|" + fitted + u"|7|");
  EXPECT_EQ(grid.cut_text(0, 1), shown);
  EXPECT_EQ(grid.cut_text(1, 1), u"");
  EXPECT_EQ(grid.cut_text(0, 0), u"");
}

// The tooltip shows a cut cell's whole text first, else the cell's own hint.
TEST(GridCells, AHintIsTheCutTextElseTheCellsOwn) {
  toolkit::Form form("form", toolkit::FormStyle::tool_window);
  toolkit::DrawGrid grid(&form, "grid");
  grid.set_bounds({0, 0, 200, 100});
  grid.set_col_count(2);
  grid.set_col_width(0, 40);
  grid.set_col_width(1, 80);
  grid.set_row_count(2);
  grid.on_draw_cell = [](toolkit::Canvas& canvas, int col, int, const toolkit::Rect& rect,
                         toolkit::CellState) {
    canvas.text_out(rect.left + 4, rect.top + 2, col == 0 ? u"A name far too long for its cell" : u"7");
  };
  grid.on_cell_hint = [](int col, int row) {
    return std::u16string(u"hint ") + static_cast<char16_t>(u'0' + col) + static_cast<char16_t>(u'0' + row);
  };
  TextCanvas canvas;
  grid.paint(canvas, true);
  EXPECT_EQ(grid.cell_hint(0, 1), u"A name far too long for its cell");
  EXPECT_EQ(grid.cell_hint(1, 1), u"hint 11");
}

}  // namespace
