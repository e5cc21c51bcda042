// Resolving the desktop functions by name, as the viewer's functions are.
#include "toolkit/desktop/desktop_link.h"

#include <cstdio>

#include "interface/desktop_api_list.h"
#include "platform/host_symbols.h"
#include "toolkit/desktop/driver.h"

namespace toolkit::desktop {
namespace {

struct DesktopApi {
#define TORV_DESKTOP_POINTER(result, name, parameters, arguments) \
  result(TORV_CALL* name) parameters = nullptr;
  TORV_DESKTOP_API(TORV_DESKTOP_POINTER)
#undef TORV_DESKTOP_POINTER
};

DesktopApi& desktop_api() {
  static DesktopApi api = [] {
    DesktopApi found;
#define TORV_DESKTOP_RESOLVE(result, name, parameters, arguments) \
  found.name = reinterpret_cast<decltype(found.name)>(platform::find_host_symbol(#name));
    TORV_DESKTOP_API(TORV_DESKTOP_RESOLVE)
#undef TORV_DESKTOP_RESOLVE
    return found;
  }();
  return api;
}

const char* TORV_CALL handle_command(const char* command) {
  static std::string reply;
  try {
    reply = run_command(command != nullptr ? command : "");
  } catch (...) {
    reply = "error: the command failed";
  }
  return reply.c_str();
}

}  // namespace

bool desktop_offered() { return desktop_api().torv_desktop_connect != nullptr; }

void connect_desktop() {
  if (desktop_api().torv_desktop_connect != nullptr) desktop_api().torv_desktop_connect(&handle_command);
}

void disconnect_desktop() {
  if (desktop_api().torv_desktop_disconnect != nullptr) desktop_api().torv_desktop_disconnect();
}

std::optional<std::string> desktop_answer(std::string_view dialog) {
  if (desktop_api().torv_desktop_answer == nullptr) return std::nullopt;
  const char* answer = desktop_api().torv_desktop_answer(std::string(dialog).c_str());
  if (answer == nullptr) return std::nullopt;
  return std::string(answer);
}

std::optional<std::string> desktop_keys(std::string_view dialog) {
  if (desktop_api().torv_desktop_keys == nullptr) return std::nullopt;
  const char* keys = desktop_api().torv_desktop_keys(std::string(dialog).c_str());
  if (keys == nullptr) return std::nullopt;
  return std::string(keys);
}

void desktop_message(std::string_view caption, std::string_view text, int icon) {
  if (desktop_api().torv_desktop_message != nullptr) {
    desktop_api().torv_desktop_message(std::string(caption).c_str(), std::string(text).c_str(), icon);
    return;
  }
  std::fprintf(stderr, "message [%.*s]: %.*s\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}

void desktop_dialog_filled(std::string_view dialog, void* window, const std::string& display_list) {
  if (desktop_api().torv_desktop_dialog_filled != nullptr)
    desktop_api().torv_desktop_dialog_filled(std::string(dialog).c_str(), window, display_list.c_str());
}

std::string desktop_clipboard() {
  const char* text =
      desktop_api().torv_desktop_clipboard != nullptr ? desktop_api().torv_desktop_clipboard() : nullptr;
  return text != nullptr ? text : "";
}

void set_desktop_clipboard(const std::string& text) {
  if (desktop_api().torv_desktop_set_clipboard != nullptr)
    desktop_api().torv_desktop_set_clipboard(text.c_str());
}

std::optional<int> desktop_dpi() {
  const std::int32_t dpi = desktop_api().torv_desktop_dpi != nullptr ? desktop_api().torv_desktop_dpi() : 0;
  if (dpi <= 0) return std::nullopt;
  return dpi;
}

void desktop_print(const std::string& text, Stream stream) {
  if (desktop_api().torv_desktop_print != nullptr) {
    desktop_api().torv_desktop_print(text.c_str(), static_cast<std::int32_t>(stream));
    return;
  }
  std::fputs(text.c_str(), stream == Stream::output ? stdout : stderr);
}

}  // namespace toolkit::desktop
