// _wfopen takes the UTF-16 path as it is.
#include <string>

#include "platform/file_stream.h"

namespace platform {

std::FILE* open_file(const std::u16string& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), wide_mode.c_str());
}

}  // namespace platform
