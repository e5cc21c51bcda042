// fopen on the UTF-8 form of the path; open(2) where a file must be regular or new.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>

#include "platform/file_stream.h"
#include "platform/utf8.h"

namespace platform {
namespace {

constexpr char16_t temporary_prefix[] = u".torv-";

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
  const auto slash = target.rfind(u'/');
  const std::u16string folder =
      slash == std::u16string::npos ? std::u16string() : target.substr(0, slash + 1);
  static std::mt19937 random{std::random_device{}()};
  constexpr char16_t digits[] = u"0123456789abcdefghijklmnopqrstuvwxyz";
  // A name taken by someone else (another save, or a planted link) makes it try another.
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_path = folder + temporary_prefix;
    for (int i = 0; i < 6; ++i) temporary_path += digits[random() % 36];
    const int descriptor =
        open(to_utf8(temporary_path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (descriptor >= 0) return stream_on(descriptor, "wb");
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool is_temporary_name(const std::u16string& path) {
  const auto slash = path.rfind(u'/');
  return path.compare(slash == std::u16string::npos ? 0 : slash + 1, 6, temporary_prefix) == 0;
}

}  // namespace platform
