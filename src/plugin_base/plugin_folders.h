// How the plug-in's folders follow from the library's own file name.
#pragma once

#include <string>
#include <string_view>

namespace plugin_folders {

// Up to, not including, the last separator; the whole name when it has none.
std::u16string library_folder(std::u16string_view file_name, char16_t separator);

// After the last separator, up to, not including, the last dot of what is left.
std::u16string base_name(std::u16string_view file_name, char16_t separator);

// The per-user or all-users folder of a plug-in: "Quarnex\plugins\" + base name, inside the
// given application-data folder, ending in a separator.
std::u16string application_folder(std::u16string_view app_data_folder, std::u16string_view base,
                                  char16_t separator);

}  // namespace plugin_folders
