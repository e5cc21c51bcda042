// torv-host.exe on a display (under Wine: xvfb-run), as a user works the real windows: both panels,
// the colour dialog, the add and rename dialog, the system's file dialogs; then the pixels of the
// pictures it took of them. With TORV_TEST_PICTURES naming a folder, the pictures stay there.
#include <windows.h>

#include <gdiplus.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "plugin_base/plugin_folders.h"
#include "random_session/host_process.h"
#include "support/host_fixture.h"
#include "support/needed_display.h"
#include "support/plugin_copy.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

// Client sizes and frames as the panels and dialogs have them (96 dpi).
constexpr SIZE panel_client{245, 336};
constexpr SIZE color_dialog_client{236, 330};
constexpr SIZE name_dialog_client{180, 70};
constexpr DWORD panel_style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_THICKFRAME;
constexpr DWORD dialog_style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Where the client area starts in a picture of the whole window.
POINT client_origin(DWORD style, DWORD extended_style) {
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, extended_style);
  return {-frame.left, -frame.top};
}

std::uint32_t red(std::uint32_t rgb) { return rgb >> 16; }
std::uint32_t green(std::uint32_t rgb) { return (rgb >> 8) & 0xFF; }
std::uint32_t blue(std::uint32_t rgb) { return rgb & 0xFF; }
bool dark(std::uint32_t rgb) { return red(rgb) < 0x60 && green(rgb) < 0x60 && blue(rgb) < 0x60; }

// A PNG file read with GDI+; pixels are 0xRRGGBB, in client coordinates of the window pictured.
class Picture {
 public:
  Picture(const std::filesystem::path& file, POINT client_origin) : origin_(client_origin) {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    bitmap_ = std::make_unique<Gdiplus::Bitmap>(file.wstring().c_str());
  }
  ~Picture() {
    bitmap_.reset();
    Gdiplus::GdiplusShutdown(token_);
  }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  bool loaded() const { return bitmap_->GetLastStatus() == Gdiplus::Ok; }
  int width() const { return static_cast<int>(bitmap_->GetWidth()); }
  int height() const { return static_cast<int>(bitmap_->GetHeight()); }
  // The window's client width, its frame the same on both sides.
  int client_width() const { return width() - 2 * static_cast<int>(origin_.x); }

  std::uint32_t pixel(int x, int y) const {
    Gdiplus::Color color;
    bitmap_->GetPixel(x + origin_.x, y + origin_.y, &color);
    return color.GetValue() & 0xFFFFFF;
  }
  // Whether some pixel of the rectangle is dark (text drawn there).
  bool has_dark_pixels(const RECT& r) const {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        if (dark(pixel(x, y))) return true;
      }
    }
    return false;
  }

 private:
  ULONG_PTR token_ = 0;
  std::unique_ptr<Gdiplus::Bitmap> bitmap_;
  POINT origin_;
};

// The panel's grid inside a one-pixel border, one-pixel grid lines: the count and colour columns 50
// wide at its right, the name column the rest (141 in a panel 245 wide).
int swatch_cell_left(const Picture& panel) { return panel.client_width() - 51; }
int cell_top(int row, int row_height) { return 1 + row * (row_height + 1); }
RECT cell(const Picture& panel, int col, int row, int row_height) {
  const int lefts[] = {1, panel.client_width() - 102, swatch_cell_left(panel)};
  const int widths[] = {panel.client_width() - 104, 50, 50};
  const int top = cell_top(row, row_height);
  return {lefts[col], top, lefts[col] + widths[col], top + row_height};
}
// The swatch of a data row: the cell moved in by 2 at the left and top, 4 at the right and bottom.
POINT swatch_centre(const Picture& panel, int row, int row_height) {
  return {swatch_cell_left(panel) + 2 + (50 - 6) / 2, cell_top(row, row_height) + 2 + (row_height - 6) / 2};
}

// The rows of the swatch column where the swatch's grey outline is, within one cell.
std::pair<int, int> outline_rows(const Picture& picture, int row, int row_height) {
  const int x = swatch_centre(picture, row, row_height).x;
  int first = -1;
  int last = -1;
  for (int y = cell_top(row, row_height); y < cell_top(row, row_height) + row_height; ++y) {
    if (picture.pixel(x, y) != 0x7F7F7F) continue;
    if (first < 0) first = y;
    last = y;
  }
  return {first, last};
}

// A system colour as the pictures' pixels hold it, 0xRRGGBB.
std::uint32_t system_rgb(int index) {
  const COLORREF color = GetSysColor(index);
  return (std::uint32_t{GetRValue(color)} << 16) | (std::uint32_t{GetGValue(color)} << 8) | GetBValue(color);
}

std::string lines(std::initializer_list<std::string> commands) {
  std::string script;
  for (const std::string& command : commands) script += command + '\n';
  return script;
}

// Whether a row's swatch shows only the hatch: greys from the hatch's C8C8C8 to white, both.
bool shows_hatch(const Picture& picture, int row, int row_height) {
  const POINT centre = swatch_centre(picture, row, row_height);
  bool white = false;
  bool lines = false;
  for (int y = centre.y - 3; y <= centre.y + 3; ++y) {
    for (int x = centre.x - 8; x < centre.x + 8; ++x) {
      const std::uint32_t rgb = picture.pixel(x, y);
      if (red(rgb) != green(rgb) || green(rgb) != blue(rgb) || red(rgb) < 0xC8) return false;
      white = white || rgb == 0xFFFFFF;
      lines = lines || rgb != 0xFFFFFF;
    }
  }
  return white && lines;
}

class Win32Session : public ::testing::Test {
 protected:
  void SetUp() override {
    // Without a display no window is made, and there is nothing to picture.
    TORV_NEEDS_WINDOWS();
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpi != 96) GTEST_SKIP() << "the pictures are measured at 96 dpi, the screen has " << dpi;
    // A library name of its own: the plug-in's per-user folder (colour files) is this test's alone.
    base_name_ = "torv-" + folder_.path().filename().string();
    copy_ = std::make_unique<torv_test::PluginCopy>(base_name_ + ".dll");
    copy_->copy_data(base_name_ + "_data", {"lang.en"});
    if (const char* kept = std::getenv("TORV_TEST_PICTURES")) {
      pictures_ = kept;
      std::filesystem::create_directories(pictures_);
    } else {
      pictures_ = folder_.path();
    }
  }

  void TearDown() override {
    if (copy_ == nullptr) return;
    std::error_code ignored;
    std::filesystem::remove_all(
        plugin_folders::application_folder(platform::local_app_data_folder(), platform::from_utf8(base_name_),
                                           platform::path_separator()),
        ignored);
  }

  std::filesystem::path file(const std::string& name) const { return pictures_ / name; }
  std::filesystem::path plugin() const { return copy_->library(); }

  torv_test::ProgramResult run(const std::string& options, const std::string& lines,
                               const std::string& model = "storeys=1,assemblies=2,values=A;B") {
    const std::filesystem::path script = folder_.path() / "session.txt";
    torv_test::write_file(script, lines);
    std::vector<std::string> arguments{"--plugin", std::filesystem::path(copy_->library()).string()};
    if (!options.empty()) arguments.push_back(options);
    for (const std::string& argument : {std::string("--generate"), model, std::string("--script")})
      arguments.push_back(argument);
    arguments.push_back(script.string());
    return torv_test::run_torv_host(arguments);
  }

 private:
  torv_test::TempFolder folder_;
  std::string base_name_;
  std::unique_ptr<torv_test::PluginCopy> copy_;
  std::filesystem::path pictures_;
};

TEST_F(Win32Session, ColorsEditsSavesAndOpensThroughTheRealWindows) {
  const std::string batch = file("batch-panel.png").string();
  const std::string status = file("status-panel.png").string();
  const std::string color_dialog = file("color-dialog.png").string();
  const std::string name_dialog = file("add-category-dialog.png").string();
  const std::string sidecar = file("batches.csv").string();
  const std::string save_dialog = file("save-dialog.png").string();
  const std::string open_dialog = file("open-dialog.png").string();
  const auto result = run("", lines({"click Batches",
                                     "answer color FFE03C31",
                                     "snapshot dialog color " + color_dialog,
                                     "panel batch swatch 1",
                                     "answer name Zeta",
                                     "snapshot dialog name " + name_dialog,
                                     "panel batch menu add",
                                     "panel batch row 3",
                                     "answer name Omega",
                                     "panel batch menu rename",
                                     "answer save " + sidecar,
                                     "snapshot dialog save " + save_dialog,
                                     "panel batch save",
                                     "panel batch row 2",
                                     "panel batch menu delete",
                                     "print panel batch",
                                     "snapshot panel batch " + batch,
                                     "answer open " + sidecar,
                                     "snapshot dialog open " + open_dialog,
                                     "panel batch open",
                                     "print panel batch",
                                     "click Status",
                                     "snapshot panel status " + status,
                                     "quit"}));
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // Coloured through the colour dialog, added and renamed through the name dialog, B deleted...
  EXPECT_THAT(result.out,
              HasSubstr("Batch\tCount\tColour\nA\t1\tE03C31FF\nOmega\t0\tnone\nNo batch\t\tnone\n"));
  // ...after the save dialog wrote the file, which the open dialog brings back.
  EXPECT_THAT(result.out, HasSubstr("A\t1\tE03C31FF\nB\t1\tnone\nOmega\t0\tnone\nNo batch\t\tnone\n"));
  EXPECT_THAT(torv_test::read_file(sidecar), HasSubstr(",Omega\r\n"));

  const Picture panel(batch, client_origin(panel_style, WS_EX_TOOLWINDOW));
  ASSERT_TRUE(panel.loaded());
  const POINT frame = client_origin(panel_style, WS_EX_TOOLWINDOW);
  EXPECT_GE(panel.width(), panel_client.cx + frame.x);
  EXPECT_GE(panel.height(), panel_client.cy + frame.y);
  for (int col = 0; col < 3; ++col)
    EXPECT_TRUE(panel.has_dark_pixels(cell(panel, col, 0, 18))) << "header " << col;
  const POINT colored = swatch_centre(panel, 1, 18);
  EXPECT_EQ(panel.pixel(colored.x, colored.y), 0xE03C31u);
  // Omega has no colour: its swatch shows the hatch, grey lines on white and no colour.
  EXPECT_TRUE(shows_hatch(panel, 2, 18));
  // The current cell, Omega's name after the deletion, is highlighted in the system's colour.
  EXPECT_EQ(panel.pixel(cell(panel, 0, 2, 18).right - 3, cell(panel, 0, 2, 18).bottom - 3),
            system_rgb(COLOR_HIGHLIGHT));
  // The buttons' images from the library's image list, before their names in the right half of
  // the bottom bar: the open folder's flap, the disk's body.
  const auto in_buttons = [&](std::uint32_t rgb) {
    for (int y = 312; y < 336; ++y) {
      for (int x = panel.client_width() / 2; x < panel.client_width(); ++x) {
        if (panel.pixel(x, y) == rgb) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(in_buttons(0xF8CF8Cu));
  EXPECT_TRUE(in_buttons(0x3A80D4u));
  // Rows 18 high: swatches 12 high, one row and a grid line apart.
  const auto [top1, bottom1] = outline_rows(panel, 1, 18);
  const auto [top2, bottom2] = outline_rows(panel, 2, 18);
  EXPECT_EQ(bottom1 - top1, 12);
  EXPECT_EQ(top2 - top1, 19);

  const Picture status_panel(status, client_origin(panel_style, WS_EX_TOOLWINDOW));
  ASSERT_TRUE(status_panel.loaded());
  for (int col = 0; col < 3; ++col)
    EXPECT_TRUE(status_panel.has_dark_pixels(cell(status_panel, col, 0, 18))) << "header " << col;
  EXPECT_TRUE(shows_hatch(status_panel, 1, 18));  // the default category has no colour

  // The colour dialog stood with the answer typed into its field, the basic colours above it.
  const Picture colors(color_dialog, client_origin(dialog_style, WS_EX_DLGMODALFRAME));
  ASSERT_TRUE(colors.loaded());
  EXPECT_GE(colors.width(), color_dialog_client.cx);
  EXPECT_TRUE(colors.has_dark_pixels({8 + 2, 240 + 2, 8 + 76, 240 + 19}));
  EXPECT_EQ(colors.pixel(8 + 1 + 13, 22 + 20 + 9), 0xFF0000u);  // basic colour in row 1, column 0

  // The file dialogs stood open and filled before they were confirmed.
  for (const std::string& dialog : {save_dialog, open_dialog}) {
    const Picture picture(dialog, {0, 0});
    ASSERT_TRUE(picture.loaded()) << dialog;
    EXPECT_GT(picture.width(), 300) << dialog;
  }

  // The name dialog stood with the name typed and its OK button enabled (dark caption).
  const Picture name(name_dialog, client_origin(dialog_style, WS_EX_DLGMODALFRAME));
  ASSERT_TRUE(name.loaded());
  EXPECT_GE(name.width(), name_dialog_client.cx);
  EXPECT_TRUE(name.has_dark_pixels({8 + 2, 8 + 2, 8 + 161, 8 + 19}));
  EXPECT_TRUE(name.has_dark_pixels({8 + 4, 35 + 4, 8 + 71, 35 + 21}));
}

TEST_F(Win32Session, TouchModeRowsAre26High) {
  const std::string touch = file("batch-panel-touch.png").string();
  const auto result = run("--touch", "click Batches\nsnapshot panel batch " + touch + "\nquit\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const Picture panel(touch, client_origin(panel_style, WS_EX_TOOLWINDOW));
  ASSERT_TRUE(panel.loaded());
  const auto [top1, bottom1] = outline_rows(panel, 1, 26);
  const auto [top2, bottom2] = outline_rows(panel, 2, 26);
  EXPECT_EQ(bottom1 - top1, 20);
  EXPECT_EQ(top2 - top1, 27);
  for (int col = 0; col < 3; ++col)
    EXPECT_TRUE(panel.has_dark_pixels(cell(panel, col, 0, 26))) << "header " << col;
}

TEST_F(Win32Session, RowsThatDoNotFitGetAScrollBar) {
  std::string values;
  for (int i = 1; i <= 20; ++i) values += (i > 1 ? ";" : "") + std::string("b") + std::to_string(i);
  const std::string scrolled = file("batch-panel-scrolled.png").string();
  const auto result =
      run("", "click Batches\npanel batch key end\nsnapshot panel batch " + scrolled + "\nquit\n",
          "storeys=1,assemblies=20,values=" + values);
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  const Picture panel(scrolled, client_origin(panel_style, WS_EX_TOOLWINDOW));
  ASSERT_TRUE(panel.loaded());
  // The scroll bar, 17 wide inside the grid's right border: its arrows drawn dark, its track not
  // white; the swatch column ends where it begins.
  const int bar_left = panel.client_width() - 1 - 17;
  EXPECT_TRUE(panel.has_dark_pixels({bar_left + 2, 1 + 2, bar_left + 15, 1 + 15}));
  EXPECT_TRUE(panel.has_dark_pixels({bar_left + 2, 311 - 15, bar_left + 15, 311 - 2}));
  // The system's track is drawn in its own pattern (a dither under Wine): not all white.
  int track_not_white = 0;
  for (int y = 40; y < 280; ++y) track_not_white += panel.pixel(bar_left + 8, y) != 0xFFFFFFu ? 1 : 0;
  EXPECT_GT(track_not_white, 0);
  // The last row, current, is in view at the bottom: its cell highlighted under the header.
  EXPECT_EQ(panel.pixel(120, 1 + 15 * 19 + 9), system_rgb(COLOR_HIGHLIGHT));
  EXPECT_TRUE(panel.has_dark_pixels({1, 1, 100, 19}));
}

TEST_F(Win32Session, AFailedSaveShowsTheErrorMessageBox) {
  const std::string message = file("save-error-message.png").string();
  const std::string unwritable = file("missing-folder").string() + "\\batches.csv";
  const auto result = run("", "click Batches\nsnapshot dialog message " + message + "\nanswer save " +
                                  unwritable + "\npanel batch save\nquit\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.errors, HasSubstr("message box \"TORV\" (error): "));
  // The real box stood on the screen with its error icon, a red disc.
  const Picture box(message, {0, 0});
  ASSERT_TRUE(box.loaded());
  bool red_icon = false;
  for (int y = 0; y < std::min(box.height(), 80) && !red_icon; ++y) {
    for (int x = 0; x < std::min(box.width(), 80) && !red_icon; ++x) {
      const std::uint32_t rgb = box.pixel(x, y);
      red_icon = red(rgb) > 0xC0 && green(rgb) < 0x50 && blue(rgb) < 0x50;
    }
  }
  EXPECT_TRUE(red_icon);
}

// The export's real save dialog: a workbook's name keeps its extension and writes the workbook; a
// name without one, typed as a user types it, gets the first type's, the CSV report's.
TEST_F(Win32Session, TheExportDialogWritesTheTypeItsNameNames) {
  const std::string dialog = file("export-dialog.png").string();
  const std::filesystem::path workbook = file("objects.xlsx");
  const auto result =
      run("", lines({"answer save " + workbook.string(), "snapshot dialog save " + dialog, "click Export",
                     "answer keys " + file("typed").string() + "{ENTER}", "click Export", "quit"}));
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  EXPECT_THAT(result.errors, Not(HasSubstr("message box")));
  EXPECT_EQ(torv_test::read_file(workbook).substr(0, 2), "PK");
  EXPECT_FALSE(std::filesystem::exists(file("objects.xlsx.csv")));
  EXPECT_THAT(torv_test::read_file(file("typed.csv")), ::testing::StartsWith("IFC GUID,BATCH,"));
  const Picture picture(dialog, {0, 0});
  EXPECT_TRUE(picture.loaded());
}

TEST_F(Win32Session, TheGridTakesTheMouseAndKeysThroughItsWindow) {
  const auto result = run("",
                          "click Batches\n"
                          "panel batch row 1\npanel batch key down\npanel batch key space\nprint selection\n"
                          "panel batch key up\npanel batch dblclick\nprint selection\n"
                          "answer color FF112233\npanel batch swatch 2\n"
                          "answer color FF445566\npanel batch swatch 1 right\n"
                          "print panel batch\nquit\n");
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // Down then Space selects B's assembly; Up then a double click, A's.
  EXPECT_THAT(result.out, HasSubstr("IfcElementAssembly\tAssembly 2\n1 objects\n"));
  EXPECT_THAT(result.out, HasSubstr("IfcElementAssembly\tAssembly 1\nBatches\tvisible\n"));
  // A left press on B's swatch colours B; a right press on A's swatch leaves the current cell on
  // B's swatch, whose colour it chooses again.
  EXPECT_THAT(result.out, HasSubstr("B\t1\t445566FF\n"));
}

TEST_F(Win32Session, NamesShowAsTextInTheSystemsColoursAndScale) {
  const std::string standard = file("batch-panel-long-name.png").string();
  const std::string contrast = file("batch-panel-high-contrast.png").string();
  const std::string large_font = file("batch-panel-large-message-font.png").string();
  const std::string scaled = file("batch-panel-150.png").string();
  const std::string name_dialog = file("add-category-dialog-150.png").string();
  // Names with an ampersand and a tab, as a side-car file may hold them.
  const std::string sidecar = file("names.csv").string();
  torv_test::write_file(sidecar,
                        "\xEF\xBB\xBFIFC GUID,BATCH\r\n,A&D S\xC3\xBC"
                        "d\tLot 7 of the northern wing\r\n,B\r\n");
  const auto result = run(
      "",
      lines({"click Batches", "answer open " + sidecar, "panel batch open",
             "snapshot panel batch " + standard, "settings font large", "snapshot panel batch " + large_font,
             "settings font standard", "settings colors high-contrast", "snapshot panel batch " + contrast,
             "settings colors standard", "settings dpi 144", "snapshot panel batch " + scaled,
             "answer name Zeta", "snapshot dialog name " + name_dialog, "panel batch menu add",
             "settings dpi 96", "print panel batch", "answer no", "quit"}));
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // The whole name stays the category's: only the grid shortens it.
  EXPECT_THAT(result.out, HasSubstr("A&D S\xC3\xBC"
                                    "d\tLot 7 of the northern wing\t0\tnone\nB\t0\tnone\nZeta\t0"));

  const POINT frame = client_origin(panel_style, WS_EX_TOOLWINDOW);
  const Picture panel(standard, frame);
  ASSERT_TRUE(panel.loaded());
  // The long name is drawn and cut before the cell's right edge: nothing of it on the last pixels
  // of its cell or on the grid line after it.
  const RECT name = cell(panel, 0, 1, 18);
  EXPECT_TRUE(panel.has_dark_pixels({name.left, name.top, name.left + 40, name.bottom}));
  EXPECT_FALSE(panel.has_dark_pixels({name.right - 2, name.top, name.right + 1, name.bottom}));

  // A larger message font leaves the panel in its own font: the same picture.
  const Picture larger(large_font, frame);
  ASSERT_TRUE(larger.loaded()) << result.errors;
  int differing = 0;
  for (int y = 0; y < panel_client.cy; ++y) {
    for (int x = 0; x < panel.client_width(); ++x)
      differing += larger.pixel(x, y) != panel.pixel(x, y) ? 1 : 0;
  }
  EXPECT_EQ(differing, 0);

  // High Contrast: the header in the button face (black), the rows in the window colour (black),
  // the swatch's hatch and outline as specified.
  const Picture dark_panel(contrast, frame);
  ASSERT_TRUE(dark_panel.loaded());
  EXPECT_EQ(dark_panel.pixel(cell(dark_panel, 0, 0, 18).right - 3, cell(dark_panel, 0, 0, 18).bottom - 3),
            0x000000u);
  EXPECT_EQ(dark_panel.pixel(cell(dark_panel, 1, 2, 18).right - 3, cell(dark_panel, 1, 2, 18).bottom - 3),
            0x000000u);
  EXPECT_TRUE(shows_hatch(dark_panel, 2, 18));
  // Standard colours again: the grid's window is white once more.
  const Picture again(scaled, {0, 0});
  ASSERT_TRUE(again.loaded());

  // At 150% the panel's client area is 1.5 times as large, its rows 27 high, its swatches 18.
  const Picture big(scaled, frame);
  EXPECT_GE(big.width(), panel_client.cx * 3 / 2);
  EXPECT_GE(big.height(), panel_client.cy * 3 / 2);
  int outline_top = -1;
  int outline_bottom = -1;
  const int x = (swatch_cell_left(panel) + 2 + 22) * 3 / 2;
  for (int y = 27; y < 27 + 27; ++y) {
    if (big.pixel(x, y) != 0x7F7F7F) continue;
    if (outline_top < 0) outline_top = y;
    outline_bottom = y;
  }
  EXPECT_EQ(outline_bottom - outline_top, 18);
  // The save button's icon drawn at 24 pixels: the disk's blue body reaches past its 16-pixel size.
  bool blue_far_down = false;
  // The buttons stand in the right half of the bottom bar, their icons before their names.
  const int buttons_left = panel.client_width() / 2 * 3 / 2;
  const int button_top = (312 + 4) * 3 / 2;
  for (int y = button_top + 16; y < button_top + 23; ++y) {
    for (int i = buttons_left; i < panel.client_width() * 3 / 2; ++i) {
      const std::uint32_t rgb = big.pixel(i, y);
      blue_far_down = blue_far_down || (blue(rgb) > 0xA0 && red(rgb) < 0x80);
    }
  }
  EXPECT_TRUE(blue_far_down);
  const Picture dialog(name_dialog, client_origin(dialog_style, WS_EX_DLGMODALFRAME));
  ASSERT_TRUE(dialog.loaded());
  EXPECT_GE(dialog.width(), name_dialog_client.cx * 3 / 2);
}

// The grid's window among the windows of a process.
struct GridSearch {
  DWORD process = 0;
  HWND grid = nullptr;
};

BOOL CALLBACK find_grid(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<GridSearch*>(search_address);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process) search.grid = FindWindowExW(window, nullptr, L"TorvGrid", nullptr);
  return search.grid == nullptr;
}

TEST_F(Win32Session, AScreenReaderIsAnsweredWhileTorvHostWaitsForItsInput) {
  random_session::HostProcess host(
      torv_test::built_folder() / "torv-host.exe",
      {"--plugin", plugin().string(), "--generate", "storeys=1,assemblies=2,values=A;B"});
  std::string out;
  ASSERT_TRUE(host.send("click Batches\nprint panel batch\n"));
  ASSERT_TRUE(host.read_until("No batch", 120, out)) << out;
  // torv-host now waits for its next line, while another program asks for the grid's table.
  GridSearch search{host.id(), nullptr};
  EnumWindows(&find_grid, reinterpret_cast<LPARAM>(&search));
  ASSERT_NE(search.grid, nullptr) << out;
  // The wait is a guard against a hang, not a measure: the answer comes whatever the time.
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutW(search.grid, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_NORMAL,
                                120000, &answer),
            0);
  EXPECT_NE(answer, 0u);
  ASSERT_TRUE(host.send("quit\n"));
  EXPECT_EQ(host.finish(out), 0) << out;
}

}  // namespace
