// Whole files through the C runtime's buffered streams, and through a temporary file by the system's calls.
#include "support/file_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace bench {

void write_bytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

void write_replacing(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new";
  const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (file < 0) return;
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t written = write(file, bytes.data() + done, bytes.size() - done);
    if (written <= 0) break;
    done += static_cast<std::size_t>(written);
  }
  close(file);
  std::rename(temporary.c_str(), path.c_str());
}

std::string read_bytes(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return {};
  std::fseek(file, 0, SEEK_END);
  std::string bytes(static_cast<std::size_t>(std::ftell(file)), '\0');
  std::fseek(file, 0, SEEK_SET);
  const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  bytes.resize(read);
  return bytes;
}

}  // namespace bench
