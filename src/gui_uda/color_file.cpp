// The colour file layout: little-endian 32-bit version (1) and count, then per entry the name's
// length in UTF-16 code units, the name, and the colour bytes red, green, blue, alpha.
#include "gui_uda/color_file.h"

#include <cstdint>
#include <vector>

#include "simple_io/in_file.h"
#include "simple_io/out_file.h"
#include "simple_io/replacing_file.h"

namespace {

constexpr std::uint32_t color_file_version = 1;

std::uint32_t read_word(simple_io::InFile& in) {
  unsigned char bytes[4];
  in.read(bytes, 4);
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void write_word(simple_io::OutFile& out, std::uint32_t word) {
  const unsigned char bytes[4] = {static_cast<unsigned char>(word), static_cast<unsigned char>(word >> 8),
                                  static_cast<unsigned char>(word >> 16),
                                  static_cast<unsigned char>(word >> 24)};
  out.write(bytes, 4);
}

}  // namespace

std::optional<ColorMap> read_color_file(const std::u16string& path) {
  try {
    simple_io::InFile in(path);
    if (read_word(in) != color_file_version) return std::nullopt;
    const std::uint32_t count = read_word(in);
    // Every entry takes at least 8 bytes (a length and a colour).
    if (count > in.bytes_left() / 8) return std::nullopt;
    ColorMap colors;
    std::vector<unsigned char> name_bytes;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t length = read_word(in);
      const std::uint64_t left = in.bytes_left();
      if (left < 4 || length > (left - 4) / 2) return std::nullopt;
      name_bytes.resize(std::size_t{length} * 2);
      in.read(name_bytes.data(), name_bytes.size());
      std::u16string name(length, u'\0');
      for (std::size_t c = 0; c < length; ++c) {
        name[c] = static_cast<char16_t>(name_bytes[2 * c] | name_bytes[2 * c + 1] << 8);
      }
      Rgba color;
      in.read(&color.red, 1);
      in.read(&color.green, 1);
      in.read(&color.blue, 1);
      in.read(&color.alpha, 1);
      colors.emplace(std::move(name), color);
    }
    return colors;
  } catch (...) {
    return std::nullopt;
  }
}

bool write_color_file(const std::u16string& path, const ColorMap& colors) {
  try {
    simple_io::ReplacingFile file(path);
    simple_io::OutFile& out = file.out();
    write_word(out, color_file_version);
    write_word(out, static_cast<std::uint32_t>(colors.size()));
    std::vector<unsigned char> name_bytes;
    for (const auto& [name, color] : colors) {
      write_word(out, static_cast<std::uint32_t>(name.size()));
      name_bytes.clear();
      for (const char16_t c : name) {
        name_bytes.push_back(static_cast<unsigned char>(c));
        name_bytes.push_back(static_cast<unsigned char>(c >> 8));
      }
      out.write(name_bytes.data(), name_bytes.size());
      const unsigned char bytes[4] = {color.red, color.green, color.blue, color.alpha};
      out.write(bytes, 4);
    }
    file.commit();
    return true;
  } catch (...) {
    return false;
  }
}
