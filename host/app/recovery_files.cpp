// Finding a model's recovery files where the plug-in writes them.
#include "app/recovery_files.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "app/host_platform.h"

namespace host {
namespace {

// The plug-in's FNV-1a over the path's code units, in 16 hexadecimal digits.
std::u16string path_hash(const std::u16string& path) {
  std::uint64_t hash = 14695981039346656037ull;
  for (const char16_t c : path) {
    hash ^= static_cast<std::uint64_t>(c);
    hash *= 1099511628211ull;
  }
  constexpr char16_t digits[] = u"0123456789abcdef";
  std::u16string text(16, u'0');
  for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<std::size_t>(i)] = digits[hash & 15];
  return text;
}

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
  // The model's file name as the plug-in cuts it, then the hash of the whole path.
  const std::u16string prefix =
      after_last_separator(model_path).substr(0, 64) + u"." + path_hash(model_path) + u".";
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::u16string name = entry.path().filename().u16string();
    if (name.starts_with(prefix)) found.push_back(entry.path().u16string());
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace host
