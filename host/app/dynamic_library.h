// Loading a library by path and finding its exports: dlopen or LoadLibraryW.
#pragma once

#include <string>

namespace host {

class DynamicLibrary {
 public:
  // Throws std::runtime_error with the system's reason when the library cannot be loaded.
  explicit DynamicLibrary(const std::u16string& path);
  ~DynamicLibrary();
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // Null when the library does not export the name.
  void* symbol(const char* name) const;

 private:
  void* handle_;
};

}  // namespace host
