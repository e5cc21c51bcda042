// _wfopen takes the UTF-16 path as it is; CreateFileW where a file must be regular or new.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <random>
#include <string>

#include "platform/file_stream.h"

namespace platform {
namespace {

constexpr char16_t temporary_prefix[] = u".torv-";

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

std::u16string::size_type last_separator(const std::u16string& path) { return path.find_last_of(u"\\/"); }

}  // namespace

std::FILE* open_file(const std::u16string& path, const char* mode) {
  const std::wstring wide_mode(mode, mode + std::char_traits<char>::length(mode));
  return _wfopen(wide(path), wide_mode.c_str());
}

std::FILE* open_regular_file(const std::u16string& path) {
  const HANDLE handle =
      CreateFileW(wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // A pipe, a console or a device is no file to read a list from.
  if (GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return stream_on(handle, _O_RDONLY | _O_BINARY, "rb");
}

std::FILE* create_temporary_beside(const std::u16string& target, std::u16string& temporary_path) {
  const auto separator = last_separator(target);
  const std::u16string folder =
      separator == std::u16string::npos ? std::u16string() : target.substr(0, separator + 1);
  static std::mt19937 random{std::random_device{}()};
  constexpr char16_t digits[] = u"0123456789abcdefghijklmnopqrstuvwxyz";
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary_path = folder + temporary_prefix;
    for (int i = 0; i < 6; ++i) temporary_path += digits[random() % 36];
    // CREATE_NEW fails on any name already there, a link included: nothing is written through one.
    const HANDLE handle = CreateFileW(wide(temporary_path), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return stream_on(handle, _O_WRONLY | _O_BINARY, "wb");
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) return nullptr;
  }
  return nullptr;
}

bool is_temporary_name(const std::u16string& path) {
  const auto separator = last_separator(path);
  return path.compare(separator == std::u16string::npos ? 0 : separator + 1, 6, temporary_prefix) == 0;
}

}  // namespace platform
