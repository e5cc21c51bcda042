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
  const std::u16string path_hash = cpp::recovery_path_hash(platform::canonical_path(model_path));
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::u16string name = entry.path().filename().u16string();
    // Each panel's ending, and the discarded copies: every file of the model counts.
    if (name.find(u"." + path_hash + u".") != std::u16string::npos) found.push_back(entry.path().u16string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace host
