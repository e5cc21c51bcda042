// What the file system says about a path, without opening it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Size and last modification of a file (through a link): a file changed by someone else shows a
// different stamp.
struct FileStamp {
  std::uint64_t size = 0;
  std::int64_t modified_ns = 0;  // since 1970, in the local clock's resolution
  bool operator==(const FileStamp&) const = default;
};

// Nothing when no file is there.
std::optional<FileStamp> file_stamp(const std::u16string& path);

// Whether anything (a file, a folder, a link, even a dangling one) has this name.
bool path_exists(const std::u16string& path);

// Whether the path names a regular file (a link to one counts).
bool is_regular_file(const std::u16string& path);

}  // namespace platform
