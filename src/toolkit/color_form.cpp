// The colour dialog's form.
#include "toolkit/color_form.h"

#include <cstdio>
#include <string>

#include "platform/utf8.h"

namespace toolkit {
namespace {

constexpr int palette_columns = 8;
constexpr int cell_width = 26;
constexpr int cell_height = 18;
constexpr std::size_t custom_count = 16;

// Six rows of eight, from light to dark, as the system's colour dialog has them.
constexpr Argb basic_colors[48] = {
    0xFFFF8080, 0xFFFFFF80, 0xFF80FF80, 0xFF00FF80, 0xFF80FFFF, 0xFF0080FF, 0xFFFF80C0, 0xFFFF80FF,
    0xFFFF0000, 0xFFFFFF00, 0xFF80FF00, 0xFF00FF40, 0xFF00FFFF, 0xFF0080C0, 0xFF8080C0, 0xFFFF00FF,
    0xFF804040, 0xFFFF8040, 0xFF00FF00, 0xFF008080, 0xFF004080, 0xFF8080FF, 0xFF800040, 0xFFFF0080,
    0xFF800000, 0xFFFF8000, 0xFF008000, 0xFF008040, 0xFF0000FF, 0xFF0000A0, 0xFF800080, 0xFF8000FF,
    0xFF400000, 0xFF804000, 0xFF004000, 0xFF004040, 0xFF000080, 0xFF000040, 0xFF400040, 0xFF400080,
    0xFF000000, 0xFF808000, 0xFF808040, 0xFF808080, 0xFF408080, 0xFFC0C0C0, 0xFF400040, 0xFFFFFFFF,
};

std::u16string hex_text(Argb color) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", color);
  return platform::from_utf8(text);
}

bool is_hex(char16_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

void set_up_palette(DrawGrid& grid, int rows, Rect place) {
  grid.set_bounds(place);
  grid.set_col_count(palette_columns);
  grid.set_row_count(rows);
  grid.set_fixed_rows(0);
  grid.set_default_row_height(cell_height);
  for (int col = 0; col < palette_columns; ++col) grid.set_col_width(col, cell_width);
}

}  // namespace

ColorForm::ColorForm(ColorDialog& dialog)
    : Form("color", FormStyle::dialog),
      lbl_basic(this, "lbl_basic"),
      grid_basic(this, "grid_basic"),
      lbl_custom(this, "lbl_custom"),
      grid_custom(this, "grid_custom"),
      btn_define(this, "btn_define"),
      cmb_argb(this, "cmb_argb"),
      btn_add_custom(this, "btn_add_custom"),
      btn_ok(this, "btn_ok"),
      btn_cancel(this, "btn_cancel"),
      dialog_(dialog) {
  const ColorDialogTexts& texts = color_dialog_texts();
  set_caption(texts.caption);
  set_client_size(236, 330);
  center_on_screen();
  lbl_basic.set_bounds({8, 6, 218, 14});
  lbl_basic.set_caption(texts.basic_colors);
  set_up_palette(grid_basic, 6, {8, 22, 218, 116});
  lbl_custom.set_bounds({8, 146, 218, 14});
  lbl_custom.set_caption(texts.custom_colors);
  set_up_palette(grid_custom, 2, {8, 162, 218, 40});
  btn_define.set_bounds({8, 210, 218, 23});
  btn_define.set_caption(texts.define_custom_color);
  cmb_argb.set_bounds({8, 240, 78, 21});
  btn_add_custom.set_bounds({92, 239, 134, 23});
  btn_add_custom.set_caption(texts.add_to_custom_colors);
  btn_ok.set_bounds({8, 298, 105, 25});
  btn_ok.set_caption(u"OK");
  btn_ok.set_modal_result(ModalResult::ok);
  btn_cancel.set_bounds({121, 298, 105, 25});
  btn_cancel.set_caption(texts.cancel);
  btn_cancel.set_modal_result(ModalResult::cancel);

  for (const std::u16string& line : dialog_.custom_colors.lines) {
    if (custom_.size() == custom_count) break;
    const std::string hex = platform::to_utf8(line);
    if (hex.size() == 8 && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
      custom_.push_back(static_cast<Argb>(std::stoul(hex, nullptr, 16)));
    }
  }
  next_custom_ = custom_.size() % custom_count;
  custom_.resize(custom_count, 0xFFFFFFFF);

  grid_basic.on_draw_cell = [this](Canvas& canvas, int col, int row, const Rect& rect, CellState state) {
    draw_swatch(canvas, rect, basic_colors[row * palette_columns + col], state.selected);
  };
  grid_custom.on_draw_cell = [this](Canvas& canvas, int col, int row, const Rect& rect, CellState state) {
    draw_swatch(canvas, rect, custom_[static_cast<std::size_t>(row * palette_columns + col)], state.selected);
  };
  grid_basic.on_select_cell = [this](int col, int row, bool&) {
    choose(basic_colors[row * palette_columns + col]);
  };
  grid_custom.on_select_cell = [this](int col, int row, bool&) {
    choose(custom_[static_cast<std::size_t>(row * palette_columns + col)]);
  };
  btn_define.on_click = [this] { focused = &cmb_argb; };
  btn_add_custom.on_click = [this] { add_custom(); };
  cmb_argb.on_change = [this] { argb_changed(); };
  text_input = &cmb_argb;
  accept_button = &btn_ok;
  focused = &cmb_argb;
}

bool ColorForm::run() {
  // It opens with the colour it last held.
  cmb_argb.set_text(hex_text(dialog_.color));
  btn_ok.set_enabled(true);
  const std::vector<Argb> opened = custom_;
  const bool confirmed = show_modal();
  if (confirmed)
    dialog_.color = static_cast<Argb>(std::stoul(platform::to_utf8(cmb_argb.text()), nullptr, 16));
  // Unchanged, the list stays as it was read, so that its file is not written again.
  if (custom_ == opened) return confirmed;
  dialog_.custom_colors.lines.clear();
  for (const Argb color : custom_) dialog_.custom_colors.lines.push_back(hex_text(color));
  return confirmed;
}

void ColorForm::draw_swatch(Canvas& canvas, const Rect& rect, Argb color, bool current) {
  const Rect swatch{rect.left + 2, rect.top + 2, rect.width - 4, rect.height - 4};
  canvas.fill_hatch(swatch, 0xFFC8C8C8, 0xFFFFFFFF);
  if ((color >> 24) != 0) canvas.fill_solid(swatch, color);
  canvas.draw_outline(swatch, current ? 0xFF000000 : 0xFF7F7F7F, 1.0f);
}

void ColorForm::choose(Argb color) {
  cmb_argb.set_text(hex_text(color));
  btn_ok.set_enabled(true);
}

// Only hexadecimal digits, eight at most; OK needs all eight.
void ColorForm::argb_changed() {
  std::u16string cleaned;
  for (const char16_t c : cmb_argb.text()) {
    if (is_hex(c) && cleaned.size() < 8) cleaned += c;
  }
  cmb_argb.set_text(cleaned);
  btn_ok.set_enabled(cleaned.size() == 8);
  btn_add_custom.set_enabled(cleaned.size() == 8);
}

void ColorForm::add_custom() {
  if (cmb_argb.text().size() != 8) return;
  custom_[next_custom_] = static_cast<Argb>(std::stoul(platform::to_utf8(cmb_argb.text()), nullptr, 16));
  next_custom_ = (next_custom_ + 1) % custom_count;
  grid_custom.repaint();
}

}  // namespace toolkit
