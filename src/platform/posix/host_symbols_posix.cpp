// The executable's exports, as GetProcAddress on the main module finds them on Windows.
#include <dlfcn.h>
#include <link.h>

#include "platform/host_symbols.h"

namespace platform {

void* find_host_symbol(const char* name) {
  // dlopen(nullptr) names the main program; it needs no dlclose.
  void* program = dlopen(nullptr, RTLD_LAZY);
  if (program == nullptr) return nullptr;
  void* symbol = dlsym(program, name);
  if (symbol == nullptr) return nullptr;
  // dlsym searches the program's libraries too, and libc exports one of the host's names
  // (select): only a function that the program itself defines is the host's.
  link_map* program_map = nullptr;
  link_map* owner_map = nullptr;
  Dl_info info{};
  if (dlinfo(program, RTLD_DI_LINKMAP, &program_map) != 0 ||
      dladdr1(symbol, &info, reinterpret_cast<void**>(&owner_map), RTLD_DL_LINKMAP) == 0) {
    return nullptr;
  }
  return owner_map == program_map ? symbol : nullptr;
}

}  // namespace platform
