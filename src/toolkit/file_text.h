// FileText: the text of a long file (a side-car file, a report) built in place, piece by piece,
// then written whole as save_text_file writes a text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/code_unit_set.h"

namespace toolkit {

// While every character is ASCII the text is held as the bytes the file will have: half the
// memory of UTF-16 and nothing to convert when it is saved. The first other character turns it
// into UTF-16 code units for good, and saving then chooses the encoding as save_text_file does.
class FileText {
 public:
  // Room for characters more, so that a long run of appends does not grow the text step by step.
  void reserve_more(std::size_t characters);

  void append(std::u16string_view text) {
    if (!wide_.empty()) {
      wide_.append(text);
      return;
    }
    make_room(text.size());
    // The bytes go in before the check, which then needs no branch per character.
    char* out = bytes_.get() + size_;
    char16_t every_bit = 0;
    for (const char16_t c : text) {
      every_bit |= c;
      *out++ = static_cast<char>(c);
    }
    if (every_bit < 0x80) {
      size_ += text.size();
    } else {
      widen_and_append(text);
    }
  }

  // One character known to be ASCII, such as a separator: a line holds many.
  void append_ascii(char ascii) {
    if (!wide_.empty()) {
      wide_.push_back(static_cast<char16_t>(ascii));
      return;
    }
    make_room(1);
    bytes_[size_++] = ascii;
  }

  // Characters known to be ASCII: digits, signs, separators.
  void append_ascii(std::string_view ascii) {
    if (!wide_.empty()) {
      wide_.append(ascii.begin(), ascii.end());
      return;
    }
    make_room(ascii.size());
    ascii.copy(bytes_.get() + size_, ascii.size());
    size_ += ascii.size();
  }

  // Appends the code units of a NUL-terminated text up to the first one of stops, or up to the NUL;
  // returns where it stopped. The viewer's texts come this way: their length, ASCII check and copy
  // in one pass.
  const char16_t* append_up_to(const char16_t* text, platform::CodeUnitSet stops = {});

  // Appends the ASCII characters, room at most, that write(first, last) puts at first and returns
  // the end of, such as std::to_chars's digits: written in place.
  template <typename Write>
  void append_ascii_written(std::size_t room, Write write) {
    if (!wide_.empty()) {
      char written[64];
      append_ascii(std::string_view(
          written, static_cast<std::size_t>(write(written, written + sizeof written) - written)));
      return;
    }
    make_room(room);
    char* const first = bytes_.get() + size_;
    size_ += static_cast<std::size_t>(write(first, first + room) - first);
  }

  // The code units appended so far; truncate(size) takes back what was appended after them.
  std::size_t size() const { return wide_.empty() ? size_ : wide_.size(); }
  void truncate(std::size_t size) {
    if (wide_.empty()) {
      size_ = size;
    } else {
      wide_.resize(size);
    }
  }

  // The text as code units.
  std::u16string text() const;

  // Writes the file as save_text_file writes text(); false, with the old file as it was, on failure.
  bool save(const std::u16string& path) const;
  // The hash of the bytes save writes (simple_io::content_hash).
  std::uint32_t content_hash() const;

 private:
  void make_room(std::size_t more) {
    if (capacity_ - size_ < more) grow(more);
  }
  void grow(std::size_t more);
  // Appends up to the first code unit for which stops_at is true.
  template <typename StopsAt>
  const char16_t* append_until(const char16_t* text, StopsAt stops_at);
  void widen_and_append(std::u16string_view text);

  // The ASCII text while wide_ is empty; unused after.
  std::unique_ptr<char[]> bytes_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
  std::u16string wide_;
};

}  // namespace toolkit
