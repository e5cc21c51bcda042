// Viewer texts are copied at once.
#include "plugin_base/host_queries.h"

#include <algorithm>

#include "plugin_base/host_api.h"

bool has_guid(viewer::HostHandle host, viewer::ObjectId id) {
  viewer::ObjectInfo2 info{};
  viewer::get_object_info2(host, &id, &info, 1);
  return info.ifc_guid != nullptr && info.ifc_guid[0] != u'\0';
}

std::u16string loaded_ifc_path(viewer::HostHandle host) {
  return viewer_text(viewer::get_loaded_ifc_path(host));
}

void read_children(viewer::HostHandle host, viewer::ObjectId id, std::vector<viewer::ObjectId>& buffer) {
  buffer.clear();
  const std::int32_t count = viewer::get_childs(host, id, nullptr, 0);
  if (count <= 0) return;
  buffer.resize(static_cast<std::size_t>(count));
  // A viewer may report fewer the second time; never read past what it filled.
  const std::int32_t filled = viewer::get_childs(host, id, buffer.data(), count);
  buffer.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
}

void read_selection(viewer::HostHandle host, std::vector<viewer::ObjectId>& buffer) {
  buffer.clear();
  const std::int32_t count = viewer::get_selected(host, nullptr, 0);
  if (count <= 0) return;
  buffer.resize(static_cast<std::size_t>(count));
  const std::int32_t filled = viewer::get_selected(host, buffer.data(), count);
  buffer.resize(static_cast<std::size_t>(std::clamp(filled, 0, count)));
}
