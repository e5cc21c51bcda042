// lstat(2) through the user's and root's links only, and realpath(3).
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "platform/file_identity.h"
#include "platform/posix/own_links.h"
#include "platform/utf8.h"

namespace platform {
namespace {

std::optional<std::string> resolved(const std::string& path) {
  const std::unique_ptr<char, decltype(&std::free)> real(realpath(path.c_str(), nullptr), &std::free);
  if (!real) return std::nullopt;
  return std::string(real.get());
}

std::string absolute(const std::string& path) {
  if (path.starts_with('/')) return path;
  char folder[PATH_MAX];
  if (getcwd(folder, sizeof folder) == nullptr) return path;
  return std::string(folder) + "/" + path;
}

}  // namespace

std::optional<FileIdentity> file_identity(const std::u16string& path) {
  struct stat facts {};
  if (!posix::stat_through_own_links(to_utf8(path), facts)) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(facts.st_dev), static_cast<std::uint64_t>(facts.st_ino)};
}

std::u16string canonical_path(const std::u16string& path) {
  const std::string whole = absolute(to_utf8(path));
  if (const auto real = resolved(whole)) return from_utf8(*real);
  const auto slash = whole.rfind('/');
  const std::string folder = whole.substr(0, slash);
  const auto real_folder = resolved(folder.empty() ? "/" : folder);
  if (!real_folder) return from_utf8(whole);
  return from_utf8((*real_folder == "/" ? std::string() : *real_folder) + whole.substr(slash));
}

}  // namespace platform
