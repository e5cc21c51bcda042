// The defaults of cpp::PluginBase, its folders and its language texts.
#include "plugin_base/plugin_base.h"

#include <algorithm>

#include "platform/file_facts.h"
#include "platform/module_file.h"
#include "platform/shell_folders.h"
#include "plugin_base/host_api.h"
#include "plugin_base/plugin_folders.h"

namespace cpp {

PluginBase::PluginBase(platform::ModuleHandle module, const char16_t* plugin_name)
    : module_handle(module), name(plugin_name != nullptr ? plugin_name : u"") {
  const char16_t separator = platform::path_separator();
  const std::u16string file_name = platform::module_file_name(module_handle);
  // A virtual call in a constructor reaches this class's own data_folder_name, as intended:
  // the derived part does not exist yet.
  data_folder = plugin_folders::library_folder(file_name, separator) + separator +
                PluginBase::data_folder_name() + separator;
  const std::u16string base = plugin_folders::base_name(file_name, separator);
  user_folder = plugin_folders::application_folder(platform::local_app_data_folder(), base, separator);
  common_folder = plugin_folders::application_folder(platform::common_app_data_folder(), base, separator);
}

PluginBase::~PluginBase() = default;

std::int32_t PluginBase::api_major_version() { return 5; }

std::int32_t PluginBase::api_minor_version() { return 46; }

void PluginBase::check_host_api_version(const ApiVersion& /*host_version*/) {}

void PluginBase::get_plugin_info(PluginInfo& info) {
  info.name = name.c_str();
  info.producer = u"Quarnex";
  info.web_address = u"https://quarnex.example";
  info.email = u"plugins@quarnex.example";
  info.description = nullptr;
  info.data_folder = data_folder.c_str();
}

std::int32_t PluginBase::on_drag_enter(std::int32_t, std::int32_t, std::int32_t) { return 0; }

std::int32_t PluginBase::on_drag_over(std::int32_t, std::int32_t, std::int32_t) { return 0; }

std::int32_t PluginBase::on_drop(std::int32_t, std::int32_t, std::int32_t, std::int32_t) { return 0; }

void PluginBase::on_plugin_load(viewer::HostHandle host, bool /*flag*/, viewer::HostWindow window) {
  host_handle = host;
  host_window = window;
  load_language_texts();
}

void PluginBase::on_plugin_unload() {}
void PluginBase::on_gui_colors_change() {}
void PluginBase::on_measure_change() {}
void PluginBase::on_model_clear() {}
void PluginBase::on_save_bvf() {}
void PluginBase::on_selection_change() {}
void PluginBase::on_hover() {}
void PluginBase::on_draw() {}
void PluginBase::on_draw_object_click(std::int32_t) {}
void PluginBase::on_context_menu() {}
void PluginBase::on_gallery_item_context_menu(std::int32_t) {}
void PluginBase::on_tab_change() {}
void PluginBase::on_property_change() {}
void PluginBase::on_object_list_changed() {}
void PluginBase::on_button_click(std::int32_t) {}
void PluginBase::on_tab_sheet_placement(std::int32_t) {}
void PluginBase::on_tab_sheet_change(std::int32_t) {}
void PluginBase::on_plugin_message(std::int32_t, std::int32_t) {}

bool PluginBase::on_model_load_v2(bool) { return false; }

void PluginBase::on_model_save_v2() {}

void PluginBase::on_model_load() {
  all_objects_id = viewer::get_all_objects_id(host_handle);
  selected_id = viewer::get_selected_id(host_handle);
}

std::u16string PluginBase::data_folder_name() {
  return plugin_folders::base_name(platform::module_file_name(module_handle), platform::path_separator()) +
         u"_data";
}

std::u16string PluginBase::plugin_file_path(const char16_t* file_name) const {
  return file_name != nullptr ? data_folder + file_name : data_folder;
}

void PluginBase::load_language_texts() {
  const char16_t* language = viewer::get_language(host_handle);
  const std::u16string code = language != nullptr ? language : u"";
  // The code becomes part of a path: anything but letters, digits, '-' and '_' (a "../") could
  // lead out of the data folder, and gets the fallback.
  const auto in_name = [](char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' ||
           c == u'_';
  };
  // Only a missing or a regular file is handed to the viewer: a FIFO there would stop it for good.
  const auto readable = [](const std::u16string& path) {
    return !platform::path_exists(path) || platform::is_regular_file(path);
  };
  const std::u16string path = plugin_file_path((u"lang." + code).c_str());
  if (std::all_of(code.begin(), code.end(), in_name) && readable(path) &&
      viewer::load_texts(host_handle, path.c_str()))
    return;
  const std::u16string fallback = plugin_file_path(u"lang.en");
  if (readable(fallback)) viewer::load_texts(host_handle, fallback.c_str());
}

}  // namespace cpp
