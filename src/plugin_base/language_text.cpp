// The viewer owns its texts: they are copied at once.
#include "plugin_base/language_text.h"

#include <algorithm>
#include <string_view>

#include "plugin_base/added_texts.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace cpp {

namespace {

// A viewer answers a key its language file lacks with nothing or with the key itself.
bool names_no_text(std::u16string_view text, std::string_view key) {
  return text.empty() || std::equal(text.begin(), text.end(), key.begin(), key.end());
}

}  // namespace

std::u16string language_text(viewer::HostHandle host, const char* key) {
  std::u16string text = viewer_text(viewer::get_text(host, key));
  if (const char16_t* english = added_text_english(key); english != nullptr && names_no_text(text, key)) {
    return english;
  }
  return text;
}

}  // namespace cpp
