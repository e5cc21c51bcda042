// Folder texts: plain string work, so both path conventions can be checked anywhere.
#include "plugin_base/plugin_folders.h"

namespace plugin_folders {

std::u16string library_folder(std::u16string_view file_name, char16_t separator) {
  const auto last = file_name.rfind(separator);
  return std::u16string(last == std::u16string_view::npos ? file_name : file_name.substr(0, last));
}

std::u16string base_name(std::u16string_view file_name, char16_t separator) {
  const auto last_separator = file_name.rfind(separator);
  if (last_separator != std::u16string_view::npos) file_name.remove_prefix(last_separator + 1);
  return std::u16string(file_name.substr(0, file_name.rfind(u'.')));
}

std::u16string application_folder(std::u16string_view app_data_folder, std::u16string_view base,
                                  char16_t separator) {
  std::u16string folder(app_data_folder);
  for (const std::u16string_view part :
       {std::u16string_view(u"Quarnex"), std::u16string_view(u"plugins"), base}) {
    folder += separator;
    folder += part;
  }
  folder += separator;
  return folder;
}

}  // namespace plugin_folders
