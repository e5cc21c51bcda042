// InFile on a C runtime binary stream.
#include "simple_io/in_file.h"

#include <new>

#include "platform/file_facts.h"
#include "platform/file_replace.h"
#include "platform/file_stream.h"

namespace simple_io {

InFile::InFile(const std::u16string& path, bool whole) : file_(platform::open_regular_file(path)) {
  if (file_ == nullptr) throw 1;
  if (whole) std::setvbuf(file_, nullptr, _IONBF, 0);
}

InFile::~InFile() { std::fclose(file_); }

void InFile::read(void* destination, std::size_t count) {
  if (count == 0) return;
  if (std::fread(destination, 1, count, file_) != count) throw 1;
}

std::uint64_t InFile::bytes_left() {
  const long position = std::ftell(file_);
  if (position < 0 || std::fseek(file_, 0, SEEK_END) != 0) throw 1;
  const long end = std::ftell(file_);
  if (end < position || std::fseek(file_, position, SEEK_SET) != 0) throw 1;
  return static_cast<std::uint64_t>(end - position);
}

std::optional<std::string> read_whole_file(const std::u16string& path) {
  try {
    InFile in(path, true);
    std::string bytes(static_cast<std::size_t>(in.bytes_left()), '\0');
    in.read(bytes.data(), bytes.size());
    return bytes;
  } catch (int) {
    return std::nullopt;
  }
}

FileBytes read_file_bytes(const std::u16string& path) {
  FileBytes result;
  try {
    result.bytes = read_whole_file(path);
  } catch (const std::bad_alloc&) {
    platform::set_out_of_memory_error();
  }
  if (result.bytes) return result;
  // Asked at once, before another call can change the system's last error.
  result.failure = platform::last_error_text();
  result.missing = !platform::path_exists(path);
  return result;
}

}  // namespace simple_io
