// Process attach and detach of the shared object: its constructor and destructor functions.
#include <dlfcn.h>

#include "platform/library_entry.h"

namespace {

platform::ModuleHandle this_library() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&this_library), &info) == 0) return nullptr;
  return info.dli_fbase;
}

__attribute__((constructor)) void attach_to_process() { platform::on_process_attach(this_library()); }

__attribute__((destructor)) void detach_from_process() { platform::on_process_detach(); }

}  // namespace
