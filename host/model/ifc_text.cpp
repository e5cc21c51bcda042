// Undoing what IFC++ leaves of the file's text encoding, and widening to UTF-16.
#include "model/ifc_text.h"

#include "platform/utf8.h"

namespace host {
namespace {

// IFC++ stores a raw byte b >= 0x80 as the sign-extended char, i.e. 0xFFFFFF00 | b.
bool is_raw_byte(char32_t code) { return code >= 0xFFFFFF80; }

void append_raw_bytes(const std::string& bytes, std::u16string& result) {
  const std::u16string as_utf8 = platform::from_utf8(bytes);
  // Malformed UTF-8 turns into U+FFFD, which does not turn back into the same bytes.
  if (platform::to_utf8(as_utf8) == bytes) {
    result += as_utf8;
    return;
  }
  for (const char byte : bytes) result.push_back(static_cast<char16_t>(static_cast<unsigned char>(byte)));
}

void append_code_point(char32_t code, std::u16string& result) {
  if (code < 0x10000) {
    result.push_back(static_cast<char16_t>(code));
  } else if (code <= 0x10FFFF) {
    const char32_t offset = code - 0x10000;
    result.push_back(static_cast<char16_t>(0xD800 + (offset >> 10)));
    result.push_back(static_cast<char16_t>(0xDC00 + (offset & 0x3FF)));
  } else {
    result.push_back(u'\xFFFD');
  }
}

}  // namespace

std::u16string ifc_text(const std::wstring& text) {
  std::u16string result;
  result.reserve(text.size());
  std::string raw_bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto code = static_cast<char32_t>(text[i]);
    if (is_raw_byte(code)) {
      raw_bytes.push_back(static_cast<char>(code & 0xFF));
      continue;
    }
    if (!raw_bytes.empty()) {
      append_raw_bytes(raw_bytes, result);
      raw_bytes.clear();
    }
    if ((code == U'\'' || code == U'\\') && i + 1 < text.size() && text[i + 1] == static_cast<wchar_t>(code))
      ++i;
    append_code_point(code, result);
  }
  if (!raw_bytes.empty()) append_raw_bytes(raw_bytes, result);
  return result;
}

}  // namespace host
