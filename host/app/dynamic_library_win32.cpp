// LoadLibraryW, as the viewer loads its plug-ins.
#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "app/dynamic_library.h"
#include "platform/utf8.h"

namespace host {

DynamicLibrary::DynamicLibrary(const std::u16string& path)
    : handle_(LoadLibraryW(reinterpret_cast<const wchar_t*>(path.c_str()))) {
  if (handle_ == nullptr) {
    if (!std::filesystem::exists(std::filesystem::path(path)))
      throw std::runtime_error("no such file: " + platform::to_utf8(path));
    throw std::runtime_error("cannot load the plug-in library " + platform::to_utf8(path) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
}

DynamicLibrary::~DynamicLibrary() { FreeLibrary(static_cast<HMODULE>(handle_)); }

void* DynamicLibrary::symbol(const char* name) const {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

}  // namespace host
