// rename() replaces the target atomically within one file system.
#include <cstdio>

#include "platform/file_replace.h"
#include "platform/utf8.h"

namespace platform {

bool replace_file(const std::u16string& source, const std::u16string& target) {
  return std::rename(to_utf8(source).c_str(), to_utf8(target).c_str()) == 0;
}

void remove_file(const std::u16string& path) { std::remove(to_utf8(path).c_str()); }

}  // namespace platform
