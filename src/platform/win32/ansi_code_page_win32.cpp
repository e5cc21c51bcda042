// The system's ANSI code page (CP_ACP) through WideCharToMultiByte and MultiByteToWideChar.
#include <windows.h>

#include "platform/ansi_code_page.h"

namespace platform {
namespace {

struct Conversion {
  std::string bytes;
  bool replaced = false;
};

Conversion into_code_page(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  // Without WC_NO_BEST_FIT_CHARS "ł" would quietly become "l" and not count as replaced. With the
  // UTF-8 system code page (a Windows 10 option) both the flag and the default character are refused.
  const bool utf8_system = GetACP() == CP_UTF8;
  const DWORD flags = utf8_system ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL used_default = FALSE;
  const char* default_char = utf8_system ? nullptr : "?";
  BOOL* used_default_flag = utf8_system ? nullptr : &used_default;
  const int size =
      WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, default_char, used_default_flag);
  Conversion result;
  result.bytes.resize(static_cast<std::size_t>(size));
  WideCharToMultiByte(CP_ACP, flags, wide, length, result.bytes.data(), size, default_char,
                      used_default_flag);
  result.replaced = used_default != FALSE;
  return result;
}

}  // namespace

std::string to_ansi(std::u16string_view text) { return into_code_page(text).bytes; }

std::u16string from_ansi(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::u16string result(static_cast<std::size_t>(size), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, reinterpret_cast<wchar_t*>(result.data()), size);
  return result;
}

bool fits_ansi(std::u16string_view text) { return !into_code_page(text).replaced; }

}  // namespace platform
