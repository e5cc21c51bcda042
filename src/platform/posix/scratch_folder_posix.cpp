// mkdtemp(3) makes the folder with mode 0700 and a name of random characters.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "platform/scratch_folder.h"
#include "platform/utf8.h"

namespace platform {

std::optional<NarrowFolder> make_scratch_folder(const NarrowFolder& temporary) {
  std::string pattern = temporary.narrow + "/torv-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return std::nullopt;
  const std::string made(name.data());
  return NarrowFolder{from_utf8(made), made};
}

void remove_scratch_folder(const std::u16string& path) {
  const std::string folder = to_utf8(path);
  const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor >= 0) {
    if (DIR* entries = fdopendir(descriptor)) {
      while (const dirent* entry = readdir(entries)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        if (unlinkat(descriptor, entry->d_name, 0) != 0) unlinkat(descriptor, entry->d_name, AT_REMOVEDIR);
      }
      closedir(entries);
    } else {
      close(descriptor);
    }
  }
  rmdir(folder.c_str());
}

}  // namespace platform
