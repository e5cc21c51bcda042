// OutFile on a C runtime binary stream.
#include "simple_io/out_file.h"

#include "platform/file_stream.h"

namespace simple_io {

OutFile::OutFile(const std::u16string& path) : file_(platform::create_new_file(path)) {
  if (file_ == nullptr) throw 1;
}

OutFile::OutFile(std::FILE* file) : file_(file) {
  if (file_ == nullptr) throw 1;
}

OutFile::~OutFile() {
  if (file_ != nullptr) std::fclose(file_);
}

void OutFile::write(const void* source, std::size_t count) {
  if (file_ == nullptr) throw 1;
  if (count == 0) return;
  if (std::fwrite(source, 1, count, file_) != count) throw 1;
}

void OutFile::close() {
  std::FILE* file = file_;
  file_ = nullptr;
  if (file == nullptr || std::fclose(file) != 0) throw 1;
}

}  // namespace simple_io
