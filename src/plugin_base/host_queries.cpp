// Viewer texts are copied at once.
#include "plugin_base/host_queries.h"

#include "plugin_base/host_api.h"

bool has_guid(viewer::HostHandle host, viewer::ObjectId id) {
  viewer::ObjectInfo2 info{};
  viewer::get_object_info2(host, &id, &info, 1);
  return info.ifc_guid != nullptr && info.ifc_guid[0] != u'\0';
}

std::u16string loaded_ifc_path(viewer::HostHandle host) {
  const char16_t* path = viewer::get_loaded_ifc_path(host);
  return path != nullptr ? path : u"";
}
