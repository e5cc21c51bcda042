// Writing the object report.
#include "plugin/report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin/report_field.h"
#include "plugin/report_walk.h"
#include "plugin_base/language_text.h"
#include "plugin_base/path_parts.h"
#include "simple_io/replacing_file.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "toolkit/file_text.h"

namespace {

// Thousandths in 64 bits, so georeferenced coordinates do not overflow; a coordinate that is not
// a number gives an empty field. Those that fit 32 bits, nearly all, are written by 32-bit
// divisions, which a 32-bit processor does in one instruction each.
void append_thousandths(toolkit::FileText& report, double coordinate) {
  const std::optional<double> thousandths = whole_thousandths(coordinate);
  if (!thousandths) return;
  const double scaled = *thousandths;
  report.append_ascii_written(24, [scaled](char* first, char* last) {
    if (std::fabs(scaled) < 2147483648.0)
      return std::to_chars(first, last, static_cast<std::int32_t>(scaled)).ptr;
    return std::to_chars(first, last, static_cast<long long>(scaled)).ptr;
  });
}

}  // namespace

void export_report(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_extension(std::move(file_name), u".csv");
  // One text for the whole report, each line appended in place.
  toolkit::FileText report;
  report.append(u"IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n");
  if (Tfrm_uda* batch = panel(PanelMode::Batch)) {
    // About a hundred characters a line: the text is made room for once, not grown and copied.
    report.reserve_more(report_object_count(batch->groups) * 128);
    // The batch between its commas, the same on each of the category's lines.
    std::u16string between_guid_and_name;
    walk_report_objects(
        plugin.host_handle, batch->groups,
        [&between_guid_and_name](const ObjectsGroup& group) {
          toolkit::FileText batch_field;
          append_report_field(batch_field, group.name.c_str());
          between_guid_and_name = u"," + batch_field.text() + u",";
        },
        [&report, &between_guid_and_name](const ReportObject& object) {
          append_report_field(report, object.info2.ifc_guid);
          report.append(between_guid_and_name);
          append_report_field(report, object.info.name);
          report.append_ascii(',');
          append_report_field(report, object.info.description);
          report.append_ascii(',');
          append_ansi_report_field(report, object.info.ifc_entity);
          report.append_ascii(',');
          append_report_field(report, object.info2.tag);
          report.append_ascii(',');
          if (object.box != nullptr) {
            append_thousandths(report, object.box->min_x);
            report.append_ascii(',');
            append_thousandths(report, object.box->min_y);
            report.append_ascii(',');
            append_thousandths(report, object.box->min_z);
          } else {
            report.append_ascii(",,");
          }
          report.append_ascii("\r\n");
        });
  }
  if (!report.save(file_name)) {
    toolkit::message_box(plugin.host_window,
                         cpp::language_text(plugin.host_handle, "save_error") + u"\n" + file_name + u": " +
                             simple_io::last_write_failure(),
                         u"TORV", toolkit::MessageIcon::error);
  }
}
