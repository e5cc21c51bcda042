// A form's picture from its real window, as a screenshot shows it: the frame the system drew and
// the client area the window paints for PrintWindow; GDI+ writes it as PNG. Where a window manager
// draws the frame (Wine's dialogs), the frame stays black.
#include <windows.h>

#include <gdiplus.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "app/picture.h"
#include "platform/utf8.h"

namespace host {
namespace {

// GDI+ for the time of one picture.
class GdiPlusSession {
 public:
  GdiPlusSession() {
    const Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
      throw std::runtime_error("GDI+ does not start");
  }
  ~GdiPlusSession() { Gdiplus::GdiplusShutdown(token_); }
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

CLSID png_encoder() {
  UINT count = 0;
  UINT bytes = 0;
  Gdiplus::GetImageEncodersSize(&count, &bytes);
  std::vector<unsigned char> buffer(bytes);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (bytes == 0 || Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
    throw std::runtime_error("GDI+ has no image encoders");
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring_view(encoders[i].MimeType) == L"image/png") return encoders[i].Clsid;
  }
  throw std::runtime_error("GDI+ has no PNG encoder");
}

// The window in a bitmap of its size: the frame as the system drew it, the client area as the
// window paints itself for PrintWindow. A window of child windows (the system's message box) is
// taken as it stands drawn, since PrintWindow does not draw child windows everywhere (Wine). The
// caller deletes the bitmap.
HBITMAP print_window(HWND window) {
  // A dialog answered at once has not been painted yet: it is drawn now.
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  POINT client_origin{0, 0};
  ClientToScreen(window, &client_origin);
  RECT client{};
  GetClientRect(window, &client);
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HDC client_memory = CreateCompatibleDC(screen);
  HBITMAP client_bitmap =
      CreateCompatibleBitmap(screen, std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  ReleaseDC(nullptr, screen);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  const HGDIOBJ old_client = SelectObject(client_memory, client_bitmap);
  HDC window_dc = GetWindowDC(window);
  BitBlt(memory, 0, 0, width, height, window_dc, 0, 0, SRCCOPY);
  ReleaseDC(window, window_dc);
  const bool has_children = GetWindow(window, GW_CHILD) != nullptr;
  const BOOL printed = has_children || PrintWindow(window, client_memory, PW_CLIENTONLY);
  if (!has_children) {
    BitBlt(memory, client_origin.x - bounds.left, client_origin.y - bounds.top, client.right, client.bottom,
           client_memory, 0, 0, SRCCOPY);
  }
  SelectObject(client_memory, old_client);
  DeleteObject(client_bitmap);
  DeleteDC(client_memory);
  SelectObject(memory, old);
  DeleteDC(memory);
  if (!printed) {
    DeleteObject(bitmap);
    throw std::runtime_error("the window does not print itself");
  }
  return bitmap;
}

}  // namespace

void draw_form_picture(const ShownForm& form, const std::string& png_path) {
  const HWND window = static_cast<HWND>(form.window);
  if (!IsWindow(window)) throw std::runtime_error("the form has no window to take (is there a display?)");
  const GdiPlusSession gdiplus;
  const CLSID encoder = png_encoder();
  HBITMAP bitmap = print_window(window);
  Gdiplus::Status saved = Gdiplus::GenericError;
  {
    Gdiplus::Bitmap picture(bitmap, nullptr);
    const std::u16string path = platform::from_utf8(png_path);
    saved = picture.Save(reinterpret_cast<const wchar_t*>(path.c_str()), &encoder, nullptr);
  }
  DeleteObject(bitmap);
  if (saved != Gdiplus::Ok) throw std::runtime_error("cannot write " + png_path);
}

}  // namespace host
