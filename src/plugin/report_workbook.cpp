// Writing the report's workbook.
#include "plugin/report_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/ansi_code_page.h"
#include "platform/file_replace.h"
#include "platform/utf8.h"
#include "plugin/panels.h"
#include "plugin/plugin.h"
#include "plugin/report_walk.h"
#include "plugin/workbook_file.h"
#include "plugin_base/host_queries.h"
#include "plugin_base/language_text.h"
#include "plugin_base/path_parts.h"
#include "toolkit/cursor.h"
#include "toolkit/dialogs.h"
#include "torv_identity.h"

namespace {

enum ObjectColumn : std::uint16_t {
  guid,
  batch,
  status,
  name,
  description,
  entity,
  tag,
  x_min,
  y_min,
  z_min
};
constexpr std::array<const char*, 10> object_headers = {"IFC GUID",    "BATCH",     "STATUS", "NAME",
                                                        "DESCRIPTION", "ENTITY",    "TAG",    "X-min [mm]",
                                                        "Y-min [mm]",  "Z-min [mm]"};

// Columns as wide as their widest text, within bounds, in the spreadsheet's character widths.
class ColumnWidths {
 public:
  explicit ColumnWidths(std::size_t columns) : widest_(columns, 0) {}
  void note(std::uint16_t column, std::size_t characters) {
    widest_[column] = std::max(widest_[column], characters);
  }
  void apply(lxw_worksheet* sheet) const {
    for (std::size_t column = 0; column < widest_.size(); ++column) {
      const double width = static_cast<double>(std::clamp<std::size_t>(widest_[column] + 2, 8, 60));
      const auto at = static_cast<lxw_col_t>(column);
      worksheet_set_column(sheet, at, at, width, nullptr);
    }
  }

 private:
  std::vector<std::size_t> widest_;
};

// A coordinate of metres as whole millimetres, truncated toward zero as the CSV report writes it;
// nothing for a coordinate that is not a number or too large for one.
std::optional<double> whole_millimetres(double metres) {
  const double scaled = std::trunc(metres * 1000.0);
  if (!std::isfinite(scaled) || std::fabs(scaled) >= 9.2e18) return std::nullopt;
  return scaled;
}

std::u16string_view text_of(const char16_t* text) {
  return text != nullptr ? std::u16string_view(text) : std::u16string_view();
}

// An entity name in the ANSI code page, as UTF-8: nearly always plain ASCII, taken as it is.
std::string entity_utf8(const char* entity) {
  if (entity == nullptr) return {};
  const std::string_view narrow(entity);
  if (std::all_of(narrow.begin(), narrow.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return std::string(narrow);
  return platform::to_utf8(platform::from_ansi(narrow));
}

struct Formats {
  lxw_format* header;
  lxw_format* whole_number;
  lxw_format* total;
};

Formats make_formats(WorkbookFile& book) {
  Formats formats{book.add_format(), book.add_format(), book.add_format()};
  format_set_bold(formats.header);
  format_set_num_format(formats.whole_number, "0");
  format_set_bold(formats.total);
  return formats;
}

// Printed as it is read: every column on one page's width, lines between the cells, the header
// on every page.
void set_print_layout(lxw_worksheet* sheet, bool landscape) {
  if (landscape) worksheet_set_landscape(sheet);
  worksheet_fit_to_pages(sheet, 1, 0);
  worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
  worksheet_repeat_rows(sheet, 0, 0);
}

void write_header(WorkbookFile& book, lxw_worksheet* sheet, const std::vector<std::u16string>& headers,
                  lxw_format* format, ColumnWidths& widths) {
  for (std::size_t column = 0; column < headers.size(); ++column) {
    const auto at = static_cast<std::uint16_t>(column);
    book.write_text(sheet, 0, at, headers[column], format);
    widths.note(at, headers[column].size());
  }
  // The header stays in sight while the rows scroll.
  worksheet_freeze_panes(sheet, 1, 0);
}

// Every object of the report: its batch, and its status from the status panel's list.
void write_objects_sheet(WorkbookFile& book, const Formats& formats, Plugin& plugin,
                         std::u16string_view sheet_name, const Tfrm_uda* batches, const Tfrm_uda* statuses) {
  lxw_worksheet* sheet = book.add_sheet(sheet_name);
  ColumnWidths widths(object_headers.size());
  std::vector<std::u16string> headers;
  for (const char* header : object_headers)
    headers.emplace_back(header, header + std::char_traits<char>::length(header));
  write_header(book, sheet, headers, formats.header, widths);

  std::unordered_map<viewer::ObjectId, const ObjectsGroup*> status_of;
  if (statuses != nullptr) {
    std::size_t filed = 0;
    for (const auto& group : statuses->groups) filed += group->is_default ? 0 : group->object_ids.size();
    status_of.reserve(filed);
    for (const auto& group : statuses->groups) {
      if (group->is_default) continue;
      for (const viewer::ObjectId id : group->object_ids) status_of.emplace(id, group.get());
    }
  }

  std::uint32_t row = 0;
  if (batches != nullptr) {
    std::string batch_name;
    std::size_t batch_width = 0;
    std::map<const ObjectsGroup*, std::string> status_names;
    const auto write = [&](std::uint16_t column, std::u16string_view text) {
      book.write_text(sheet, row, column, text);
      widths.note(column, text.size());
    };
    walk_report_objects(
        plugin.host_handle, batches->groups,
        [&](const ObjectsGroup& group) {
          batch_name = platform::to_utf8(group.name);
          batch_width = group.name.size();
        },
        [&](const ReportObject& object) {
          ++row;
          write(guid, text_of(object.info2.ifc_guid));
          book.write_text(sheet, row, batch, std::string_view(batch_name));
          widths.note(batch, batch_width);
          if (const auto found = status_of.find(object.id); found != status_of.end()) {
            book.write_text(sheet, row, status, found->second->name);
            widths.note(status, found->second->name.size());
          }
          write(name, text_of(object.info.name));
          write(description, text_of(object.info.description));
          const std::string entity_text = entity_utf8(object.info.ifc_entity);
          book.write_text(sheet, row, entity, std::string_view(entity_text));
          widths.note(entity, entity_text.size());
          write(tag, text_of(object.info2.tag));
          if (object.box == nullptr) return;
          const double corner[] = {object.box->min_x, object.box->min_y, object.box->min_z};
          for (std::uint16_t axis = 0; axis < 3; ++axis) {
            if (const std::optional<double> millimetres = whole_millimetres(corner[axis])) {
              book.write_number(sheet, row, static_cast<std::uint16_t>(x_min + axis), *millimetres,
                                formats.whole_number);
            }
          }
        });
  }
  widths.note(x_min, 12);
  widths.note(y_min, 12);
  widths.note(z_min, 12);
  worksheet_autofilter(sheet, 0, 0, row, z_min);
  widths.apply(sheet);
  set_print_layout(sheet, true);
}

// Black or white text, whichever reads better on the fill.
std::uint32_t text_color_on(const Rgba& fill) {
  const int luminance = 299 * fill.red + 587 * fill.green + 114 * fill.blue;
  return luminance >= 128000 ? 0x000000 : 0xFFFFFF;
}

// One panel's categories: each name in its colour, its objects and the parts below them, a total.
void write_categories_sheet(WorkbookFile& book, const Formats& formats, Plugin& plugin,
                            const Tfrm_uda& categories) {
  const PanelModeTexts& texts = mode_texts(categories.mode);
  lxw_worksheet* sheet = book.add_sheet(cpp::language_text(plugin.host_handle, texts.caption_key));
  ColumnWidths widths(3);
  write_header(book, sheet,
               {cpp::language_text(plugin.host_handle, texts.name_header_key),
                cpp::language_text(plugin.host_handle, "workbook_objects"),
                cpp::language_text(plugin.host_handle, "workbook_parts")},
               formats.header, widths);
  std::map<std::uint32_t, lxw_format*> fills;
  std::uint32_t row = 0;
  double objects_total = 0;
  double parts_total = 0;
  for (const auto& group : categories.groups) {
    if (group->is_default) continue;
    ++row;
    lxw_format* fill = nullptr;
    if (group->color.alpha != 0) {
      const std::uint32_t rgb = group->color.argb() & 0xFFFFFF;
      lxw_format*& made = fills[rgb];
      if (made == nullptr) {
        made = book.add_format();
        format_set_pattern(made, LXW_PATTERN_SOLID);
        format_set_bg_color(made, rgb);
        format_set_font_color(made, text_color_on(group->color));
      }
      fill = made;
    }
    book.write_text(sheet, row, 0, group->name, fill);
    widths.note(0, group->name.size());
    const auto objects = static_cast<double>(group->object_ids.size());
    const auto parts = static_cast<double>(categories.parts_of(*group));
    book.write_number(sheet, row, 1, objects);
    book.write_number(sheet, row, 2, parts);
    objects_total += objects;
    parts_total += parts;
  }
  ++row;
  const std::u16string total = cpp::language_text(plugin.host_handle, "workbook_total");
  book.write_text(sheet, row, 0, total, formats.total);
  widths.note(0, total.size());
  book.write_number(sheet, row, 1, objects_total, formats.total);
  book.write_number(sheet, row, 2, parts_total, formats.total);
  widths.apply(sheet);
  set_print_layout(sheet, false);
}

std::u16string ascii_text(const char* text) {
  return std::u16string(text, text + std::char_traits<char>::length(text));
}

}  // namespace

void export_workbook(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_extension(std::move(file_name), u".xlsx");
  try {
    WorkbookFile book(file_name);
    const Formats formats = make_formats(book);
    write_objects_sheet(book, formats, plugin,
                        cpp::language_text(plugin.host_handle, "workbook_sheet_objects"),
                        panel(PanelMode::Batch), panel(PanelMode::Status));
    for (const PanelMode mode : {PanelMode::Batch, PanelMode::Status}) {
      if (const Tfrm_uda* categories = panel(mode))
        write_categories_sheet(book, formats, plugin, *categories);
    }
    const std::u16string model = loaded_ifc_path(plugin.host_handle);
    const std::size_t folder_end = model.find_last_of(u"\\/");
    book.set_properties(folder_end == std::u16string::npos ? model : model.substr(folder_end + 1),
                        ascii_text(TORV_PRODUCT_NAME " " TORV_VERSION_TEXT), std::time(nullptr));
    book.commit();
  } catch (const WorkbookFailed& failed) {
    toolkit::message_box(plugin.host_window,
                         cpp::language_text(plugin.host_handle, "workbook_save_error") + u"\n" + file_name +
                             u": " + failed.reason,
                         u"TORV", toolkit::MessageIcon::error);
  } catch (const std::bad_alloc&) {
    platform::set_out_of_memory_error();
    toolkit::message_box(plugin.host_window,
                         cpp::language_text(plugin.host_handle, "workbook_save_error") + u"\n" + file_name +
                             u": " + platform::last_error_text(),
                         u"TORV", toolkit::MessageIcon::error);
  }
}
