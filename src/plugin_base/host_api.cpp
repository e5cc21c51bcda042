// Resolution of the host function table by name.
#include "plugin_base/host_api.h"

#include "platform/host_symbols.h"

namespace viewer {

HostApi host_api{};

void resolve_host_api() {
  static bool resolved = false;
  if (resolved) return;
  resolved = true;
#define TORV_HOST_API_RESOLVE(result, name, parameters, arguments) \
  host_api.name = reinterpret_cast<decltype(host_api.name)>(platform::find_host_symbol(#name));
  TORV_HOST_API(TORV_HOST_API_RESOLVE)
#undef TORV_HOST_API_RESOLVE
}

}  // namespace viewer
