// rename() replaces the target atomically within one file system; link() refuses an existing name.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_replace.h"
#include "platform/utf8.h"

namespace platform {

namespace {

std::string folder_of(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The kernel's rule for links in sticky folders (fs.protected_symlinks), kept in every folder: in a
// shared folder anyone may plant a link, but only its owner or the folder's owner is trusted.
bool may_follow(const std::string& link, const struct stat& facts) {
  if (facts.st_uid == geteuid()) return true;
  struct stat folder {};
  return stat(folder_of(link).c_str(), &folder) == 0 && folder.st_uid == facts.st_uid;
}

}  // namespace

std::optional<std::u16string> link_target(const std::u16string& path) {
  std::string current = to_utf8(path);
  // As many steps as the system itself follows before it gives up on a loop.
  for (int step = 0; step < 40; ++step) {
    struct stat facts {};
    if (lstat(current.c_str(), &facts) != 0 || !S_ISLNK(facts.st_mode)) return from_utf8(current);
    // EACCES, as the kernel answers when it refuses to follow such a link itself.
    if (!may_follow(current, facts)) {
      errno = EACCES;
      return std::nullopt;
    }
    std::string target(static_cast<std::size_t>(facts.st_size > 0 ? facts.st_size : 4096) + 1, '\0');
    const ssize_t length = readlink(current.c_str(), target.data(), target.size());
    if (length <= 0) return from_utf8(current);
    target.resize(static_cast<std::size_t>(length));
    // A relative link is relative to the folder the link is in.
    if (target.front() != '/') {
      const auto slash = current.rfind('/');
      if (slash != std::string::npos) target = current.substr(0, slash + 1) + target;
    }
    current = target;
  }
  errno = ELOOP;
  return std::nullopt;
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

std::u16string last_error_text() { return from_utf8(std::strerror(errno)); }

void set_out_of_memory_error() { errno = ENOMEM; }

}  // namespace platform
