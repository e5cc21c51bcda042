// dlopen with local symbols, as a viewer keeps each plug-in to itself.
#include <dlfcn.h>

#include <filesystem>
#include <stdexcept>

#include "app/dynamic_library.h"
#include "platform/utf8.h"

namespace host {

DynamicLibrary::DynamicLibrary(const std::u16string& path)
    : handle_(dlopen(platform::to_utf8(path).c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) {
    if (!std::filesystem::exists(std::filesystem::path(path)))
      throw std::runtime_error("no such file: " + platform::to_utf8(path));
    const char* reason = dlerror();
    throw std::runtime_error("cannot load the plug-in library " + platform::to_utf8(path) +
                             (reason != nullptr ? std::string(": ") + reason : std::string()));
  }
}

DynamicLibrary::~DynamicLibrary() { dlclose(handle_); }

void* DynamicLibrary::symbol(const char* name) const { return dlsym(handle_, name); }

}  // namespace host
