// The host's few needs of the operating system, on Windows.
#include <io.h>
#include <shlobj.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "app/host_platform.h"
#include "platform/utf8.h"

namespace host {

// The Windows build reads no IFC files.
void start_with_fixed_addresses(char**) {}

// The narrow arguments went through the ANSI code page, which has no room for most characters.
std::vector<std::string> command_line_arguments(int, char**) {
  int count = 0;
  wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> utf8;
  for (int i = 1; i < count; ++i)
    utf8.push_back(platform::to_utf8(reinterpret_cast<const char16_t*>(arguments[i])));
  LocalFree(arguments);
  return utf8;
}

std::u16string executable_folder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  std::u16string path(reinterpret_cast<const char16_t*>(buffer), length);
  return path.substr(0, path.rfind(u'\\') + 1);
}

const char16_t* default_plugin_file_name() { return u"torv.dll"; }

std::u16string local_app_data_folder() {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buffer))) return {};
  return reinterpret_cast<const char16_t*>(buffer);
}

bool input_is_terminal() { return _isatty(_fileno(stdin)) != 0; }

namespace {

// Standard input read by a thread of its own, a piece at a time, while the main thread dispatches
// the windows' messages until the piece is there: a pipe or a file cannot be waited on together
// with the message queue, only a console can.
class PumpingInput : public std::streambuf {
 public:
  PumpingInput()
      : read_(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
        taken_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
  PumpingInput(const PumpingInput&) = delete;
  PumpingInput& operator=(const PumpingInput&) = delete;

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (ended_ || read_ == nullptr || taken_ == nullptr) return traits_type::eof();
    if (reader_ == nullptr) {
      reader_ = CreateThread(nullptr, 0, &read_pieces, this, 0, nullptr);
      if (reader_ == nullptr) return traits_type::eof();
    }
    wait_for_piece();
    // The C runtime's text mode, which std::cin has, drops the carriage returns of line ends.
    text_.clear();
    for (DWORD i = 0; i < piece_size_; ++i) {
      if (piece_[i] != '\r') text_ += piece_[i];
    }
    ended_ = piece_size_ == 0;
    SetEvent(taken_);
    if (text_.empty()) return ended_ ? traits_type::eof() : underflow();
    setg(text_.data(), text_.data(), text_.data() + text_.size());
    return traits_type::to_int_type(*gptr());
  }

 private:
  static DWORD WINAPI read_pieces(void* parameter) {
    auto& input = *static_cast<PumpingInput*>(parameter);
    const HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
    do {
      if (!ReadFile(handle, input.piece_, sizeof input.piece_, &input.piece_size_, nullptr))
        input.piece_size_ = 0;
      SetEvent(input.read_);
      WaitForSingleObject(input.taken_, INFINITE);
    } while (input.piece_size_ != 0);
    return 0;
  }

  void wait_for_piece() {
    while (MsgWaitForMultipleObjects(1, &read_, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
    }
  }

  HANDLE read_;
  HANDLE taken_;
  HANDLE reader_ = nullptr;
  char piece_[4096] = {};
  DWORD piece_size_ = 0;
  std::string text_;
  bool ended_ = false;
};

}  // namespace

std::istream& standard_input() {
  // Without windows there are no messages to dispatch.
  if (main_window() == nullptr) return std::cin;
  static PumpingInput buffer;
  static std::istream input(&buffer);
  return input;
}

void* main_window() {
  static const HWND window = [] {
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.lpfnWndProc = &DefWindowProcW;
    description.hInstance = GetModuleHandleW(nullptr);
    description.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    description.lpszClassName = L"TorvHostMainWindow";
    RegisterClassExW(&description);
    const HWND made = CreateWindowExW(0, description.lpszClassName, L"torv-host", WS_OVERLAPPEDWINDOW, 0, 0,
                                      1024, 768, nullptr, nullptr, description.hInstance, nullptr);
    if (made != nullptr) ShowWindow(made, SW_SHOWNOACTIVATE);
    return made;
  }();
  return window;
}

void set_system_clipboard(const std::u16string& text) {
  if (!OpenClipboard(static_cast<HWND>(main_window()))) return;
  EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

namespace {

// The parts of the system's colours that the grid and forms paint with, and the High Contrast
// Black theme's values for them.
constexpr int changed_colors[] = {COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                  COLOR_BTNTEXT, COLOR_HIGHLIGHT,  COLOR_HIGHLIGHTTEXT};
constexpr COLORREF high_contrast[] = {RGB(0, 0, 0),       RGB(255, 255, 255), RGB(0, 0, 0),
                                      RGB(255, 255, 255), RGB(26, 235, 255),  RGB(0, 0, 0)};

std::vector<COLORREF>& standard_colors() {
  static std::vector<COLORREF> saved;
  return saved;
}

BOOL CALLBACK tell_dpi(HWND window, LPARAM dpi) {
  if (!IsWindowVisible(window) || window == static_cast<HWND>(main_window())) return TRUE;
  RECT place{};
  GetWindowRect(window, &place);
  SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
  return TRUE;
}

}  // namespace

// The message font (of message boxes and many programs' forms) twice as high, or as it was.
void change_message_font(bool large) {
  static std::optional<LONG> standard_height;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
  if (!standard_height) standard_height = metrics.lfMessageFont.lfHeight;
  metrics.lfMessageFont.lfHeight = large ? *standard_height * 2 : *standard_height;
  // Told to every window, not stored.
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, SPIF_SENDCHANGE);
}

std::string change_system_setting(const std::string& setting, const std::string& value) {
  if (main_window() == nullptr) return "system settings need a display";
  if (setting == "font" && (value == "large" || value == "standard")) {
    change_message_font(value == "large");
    return {};
  }
  if (setting == "colors" && (value == "high-contrast" || value == "standard")) {
    constexpr int count = static_cast<int>(std::size(changed_colors));
    std::vector<COLORREF>& saved = standard_colors();
    if (saved.empty()) {
      for (const int index : changed_colors) saved.push_back(GetSysColor(index));
    }
    // SetSysColors tells every top-level window (WM_SYSCOLORCHANGE) and is not stored.
    SetSysColors(count, changed_colors, value == "standard" ? saved.data() : high_contrast);
    return {};
  }
  if (setting == "dpi") {
    const int dpi = std::atoi(value.c_str());
    if (dpi < 48 || dpi > 480) return "settings dpi N: N from 48 to 480";
    // The plug-in's windows made from now on take the new scale from the desktop, as from a monitor.
    host_state().desktop.dpi = dpi;
    EnumThreadWindows(GetCurrentThreadId(), &tell_dpi, dpi);
    return {};
  }
  return "settings colors high-contrast|standard, settings font large|standard, or settings dpi N";
}

}  // namespace host
