// Reading the weight properties' file.
#include "gui_uda/weight_list.h"

#include "simple_io/in_file.h"
#include "toolkit/string_list.h"

std::vector<WeightProperty> read_weight_properties(const cpp::PluginBase& plugin) {
  constexpr char16_t file_name[] = u"weight_properties.txt";
  simple_io::FileBytes file = simple_io::read_file_bytes(plugin.user_folder + file_name);
  if (!file.bytes) file = simple_io::read_file_bytes(plugin.plugin_file_path(file_name));
  return file.bytes ? parse_weight_properties(toolkit::decode_text(*file.bytes)) : std::vector<WeightProperty>{};
}
