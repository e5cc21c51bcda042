// Whether a folder is free of the temporary files that writing a file whole goes through.
#pragma once

#include <filesystem>

namespace torv_test {

inline bool no_temporary_left(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with(".torv-")) return false;
  }
  return true;
}

}  // namespace torv_test
