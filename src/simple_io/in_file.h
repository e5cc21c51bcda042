// InFile: reads exact byte counts from a file opened for binary reading.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace simple_io {

// Every failure is thrown as the int 1; callers catch everything and abandon the file. Only a
// regular file is opened: a FIFO, a device or a folder is a file that cannot be opened. On POSIX
// a link is followed only when the user or root owns it.
class InFile {
 public:
  // whole: the file is read in one piece, straight into the caller's memory rather than through
  // the C runtime's buffer.
  explicit InFile(const std::u16string& path, bool whole = false);
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

// Every byte of a file; nothing when it cannot be opened or read. Running out of memory for the
// bytes is thrown as std::bad_alloc, so that a caller may tell it from an unreadable file.
std::optional<std::string> read_whole_file(const std::u16string& path);

// Every byte of a file, or why not: missing when nothing has the name; otherwise failure holds the
// system's words for why the file could not be opened or read (locked, not permitted, not a regular
// file, too large for the memory left).
struct FileBytes {
  std::optional<std::string> bytes;
  bool missing = false;
  std::u16string failure;
};
FileBytes read_file_bytes(const std::u16string& path);

}  // namespace simple_io
