// Copies of the built library.
#include "support/plugin_copy.h"

#include "support/host_fixture.h"

namespace torv_test {

PluginCopy::PluginCopy(const std::string& file_name) : library_(folder_.file(file_name)) {
  std::filesystem::copy_file(built_plugin_path(), library_);
}

void PluginCopy::copy_data(const std::string& data_folder_name,
                           std::initializer_list<const char*> files) const {
  const std::filesystem::path data = folder() / data_folder_name;
  std::filesystem::create_directories(data);
  for (const char* file : files) std::filesystem::copy_file(built_data_folder() / file, data / file);
}

}  // namespace torv_test
