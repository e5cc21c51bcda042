// CreateDirectoryW fails when anything has the name already: a name of random characters is tried
// until one is new. The folder takes the security of the user's temporary folder it is made in.
#include <windows.h>

#include <random>
#include <string_view>

#include "platform/scratch_folder.h"

namespace platform {
namespace {

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

std::optional<NarrowFolder> make_scratch_folder(const NarrowFolder& temporary) {
  // The system's random numbers (rand_s), not a sequence that the time of day would tell.
  std::random_device random;
  constexpr std::string_view characters = "0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::string name = "torv-";
    for (int i = 0; i < 10; ++i) name += characters[random() % characters.size()];
    const std::u16string path = temporary.path + u'\\' + std::u16string(name.begin(), name.end());
    if (CreateDirectoryW(wide(path), nullptr) != 0) return NarrowFolder{path, temporary.narrow + '\\' + name};
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::nullopt;
  }
  return std::nullopt;
}

void remove_scratch_folder(const std::u16string& path) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(wide(path + u"\\*"), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::u16string name = reinterpret_cast<const char16_t*>(found.cFileName);
      if (name == u"." || name == u"..") continue;
      // A link to a folder is removed as a folder, never followed.
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveDirectoryW(wide(path + u'\\' + name));
      } else {
        DeleteFileW(wide(path + u'\\' + name));
      }
    } while (FindNextFileW(search, &found) != 0);
    FindClose(search);
  }
  RemoveDirectoryW(wide(path));
}

}  // namespace platform
