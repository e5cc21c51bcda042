// Writing the object report.
#include "plugin/report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin/report_field.h"
#include "plugin_base/fetch_ahead.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/language_text.h"
#include "plugin_base/path_parts.h"
#include "simple_io/replacing_file.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/file_text.h"

namespace {

// Thousandths truncated toward zero in 64 bits, so georeferenced coordinates do not overflow;
// a coordinate that is not a number gives an empty field. Those that fit 32 bits, nearly all, are
// written by 32-bit divisions, which a 32-bit processor does in one instruction each.
void append_thousandths(toolkit::FileText& report, double coordinate) {
  const double scaled = std::trunc(coordinate * 1000.0);
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return;
  report.append_ascii_written(24, [scaled](char* first, char* last) {
    if (std::fabs(scaled) < 2147483648.0)
      return std::to_chars(first, last, static_cast<std::int32_t>(scaled)).ptr;
    return std::to_chars(first, last, static_cast<long long>(scaled)).ptr;
  });
}

}  // namespace

void export_report(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_csv_extension(std::move(file_name));
  // One text for the whole report, each line appended in place.
  toolkit::FileText report;
  report.append(u"IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n");
  if (Tfrm_uda* batch = panel(PanelMode::Batch)) {
    // About a hundred characters a line: the text is made room for once, not grown and copied.
    std::size_t lines = 0;
    for (const auto& group : batch->groups) lines += group->is_default ? 0 : group->object_ids.size();
    report.reserve_more(lines * 128);
    std::vector<viewer::ObjectInfo> infos;
    std::vector<viewer::ObjectInfo2> infos2;
    for (const auto& group : batch->groups) {
      if (group->is_default || group->object_ids.empty()) continue;
      const auto count = static_cast<std::int32_t>(group->object_ids.size());
      infos.assign(group->object_ids.size(), viewer::ObjectInfo{});
      infos2.assign(group->object_ids.size(), viewer::ObjectInfo2{});
      viewer::get_object_info(plugin.host_handle, group->object_ids.data(), infos.data(), count);
      viewer::get_object_info2(plugin.host_handle, group->object_ids.data(), infos2.data(), count);
      // The batch between its commas, the same on each of the category's lines.
      toolkit::FileText batch_field;
      append_report_field(batch_field, group->name.c_str());
      const std::u16string between_guid_and_name = u"," + batch_field.text() + u",";
      for (std::size_t i = 0; i < group->object_ids.size(); ++i) {
        if (const std::size_t ahead = i + viewer::fetch_distance; ahead < infos.size()) {
          viewer::fetch_ahead(infos2[ahead].ifc_guid, infos[ahead].name, infos[ahead].description,
                              infos[ahead].ifc_entity, infos2[ahead].tag);
        }
        append_report_field(report, infos2[i].ifc_guid);
        report.append(between_guid_and_name);
        append_report_field(report, infos[i].name);
        report.append_ascii(',');
        append_report_field(report, infos[i].description);
        report.append_ascii(',');
        append_ansi_report_field(report, infos[i].ifc_entity);
        report.append_ascii(',');
        append_report_field(report, infos2[i].tag);
        report.append_ascii(',');
        viewer::BoundsBox box{};
        if (viewer::get_bounds(plugin.host_handle, group->object_ids[i], &box)) {
          append_thousandths(report, box.min_x);
          report.append_ascii(',');
          append_thousandths(report, box.min_y);
          report.append_ascii(',');
          append_thousandths(report, box.min_z);
        } else {
          report.append_ascii(",,");
        }
        report.append_ascii("\r\n");
      }
    }
  }
  if (!report.save(file_name)) {
    toolkit::message_box(plugin.host_window,
                         cpp::language_text(plugin.host_handle, "save_error") + u"\n" + file_name + u": " +
                             simple_io::last_write_failure(),
                         u"TORV", toolkit::MessageIcon::error);
  }
}
