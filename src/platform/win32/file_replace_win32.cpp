// MoveFileExW with MOVEFILE_REPLACE_EXISTING: the target is replaced, or left as it was.
#include <windows.h>

#include "platform/file_replace.h"

namespace platform {

bool replace_file(const std::u16string& source, const std::u16string& target) {
  return MoveFileExW(reinterpret_cast<const wchar_t*>(source.c_str()),
                     reinterpret_cast<const wchar_t*>(target.c_str()),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void remove_file(const std::u16string& path) { DeleteFileW(reinterpret_cast<const wchar_t*>(path.c_str())); }

}  // namespace platform
