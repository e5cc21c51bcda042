// Host API, event registration: the viewer keeps one callback per event.
#include "api/host_functions.h"
#include "api/host_state.h"

namespace host::api {

#define TORV_REGISTER_EVENT(function, field, type) \
  void function(HostHandle, type callback) { host_state().events.field = callback; }

TORV_REGISTER_EVENT(on_measure_change, measure_change, Callback)
TORV_REGISTER_EVENT(on_model_clear, model_clear, Callback)
TORV_REGISTER_EVENT(on_selection_change, selection_change, Callback)
TORV_REGISTER_EVENT(on_hover, hover, Callback)
TORV_REGISTER_EVENT(on_draw, draw, Callback)
TORV_REGISTER_EVENT(on_draw_object_click, draw_object_click, Callback)
TORV_REGISTER_EVENT(on_context_menu, context_menu, Callback)
TORV_REGISTER_EVENT(on_gallery_item_context_menu, gallery_item_context_menu, Callback)
TORV_REGISTER_EVENT(on_tab_change, tab_change, Callback)
TORV_REGISTER_EVENT(on_tab_sheet_placement, tab_sheet_placement, ValueCallback)
TORV_REGISTER_EVENT(on_tab_sheet_change, tab_sheet_change, ValueCallback)
TORV_REGISTER_EVENT(on_plugin_message, plugin_message, MessageCallback)
TORV_REGISTER_EVENT(on_property_change, property_change, Callback)
TORV_REGISTER_EVENT(on_object_list_changed, object_list_changed, Callback)
TORV_REGISTER_EVENT(on_model_load, model_load, Callback)
TORV_REGISTER_EVENT(on_save_bvf, save_bvf, Callback)

#undef TORV_REGISTER_EVENT

}  // namespace host::api
