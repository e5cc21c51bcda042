// FileText: growing the bytes, turning them into code units, saving.
#include "toolkit/file_text.h"

#include <algorithm>
#include <cstring>

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

std::u16string FileText::text() const {
  if (!wide_.empty()) return wide_;
  return std::u16string(bytes_.get(), bytes_.get() + size_);
}

bool FileText::save(const std::u16string& path) const {
  if (!wide_.empty()) return save_text_file(path, wide_);
  return simple_io::write_file_whole(path, std::string_view(bytes_.get(), size_));
}

}  // namespace toolkit
