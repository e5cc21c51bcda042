// Each callback reads plugin_instance at the time of the call and runs one operation, guarded.
#include "plugin_base/event_callbacks.h"

#include "plugin_base/guarded_call.h"
#include "plugin_base/host_api.h"

namespace cpp {
namespace {

#define TORV_FORWARD_EVENT(operation)                            \
  void TORV_CALL operation() {                                   \
    with_plugin([](PluginBase& plugin) { plugin.operation(); }); \
  }

TORV_FORWARD_EVENT(on_measure_change)
TORV_FORWARD_EVENT(on_model_clear)
TORV_FORWARD_EVENT(on_selection_change)
TORV_FORWARD_EVENT(on_hover)
TORV_FORWARD_EVENT(on_draw)
TORV_FORWARD_EVENT(on_context_menu)
TORV_FORWARD_EVENT(on_tab_change)
TORV_FORWARD_EVENT(on_property_change)
TORV_FORWARD_EVENT(on_object_list_changed)
TORV_FORWARD_EVENT(on_model_load)
TORV_FORWARD_EVENT(on_save_bvf)
#undef TORV_FORWARD_EVENT

void TORV_CALL on_draw_object_click() {
  with_plugin([](PluginBase& plugin) {
    plugin.on_draw_object_click(viewer::get_draw_object_id(plugin.host_handle));
  });
}

void TORV_CALL on_gallery_item_context_menu() {
  with_plugin([](PluginBase& plugin) {
    plugin.on_gallery_item_context_menu(viewer::clicked_button(plugin.host_handle));
  });
}

void TORV_CALL on_tab_sheet_placement(std::int32_t value) {
  with_plugin([value](PluginBase& plugin) { plugin.on_tab_sheet_placement(value); });
}

void TORV_CALL on_tab_sheet_change(std::int32_t value) {
  with_plugin([value](PluginBase& plugin) { plugin.on_tab_sheet_change(value); });
}

// The viewer takes true as "handled", whatever the plug-in did with the message.
bool TORV_CALL on_plugin_message(std::int32_t first, std::int32_t second) {
  with_plugin([first, second](PluginBase& plugin) { plugin.on_plugin_message(first, second); });
  return true;
}

}  // namespace

void TORV_CALL button_clicked() {
  with_plugin([](PluginBase& plugin) { plugin.on_button_click(viewer::clicked_button(plugin.host_handle)); });
}

void register_early_callbacks(viewer::HostHandle host) {
  viewer::on_measure_change(host, &on_measure_change);
  viewer::on_model_clear(host, &on_model_clear);
  viewer::on_selection_change(host, &on_selection_change);
  viewer::on_hover(host, &on_hover);
  viewer::on_draw(host, &on_draw);
  viewer::on_draw_object_click(host, &on_draw_object_click);
  viewer::on_context_menu(host, &on_context_menu);
  viewer::on_gallery_item_context_menu(host, &on_gallery_item_context_menu);
  viewer::on_tab_change(host, &on_tab_change);
  viewer::on_tab_sheet_placement(host, &on_tab_sheet_placement);
  viewer::on_tab_sheet_change(host, &on_tab_sheet_change);
  viewer::on_plugin_message(host, &on_plugin_message);
  viewer::on_property_change(host, &on_property_change);
  viewer::on_object_list_changed(host, &on_object_list_changed);
}

void register_late_callbacks(viewer::HostHandle host) {
  viewer::on_model_load(host, &on_model_load);
  viewer::on_save_bvf(host, &on_save_bvf);
}

}  // namespace cpp
