// SHGetFolderPathW for the application-data folders (a failed lookup gives an empty text),
// GetTempPathW for the temporary one.
#include <shlobj.h>
#include <windows.h>

#include <vector>

#include "platform/ansi_code_page.h"
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

std::optional<NarrowFolder> narrow_temp_folder() {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
  if (length >= buffer.size()) {
    buffer.resize(length + 1);
    length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
  }
  if (length == 0 || length >= buffer.size()) return std::nullopt;
  // Without its closing backslash, except a drive's root.
  if (length > 3 && buffer[length - 1] == L'\\') --length;
  std::u16string path(reinterpret_cast<const char16_t*>(buffer.data()), length);
  if (fits_ansi(path)) return NarrowFolder{path, to_ansi(path)};
  // A user name beyond the code page ("Łukasz" on a Western system): the 8.3 name, where the
  // volume keeps them.
  const std::wstring long_path(path.begin(), path.end());
  std::vector<wchar_t> short_name(long_path.size() + 1);
  DWORD short_length =
      GetShortPathNameW(long_path.c_str(), short_name.data(), static_cast<DWORD>(short_name.size()));
  if (short_length >= short_name.size()) {
    short_name.resize(short_length + 1);
    short_length =
        GetShortPathNameW(long_path.c_str(), short_name.data(), static_cast<DWORD>(short_name.size()));
  }
  if (short_length == 0 || short_length >= short_name.size()) return std::nullopt;
  const std::u16string short_path(reinterpret_cast<const char16_t*>(short_name.data()), short_length);
  if (!fits_ansi(short_path)) return std::nullopt;
  return NarrowFolder{path, to_ansi(short_path)};
}

}  // namespace platform
