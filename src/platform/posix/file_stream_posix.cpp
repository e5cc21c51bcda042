// fopen on the UTF-8 form of the path; open(2) where a file must be regular or new.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <iterator>
#include <random>
#include <string_view>

#include "platform/file_stream.h"
#include "platform/utf8.h"

namespace platform {
namespace {

constexpr char16_t temporary_prefix[] = u".torv-";
constexpr char16_t digits[] = u"0123456789abcdefghijklmnopqrstuvwxyz";
constexpr std::size_t random_characters = 6;
// A save takes a moment; one whose temporary file is this old was killed before it ended.
constexpr time_t stale_after_seconds = 60 * 60;

std::u16string folder_of(const std::u16string& path) {
  const auto slash = path.rfind(u'/');
  return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash + 1);
}

std::FILE* stream_on(int descriptor, const char* mode) {
  std::FILE* file = fdopen(descriptor, mode);
  if (file == nullptr) {
    const int error = errno;
    close(descriptor);
    errno = error;
  }
  return file;
}

}  // namespace

std::FILE* open_file(const std::u16string& path, const char* mode) {
  return std::fopen(to_utf8(path).c_str(), mode);
}

std::FILE* open_regular_file(const std::u16string& path) {
  // Without O_NONBLOCK a FIFO would wait here for a writer that never comes.
  const int descriptor = open(to_utf8(path).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat facts {};
  if (fstat(descriptor, &facts) != 0 || !S_ISREG(facts.st_mode)) {
    close(descriptor);
    errno = EINVAL;
    return nullptr;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  return stream_on(descriptor, "rb");
}

std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path) {
  const std::u16string folder = folder_of(target);
  static std::mt19937 random{std::random_device{}()};
  // A name taken by someone else (another save, or a planted link) makes it try another.
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_path = folder + temporary_prefix;
    for (std::size_t i = 0; i < random_characters; ++i) temporary_path += digits[random() % 36];
    const int descriptor =
        open(to_utf8(temporary_path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0) return stream_on(descriptor, "wb");
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

void remove_stale_temporaries_beside(const std::u16string& target) {
  const std::u16string folder = folder_of(target);
  const int folder_descriptor =
      open(folder.empty() ? "." : to_utf8(folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_descriptor < 0) return;
  DIR* entries = fdopendir(folder_descriptor);
  if (entries == nullptr) {
    close(folder_descriptor);
    return;
  }
  const time_t now = time(nullptr);
  while (const dirent* entry = readdir(entries)) {
    if (!is_temporary_name(from_utf8(entry->d_name))) continue;
    struct stat facts {};
    if (fstatat(folder_descriptor, entry->d_name, &facts, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(facts.st_mode) || facts.st_uid != geteuid() || now - facts.st_mtime <= stale_after_seconds)
      continue;
    unlinkat(folder_descriptor, entry->d_name, 0);
  }
  closedir(entries);
}

bool is_temporary_name(const std::u16string& path) {
  const auto slash = path.rfind(u'/');
  const std::u16string_view name =
      std::u16string_view(path).substr(slash == std::u16string::npos ? 0 : slash + 1);
  return name.size() == std::size(temporary_prefix) - 1 + random_characters &&
         name.starts_with(temporary_prefix) &&
         name.substr(std::size(temporary_prefix) - 1).find_first_not_of(digits) == std::u16string_view::npos;
}

}  // namespace platform
