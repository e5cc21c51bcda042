// Host API, the viewer's interface: colours, view rectangle, touch mode, language texts.
#include "api/host_functions.h"
#include "api/host_state.h"
#include "api/language_file.h"

namespace host::api {

std::uint32_t get_gui_color(HostHandle, std::int32_t) { return host_state().gui_color; }

void get_view_rect(HostHandle, ViewRect* rect) {
  if (rect != nullptr) *rect = host_state().view_rect;
}

bool is_touch_mode(HostHandle) { return host_state().touch_mode; }

const char16_t* get_language(HostHandle) { return host_state().handed_out_always(host_state().language); }

bool load_texts(HostHandle, const char16_t* path) {
  if (path == nullptr) return false;
  host_state().text_files_asked.emplace_back(path);
  auto texts = read_language_file(path);
  if (!texts) return false;
  host_state().texts = std::move(*texts);
  return true;
}

// A key the loaded texts lack answers with the key itself.
const char16_t* get_text(HostHandle, const char* key) {
  if (key == nullptr) return nullptr;
  HostState& state = host_state();
  const auto found = state.texts.find(key);
  if (found != state.texts.end()) return state.handed_out_always(found->second);
  const std::string narrow(key);
  return state.handed_out_always(
      state.unknown_keys.try_emplace(narrow, narrow.begin(), narrow.end()).first->second);
}

}  // namespace host::api
