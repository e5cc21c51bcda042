// The viewer owns its texts: they are copied at once.
#include "plugin_base/language_text.h"

#include "plugin_base/host_api.h"

namespace cpp {

std::u16string language_text(viewer::HostHandle host, const char* key) {
  const char16_t* text = viewer::get_text(host, key);
  return text != nullptr ? text : u"";
}

}  // namespace cpp
