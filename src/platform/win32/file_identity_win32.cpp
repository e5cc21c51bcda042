// GetFileInformationByHandle and GetFinalPathNameByHandleW on a handle that reads nothing.
#include <windows.h>

#include <string>

#include "platform/file_identity.h"

namespace platform {
namespace {

const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// A handle for asking about a file or folder, taken with every kind of sharing: it never stands in
// another program's way.
HANDLE handle_for_facts(const std::u16string& path) {
  return CreateFileW(wide(path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

std::u16string full_path(const std::u16string& path) {
  const DWORD size = GetFullPathNameW(wide(path), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::u16string full(size, u'\0');
  const DWORD length = GetFullPathNameW(wide(path), size, reinterpret_cast<wchar_t*>(full.data()), nullptr);
  full.resize(length < size ? length : 0);
  return full.empty() ? path : full;
}

std::u16string folded(std::u16string text) {
  if (!text.empty()) CharUpperBuffW(reinterpret_cast<wchar_t*>(text.data()), static_cast<DWORD>(text.size()));
  return text;
}

// The final path of an existing file or folder, without the "\\?\" the system puts before it.
std::optional<std::u16string> final_path(const std::u16string& path) {
  const HANDLE handle = handle_for_facts(path);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  std::u16string result(MAX_PATH, u'\0');
  DWORD length = GetFinalPathNameByHandleW(handle, reinterpret_cast<wchar_t*>(result.data()),
                                           static_cast<DWORD>(result.size()), FILE_NAME_NORMALIZED);
  if (length >= result.size()) {
    result.resize(length + 1);
    length = GetFinalPathNameByHandleW(handle, reinterpret_cast<wchar_t*>(result.data()),
                                       static_cast<DWORD>(result.size()), FILE_NAME_NORMALIZED);
  }
  CloseHandle(handle);
  if (length == 0 || length >= result.size()) return std::nullopt;
  result.resize(length);
  if (result.starts_with(u"\\\\?\\UNC\\")) return u"\\\\" + result.substr(8);
  if (result.starts_with(u"\\\\?\\")) return result.substr(4);
  return result;
}

}  // namespace

std::optional<FileIdentity> file_identity(const std::u16string& path) {
  const HANDLE handle = handle_for_facts(path);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION facts{};
  const bool known = GetFileInformationByHandle(handle, &facts) != 0;
  CloseHandle(handle);
  if (!known) return std::nullopt;
  return FileIdentity{facts.dwVolumeSerialNumber,
                      static_cast<std::uint64_t>(facts.nFileIndexHigh) << 32 | facts.nFileIndexLow};
}

std::u16string canonical_path(const std::u16string& path) {
  const std::u16string whole = full_path(path);
  if (const auto real = final_path(whole)) return folded(*real);
  const auto separator = whole.find_last_of(u"\\/");
  if (separator == std::u16string::npos) return folded(whole);
  const auto folder = final_path(whole.substr(0, separator + 1));
  if (!folder) return folded(whole);
  const bool ends_with_separator = !folder->empty() && (folder->back() == u'\\' || folder->back() == u'/');
  return folded(*folder + (ends_with_separator ? u"" : u"\\") + whole.substr(separator + 1));
}

}  // namespace platform
