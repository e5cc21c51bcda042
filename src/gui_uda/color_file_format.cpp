// The colour file layout: little-endian 32-bit version (1) and count, then per entry the name's
// length in UTF-16 code units, the name, and the colour bytes red, green, blue, alpha. The file is
// read whole and parsed in memory, and written from one buffer: tens of thousands of names stay
// within a millisecond.
#include "gui_uda/color_file_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "simple_io/in_file.h"
#include "simple_io/replacing_file.h"

namespace {

constexpr std::uint32_t color_file_version = 1;

// The bytes not yet parsed; every read checks that they hold what it takes.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t left() const { return bytes_.size(); }

  std::optional<std::uint32_t> word() {
    if (bytes_.size() < 4) return std::nullopt;
    const auto byte = [this](std::size_t i) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes_[i]));
    };
    const std::uint32_t value = byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
    bytes_.remove_prefix(4);
    return value;
  }

  // The next count bytes; the caller has checked that they are there.
  std::string_view take(std::size_t count) {
    const std::string_view taken = bytes_.substr(0, count);
    bytes_.remove_prefix(count);
    return taken;
  }

 private:
  std::string_view bytes_;
};

char* put_word(char* out, std::uint32_t word) {
  for (int shift = 0; shift < 32; shift += 8) *out++ = static_cast<char>(word >> shift);
  return out;
}

// The names in the written order are compared as big-endian bytes, all in one buffer: memcmp
// then orders them as their code units, in long strides, without reaching into the map's nodes.
struct SortKey {
  std::size_t offset;
  std::size_t length;
  const ColorMap::value_type* entry;
};

}  // namespace

std::optional<ColorMap> read_color_file(const std::u16string& path) {
  const std::optional<std::string> bytes = simple_io::read_whole_file(path);
  if (!bytes) return std::nullopt;
  ByteReader in(*bytes);
  if (in.word() != color_file_version) return std::nullopt;
  const std::optional<std::uint32_t> count = in.word();
  // Every entry takes at least 8 bytes (a length and a colour).
  if (!count || *count > in.left() / 8) return std::nullopt;
  ColorMap colors;
  colors.reserve(*count);
  for (std::uint32_t i = 0; i < *count; ++i) {
    const std::optional<std::uint32_t> length = in.word();
    if (!length || in.left() < 4 || *length > (in.left() - 4) / 2) return std::nullopt;
    const std::string_view name_bytes = in.take(std::size_t{*length} * 2);
    std::u16string name(*length, u'\0');
    for (std::size_t c = 0; c < *length; ++c) {
      name[c] = static_cast<char16_t>(static_cast<unsigned char>(name_bytes[2 * c]) |
                                      static_cast<unsigned char>(name_bytes[2 * c + 1]) << 8);
    }
    const std::string_view color = in.take(4);
    colors.emplace(std::move(name),
                   Rgba{static_cast<std::uint8_t>(color[0]), static_cast<std::uint8_t>(color[1]),
                        static_cast<std::uint8_t>(color[2]), static_cast<std::uint8_t>(color[3])});
  }
  return colors;
}

bool write_color_file(const std::u16string& path, const ColorMap& colors) {
  std::vector<SortKey> entries;
  entries.reserve(colors.size());
  std::string big_endian;
  // A version, a count, and per entry a length, the name and a colour.
  std::size_t size = 8;
  for (const auto& entry : colors) {
    entries.push_back({big_endian.size(), 2 * entry.first.size(), &entry});
    for (const char16_t c : entry.first) {
      big_endian += static_cast<char>(c >> 8);
      big_endian += static_cast<char>(c);
    }
    size += 8 + 2 * entry.first.size();
  }
  const char* const keys = big_endian.data();
  std::sort(entries.begin(), entries.end(), [keys](const SortKey& a, const SortKey& b) {
    const int order = std::memcmp(keys + a.offset, keys + b.offset, std::min(a.length, b.length));
    return order != 0 ? order < 0 : a.length < b.length;
  });
  std::string bytes(size, '\0');
  char* out = put_word(bytes.data(), color_file_version);
  out = put_word(out, static_cast<std::uint32_t>(colors.size()));
  for (const SortKey& sorted : entries) {
    const auto& [name, color] = *sorted.entry;
    out = put_word(out, static_cast<std::uint32_t>(name.size()));
    for (const char16_t c : name) {
      *out++ = static_cast<char>(c);
      *out++ = static_cast<char>(c >> 8);
    }
    *out++ = static_cast<char>(color.red);
    *out++ = static_cast<char>(color.green);
    *out++ = static_cast<char>(color.blue);
    *out++ = static_cast<char>(color.alpha);
  }
  return simple_io::write_file_whole(path, bytes);
}
