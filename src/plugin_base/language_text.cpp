// The viewer owns its texts: they are copied at once.
#include "plugin_base/language_text.h"

#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace cpp {

std::u16string language_text(viewer::HostHandle host, const char* key) {
  return viewer_text(viewer::get_text(host, key));
}

}  // namespace cpp
