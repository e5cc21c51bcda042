// The executable's exports: GetProcAddress on the module that started the process.
#include <windows.h>

#include "platform/host_symbols.h"

namespace platform {

void* find_host_symbol(const char* name) {
  const HMODULE program = GetModuleHandleW(nullptr);
  return program != nullptr ? reinterpret_cast<void*>(GetProcAddress(program, name)) : nullptr;
}

}  // namespace platform
