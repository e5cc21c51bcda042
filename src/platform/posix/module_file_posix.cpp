// The library's own file name, as the dynamic loader reports it for an address inside it.
#include <dlfcn.h>

#include "platform/module_file.h"
#include "platform/utf8.h"

namespace platform {

std::u16string module_file_name(ModuleHandle library) {
  Dl_info info{};
  if (library == nullptr || dladdr(library, &info) == 0 || info.dli_fname == nullptr) return {};
  return from_utf8(info.dli_fname);
}

}  // namespace platform
