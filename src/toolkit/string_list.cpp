// StringList: decoding by byte-order mark, line splitting, and files written whole with CR LF line ends.
#include "toolkit/string_list.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/ansi_code_page.h"
#include "platform/utf8.h"
#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"

namespace toolkit {
namespace {

constexpr std::string_view utf8_mark = "\xEF\xBB\xBF";
constexpr std::string_view utf16_le_mark = "\xFF\xFE";
constexpr std::string_view utf16_be_mark = "\xFE\xFF";

std::u16string from_utf16(std::string_view bytes, bool big_endian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text += static_cast<char16_t>(big_endian ? (first << 8) | second : (second << 8) | first);
  }
  return text;
}

// Whether every byte is ASCII, tested eight bytes at a time: a file of millions of lines is
// looked through at a fraction of an instruction a byte.
bool all_ascii(std::string_view bytes) {
  std::uint64_t every_bit = 0;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + i, 8);
    every_bit |= word;
  }
  for (; i < bytes.size(); ++i) every_bit |= static_cast<unsigned char>(bytes[i]);
  return (every_bit & 0x8080808080808080ull) == 0;
}

std::u16string decode(std::string_view bytes) {
  if (bytes.starts_with(utf8_mark)) return platform::from_utf8(bytes.substr(utf8_mark.size()));
  if (bytes.starts_with(utf16_le_mark)) return from_utf16(bytes.substr(utf16_le_mark.size()), false);
  if (bytes.starts_with(utf16_be_mark)) return from_utf16(bytes.substr(utf16_be_mark.size()), true);
  // Plain ASCII, as most files are, reads the same in every ANSI code page and in UTF-8: its bytes
  // are its code units, and no converter runs.
  if (all_ascii(bytes)) return std::u16string(bytes.begin(), bytes.end());
  // A file without a mark that is well-formed UTF-8 and not plain ASCII was written as UTF-8 (by
  // a spreadsheet or an editor): read as the code page, its letters would be garbled and lost at
  // the next save. Text in a single-byte code page is almost never well-formed UTF-8 by chance.
  if (std::optional<std::u16string> text = platform::from_strict_utf8(bytes)) return std::move(*text);
  return platform::from_ansi(bytes);
}

}  // namespace

std::u16string decode_text(std::string_view bytes) { return decode(bytes); }

std::optional<std::u16string> read_text_file(const std::u16string& path) {
  const std::optional<std::string> bytes = simple_io::read_whole_file(path);
  if (!bytes) return std::nullopt;
  return decode(*bytes);
}

bool StringList::load_from_file(const std::u16string& path) {
  const std::optional<std::string> bytes = simple_io::read_whole_file(path);
  if (!bytes) return false;
  set_text_bytes(*bytes);
  return true;
}

void StringList::set_text_bytes(std::string_view bytes) {
  const std::u16string text = decode(bytes);
  lines.clear();
  for_each_line(text, [this](std::u16string_view line) { lines.emplace_back(line); });
}

std::string text_file_bytes(std::u16string_view text) {
  // Most files (GUIDs, most names) are ASCII throughout: their bytes are the code units, and no
  // converter runs.
  std::string bytes(text.size(), '\0');
  char16_t every_bit = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    every_bit |= text[i];
    bytes[i] = static_cast<char>(text[i]);
  }
  if (every_bit < 0x80) return bytes;
  // A text the ANSI code page cannot hold goes whole as UTF-8 with a byte-order mark, which the
  // reader honours, so that no name is lost.
  if (platform::fits_ansi(text)) return platform::to_ansi(text);
  return std::string(utf8_mark) + platform::to_utf8(text);
}

bool save_text_file(const std::u16string& path, std::u16string_view text) {
  return simple_io::write_file_whole(path, text_file_bytes(text));
}

bool StringList::save_to_file(const std::u16string& path) const {
  std::size_t size = 0;
  for (const std::u16string& line : lines) size += line.size() + 2;
  std::u16string text;
  text.reserve(size);
  for (const std::u16string& line : lines) {
    text += line;
    text += u"\r\n";
  }
  return save_text_file(path, text);
}

}  // namespace toolkit
