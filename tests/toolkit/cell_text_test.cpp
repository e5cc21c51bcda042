// The words a screen reader gets for a grid's cells: what the draw handler paints into each, a
// swatch by its colour's name.
#include "toolkit/cell_text.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/case_label.h"
#include "toolkit/dialogs.h"
#include "toolkit/draw_grid.h"

namespace {

struct CellCase {
  std::string label;
  std::function<void(toolkit::Canvas&)> draw;
  std::u16string words;
};

class CellWords : public ::testing::TestWithParam<CellCase> {
 protected:
  void SetUp() override {
    saved_ = toolkit::color_dialog_texts();
    toolkit::color_dialog_texts().no_color = u"&Keine Farbe";
    grid_.set_col_count(2);
    grid_.set_row_count(2);
    grid_.set_fixed_rows(1);
  }
  void TearDown() override { toolkit::color_dialog_texts() = saved_; }

  toolkit::DrawGrid grid_{nullptr, "grid"};
  toolkit::ColorDialogTexts saved_;
};

constexpr toolkit::Rect swatch{2, 2, 40, 12};

TEST_P(CellWords, AreWhatTheCellShows) {
  grid_.on_draw_cell = [](toolkit::Canvas& canvas, int col, int row, const toolkit::Rect&,
                          toolkit::CellState) {
    if (col == 1 && row == 1) GetParam().draw(canvas);
  };
  EXPECT_EQ(toolkit::cell_text(grid_, 1, 1), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(Drawn, CellWords,
                         ::testing::Values(CellCase{"texts_in_the_order_drawn",
                                                    [](toolkit::Canvas& c) {
                                                      c.text_out(4, 2, u"R&D ");
                                                      c.text_out(40, 2, u"Süd");
                                                    },
                                                    u"R&D Süd"},
                                           CellCase{"a_text_wins_over_a_fill",
                                                    [](toolkit::Canvas& c) {
                                                      c.fill_solid(swatch, 0xFF0078D7);
                                                      c.text_out(4, 2, u"12");
                                                    },
                                                    u"12"},
                                           CellCase{"an_opaque_swatch_by_its_name_and_code",
                                                    [](toolkit::Canvas& c) {
                                                      c.fill_hatch(swatch, 0xFFC8C8C8, 0xFFFFFFFF);
                                                      c.fill_solid(swatch, 0xFF2E86DE);
                                                      c.draw_outline(swatch, 0xFF7F7F7F, 1.0f);
                                                    },
                                                    u"blue 2E86DE"},
                                           CellCase{"a_translucent_swatch_keeps_its_alpha",
                                                    [](toolkit::Canvas& c) {
                                                      c.fill_hatch(swatch, 0xFFC8C8C8, 0xFFFFFFFF);
                                                      c.fill_solid(swatch, 0x802E86DE);
                                                    },
                                                    u"blue 802E86DE"},
                                           CellCase{"the_hatch_alone_is_the_dialogs_no_colour_without_its_access_key",
                                                    [](toolkit::Canvas& c) {
                                                      c.fill_hatch(swatch, 0xFFC8C8C8, 0xFFFFFFFF);
                                                      c.draw_outline(swatch, 0xFF7F7F7F, 1.0f);
                                                    },
                                                    u"Keine Farbe"},
                                           CellCase{"nothing_drawn_is_no_words", [](toolkit::Canvas&) {},
                                                    u""}),
                         torv_test::CaseLabel());

TEST(RowWords, SkipTheEmptyCellsAndLeaveRowsOutsideTheGridEmpty) {
  toolkit::DrawGrid grid(nullptr, "grid");
  grid.set_col_count(3);
  grid.set_row_count(2);
  grid.set_fixed_rows(1);
  grid.on_draw_cell = [](toolkit::Canvas& canvas, int col, int row, const toolkit::Rect&,
                         toolkit::CellState) {
    if (row == 0) canvas.text_out(4, 2, col == 0 ? u"Batch" : col == 1 ? u"Count" : u"Colour");
    if (row == 1 && col == 0) canvas.text_out(4, 2, u"No batch");
    if (row == 1 && col == 2) canvas.fill_solid(swatch, 0xFFE03C31);
  };
  EXPECT_EQ(toolkit::row_text(grid, 0), u"Batch, Count, Colour");
  EXPECT_EQ(toolkit::row_text(grid, 1), u"No batch, red E03C31");
  EXPECT_EQ(toolkit::row_text(grid, 2), u"");
}

}  // namespace
