// Writing the object report.
#include "plugin/report.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "categories/clean_field.h"
#include "platform/ansi_code_page.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
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

// A spreadsheet runs a field that begins with one of these as a formula.
bool starts_formula(char16_t first) {
  return first == u'=' || first == u'+' || first == u'-' || first == u'@' || first == u'\t' || first == u'\r';
}

// The first character cleaning keeps: commas, quotes and line feeds go, and a CR before an LF.
char16_t first_kept(const char16_t* text) {
  for (const char16_t* at = text; *at != 0; ++at) {
    if (*at == u',' || *at == u'"' || *at == u'\n') continue;
    if (*at == u'\r') {
      const char16_t* next = at + 1;
      while (*next == u',' || *next == u'"') ++next;
      if (*next == u'\n') continue;
    }
    return *at;
  }
  return 0;
}

// A leading apostrophe keeps the text a text.
void guard_formula(toolkit::FileText& report, char16_t first) {
  if (starts_formula(first)) report.append_ascii("'");
}

// Thousandths truncated toward zero in 64 bits, so georeferenced coordinates do not overflow;
// a coordinate that is not a number gives an empty field.
void append_thousandths(toolkit::FileText& report, double coordinate) {
  const double scaled = std::trunc(coordinate * 1000.0);
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return;
  report.append_ascii_written(24, [scaled](char* first, char* last) {
    return std::to_chars(first, last, static_cast<long long>(scaled)).ptr;
  });
}

// An entity name from the viewer: ASCII as it is, anything else through the code page.
void append_entity(toolkit::FileText& report, const char* entity) {
  if (entity == nullptr) return;
  const std::string_view name(entity);
  if (!name.empty()) guard_formula(report, static_cast<char16_t>(static_cast<unsigned char>(name.front())));
  if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
    report.append_ascii(name);
  } else {
    report.append(platform::from_ansi(name));
  }
}

void append_viewer_text(toolkit::FileText& report, const char16_t* text) {
  if (text != nullptr) report.append_up_to(text, 0);
}

void append_clean_viewer_text(toolkit::FileText& report, const char16_t* text) {
  if (text == nullptr) return;
  guard_formula(report, first_kept(text));
  // Cleaning keeps everything before the first character it looks at; most texts have none.
  const char16_t* const rest = report.append_up_to(text, clean_field_specials);
  if (*rest != 0) append_clean_field(report, rest);
}

}  // namespace

void export_report(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_csv_extension(std::move(file_name));
  // One text for the whole report, each line appended in place.
  toolkit::FileText report;
  report.append(u"IFC GUID,BATCH,NAME,DESCRIPTION,ENTITY,TAG,X-min,Y-min,Z-min\r\n");
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
      std::u16string batch_name = clean_field(group->name);
      if (!batch_name.empty() && starts_formula(batch_name.front())) batch_name.insert(0, 1, u'\'');
      // About a hundred characters a line: the text grows once per category, not line by line.
      report.reserve_more(group->object_ids.size() * 128);
      for (std::size_t i = 0; i < group->object_ids.size(); ++i) {
        if (const std::size_t ahead = i + viewer::fetch_distance; ahead < infos.size()) {
          viewer::fetch_ahead(infos2[ahead].ifc_guid, infos[ahead].name, infos[ahead].description,
                              infos[ahead].ifc_entity, infos2[ahead].tag);
        }
        append_viewer_text(report, infos2[i].ifc_guid);
        report.append_ascii(",");
        report.append(batch_name);
        report.append_ascii(",");
        append_clean_viewer_text(report, infos[i].name);
        report.append_ascii(",");
        append_clean_viewer_text(report, infos[i].description);
        report.append_ascii(",");
        append_entity(report, infos[i].ifc_entity);
        report.append_ascii(",");
        append_clean_viewer_text(report, infos2[i].tag);
        report.append_ascii(",");
        viewer::BoundsBox box{};
        if (viewer::get_bounds(plugin.host_handle, group->object_ids[i], &box)) {
          append_thousandths(report, box.min_x);
          report.append_ascii(",");
          append_thousandths(report, box.min_y);
          report.append_ascii(",");
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
