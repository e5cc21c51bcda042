// A Windows code page through the C library's iconv: CP1252 unless TORV_ANSI_CODEPAGE names another.
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/ansi_code_page.h"

namespace platform {
namespace {

constexpr const char* default_code_page = "CP1252";
constexpr const char* utf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr char16_t replacement_character = 0xFFFD;

// The variable is read at every conversion, not once per process, so that one test program can
// try several code pages; opening a converter costs well under a microsecond.
std::string code_page_name() {
  const char* number = std::getenv("TORV_ANSI_CODEPAGE");
  if (number == nullptr || *number == '\0') return default_code_page;
  return std::string("CP") + number;
}

// The input bytes of the character iconv refused: a surrogate pair is one character.
std::size_t utf16_character_length(std::string_view bytes) {
  char16_t units[2] = {};
  std::memcpy(units, bytes.data(), std::min(bytes.size(), sizeof units));
  const bool pair = bytes.size() >= sizeof units && units[0] >= 0xD800 && units[0] <= 0xDBFF &&
                    units[1] >= 0xDC00 && units[1] <= 0xDFFF;
  return pair ? 4 : 2;
}

// An undefined byte, or one cut short in a double-byte code page, stands alone.
std::size_t code_page_character_length(std::string_view) { return 1; }

struct Conversion {
  std::string bytes;
  bool replaced = false;
};

// One iconv descriptor between UTF-16 and the code page. A code page that iconv does not know
// falls back to 1252, so a mistyped variable still gives the usual Western text.
class Converter {
 public:
  explicit Converter(bool into_code_page) {
    const std::string code_page = code_page_name();
    for (const char* name : {code_page.c_str(), default_code_page}) {
      descriptor_ = into_code_page ? iconv_open(name, utf16) : iconv_open(utf16, name);
      if (is_open()) break;
    }
  }
  ~Converter() {
    if (is_open()) iconv_close(descriptor_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of input; each character that cannot be converted becomes replacement and the
  // conversion goes on after it. Without a descriptor every character is such a one.
  Conversion run(std::string_view input, std::size_t (*character_length)(std::string_view),
                 std::string_view replacement) const {
    Conversion result;
    // iconv's prototype lacks the const, but it only reads the input.
    char* in = const_cast<char*>(input.data());
    std::size_t in_left = input.size();
    while (in_left > 0) {
      char buffer[1024];
      char* out = buffer;
      std::size_t out_left = sizeof buffer;
      const bool done = is_open() && iconv(descriptor_, &in, &in_left, &out, &out_left) != failed;
      const bool output_full = !done && is_open() && errno == E2BIG;
      result.bytes.append(buffer, static_cast<std::size_t>(out - buffer));
      if (done || output_full) continue;
      const std::size_t skipped = std::min(character_length(std::string_view(in, in_left)), in_left);
      in += skipped;
      in_left -= skipped;
      result.bytes += replacement;
      result.replaced = true;
    }
    return result;
  }

 private:
  static constexpr std::size_t failed = static_cast<std::size_t>(-1);

  bool is_open() const { return descriptor_ != reinterpret_cast<iconv_t>(-1); }

  iconv_t descriptor_ = reinterpret_cast<iconv_t>(-1);
};

Conversion into_code_page(std::u16string_view text) {
  const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
  // '?' is the default character of every Windows ANSI code page.
  return Converter(true).run(bytes, utf16_character_length, "?");
}

// Every Windows ANSI code page keeps ASCII as it is: most texts (GUIDs, most names) need no
// converter at all, which matters a million lines at a time.
template <class Text>
bool is_ascii(Text text) {
  return std::all_of(text.begin(), text.end(), [](auto c) { return static_cast<std::uint32_t>(c) < 0x80; });
}

}  // namespace

std::string to_ansi(std::u16string_view text) {
  if (is_ascii(text)) return std::string(text.begin(), text.end());
  return into_code_page(text).bytes;
}

// Bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D in 1252) become U+FFFD.
// Windows maps those of 1252 to the control characters of the same value instead.
std::u16string from_ansi(std::string_view text) {
  if (is_ascii(text)) return std::u16string(text.begin(), text.end());
  const std::string_view replacement(reinterpret_cast<const char*>(&replacement_character),
                                     sizeof replacement_character);
  const std::string bytes = Converter(false).run(text, code_page_character_length, replacement).bytes;
  std::u16string result(bytes.size() / sizeof(char16_t), u'\0');
  std::memcpy(result.data(), bytes.data(), result.size() * sizeof(char16_t));
  return result;
}

bool fits_ansi(std::u16string_view text) { return is_ascii(text) || !into_code_page(text).replaced; }

}  // namespace platform
