// Pictures of a panel: the layout checked by its rectangles and the colours at chosen points.
#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>

#include "api/desktop_functions.h"
#include "support/panel_fixture.h"

namespace {

using Snapshot = torv_test::PanelFixture;

// The colour at a point of a PNG file, as 0xAARRGGBB.
std::uint32_t pixel(const std::string& png, int x, int y) {
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> image(
      cairo_image_surface_create_from_png(png.c_str()), &cairo_surface_destroy);
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) return 0;
  const unsigned char* row =
      cairo_image_surface_get_data(image.get()) + y * cairo_image_surface_get_stride(image.get());
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

struct Box {
  int x = 0, y = 0, w = 0, h = 0;
};

// The rectangles of the display list's lines of one kind, in order.
std::vector<Box> boxes(const std::string& display_list, const std::string& kind) {
  std::vector<Box> found;
  std::istringstream lines(display_list);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream op(line);
    std::string word;
    Box box;
    if (op >> word && word == kind && op >> box.x >> box.y >> box.w >> box.h) found.push_back(box);
  }
  return found;
}

TEST_F(Snapshot, ShowsTheCategoriesSwatchesAndBottomBar) {
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::string png = folder_file("batch.png").string();
  run_session(
      "click Batches\nanswer color FFE03C31\npanel batch swatch 1\nanswer color 800000FF\npanel batch swatch "
      "2\n"
      "snapshot panel batch " +
      png + "\n");
  const std::string display_list = host::desktop_command("paint batch");
  // Tool-window frame: the client area starts 4 pixels in and below a 20-pixel title bar.
  constexpr int frame_x = 4;
  constexpr int frame_y = 20;
  const std::vector<Box> swatches = boxes(display_list, "hatch");
  ASSERT_EQ(swatches.size(), 3u);
  const auto centre = [&](const Box& box) {
    return pixel(png, frame_x + box.x + box.w / 2, frame_y + box.y + box.h / 2);
  };
  EXPECT_EQ(centre(swatches[0]), 0xFFE03C31u);
  // Half-transparent blue over the white and grey hatch: blue, lighter than pure blue.
  const std::uint32_t blended = centre(swatches[1]);
  EXPECT_GT(blended & 0xFF, 0xC0u);
  EXPECT_LT((blended >> 16) & 0xFF, 0x90u);
  // The swatches lie in the colour column, 12 pixels high in rows of 18, one row apart.
  EXPECT_EQ(swatches[0].h, 12);
  EXPECT_EQ(swatches[1].y - swatches[0].y, 19);
  // The bottom bar in the viewer's interface colour, with the check box and two buttons on it.
  const std::vector<Box> buttons = boxes(display_list, "button");
  ASSERT_EQ(buttons.size(), 2u);
  // The save button at the far right, the open button left of it, both wider than their icons for
  // their names; the panel as wide as the check box and the buttons need.
  const int client_width = std::stoi(display_list.substr(5));
  EXPECT_GT(buttons[0].w, 23 + 16);
  EXPECT_EQ(buttons[0].x + buttons[0].w, client_width);
  EXPECT_EQ(buttons[1].x + buttons[1].w, buttons[0].x);
  EXPECT_NE(display_list.find(" open Open\u2026\n"), std::string::npos) << display_list;
  EXPECT_NE(display_list.find(" save Save\u2026\n"), std::string::npos) << display_list;
  EXPECT_EQ(pixel(png, frame_x + 3, frame_y + 336 - 12), 0xFFF0F0F0u);
  // The title bar is white; the header row is grey.
  EXPECT_EQ(pixel(png, 120, 3), 0xFFFFFFFFu);
  EXPECT_EQ(pixel(png, frame_x + 120, frame_y + 3), 0xFFF0F0F0u);
}

// The pixels of two PNG files differ somewhere (both read).
bool pictures_differ(const std::string& first, const std::string& second) {
  using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;
  const Surface one(cairo_image_surface_create_from_png(first.c_str()), &cairo_surface_destroy);
  const Surface two(cairo_image_surface_create_from_png(second.c_str()), &cairo_surface_destroy);
  if (cairo_surface_status(one.get()) != CAIRO_STATUS_SUCCESS ||
      cairo_surface_status(two.get()) != CAIRO_STATUS_SUCCESS)
    return false;
  const int height = cairo_image_surface_get_height(one.get());
  const int stride = cairo_image_surface_get_stride(one.get());
  if (height != cairo_image_surface_get_height(two.get()) ||
      stride != cairo_image_surface_get_stride(two.get()))
    return true;
  const unsigned char* pixels = cairo_image_surface_get_data(one.get());
  return !std::equal(pixels, pixels + height * stride, cairo_image_surface_get_data(two.get()));
}

TEST_F(Snapshot, ADialogAnsweredByKeysIsTakenBeforeItsLastKey) {
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::string typed = folder_file("typed.png").string();
  const std::string opened = folder_file("opened.png").string();
  const std::string out =
      run_session("click Batches\nanswer keys Lot 5{TAB}{SPACE}\nsnapshot dialog name " + typed +
                  "\npanel batch menu add\nanswer keys {ESC}\nsnapshot dialog name " + opened +
                  "\npanel batch menu add\n");
  // The first dialog was taken with the name typed, before Space pressed Add; the second as it opened.
  EXPECT_NE(panel_rows("batch").find("Lot 5\t0\tnone\n"), std::string::npos) << out;
  EXPECT_TRUE(pictures_differ(typed, opened));
}

}  // namespace
