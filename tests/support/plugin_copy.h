// The built plug-in library copied into a temporary folder under another file name, to see
// what follows the library's name and what its data folder holds.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "support/temp_folder.h"

namespace torv_test {

class PluginCopy {
 public:
  explicit PluginCopy(const std::string& file_name);

  const std::u16string& library() const { return library_; }
  const std::filesystem::path& folder() const { return folder_.path(); }

  // Copies the named files of the built torv_data into data_folder_name inside the folder.
  void copy_data(const std::string& data_folder_name, std::initializer_list<const char*> files) const;

 private:
  TempFolder folder_;
  std::u16string library_;
};

}  // namespace torv_test
