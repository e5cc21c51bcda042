// The Windows backend's real windows: a panel is a tool window whose grid GDI+ paints, captured
// the way a screenshot tool does (PrintWindow). Needs a display (under Wine: xvfb-run).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "api/desktop_functions.h"
#include "support/case_label.h"
#include "support/needed_display.h"
#include "support/panel_fixture.h"

namespace {

using Win32Panel = torv_test::PanelFixture;

// The window's client area as a screenshot tool takes it; with TORV_TEST_CAPTURE set, also
// written there as a 24-bit BMP file to look at.
class Capture {
 public:
  explicit Capture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    memory_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
    old_ = SelectObject(memory_, bitmap_);
    ReleaseDC(nullptr, screen);
    // The client area as it stands drawn, the controls' child windows with it (PrintWindow
    // does not draw child windows everywhere, Wine among them).
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC client_dc = GetDC(window);
    BitBlt(memory_, 0, 0, width_, height_, client_dc, 0, 0, SRCCOPY);
    ReleaseDC(window, client_dc);
    if (const char* path = std::getenv("TORV_TEST_CAPTURE")) save_bmp(path);
  }
  ~Capture() {
    SelectObject(memory_, old_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
  }
  Capture(const Capture&) = delete;
  Capture& operator=(const Capture&) = delete;

  // The colour at a point, as 0xRRGGBB.
  std::uint32_t pixel(int x, int y) const {
    const COLORREF color = GetPixel(memory_, x, y);
    return static_cast<std::uint32_t>(GetRValue(color)) << 16 |
           static_cast<std::uint32_t>(GetGValue(color)) << 8 | GetBValue(color);
  }

 private:
  void save_bmp(const char* path) const {
    const int row = (width_ * 3 + 3) / 4 * 4;
    std::vector<unsigned char> pixels(static_cast<std::size_t>(row * height_));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, height_, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory_, bitmap_, 0, static_cast<UINT>(height_), pixels.data(), &info, DIB_RGB_COLORS);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    const BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(offset + pixels.size()), 0, 0, offset};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
  }

  int width_ = 0;
  int height_ = 0;
  HDC memory_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

TEST_F(Win32Panel, IsAToolWindowWhoseSwatchesGdiPlusPaints) {
  TORV_NEEDS_WINDOWS();
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\nanswer color FFE03C31\npanel batch swatch 1\n");
  HWND window = FindWindowW(L"TorvForm", L"Batches");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  RECT client{};
  GetClientRect(window, &client);
  // As designed, and wider where the check box and the buttons' names need it.
  EXPECT_GE(client.right, 245);
  EXPECT_EQ(client.bottom, 336);
  // The first swatch, as the display list places it.
  const std::string picture = host::desktop_command("paint batch");
  const auto hatch = picture.find("hatch ");
  ASSERT_NE(hatch, std::string::npos);
  int x = 0, y = 0, w = 0, h = 0;
  std::sscanf(picture.c_str() + hatch, "hatch %d %d %d %d", &x, &y, &w, &h);
  const Capture capture(window);
  EXPECT_EQ(capture.pixel(x + w / 2, y + h / 2), 0xE03C31u);
  // The second swatch has no colour: its hatch shows between white and the hatch's grey.
  const std::uint32_t hatched = capture.pixel(x + 1, y + 19 + 5);
  const std::uint32_t red = hatched >> 16, green = (hatched >> 8) & 0xFF, blue = hatched & 0xFF;
  EXPECT_TRUE(red == green && green == blue && red >= 0xC8) << std::hex << hatched;
  run_session("panel batch close\n");
  EXPECT_FALSE(IsWindowVisible(window));
}

// The system's colours that the grid paints with, as a scheme sets them; put back as they were
// when the test ends.
constexpr int scheme_parts[] = {COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                COLOR_BTNTEXT, COLOR_HIGHLIGHT,  COLOR_HIGHLIGHTTEXT};

class SystemColors {
 public:
  explicit SystemColors(const std::vector<COLORREF>& scheme) {
    for (const int part : scheme_parts) saved_.push_back(GetSysColor(part));
    if (!scheme.empty()) SetSysColors(static_cast<int>(std::size(scheme_parts)), scheme_parts, scheme.data());
  }
  ~SystemColors() { SetSysColors(static_cast<int>(std::size(scheme_parts)), scheme_parts, saved_.data()); }
  SystemColors(const SystemColors&) = delete;
  SystemColors& operator=(const SystemColors&) = delete;

 private:
  std::vector<COLORREF> saved_;
};

std::uint32_t rgb_of(int part) {
  const COLORREF color = GetSysColor(part);
  return static_cast<std::uint32_t>(GetRValue(color)) << 16 |
         static_cast<std::uint32_t>(GetGValue(color)) << 8 | GetBValue(color);
}

struct SchemeCase {
  std::string label;
  std::vector<COLORREF> colors;  // in the order of scheme_parts; none: Wine's own
};

class Win32PanelCurrentRow : public torv_test::PanelFixture,
                             public ::testing::WithParamInterface<SchemeCase> {};

// The current row is the whole row, in the highlight with the focus and in the button face framed
// by the highlight without it, so that it shows where the face is the window's colour (High
// Contrast); its count in the row's text colour, the grey only on the other rows. Left and Right
// move nothing.
TEST_P(Win32PanelCurrentRow, StaysInSightWithAndWithoutTheFocus) {
  TORV_NEEDS_WINDOWS();
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\npanel batch row 1\npanel batch key right\n");
  HWND window = FindWindowW(L"TorvForm", L"Batches");
  ASSERT_NE(window, nullptr);
  HWND grid = FindWindowExW(window, nullptr, L"TorvGrid", nullptr);
  ASSERT_NE(grid, nullptr);
  const SystemColors scheme(GetParam().colors);
  ASSERT_NE(rgb_of(COLOR_HIGHLIGHT), rgb_of(COLOR_WINDOW));
  // Row 1 of the grid's cells: the name, then the count and colour 50 wide, one-pixel lines, rows
  // of 18 under the header; in the form's client area.
  RECT inside{};
  GetClientRect(grid, &inside);
  POINT origin{};
  MapWindowPoints(grid, window, &origin, 1);
  const int top = origin.y + 19;
  const int middle = top + 9;
  const int count_left = origin.x + inside.right - 101;
  const int right = origin.x + inside.right - 1;
  const auto count_colors = [&](const Capture& capture, int row_top) {
    std::vector<std::uint32_t> colors;
    for (int y = row_top + 2; y < row_top + 16; ++y) {
      for (int x = count_left + 3; x < count_left + 20; ++x) colors.push_back(capture.pixel(x, y));
    }
    return colors;
  };
  const auto has = [](const std::vector<std::uint32_t>& colors, std::uint32_t color) {
    return std::find(colors.begin(), colors.end(), color) != colors.end();
  };
  for (const bool focused : {true, false}) {
    SCOPED_TRACE(focused ? "with the focus" : "without the focus");
    SetFocus(focused ? grid : window);
    const Capture capture(window);
    const std::uint32_t fill = rgb_of(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
    // Past the name's text, past the count, right of the swatch, and on the line between cells.
    for (const int x : {count_left - 10, count_left + 40, right - 2, count_left - 1})
      EXPECT_EQ(capture.pixel(x, middle), fill) << x;
    if (!focused) {
      EXPECT_EQ(capture.pixel(count_left - 10, top), rgb_of(COLOR_HIGHLIGHT));
      EXPECT_EQ(capture.pixel(count_left - 10, top + 17), rgb_of(COLOR_HIGHLIGHT));
      EXPECT_EQ(capture.pixel(origin.x, middle), rgb_of(COLOR_HIGHLIGHT));
      EXPECT_EQ(capture.pixel(right, middle), rgb_of(COLOR_HIGHLIGHT));
    }
    const std::vector<std::uint32_t> current_count = count_colors(capture, top);
    EXPECT_TRUE(has(current_count, rgb_of(focused ? COLOR_HIGHLIGHTTEXT : COLOR_BTNTEXT)));
    EXPECT_FALSE(has(current_count, 0x808080u));
    EXPECT_TRUE(has(count_colors(capture, top + 19), 0x808080u)) << "the next row's count";
  }
}

INSTANTIATE_TEST_SUITE_P(Scheme, Win32PanelCurrentRow,
                         ::testing::Values(SchemeCase{"wine", {}},
                                           SchemeCase{"high_contrast_black",
                                                      {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0),
                                                       RGB(255, 255, 255), RGB(26, 235, 255), RGB(0, 0, 0)}},
                                           SchemeCase{"high_contrast_white",
                                                      {RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255),
                                                       RGB(0, 0, 0), RGB(55, 0, 110), RGB(255, 255, 255)}}),
                         torv_test::CaseLabel());

// A side-car file that another program (a spreadsheet) holds open without sharing: the panel says
// it could not be read, and a save over it asks first instead of replacing it with the list shown.
using LockedSidecar = torv_test::PanelFixture;

TEST_F(LockedSidecar, IsToldAndNotSavedOverUnasked) {
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::string theirs = "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Theirs\r\n";
  torv_test::write_file(sidecar("batching"), theirs);
  const HANDLE locked = CreateFileW(sidecar("batching").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  run_session("click Batches\n");
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  EXPECT_EQ(state().desktop.messages[0].rfind(
                "message box \"TORV\" (warning): model.batching.csv could not be read: ", 0),
            0u);
  EXPECT_NE(state().desktop.messages[0].find(". The batches shown are not from it."), std::string::npos);
  CloseHandle(locked);
  run_session("answer no\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_NE(state().desktop.messages.back().find("was not read whole when the list was filled"),
            std::string::npos);
  std::ifstream file(sidecar("batching"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), theirs);
}

}  // namespace
