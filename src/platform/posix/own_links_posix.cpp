// A link is opened itself (O_PATH), its owner read from that descriptor and its target read
// through it, so that the link judged is the link followed.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/own_links.h"

namespace platform::posix {
namespace {

// As many steps as the system itself follows before it gives up on a loop.
constexpr int most_links = 40;

enum class Step { end, next, refused };

// Moves current one link on when it names a link the user or root owns.
Step follow_one(std::string& current) {
  const int link = open(current.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
  // Nothing there, or a folder on the way that cannot be searched: the call that follows says so.
  if (link < 0) return Step::end;
  struct stat facts {};
  if (fstat(link, &facts) != 0 || !S_ISLNK(facts.st_mode)) {
    close(link);
    return Step::end;
  }
  if (facts.st_uid != geteuid() && facts.st_uid != 0) {
    close(link);
    errno = EACCES;
    return Step::refused;
  }
  std::string target(static_cast<std::size_t>(facts.st_size > 0 ? facts.st_size : 4096) + 1, '\0');
  const ssize_t length = readlinkat(link, "", target.data(), target.size());
  close(link);
  if (length <= 0) return Step::end;
  target.resize(static_cast<std::size_t>(length));
  // A relative link is relative to the folder the link is in.
  if (target.front() != '/') {
    const auto slash = current.rfind('/');
    if (slash != std::string::npos) target = current.substr(0, slash + 1) + target;
  }
  current = std::move(target);
  return Step::next;
}

}  // namespace

std::optional<std::string> end_of_own_links(const std::string& path) {
  // Most paths name no link, which one lstat tells; a link is judged through its own descriptor.
  struct stat facts {};
  if (lstat(path.c_str(), &facts) != 0 || !S_ISLNK(facts.st_mode)) return path;
  std::string current = path;
  for (int step = 0; step < most_links; ++step) {
    switch (follow_one(current)) {
      case Step::end: return current;
      case Step::refused: return std::nullopt;
      case Step::next: break;
    }
  }
  errno = ELOOP;
  return std::nullopt;
}

int open_through_own_links(const std::string& path, int flags, mode_t mode) {
  std::string current = path;
  for (int step = 0; step < most_links; ++step) {
    const int descriptor = open(current.c_str(), flags | O_NOFOLLOW | O_CLOEXEC, mode);
    // O_NOFOLLOW answers ELOOP for a link at the last name.
    if (descriptor >= 0 || errno != ELOOP) return descriptor;
    if (follow_one(current) == Step::refused) return -1;
  }
  errno = ELOOP;
  return -1;
}

bool stat_through_own_links(const std::string& path, struct stat& facts) {
  if (lstat(path.c_str(), &facts) != 0) return false;
  if (!S_ISLNK(facts.st_mode)) return true;
  const std::optional<std::string> end = end_of_own_links(path);
  return end && lstat(end->c_str(), &facts) == 0;
}

}  // namespace platform::posix
