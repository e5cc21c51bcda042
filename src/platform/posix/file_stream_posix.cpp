// fopen on the UTF-8 form of the path.
#include "platform/file_stream.h"
#include "platform/utf8.h"

namespace platform {

std::FILE* open_file(const std::u16string& path, const char* mode) {
  return std::fopen(to_utf8(path).c_str(), mode);
}

}  // namespace platform
