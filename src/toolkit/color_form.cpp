// The colour dialog's form.
#include "toolkit/color_form.h"

#include <algorithm>
#include <string>

#include "platform/utf8.h"
#include "toolkit/argb_text.h"
#include "toolkit/backend.h"
#include "toolkit/color_words.h"
#include "toolkit/shown_text.h"
#include "toolkit/text_metrics.h"

namespace toolkit {
namespace {

constexpr int palette_columns = 8;
constexpr int cell_width = 26;
constexpr int cell_height = 18;
constexpr std::size_t custom_count = 16;

// Sizes of the layout at 96 dpi.
constexpr int margin = 8;
constexpr int right_margin = 10;
constexpr int palette_width = 218;
constexpr int button_height = 23;
constexpr int button_padding = 16;
constexpr int field_height = 21;
constexpr int field_min_width = 78;
// The field's margins and, on Windows, the combo box's drop-down button beside its text.
constexpr int field_padding = 10 + 18;
constexpr int preview_width = 36;
constexpr int check_box_extra = 13 + 4 + 4;  // the box, the gap before the caption, a margin after
constexpr int row_gap = 7;
constexpr int min_client_width = 236;
constexpr int dialog_button_min_width = 105;
constexpr int dialog_button_height = 25;

constexpr Argb swatch_outline = 0xFF7F7F7F;
// What the system's colour dialog and earlier files hold in a custom colour's slot not yet filled.
constexpr Argb unfilled_slot = 0xFFFFFFFF;

// Six rows of eight, from light to dark, as the system's colour dialog has them.
constexpr Argb basic_colors[48] = {
    0xFFFF8080, 0xFFFFFF80, 0xFF80FF80, 0xFF00FF80, 0xFF80FFFF, 0xFF0080FF, 0xFFFF80C0, 0xFFFF80FF,
    0xFFFF0000, 0xFFFFFF00, 0xFF80FF00, 0xFF00FF40, 0xFF00FFFF, 0xFF0080C0, 0xFF8080C0, 0xFFFF00FF,
    0xFF804040, 0xFFFF8040, 0xFF00FF00, 0xFF008080, 0xFF004080, 0xFF8080FF, 0xFF800040, 0xFFFF0080,
    0xFF800000, 0xFFFF8000, 0xFF008000, 0xFF008040, 0xFF0000FF, 0xFF0000A0, 0xFF800080, 0xFF8000FF,
    0xFF400000, 0xFF804000, 0xFF004000, 0xFF004040, 0xFF000080, 0xFF000040, 0xFF400040, 0xFF400080,
    0xFF000000, 0xFF808000, 0xFF808040, 0xFF808080, 0xFF408080, 0xFFC0C0C0, 0xFF400040, 0xFFFFFFFF,
};

void set_up_palette(DrawGrid& grid, int rows) {
  grid.set_col_count(palette_columns);
  grid.set_row_count(rows);
  grid.set_fixed_rows(0);
  grid.set_default_row_height(cell_height);
  for (int col = 0; col < palette_columns; ++col) grid.set_col_width(col, cell_width);
}

// The colour shown whole, over the hatch that shows through a partly transparent one.
void fill_swatch(Canvas& canvas, const Rect& swatch, Argb color) {
  canvas.fill_hatch(swatch, 0xFFC8C8C8, 0xFFFFFFFF);
  if ((color >> 24) != 0) canvas.fill_solid(swatch, color);
  canvas.draw_outline(swatch, swatch_outline, 1.0f);
}

int label_width(const Label& label) { return text_width(label.caption()); }
int button_width(const Button& button) {
  return text_width(without_access_key(button.caption())) + button_padding;
}

// A palette's name for screen readers: its label without the colon.
std::u16string palette_name(std::u16string label) {
  while (!label.empty() && (label.back() == u':' || label.back() == u' ')) label.pop_back();
  return label;
}

}  // namespace

ColorForm::ColorForm(ColorDialog& dialog)
    : Form("color", FormStyle::dialog),
      lbl_basic(this, "lbl_basic"),
      grid_basic(this, "grid_basic"),
      lbl_custom(this, "lbl_custom"),
      grid_custom(this, "grid_custom"),
      btn_define(this, "btn_define"),
      pnl_preview(this, "pnl_preview"),
      cmb_argb(this, "cmb_argb"),
      cbx_no_color(this, "cbx_no_color"),
      btn_add_custom(this, "btn_add_custom"),
      btn_ok(this, "btn_ok"),
      btn_cancel(this, "btn_cancel"),
      dialog_(dialog) {
  const ColorDialogTexts& texts = color_dialog_texts();
  set_caption(texts.caption);
  lbl_basic.set_caption(texts.basic_colors);
  set_up_palette(grid_basic, 6);
  grid_basic.set_accessible_name(palette_name(texts.basic_colors));
  lbl_custom.set_caption(texts.custom_colors);
  set_up_palette(grid_custom, 2);
  grid_custom.set_accessible_name(palette_name(texts.custom_colors));
  btn_define.set_caption(texts.define_custom_color);
  pnl_preview.set_col_count(1);
  pnl_preview.set_row_count(1);
  pnl_preview.set_fixed_rows(0);
  // Only shows the colour: it takes neither clicks nor the focus away from the field.
  pnl_preview.set_enabled(false);
  pnl_preview.tab_stop = false;
  // The field has no label of its own: the dialog's caption names it.
  cmb_argb.set_accessible_name(texts.caption);
  cbx_no_color.set_caption(texts.no_color);
  btn_add_custom.set_caption(texts.add_to_custom_colors);
  btn_ok.set_caption(u"&OK");
  btn_ok.set_modal_result(ModalResult::ok);
  btn_cancel.set_caption(texts.cancel);
  btn_cancel.set_modal_result(ModalResult::cancel);
  lay_out();
  center_on_screen();

  for (const std::u16string& line : dialog_.custom_colors.lines) {
    if (custom_.size() == custom_count) break;
    const std::string hex = platform::to_utf8(line);
    if (hex.size() == 8 && hex.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos) {
      custom_.push_back(static_cast<Argb>(std::stoul(hex, nullptr, 16)));
    }
  }
  // The slots are filled in turn, so the unfilled ones are the last.
  while (!custom_.empty() && custom_.back() == unfilled_slot) custom_.pop_back();
  next_custom_ = custom_.size() % custom_count;
  custom_.resize(custom_count);

  grid_basic.on_draw_cell = [this](Canvas& canvas, int col, int row, const Rect& rect, CellState state) {
    draw_swatch(canvas, rect, basic_colors[row * palette_columns + col], state);
  };
  grid_custom.on_draw_cell = [this](Canvas& canvas, int col, int row, const Rect& rect, CellState state) {
    draw_swatch(canvas, rect, custom_[static_cast<std::size_t>(row * palette_columns + col)], state);
  };
  pnl_preview.on_draw_cell = [this](Canvas& canvas, int, int, const Rect& rect, CellState) {
    fill_swatch(canvas, rect, shown_color_);
  };
  grid_basic.on_select_cell = [this](int col, int row, bool&) {
    choose(basic_colors[row * palette_columns + col]);
  };
  grid_custom.on_select_cell = [this](int col, int row, bool&) {
    if (const std::optional<Argb> color = custom_[static_cast<std::size_t>(row * palette_columns + col)])
      choose(*color);
  };
  btn_define.on_click = [this] { define_color(); };
  btn_add_custom.on_click = [this] { add_custom(); };
  cmb_argb.on_change = [this] { argb_changed(); };
  cbx_no_color.on_click = [this] { no_color_clicked(); };
  // As in the system's colour dialog, Enter confirms and Esc cancels.
  default_button = &btn_ok;
  cancel_button = &btn_cancel;
  text_input = &cmb_argb;
  accept_button = &btn_ok;
  focus_at_each_show(&cmb_argb);
}

void ColorForm::lay_out() {
  const int line = text_height();
  const int field_width = std::max(field_min_width, text_width(u"#DDDDDDDD") + field_padding);
  const int no_color_width = check_box_extra + text_width(cbx_no_color.caption());
  const int field_row_width = preview_width + margin + field_width + margin + no_color_width;
  const int dialog_button_width =
      std::max({dialog_button_min_width, button_width(btn_ok), button_width(btn_cancel)});
  const int content_width =
      std::max({palette_width, label_width(lbl_basic), label_width(lbl_custom), button_width(btn_define),
                button_width(btn_add_custom), field_row_width, 2 * dialog_button_width + margin});

  int y = 6;
  lbl_basic.set_bounds({margin, y, label_width(lbl_basic), line});
  y += line + 2;
  grid_basic.set_bounds({margin, y, palette_width, 116});
  y += 116 + margin;
  lbl_custom.set_bounds({margin, y, label_width(lbl_custom), line});
  y += line + 2;
  grid_custom.set_bounds({margin, y, palette_width, 40});
  y += 40 + margin;
  btn_define.set_bounds({margin, y, content_width, button_height});
  y += button_height + row_gap;

  pnl_preview.set_bounds({margin, y, preview_width, button_height});
  pnl_preview.set_col_width(0, preview_width - 2 * DrawGrid::border);
  pnl_preview.set_default_row_height(button_height - 2 * DrawGrid::border);
  const int field_left = margin + preview_width + margin;
  cmb_argb.set_bounds({field_left, y + (button_height - field_height) / 2, field_width, field_height});
  cbx_no_color.set_bounds(
      {field_left + field_width + margin, y + (button_height - line) / 2, no_color_width, line});
  y += button_height + row_gap;

  btn_add_custom.set_bounds({margin, y, content_width, button_height});
  y += button_height + 12;

  // OK and Cancel share the row.
  const int half = (content_width - margin) / 2;
  btn_ok.set_bounds({margin, y, half, dialog_button_height});
  btn_cancel.set_bounds({margin + content_width - half, y, half, dialog_button_height});
  y += dialog_button_height + row_gap;

  set_client_size(std::max(min_client_width, margin + content_width + right_margin), y);
}

bool ColorForm::run() {
  // It opens with the colour it last held.
  cmb_argb.set_text(argb_text(dialog_.color));
  cmb_argb.select_all();
  field_changed();
  const std::vector<std::optional<Argb>> opened = custom_;
  const std::weak_ptr<const void> alive = dialog_.life();
  const bool closed_with_ok = show_modal();
  if (alive.expired()) return false;
  // OK stands only for a colour the field names.
  const std::optional<Argb> chosen = closed_with_ok ? parse_argb_text(cmb_argb.text()) : std::nullopt;
  const bool confirmed = chosen.has_value();
  if (confirmed) dialog_.color = *chosen;
  // Unchanged, the list stays as it was read, so that its file is not written again.
  if (custom_ == opened) return confirmed;
  dialog_.custom_colors.lines.clear();
  for (const std::optional<Argb> color : custom_) {
    if (color) dialog_.custom_colors.lines.push_back(argb_text(*color));
  }
  return confirmed;
}

// The grid's current cell is not shown: the mark goes to the swatch of the field's colour, whichever
// way the colour got there: a line in the highlight and one in the window's text colour, which
// stand out from the window's background in every colour scheme. A slot not yet filled is an
// outline only. Read aloud, a swatch is its colour's name.
void ColorForm::draw_swatch(Canvas& canvas, const Rect& rect, std::optional<Argb> color, CellState state) {
  using backend::SystemColor;
  if (state.read_aloud) {
    canvas.text_out(rect.left, rect.top, color ? swatch_name(*color) : color_dialog_texts().empty_slot);
    return;
  }
  canvas.fill_solid(rect, backend::system_color(SystemColor::window));
  const Rect swatch{rect.left + 2, rect.top + 2, rect.width - 4, rect.height - 4};
  if (color) {
    fill_swatch(canvas, swatch, *color);
  } else {
    canvas.draw_outline(swatch, swatch_outline, 1.0f);
  }
  if (!color || color != field_color_) return;
  canvas.draw_outline(rect, backend::system_color(SystemColor::highlight), 1.0f);
  canvas.draw_outline({rect.left + 1, rect.top + 1, rect.width - 2, rect.height - 2},
                      backend::system_color(SystemColor::window_text), 1.0f);
}

// The system's colour picker for red, green and blue; the alpha stays what the field holds. Where
// the system has none, the field is where a colour is defined.
void ColorForm::define_color() {
  const Argb alpha = field_color_.value_or(shown_color_) & 0xFF000000;
  const std::optional<Argb> picked = backend::pick_color(backend::window_handle(*this), shown_color_);
  if (!picked) {
    focused = &cmb_argb;
    return;
  }
  choose(alpha | (*picked & 0x00FFFFFF));
}

void ColorForm::choose(Argb color) {
  cmb_argb.set_text(argb_text(color));
  field_changed();
}

void ColorForm::argb_changed() {
  const std::u16string cleaned = clean_argb_text(cmb_argb.text());
  if (cleaned != cmb_argb.text()) cmb_argb.set_text(cleaned);
  field_changed();
}

// Ticked: the colour keeps its red, green and blue, with alpha 00; unticked: opaque.
void ColorForm::no_color_clicked() {
  if (following_field_) return;
  const Argb rgb = shown_color_ & 0x00FFFFFF;
  cmb_argb.set_text(argb_text(cbx_no_color.checked() ? rgb : 0xFF000000 | rgb));
  field_changed();
}

void ColorForm::field_changed() {
  field_color_ = parse_argb_text(cmb_argb.text());
  btn_ok.set_enabled(field_color_.has_value());
  btn_add_custom.set_enabled(field_color_.has_value());
  if (field_color_) {
    shown_color_ = *field_color_;
    following_field_ = true;
    cbx_no_color.set_checked((*field_color_ >> 24) == 0);
    following_field_ = false;
  }
  pnl_preview.repaint();
  grid_basic.repaint();
  grid_custom.repaint();
}

void ColorForm::add_custom() {
  if (!field_color_) return;
  custom_[next_custom_] = *field_color_;
  next_custom_ = (next_custom_ + 1) % custom_count;
  grid_custom.repaint();
}

}  // namespace toolkit
