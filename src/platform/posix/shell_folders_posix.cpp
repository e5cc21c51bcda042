// XDG base directories stand in for the Windows shell folders.
#include <cstdlib>
#include <string_view>

#include "platform/shell_folders.h"
#include "platform/utf8.h"

namespace platform {
namespace {

std::u16string without_trailing_slash(std::string_view path) {
  while (path.size() > 1 && path.back() == '/') path.remove_suffix(1);
  return from_utf8(path);
}

}  // namespace

char16_t path_separator() { return u'/'; }

std::u16string local_app_data_folder() {
  const char* data_home = std::getenv("XDG_DATA_HOME");
  if (data_home != nullptr && *data_home != '\0') return without_trailing_slash(data_home);
  const char* home = std::getenv("HOME");
  return without_trailing_slash(std::string(home != nullptr ? home : "") + "/.local/share");
}

std::u16string common_app_data_folder() {
  const char* data_dirs = std::getenv("XDG_DATA_DIRS");
  if (data_dirs != nullptr && *data_dirs != '\0') {
    const std::string_view dirs(data_dirs);
    return without_trailing_slash(dirs.substr(0, dirs.find(':')));
  }
  return u"/usr/local/share";
}

std::optional<NarrowFolder> narrow_temp_folder() {
  const char* folder = std::getenv("TMPDIR");
  std::string narrow = folder != nullptr && *folder != '\0' ? folder : "/tmp";
  while (narrow.size() > 1 && narrow.back() == '/') narrow.pop_back();
  return NarrowFolder{from_utf8(narrow), narrow};
}

}  // namespace platform
