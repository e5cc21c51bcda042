// The colour dialog and the panel's bottom row laid out to fit their texts in every language: no two
// controls overlap, each lies inside its form, and each caption fits its control as the pictures
// draw it (measured here with Cairo in the pictures' font).
#include <cairo.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

#include "api/desktop_functions.h"
#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
  bool overlaps(const Box& other) const {
    return x < other.x + other.w && other.x < x + w && y < other.y + other.h && other.y < y + h;
  }
  bool inside(int width, int height) const { return x >= 0 && y >= 0 && x + w <= width && y + h <= height; }
};

// A control as the display list shows it: its kind, its rectangle and its caption.
struct Shown {
  std::string kind;
  Box box;
  std::string caption;
};

// The caption's width as the pictures draw it: Tahoma at 11 pixels, else the fallback font.
int picture_text_width(const std::string& text) {
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1), &cairo_surface_destroy);
  const std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), &cairo_destroy);
  cairo_select_font_face(cr.get(), "Tahoma", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr.get(), 11);
  cairo_text_extents_t extents;
  cairo_text_extents(cr.get(), text.c_str(), &extents);
  return static_cast<int>(extents.x_advance + 0.999);
}

std::string rest_of(std::istringstream& op) {
  std::string rest;
  std::getline(op, rest);
  return rest.empty() ? rest : rest.substr(1);
}

// The form's client size and its controls: buttons, check boxes, fields, grids (by their clip
// rectangle) and labels (the texts drawn outside every grid).
struct Layout {
  int width = 0;
  int height = 0;
  std::vector<Shown> controls;
};

Layout read_layout(const std::string& display_list) {
  Layout layout;
  std::istringstream lines(display_list);
  std::string line;
  bool in_grid = false;
  while (std::getline(lines, line)) {
    std::istringstream op(line);
    std::string kind;
    op >> kind;
    Shown shown{kind, {}, {}};
    if (kind == "form") {
      op >> layout.width >> layout.height;
    } else if (kind == "clip") {
      in_grid = true;
      op >> shown.box.x >> shown.box.y >> shown.box.w >> shown.box.h;
      layout.controls.push_back(shown);
    } else if (kind == "unclip") {
      in_grid = false;
    } else if (kind == "button" || kind == "check") {
      std::string state;
      op >> shown.box.x >> shown.box.y >> shown.box.w >> shown.box.h >> state;
      if (kind == "button") op >> state;  // the image's name
      shown.caption = rest_of(op);
      layout.controls.push_back(shown);
    } else if (kind == "edit") {
      op >> shown.box.x >> shown.box.y >> shown.box.w >> shown.box.h;
      layout.controls.push_back(shown);
    } else if (kind == "text" && !in_grid) {
      std::string color;
      op >> shown.box.x >> shown.box.y >> color;
      shown.kind = "label";
      shown.caption = rest_of(op);
      shown.box.w = picture_text_width(shown.caption);
      shown.box.h = 14;
      layout.controls.push_back(shown);
    }
  }
  return layout;
}

// What each caption needs inside its control: a button's a margin each side, a check box's its box.
int needed_width(const Shown& shown) {
  if (shown.kind == "button") return shown.caption.empty() ? 0 : picture_text_width(shown.caption) + 8;
  if (shown.kind == "check") return 17 + picture_text_width(shown.caption);
  return 0;
}

void expect_fits(const Layout& layout) {
  ASSERT_FALSE(layout.controls.empty());
  for (std::size_t i = 0; i < layout.controls.size(); ++i) {
    const Shown& a = layout.controls[i];
    const std::string name = a.kind + " '" + a.caption + "'";
    EXPECT_TRUE(a.box.inside(layout.width, layout.height)) << name << " lies outside the form";
    EXPECT_LE(needed_width(a), a.box.w) << name << " is cut";
    for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
      const Shown& b = layout.controls[j];
      EXPECT_FALSE(a.box.overlaps(b.box)) << name << " overlaps " << b.kind << " '" << b.caption << "'";
    }
  }
}

struct LanguageCase {
  std::string label;
  std::u16string code;
  std::string batch_button;  // the ribbon button's caption in that language
};

class Layouts : public torv_test::PanelFixture, public ::testing::WithParamInterface<LanguageCase> {
 protected:
  void SetUp() override {
    PanelFixture::SetUp();
    viewer().unload_plugin();
    // A viewer started afresh in that language.
    state() = host::HostState{};
    state().language = GetParam().code;
    load_plugin(plugin_path());
    load_model("storeys=1,assemblies=2,values=A;B");
    run_session("click " + GetParam().batch_button + "\n");
  }
};

TEST_P(Layouts, ColorDialogFitsItsTexts) {
  std::string display_list;
  state().desktop.queue_answer("color", "2E86DE");
  state().desktop.dialog_filled = [&](const std::string&, void*, const std::string& shown) {
    display_list = shown;
  };
  host::desktop_command("cell batch 2 1");
  const Layout layout = read_layout(display_list);
  // The two palettes, the preview, the field, the box, two labels and four buttons.
  EXPECT_EQ(layout.controls.size(), 11u) << display_list;
  EXPECT_GE(layout.width, 236);
  expect_fits(layout);
}

TEST_P(Layouts, PanelBottomRowFitsItsTexts) {
  const std::string display_list = host::desktop_command("paint batch");
  const Layout layout = read_layout(display_list);
  // The grid's header texts are drawn inside it; its clip and the bottom row remain.
  EXPECT_EQ(layout.controls.size(), 4u) << display_list;
  expect_fits(layout);
}

INSTANTIATE_TEST_SUITE_P(Language, Layouts,
                         ::testing::Values(LanguageCase{"english", u"en", "Batches"},
                                           LanguageCase{"german", u"de", "Lose"},
                                           LanguageCase{"polish", u"pl", "Partie"}),
                         torv_test::CaseLabel());

}  // namespace
