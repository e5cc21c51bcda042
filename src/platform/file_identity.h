// Which file a path names, decided by the file system rather than by the text of the path: a
// relative path, "./", other capitals on Windows or a link to the folder name one file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// POSIX device and inode; Windows volume serial number and file index.
struct FileIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file a path names (through links); nothing when no file is there.
std::optional<FileIdentity> file_identity(const std::u16string& path);

// The path from the file system's root: links resolved, "." and ".." gone, and on Windows the
// capitals folded, so that one file has one spelling. A missing file keeps its own name after
// its folder's canonical path.
std::u16string canonical_path(const std::u16string& path);

// Whether two paths name one file: by identity where both exist, else by canonical path.
bool same_file(const std::u16string& first, const std::u16string& second);

}  // namespace platform
