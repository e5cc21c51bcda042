// rename() replaces the target atomically within one file system; link() refuses an existing name.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_replace.h"
#include "platform/posix/own_links.h"
#include "platform/utf8.h"

namespace platform {

namespace {

// No system error says this: a value of our own, far beyond the system's numbers.
constexpr int not_a_regular_file = 0x20000001;

}  // namespace

std::optional<std::u16string> link_target(const std::u16string& path) {
  const std::optional<std::string> end = posix::end_of_own_links(to_utf8(path));
  if (!end) return std::nullopt;
  return from_utf8(*end);
}

bool take_over_attributes(std::FILE* replacement, const std::u16string& target) {
  struct stat facts {};
  if (stat(to_utf8(target).c_str(), &facts) != 0) return errno == ENOENT;
  // Root may write anything: the mode alone says whether the file is meant to be kept.
  if ((facts.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    errno = EACCES;
    return false;
  }
  // The system's own reason otherwise: another user's file, a read-only file system.
  if (access(to_utf8(target).c_str(), W_OK) != 0) return false;
  const int descriptor = fileno(replacement);
  if (fchown(descriptor, facts.st_uid, facts.st_gid) != 0) {
    // Another owner is not ours to give; the group may still be.
    [[maybe_unused]] const int ignored = fchown(descriptor, static_cast<uid_t>(-1), facts.st_gid);
  }
  return fchmod(descriptor, facts.st_mode & 07777) == 0;
}

bool replace_file(const std::u16string& source, const std::u16string& target) {
  return std::rename(to_utf8(source).c_str(), to_utf8(target).c_str()) == 0;
}

bool move_to_new_name(const std::u16string& source, const std::u16string& target) {
  if (link(to_utf8(source).c_str(), to_utf8(target).c_str()) == 0) {
    remove_file(source);
    return true;
  }
  // A file system without hard links: the name is checked first, which leaves only a moment open.
  if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS) return false;
  struct stat facts {};
  if (lstat(to_utf8(target).c_str(), &facts) == 0) {
    errno = EEXIST;
    return false;
  }
  return replace_file(source, target);
}

void remove_file(const std::u16string& path) { std::remove(to_utf8(path).c_str()); }

std::u16string last_error_text() {
  // The system says "Is a directory"; the user knows folders.
  if (errno == EISDIR) return u"It is a folder";
  if (errno == not_a_regular_file) return u"It is not a regular file";
  return from_utf8(std::strerror(errno));
}

bool last_error_is_disk_full() { return errno == ENOSPC || errno == EDQUOT; }

void set_out_of_memory_error() { errno = ENOMEM; }

void set_not_a_file_error(bool folder) { errno = folder ? EISDIR : not_a_regular_file; }

}  // namespace platform
