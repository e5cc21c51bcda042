// The desktop: dialogs answered from the queue, message boxes recorded and shown on standard error.
#include "api/desktop_functions.h"

#include <iostream>

#include "api/host_state.h"

namespace host::desktop_api {

void torv_desktop_connect(desktop::CommandHandler handler) { host_state().desktop.handler = handler; }

void torv_desktop_disconnect() { host_state().desktop.handler = nullptr; }

const char* torv_desktop_answer(const char* dialog) {
  Desktop& state = host_state().desktop;
  const std::string kind = dialog != nullptr ? dialog : "";
  const std::optional<std::optional<std::string>> answer = state.take_answer(kind);
  if (!answer) {
    std::cerr << "dialog " << kind << ": cancelled, no answer queued\n";
    return nullptr;
  }
  if (!*answer) return nullptr;
  state.last_answer = **answer;
  return state.last_answer.c_str();
}

const char* torv_desktop_keys(const char* dialog) {
  Desktop& state = host_state().desktop;
  std::optional<std::string> keys = state.take_keys(dialog != nullptr ? dialog : "");
  if (!keys) return nullptr;
  state.last_answer = std::move(*keys);
  return state.last_answer.c_str();
}

void torv_desktop_message(const char* caption, const char* text, std::int32_t icon) {
  static constexpr const char* icons[] = {"", " (information)", " (warning)", " (error)"};
  constexpr std::int32_t question = 4;
  const std::string message = std::string(icon == question ? "question box \"" : "message box \"") +
                              (caption != nullptr ? caption : "") + "\"" +
                              (icon >= 0 && icon < 4 ? icons[icon] : "") + ": " +
                              (text != nullptr ? text : "");
  host_state().desktop.messages.push_back(message);
  std::cerr << message << '\n';
}

const char* torv_desktop_clipboard() { return host_state().desktop.clipboard.c_str(); }

void torv_desktop_set_clipboard(const char* text) {
  host_state().desktop.clipboard = text != nullptr ? text : "";
}

std::int32_t torv_desktop_dpi() { return host_state().desktop.dpi; }

void torv_desktop_print(const char* text, std::int32_t stream) {
  (stream == 2 ? std::cerr : std::cout) << (text != nullptr ? text : "") << std::flush;
}

void torv_desktop_dialog_filled(const char* dialog, void* window, const char* display_list) {
  const Desktop& state = host_state().desktop;
  if (state.dialog_filled)
    state.dialog_filled(dialog != nullptr ? dialog : "", window, display_list != nullptr ? display_list : "");
}

}  // namespace host::desktop_api

namespace host {

std::string desktop_command(const std::string& command) {
  const desktop::CommandHandler handler = host_state().desktop.handler;
  if (handler == nullptr) return "error: the plug-in has no headless toolkit connected";
  const char* reply = handler(command.c_str());
  return reply != nullptr ? reply : "";
}

}  // namespace host
