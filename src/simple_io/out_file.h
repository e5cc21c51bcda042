// OutFile: writes exact byte counts to a new file opened for binary writing.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace simple_io {

// Every failure is thrown as the int 1; callers catch everything.
class OutFile {
 public:
  // Creates the file exclusively: a file or a link already at the name makes it throw, so nothing
  // is ever written through a link someone put there.
  explicit OutFile(const std::u16string& path);
  // Takes over a file already open for binary writing; throws 1 when it is null.
  explicit OutFile(std::FILE* file);
  // Closing writes out what the C runtime still buffers.
  ~OutFile();
  OutFile(const OutFile&) = delete;
  OutFile& operator=(const OutFile&) = delete;

  // Appends exactly count bytes from source.
  void write(const void* source, std::size_t count);
  // Closes the file now; throws when what the C runtime still buffered cannot be written (a full
  // disk often shows only here). The destructor closes a file that is still open, silently.
  void close();
  // The open stream, for what the operating system may set on it before it is written.
  std::FILE* file() const { return file_; }

 private:
  std::FILE* file_;
};

}  // namespace simple_io
