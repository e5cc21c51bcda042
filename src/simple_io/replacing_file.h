// ReplacingFile: writes a file whole or not at all. The bytes go to a temporary file in the same
// folder, which takes the old file's place only once everything is written; on any failure the
// old file stays exactly as it was.
#pragma once

#include <string>

#include "simple_io/out_file.h"

namespace simple_io {

class ReplacingFile {
 public:
  // Creates the temporary file; throws 1 when it cannot.
  explicit ReplacingFile(std::u16string path);
  // Without a commit the temporary file is removed and the old file stays.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  OutFile& out() { return out_; }
  // Closes the temporary file and puts it in the old file's place; throws 1 when it cannot.
  void commit();

  // The temporary file beside path.
  static std::u16string temporary_path(const std::u16string& path) { return path + u".torv-new"; }

 private:
  std::u16string path_;
  std::u16string temporary_;
  OutFile out_;
  bool committed_ = false;
};

// Writes bytes to path as a ReplacingFile; false when it could not.
bool write_file_whole(const std::u16string& path, std::string_view bytes);

}  // namespace simple_io
