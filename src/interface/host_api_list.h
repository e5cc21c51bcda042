// The host functions the plug-in calls, each once: name, result and arguments. This one list makes
// the plug-in's function table, its resolution by name and its wrappers, and the stand-in host's exports.
#pragma once

#include <cstdint>

#include "interface/viewer_records.h"

// X(result, name, (parameters), (arguments)); the host handle always comes first.
#define TORV_HOST_API(X)                                                                                     \
  /* model */                                                                                                \
  X(ObjectId, get_all_objects_id, (HostHandle host), (host))                                                 \
  X(ObjectId, get_selected_id, (HostHandle host), (host))                                                    \
  X(std::int32_t, get_selected, (HostHandle host, ObjectId * buffer, std::int32_t capacity),                 \
    (host, buffer, capacity))                                                                                \
  X(std::int32_t, get_childs, (HostHandle host, ObjectId id, ObjectId * buffer, std::int32_t capacity),      \
    (host, id, buffer, capacity))                                                                            \
  X(void, get_object_info, (HostHandle host, const ObjectId* ids, ObjectInfo* infos, std::int32_t count),    \
    (host, ids, infos, count))                                                                               \
  X(void, get_object_info2, (HostHandle host, const ObjectId* ids, ObjectInfo2* infos, std::int32_t count),  \
    (host, ids, infos, count))                                                                               \
  X(bool, has_representation, (HostHandle host, ObjectId id), (host, id))                                    \
  X(bool, get_bounds, (HostHandle host, ObjectId id, BoundsBox * box), (host, id, box))                      \
  X(ObjectId, calculate_object_id, (HostHandle host, const char* ifc_guid), (host, ifc_guid))                \
  X(std::int32_t, filter_properties,                                                                         \
    (HostHandle host, const PropertyQuery* query, PropertyResult* result, bool flag),                        \
    (host, query, result, flag))                                                                             \
  X(const char16_t*, get_loaded_ifc_path, (HostHandle host), (host))                                         \
  X(void, set_user_data, (HostHandle host, ObjectId id, void* data, bool every_object),                      \
    (host, id, data, every_object))                                                                          \
  X(void*, get_user_data, (HostHandle host, ObjectId id), (host, id))                                        \
  /* view */                                                                                                 \
  X(void, set_object_color, (HostHandle host, ObjectId id, std::uint32_t color, bool flag),                  \
    (host, id, color, flag))                                                                                 \
  X(void, set_object_default_color, (HostHandle host, ObjectId id, bool flag), (host, id, flag))             \
  X(void, select, (HostHandle host, ObjectId id, bool flag), (host, id, flag))                               \
  X(void, select_many, (HostHandle host, const ObjectId* ids, std::int32_t count, std::int32_t mode),        \
    (host, ids, count, mode))                                                                                \
  X(void, apply_select_rules, (HostHandle host), (host))                                                     \
  X(void, invalidate, (HostHandle host), (host))                                                             \
  X(void, get_hovered_pos, (HostHandle host, HoverPosition * position), (host, position))                    \
  X(void, set_hover_objects, (HostHandle host, const ObjectId* ids, std::int32_t count), (host, ids, count)) \
  X(std::int32_t, get_draw_object_id, (HostHandle host), (host))                                             \
  /* ribbon */                                                                                               \
  X(std::int32_t, create_group, (HostHandle host, std::int32_t place, const char16_t* caption),              \
    (host, place, caption))                                                                                  \
  X(std::int32_t, create_button, (HostHandle host, std::int32_t group, Callback callback),                   \
    (host, group, callback))                                                                                 \
  X(std::int32_t, create_small_button, (HostHandle host, std::int32_t group, Callback callback),             \
    (host, group, callback))                                                                                 \
  X(std::int32_t, create_sub_button, (HostHandle host, std::int32_t group, bool flag), (host, group, flag))  \
  X(void, add_button, (HostHandle host, std::int32_t dropdown, std::int32_t button),                         \
    (host, dropdown, button))                                                                                \
  X(void, add_context_button, (HostHandle host, std::int32_t button), (host, button))                        \
  X(void, set_button_text,                                                                                   \
    (HostHandle host, std::int32_t button, const char16_t* text, const char16_t* hint),                      \
    (host, button, text, hint))                                                                              \
  X(void, set_button_image, (HostHandle host, std::int32_t button, const char16_t* path),                    \
    (host, button, path))                                                                                    \
  X(void, set_button_small_image, (HostHandle host, std::int32_t button, const char16_t* path),              \
    (host, button, path))                                                                                    \
  X(void, show_button, (HostHandle host, std::int32_t button, bool visible), (host, button, visible))        \
  X(std::int32_t, clicked_button, (HostHandle host), (host))                                                 \
  /* interface */                                                                                            \
  X(std::uint32_t, get_gui_color, (HostHandle host, std::int32_t index), (host, index))                      \
  X(void, get_view_rect, (HostHandle host, ViewRect * rect), (host, rect))                                   \
  X(bool, is_touch_mode, (HostHandle host), (host))                                                          \
  X(const char16_t*, get_language, (HostHandle host), (host))                                                \
  X(bool, load_texts, (HostHandle host, const char16_t* path), (host, path))                                 \
  X(const char16_t*, get_text, (HostHandle host, const char* key), (host, key))                              \
  /* events: each registers one callback */                                                                  \
  X(void, on_measure_change, (HostHandle host, Callback callback), (host, callback))                         \
  X(void, on_model_clear, (HostHandle host, Callback callback), (host, callback))                            \
  X(void, on_selection_change, (HostHandle host, Callback callback), (host, callback))                       \
  X(void, on_hover, (HostHandle host, Callback callback), (host, callback))                                  \
  X(void, on_draw, (HostHandle host, Callback callback), (host, callback))                                   \
  X(void, on_draw_object_click, (HostHandle host, Callback callback), (host, callback))                      \
  X(void, on_context_menu, (HostHandle host, Callback callback), (host, callback))                           \
  X(void, on_gallery_item_context_menu, (HostHandle host, Callback callback), (host, callback))              \
  X(void, on_tab_change, (HostHandle host, Callback callback), (host, callback))                             \
  X(void, on_tab_sheet_placement, (HostHandle host, ValueCallback callback), (host, callback))               \
  X(void, on_tab_sheet_change, (HostHandle host, ValueCallback callback), (host, callback))                  \
  X(void, on_plugin_message, (HostHandle host, MessageCallback callback), (host, callback))                  \
  X(void, on_property_change, (HostHandle host, Callback callback), (host, callback))                        \
  X(void, on_object_list_changed, (HostHandle host, Callback callback), (host, callback))                    \
  X(void, on_model_load, (HostHandle host, Callback callback), (host, callback))                             \
  X(void, on_save_bvf, (HostHandle host, Callback callback), (host, callback))
