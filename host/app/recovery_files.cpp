// Finding a model's recovery files where the plug-in writes them.
#include "app/recovery_files.h"

#include <algorithm>
#include <filesystem>

#include "app/host_platform.h"
#include "interface/recovery_names.h"
#include "platform/file_identity.h"

namespace host {
namespace {

std::u16string after_last_separator(const std::u16string& path) {
  const auto separator = path.find_last_of(u"/\\");
  return separator == std::u16string::npos ? path : path.substr(separator + 1);
}

}  // namespace

std::vector<std::u16string> recovery_files(const std::u16string& model_path,
                                           const std::u16string& plugin_path) {
  std::vector<std::u16string> found;
  if (model_path.empty()) return found;
  const std::u16string library = after_last_separator(plugin_path);
  const std::u16string base = library.substr(0, library.rfind(u'.'));
  const std::filesystem::path folder =
      std::filesystem::path(local_app_data_folder()) / "Quarnex" / "plugins" / base / "recovery";
  const std::u16string prefix =
      cpp::recovery_name_stem(after_last_separator(model_path), platform::canonical_path(model_path)) + u".";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::u16string name = entry.path().filename().u16string();
    if (name.starts_with(prefix)) found.push_back(entry.path().u16string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace host
