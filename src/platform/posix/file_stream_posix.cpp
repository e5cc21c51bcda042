// open(2) on the UTF-8 form of the path, through the user's and root's links only, then a stream.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

#include "platform/file_replace.h"
#include "platform/file_stream.h"
#include "platform/posix/own_links.h"
#include "platform/temporary_name.h"
#include "platform/utf8.h"

namespace platform {
namespace {

// A save takes a moment; a file of an earlier version, whose name tells no writer, that is this
// old was left by a save killed before it ended.
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

int create_exclusively(const std::u16string& path) {
  return open(to_utf8(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

bool is_stale(TemporaryName kind, const struct stat& facts, time_t now) {
  switch (kind) {
    case TemporaryName::writer_gone: return true;
    case TemporaryName::without_key: return now - facts.st_mtime > stale_after_seconds;
    case TemporaryName::writer_running:
    case TemporaryName::not_ours: return false;
  }
  return false;
}

}  // namespace

std::FILE* create_new_file(const std::u16string& path) {
  const int descriptor = create_exclusively(path);
  return descriptor < 0 ? nullptr : stream_on(descriptor, "wb");
}

std::FILE* open_regular_file(const std::u16string& path) {
  // Without O_NONBLOCK a FIFO would wait here for a writer that never comes.
  const int descriptor = posix::open_through_own_links(to_utf8(path), O_RDONLY | O_NONBLOCK | O_NOCTTY);
  if (descriptor < 0) return nullptr;
  struct stat facts {};
  if (fstat(descriptor, &facts) != 0 || !S_ISREG(facts.st_mode)) {
    close(descriptor);
    set_not_a_file_error(S_ISDIR(facts.st_mode));
    return nullptr;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  return stream_on(descriptor, "rb");
}

std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path) {
  const std::u16string folder = folder_of(target);
  // A name taken by someone else (another save, or a planted link) makes it try another.
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_path = folder + new_temporary_name();
    const int descriptor = create_exclusively(temporary_path);
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
    const TemporaryName kind = temporary_name_kind(from_utf8(entry->d_name));
    if (kind == TemporaryName::not_ours) continue;
    struct stat facts {};
    if (fstatat(folder_descriptor, entry->d_name, &facts, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (!S_ISREG(facts.st_mode) || facts.st_uid != geteuid() || !is_stale(kind, facts, now)) continue;
    unlinkat(folder_descriptor, entry->d_name, 0);
  }
  closedir(entries);
}

}  // namespace platform
