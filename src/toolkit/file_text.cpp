// FileText: growing the bytes, turning them into code units, saving.
#include "toolkit/file_text.h"

#include <algorithm>
#include <cstring>

#include "simple_io/content_hash.h"
#include "simple_io/replacing_file.h"
#include "toolkit/string_list.h"

namespace toolkit {

void FileText::reserve_more(std::size_t characters) {
  if (wide_.empty()) {
    make_room(characters);
  } else {
    wide_.reserve(wide_.size() + characters);
  }
}

void FileText::grow(std::size_t more) {
  // Doubling at least: appends cost a constant per character however long the text gets.
  const std::size_t capacity = std::max(capacity_ * 2, size_ + more);
  auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
  if (size_ > 0) std::memcpy(bytes.get(), bytes_.get(), size_);
  bytes_ = std::move(bytes);
  capacity_ = capacity;
}

void FileText::widen_and_append(std::u16string_view text) {
  wide_.reserve(std::max(capacity_, size_ + text.size()));
  wide_.assign(bytes_.get(), bytes_.get() + size_);
  wide_.append(text);
  bytes_.reset();
  size_ = 0;
  capacity_ = 0;
}

template <typename StopsAt>
const char16_t* FileText::append_until(const char16_t* text, StopsAt stops_at) {
  // In chunks of a known room, so the copy needs no length first.
  constexpr std::size_t chunk = 64;
  while (wide_.empty()) {
    make_room(chunk);
    const char16_t* const from = text;
    char* out = bytes_.get() + size_;
    char* const end = out + chunk;
    char16_t every_bit = 0;
    while (out != end && !stops_at(*text)) {
      every_bit |= *text;
      *out++ = static_cast<char>(*text++);
    }
    if (every_bit >= 0x80) {
      widen_and_append(std::u16string_view(from, static_cast<std::size_t>(text - from)));
      break;
    }
    size_ += static_cast<std::size_t>(text - from);
    if (out != end) return text;
  }
  const char16_t* const from = text;
  while (!stops_at(*text)) ++text;
  wide_.append(from, text);
  return text;
}

const char16_t* FileText::append_up_to(const char16_t* text, platform::CodeUnitSet stops) {
  // Up to the NUL alone (a GUID) the test per character is one comparison.
  if (stops.empty()) return append_until(text, [](char16_t c) { return c == 0; });
  const platform::CodeUnitSet ends = stops.with(u'\0');
  return append_until(text, [ends](char16_t c) { return ends.contains(c); });
}

std::u16string FileText::text() const {
  if (!wide_.empty()) return wide_;
  return std::u16string(bytes_.get(), bytes_.get() + size_);
}

std::uint32_t FileText::content_hash() const {
  if (!wide_.empty()) return simple_io::content_hash(text_file_bytes(wide_));
  return simple_io::content_hash(std::string_view(bytes_.get(), size_));
}

bool FileText::save(const std::u16string& path) const {
  if (!wide_.empty()) return save_text_file(path, wide_);
  return simple_io::write_file_whole(path, std::string_view(bytes_.get(), size_));
}

}  // namespace toolkit
