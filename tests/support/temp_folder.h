// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace torv_test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The path of name inside the folder, as the UTF-16 text the plug-in and host take.
  std::u16string file(const std::filesystem::path& name) const;

 private:
  std::filesystem::path path_;
};

// Writes bytes to a file, replacing it.
void write_file(const std::filesystem::path& path, const std::string& bytes);
std::string read_file(const std::filesystem::path& path);

}  // namespace torv_test
