// Any bytes as a colour file: every count and length is checked before anything is allocated.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui_uda/color_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path path = std::filesystem::temp_directory_path() / "torv-fuzz-colors.dat";
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  read_color_file(path.u16string());
  return 0;
}
