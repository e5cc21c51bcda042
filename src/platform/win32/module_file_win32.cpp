// The library's own file name, cut at MAX_PATH as the system reports it.
#include <windows.h>

#include "platform/module_file.h"

namespace platform {

std::u16string module_file_name(ModuleHandle library) {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(static_cast<HMODULE>(library), buffer, MAX_PATH);
  return {reinterpret_cast<const char16_t*>(buffer), length};
}

}  // namespace platform
