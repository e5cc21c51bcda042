// ReplacingFile: writes a file whole or not at all. The bytes go to a new temporary file with a
// short unique name in the same folder, which takes the old file's place only once everything is
// written; on any failure the old file stays exactly as it was.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "simple_io/out_file.h"

namespace simple_io {

// What a ReplacingFile throws when the file cannot be written whole; the old file is as it was.
struct ReplaceFailed {
  std::u16string reason;  // in the operating system's words
};

class ReplacingFile {
 public:
  // How the finished file takes its place.
  enum class Mode { replace, only_new };

  // Creates the temporary file beside the file path names (a symbolic link is written through to
  // the file it points to, on POSIX only one of the user's or of root); throws
  // ReplaceFailed when it cannot, or when that file exists and is read-only. Temporary files that
  // killed saves left in that folder go first.
  explicit ReplacingFile(const std::u16string& path, Mode mode = Mode::replace);
  // Without a commit the temporary file is removed and the old file stays.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  OutFile& out() { return out_; }
  // Closes the temporary file and puts it in the old file's place (only_new: where nothing is
  // yet); throws ReplaceFailed when it cannot.
  void commit();

 private:
  std::FILE* create_temporary();

  std::u16string target_;
  std::u16string temporary_;
  Mode mode_;
  OutFile out_;
  bool committed_ = false;
};

// Writes bytes to path as a ReplacingFile; false when it could not.
bool write_file_whole(const std::u16string& path, std::string_view bytes,
                      ReplacingFile::Mode mode = ReplacingFile::Mode::replace);

// Why the last write of a file failed, in the operating system's words.
const std::u16string& last_write_failure();

}  // namespace simple_io
