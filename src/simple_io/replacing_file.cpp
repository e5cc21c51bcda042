// Writing through a temporary file.
#include "simple_io/replacing_file.h"

#include "platform/file_replace.h"

namespace simple_io {

ReplacingFile::ReplacingFile(std::u16string path)
    : path_(std::move(path)), temporary_(temporary_path(path_)), out_(temporary_) {}

ReplacingFile::~ReplacingFile() {
  if (committed_) return;
  try {
    out_.close();
  } catch (...) {
  }
  platform::remove_file(temporary_);
}

void ReplacingFile::commit() {
  out_.close();
  if (!platform::replace_file(temporary_, path_)) throw 1;
  committed_ = true;
}

bool write_file_whole(const std::u16string& path, std::string_view bytes) {
  try {
    ReplacingFile file(path);
    file.out().write(bytes.data(), bytes.size());
    file.commit();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace simple_io
