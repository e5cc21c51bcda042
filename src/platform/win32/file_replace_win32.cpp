// ReplaceFileW keeps the replaced file's attributes and security; MoveFileExW moves a file to a
// name nothing has yet.
#include <windows.h>

#include <string>

#include "platform/file_replace.h"

namespace platform {
namespace {

// Errors of our own: bit 29 marks a code as the application's, never the system's.
constexpr DWORD is_a_folder = 0x20000001;
constexpr DWORD not_a_regular_file = 0x20000002;

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// Whether another program holds the file so that it cannot be moved away. Asked first, because
// ReplaceFileW under Wine makes an empty "rfNNNN.tmp" beside the file before it finds that out,
// and leaves it there.
bool may_move(const std::u16string& path) {
  const HANDLE handle =
      CreateFileW(wide(path), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  CloseHandle(handle);
  return true;
}

// ReplaceFileW fails on relative names ("The directory name is invalid"): it gets full ones.
std::u16string full_path(const std::u16string& path) {
  const DWORD size = GetFullPathNameW(wide(path), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::u16string full(size, u'\0');
  const DWORD length = GetFullPathNameW(wide(path), size, reinterpret_cast<wchar_t*>(full.data()), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  return full;
}

}  // namespace

// ReplaceFileW writes through a link to the file it names.
std::optional<std::u16string> link_target(const std::u16string& path) { return path; }

bool take_over_attributes(std::FILE*, const std::u16string& target) {
  const DWORD attributes = GetFileAttributesW(wide(target));
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
  SetLastError(ERROR_ACCESS_DENIED);
  return false;
}

bool replace_file(const std::u16string& source, const std::u16string& target) {
  const DWORD attributes = GetFileAttributesW(wide(target));
  // A folder is never replaced by a file (Wine's ReplaceFileW would).
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (!may_move(target)) return false;
    return ReplaceFileW(wide(full_path(target)), wide(full_path(source)), nullptr,
                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) != 0;
  }
  return MoveFileExW(wide(source), wide(target), MOVEFILE_WRITE_THROUGH) != 0;
}

bool move_to_new_name(const std::u16string& source, const std::u16string& target) {
  return MoveFileExW(wide(source), wide(target), MOVEFILE_WRITE_THROUGH) != 0;
}

void remove_file(const std::u16string& path) { DeleteFileW(wide(path)); }

std::u16string last_error_text() {
  const DWORD error = GetLastError();
  if (error == is_a_folder) return u"It is a folder";
  if (error == not_a_regular_file) return u"It is not a regular file";
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string reason(reinterpret_cast<const char16_t*>(text), length);
  LocalFree(text);
  // The system's text ends with a full stop and a line break; the message it goes into ends itself.
  while (!reason.empty() &&
         (reason.back() == u'\n' || reason.back() == u'\r' || reason.back() == u' ' || reason.back() == u'.'))
    reason.pop_back();
  if (reason.empty()) {
    const std::string number = "error " + std::to_string(error);
    reason.assign(number.begin(), number.end());
  }
  return reason;
}

bool last_error_is_disk_full() {
  const DWORD error = GetLastError();
  return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

void set_out_of_memory_error() { SetLastError(ERROR_NOT_ENOUGH_MEMORY); }

void set_not_a_file_error(bool folder) { SetLastError(folder ? is_a_folder : not_a_regular_file); }

}  // namespace platform
