// Path parts.
#include "plugin_base/path_parts.h"

std::u16string folder_part(const std::u16string& path, char16_t separator) {
  const auto last = path.rfind(separator);
  if (last == std::u16string::npos) return {};
  if (last == 2 && path[1] == u':') return path.substr(0, 3);
  return path.substr(0, last);
}

std::u16string file_name_part(const std::u16string& path, char16_t separator) {
  const auto last = path.rfind(separator);
  return last == std::u16string::npos ? path : path.substr(last + 1);
}

std::u16string model_stem(const std::u16string& model_path) {
  return model_path.size() > 4 ? model_path.substr(0, model_path.size() - 4) : model_path;
}

std::u16string extension_part(const std::u16string& path) {
  const auto dot = path.rfind(u'.');
  const auto separator = path.find_last_of(u"\\/");
  if (dot == std::u16string::npos || (separator != std::u16string::npos && dot < separator)) return {};
  std::u16string extension = path.substr(dot);
  for (char16_t& c : extension) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return extension;
}

std::u16string with_extension(std::u16string path, std::u16string_view extension) {
  if (extension_part(path) != extension) path += extension;
  return path;
}
