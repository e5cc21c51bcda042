// lstat(2), through the user's and root's links only.
#include <sys/stat.h>

#include "platform/file_facts.h"
#include "platform/posix/own_links.h"
#include "platform/utf8.h"

namespace platform {

std::optional<FileStamp> file_stamp(const std::u16string& path) {
  struct stat facts {};
  if (!posix::stat_through_own_links(to_utf8(path), facts)) return std::nullopt;
  return FileStamp{static_cast<std::uint64_t>(facts.st_size),
                   static_cast<std::int64_t>(facts.st_mtim.tv_sec) * 1000000000 + facts.st_mtim.tv_nsec};
}

bool path_exists(const std::u16string& path) {
  struct stat facts {};
  return lstat(to_utf8(path).c_str(), &facts) == 0;
}

bool is_regular_file(const std::u16string& path) {
  struct stat facts {};
  return posix::stat_through_own_links(to_utf8(path), facts) && S_ISREG(facts.st_mode);
}

}  // namespace platform
