// InFile: reads exact byte counts from a file opened for binary reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace simple_io {

// Every failure is thrown as the int 1; callers catch everything and abandon the file.
class InFile {
 public:
  explicit InFile(const std::u16string& path);
  ~InFile();
  InFile(const InFile&) = delete;
  InFile& operator=(const InFile&) = delete;

  // Reads exactly count bytes into destination, continuing where the previous read stopped.
  void read(void* destination, std::size_t count);
  // How many bytes lie between the position and the end of the file.
  std::uint64_t bytes_left();

 private:
  std::FILE* file_;
};

// Every byte of a file; nothing when it cannot be opened or read.
std::optional<std::string> read_whole_file(const std::u16string& path);

}  // namespace simple_io
