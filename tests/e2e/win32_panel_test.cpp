// The Windows backend's real windows: a panel is a tool window whose grid GDI+ paints, captured
// the way a screenshot tool does (PrintWindow). Needs a display (under Wine: xvfb-run).
#include <windows.h>

#include <gtest/gtest.h>

#include "api/desktop_functions.h"
#include "support/panel_fixture.h"

namespace {

using Win32Panel = torv_test::PanelFixture;

// The colour at a point of the window's client area, as 0xRRGGBB.
std::uint32_t client_pixel(HWND window, int x, int y) {
  RECT client{};
  GetClientRect(window, &client);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  PrintWindow(window, memory, PW_CLIENTONLY);
  const COLORREF color = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return static_cast<std::uint32_t>(GetRValue(color)) << 16 |
         static_cast<std::uint32_t>(GetGValue(color)) << 8 | GetBValue(color);
}

TEST_F(Win32Panel, IsAToolWindowWhoseSwatchesGdiPlusPaints) {
  load_model("storeys=1,assemblies=2,values=A;B");
  run_session("click Batches\nanswer color FFE03C31\npanel batch swatch 1\n");
  HWND window = FindWindowW(L"TorvForm", L"Batches");
  if (window == nullptr) GTEST_SKIP() << "no window: the tests need a display (xvfb-run)";
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 245);
  EXPECT_EQ(client.bottom, 336);
  // The first swatch, as the display list places it.
  const std::string picture = host::desktop_command("paint batch");
  const auto hatch = picture.find("hatch ");
  ASSERT_NE(hatch, std::string::npos);
  int x = 0, y = 0, w = 0, h = 0;
  std::sscanf(picture.c_str() + hatch, "hatch %d %d %d %d", &x, &y, &w, &h);
  EXPECT_EQ(client_pixel(window, x + w / 2, y + h / 2), 0xE03C31u);
  // The second swatch has no colour: its hatch shows between white and the hatch's grey.
  const std::uint32_t hatched = client_pixel(window, x + 1, y + 19 + 5);
  const std::uint32_t red = hatched >> 16, green = (hatched >> 8) & 0xFF, blue = hatched & 0xFF;
  EXPECT_TRUE(red == green && green == blue && red >= 0xC8) << std::hex << hatched;
  run_session("panel batch close\n");
  EXPECT_FALSE(IsWindowVisible(window));
}

}  // namespace
