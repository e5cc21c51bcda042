// GetFileAttributesExW.
#include <windows.h>

#include "platform/file_facts.h"

namespace platform {
namespace {

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

}  // namespace

std::optional<FileStamp> file_stamp(const std::u16string& path) {
  WIN32_FILE_ATTRIBUTE_DATA facts{};
  if (!GetFileAttributesExW(wide(path), GetFileExInfoStandard, &facts)) return std::nullopt;
  const std::uint64_t ticks = static_cast<std::uint64_t>(facts.ftLastWriteTime.dwHighDateTime) << 32 |
                              facts.ftLastWriteTime.dwLowDateTime;
  // File times count 100 ns from 1601.
  constexpr std::int64_t from_1601_to_1970 = 116444736000000000;
  return FileStamp{static_cast<std::uint64_t>(facts.nFileSizeHigh) << 32 | facts.nFileSizeLow,
                   (static_cast<std::int64_t>(ticks) - from_1601_to_1970) * 100};
}

bool path_exists(const std::u16string& path) {
  return GetFileAttributesW(wide(path)) != INVALID_FILE_ATTRIBUTES;
}

bool is_regular_file(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(wide(path));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_DEVICE) == 0;
}

}  // namespace platform
