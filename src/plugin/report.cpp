// Writing the object report.
#include "plugin/report.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "categories/clean_field.h"
#include "platform/ansi_code_page.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/language_text.h"
#include "plugin_base/path_parts.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/string_list.h"

namespace {

std::u16string widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

// Thousandths truncated toward zero in 64 bits, so georeferenced coordinates do not overflow;
// a coordinate that is not a number gives an empty field.
std::u16string thousandths(double coordinate) {
  const double scaled = std::trunc(coordinate * 1000.0);
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return {};
  return widen(std::to_string(static_cast<long long>(scaled)));
}

}  // namespace

void export_report(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_csv_extension(std::move(file_name));
  toolkit::StringList report;
  std::vector<std::u16string>& lines = report.lines;
  lines.push_back(u"IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min");
  if (Tfrm_uda* batch = panel(PanelMode::Batch)) {
    std::vector<viewer::ObjectInfo> infos;
    std::vector<viewer::ObjectInfo2> infos2;
    for (const auto& group : batch->groups) {
      if (group->is_default || group->object_ids.empty()) continue;
      const auto count = static_cast<std::int32_t>(group->object_ids.size());
      infos.assign(group->object_ids.size(), viewer::ObjectInfo{});
      infos2.assign(group->object_ids.size(), viewer::ObjectInfo2{});
      viewer::get_object_info(plugin.host_handle, group->object_ids.data(), infos.data(), count);
      viewer::get_object_info2(plugin.host_handle, group->object_ids.data(), infos2.data(), count);
      const std::u16string batch_name = clean_field(group->name);
      for (std::size_t i = 0; i < group->object_ids.size(); ++i) {
        std::u16string line =
            viewer_text(infos2[i].ifc_guid) + u',' + batch_name + u',' +
            clean_field(viewer_text(infos[i].name)) + u',' + clean_field(viewer_text(infos[i].description)) +
            u',' + (infos[i].ifc_entity != nullptr ? platform::from_ansi(infos[i].ifc_entity) : u"") + u',' +
            clean_field(viewer_text(infos2[i].tag)) + u',';
        viewer::BoundsBox box{};
        if (viewer::get_bounds(plugin.host_handle, group->object_ids[i], &box)) {
          line += thousandths(box.min_x) + u',' + thousandths(box.min_y) + u',' + thousandths(box.min_z);
        } else {
          line += u",,";
        }
        lines.push_back(std::move(line));
      }
    }
  }
  if (!report.save_to_file(file_name)) {
    toolkit::message_box(plugin.host_window, cpp::language_text(plugin.host_handle, "save_error"), u"TORV",
                         toolkit::MessageIcon::error);
  }
}
