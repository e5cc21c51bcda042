// cpp::PluginBase: turns every export and every viewer event into a virtual operation with a
// default behaviour. The plug-in class derives from it and overrides what it needs.
#pragma once

#include <cstdint>
#include <string>

#include "interface/plugin_records.h"
#include "interface/viewer_records.h"
#include "platform/module_handle.h"

namespace cpp {

class PluginBase {
 public:
  // Works out the three folders from the library's actual file name (not from name).
  PluginBase(platform::ModuleHandle module, const char16_t* name);
  virtual ~PluginBase();
  PluginBase(const PluginBase&) = delete;
  PluginBase& operator=(const PluginBase&) = delete;

  virtual std::int32_t api_major_version();
  virtual std::int32_t api_minor_version();
  virtual void check_host_api_version(const ApiVersion& host_version);
  virtual void get_plugin_info(PluginInfo& info);
  virtual std::int32_t on_drag_enter(std::int32_t first, std::int32_t second, std::int32_t third);
  virtual std::int32_t on_drag_over(std::int32_t first, std::int32_t second, std::int32_t third);
  virtual std::int32_t on_drop(std::int32_t first, std::int32_t second, std::int32_t third,
                               std::int32_t fourth);
  virtual void on_plugin_load(viewer::HostHandle host, bool flag, viewer::HostWindow window);
  virtual void on_plugin_unload();
  virtual void on_gui_colors_change();
  virtual void on_measure_change();
  virtual void on_model_clear();
  virtual void on_save_bvf();
  virtual void on_selection_change();
  virtual void on_hover();
  virtual void on_draw();
  virtual void on_draw_object_click(std::int32_t draw_object_id);
  virtual void on_context_menu();
  virtual void on_gallery_item_context_menu(std::int32_t button_id);
  virtual void on_tab_change();
  virtual void on_property_change();
  virtual void on_object_list_changed();
  virtual void on_button_click(std::int32_t button_id);
  virtual void on_tab_sheet_placement(std::int32_t value);
  virtual void on_tab_sheet_change(std::int32_t value);
  virtual void on_plugin_message(std::int32_t first, std::int32_t second);
  virtual bool on_model_load_v2(bool flag);
  virtual void on_model_save_v2();
  virtual void on_model_load();
  virtual std::u16string data_folder_name();

  // data_folder followed by file_name; a null file_name gives the data folder itself.
  std::u16string plugin_file_path(const char16_t* file_name) const;

  // Loads "lang." + the viewer's language code from the data folder, else "lang.en".
  void load_language_texts();

  platform::ModuleHandle module_handle;
  // Set by the export on_plugin_load before the operation runs, so ribbon buttons can use it.
  viewer::Callback button_callback = nullptr;
  viewer::HostHandle host_handle = 0;
  std::u16string data_folder;
  std::u16string user_folder;
  std::u16string common_folder;
  // The viewer's two pseudo-identifiers, cached at every model load; 0 before the first.
  viewer::ObjectId all_objects_id = 0;
  viewer::ObjectId selected_id = 0;
  std::u16string name;
  viewer::HostWindow host_window = nullptr;
};

}  // namespace cpp
