// SHGetFolderPathW for the application-data folders; a failed lookup gives an empty text.
#include <shlobj.h>
#include <windows.h>

#include "platform/shell_folders.h"

namespace platform {
namespace {

std::u16string shell_folder(int csidl) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, buffer))) return {};
  return reinterpret_cast<const char16_t*>(buffer);
}

}  // namespace

char16_t path_separator() { return u'\\'; }

std::u16string local_app_data_folder() { return shell_folder(CSIDL_LOCAL_APPDATA); }

std::u16string common_app_data_folder() { return shell_folder(CSIDL_COMMON_APPDATA); }

}  // namespace platform
