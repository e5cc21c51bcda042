// _wfopen takes the UTF-16 path as it is; CreateFileW where a file must be regular or new.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_replace.h"
#include "platform/file_stream.h"
#include "platform/temporary_name.h"

namespace platform {
namespace {

// A save takes a moment; a file of an earlier version, whose name tells no writer, that is this
// old was left by a save killed before it ended. In the file system's 100-nanosecond steps.
constexpr ULONGLONG stale_after = 60ULL * 60 * 10'000'000;

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

std::FILE* stream_on(HANDLE handle, int flags, const char* mode) {
  const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
  if (descriptor < 0) {
    CloseHandle(handle);
    return nullptr;
  }
  std::FILE* file = _fdopen(descriptor, mode);
  if (file == nullptr) _close(descriptor);
  return file;
}

std::u16string folder_of(const std::u16string& path) {
  const auto separator = path.find_last_of(u"\\/");
  return separator == std::u16string::npos ? std::u16string() : path.substr(0, separator + 1);
}

ULONGLONG steps_of(const FILETIME& time) {
  return (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// Whether the user of this process owns the file.
bool is_own_file(const std::u16string& path, const PSID user) {
  DWORD size = 0;
  GetFileSecurityW(wide(path), OWNER_SECURITY_INFORMATION, nullptr, 0, &size);
  if (size == 0) return false;
  std::vector<unsigned char> descriptor(size);
  PSID owner = nullptr;
  BOOL defaulted = FALSE;
  return GetFileSecurityW(wide(path), OWNER_SECURITY_INFORMATION, descriptor.data(), size, &size) != 0 &&
         GetSecurityDescriptorOwner(descriptor.data(), &owner, &defaulted) != 0 && owner != nullptr &&
         EqualSid(owner, user) != 0;
}

// The TOKEN_USER record of this process (its Sid points into it); empty when it cannot be had.
std::vector<unsigned char> token_user() {
  HANDLE token = nullptr;
  if (OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token) == 0) return {};
  DWORD size = 0;
  GetTokenInformation(token, TokenUser, nullptr, 0, &size);
  std::vector<unsigned char> user(size);
  if (size == 0 || GetTokenInformation(token, TokenUser, user.data(), size, &size) == 0) user.clear();
  CloseHandle(token);
  return user;
}

// CREATE_NEW fails on any name already there, a link included: nothing is written through one.
HANDLE create_exclusively(const std::u16string& path) {
  return CreateFileW(wide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
}

}  // namespace

std::FILE* create_new_file(const std::u16string& path) {
  const HANDLE handle = create_exclusively(path);
  return handle == INVALID_HANDLE_VALUE ? nullptr : stream_on(handle, _O_WRONLY | _O_BINARY, "wb");
}

std::FILE* open_regular_file(const std::u16string& path) {
  // CreateFileW refuses a folder as "Access is denied", which would send the user looking for
  // permissions.
  const DWORD attributes = GetFileAttributesW(wide(path));
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    set_not_a_file_error(true);
    return nullptr;
  }
  const HANDLE handle =
      CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // A pipe, a console or a device is no file to read a list from.
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    set_not_a_file_error(false);
    return nullptr;
  }
  return stream_on(handle, _O_RDONLY | _O_BINARY, "rb");
}

std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path) {
  const std::u16string folder = folder_of(target);
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_path = folder + new_temporary_name();
    const HANDLE handle = create_exclusively(temporary_path);
    if (handle != INVALID_HANDLE_VALUE) return stream_on(handle, _O_WRONLY | _O_BINARY, "wb");
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

void remove_stale_temporaries_beside(const std::u16string& target) {
  const std::vector<unsigned char> user = token_user();
  if (user.empty()) return;
  const PSID user_sid = reinterpret_cast<const TOKEN_USER*>(user.data())->User.Sid;
  const std::u16string folder = folder_of(target);
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(wide(folder + u".torv-*"), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  FILETIME now_time{};
  GetSystemTimeAsFileTime(&now_time);
  const ULONGLONG now = steps_of(now_time);
  do {
    const std::u16string name = reinterpret_cast<const char16_t*>(found.cFileName);
    // A link or a folder is never ours, whatever its name.
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) continue;
    const ULONGLONG written = steps_of(found.ftLastWriteTime);
    const TemporaryName kind = temporary_name_kind(name);
    const bool stale = kind == TemporaryName::writer_gone ||
                       (kind == TemporaryName::without_key && written <= now && now - written > stale_after);
    if (stale && is_own_file(folder + name, user_sid)) DeleteFileW(wide(folder + name));
  } while (FindNextFileW(search, &found) != 0);
  FindClose(search);
}

}  // namespace platform
