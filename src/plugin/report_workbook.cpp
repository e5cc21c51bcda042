// Writing the report's workbook.
#include "plugin/report_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <map>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/ansi_code_page.h"
#include "platform/file_replace.h"
#include "platform/shell_folders.h"
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

// The sheets of the report's objects: a sheet holds 1,048,576 rows, the header and the objects;
// objects beyond them go on to a sheet of the same name with " (2)".
class ObjectsSheets {
 public:
  ObjectsSheets(WorkbookFile& book, const Formats& formats, std::u16string_view name)
      : book_(book), formats_(formats), name_(name) {
    begin();
  }
  ObjectsSheets(const ObjectsSheets&) = delete;
  ObjectsSheets& operator=(const ObjectsSheets&) = delete;

  void next_row() {
    if (row_ + 1 >= LXW_ROW_MAX) {
      finish();
      begin();
    }
    ++row_;
  }
  void text(std::uint16_t column, std::u16string_view value) {
    book_.write_text(sheet_, row_, column, value);
    widths_.note(column, value.size());
  }
  void utf8_text(std::uint16_t column, std::string_view value, std::size_t characters) {
    book_.write_text(sheet_, row_, column, value);
    widths_.note(column, characters);
  }
  void whole_number(std::uint16_t column, double value) {
    book_.write_number(sheet_, row_, column, value, formats_.whole_number);
  }
  // The last sheet's filter, widths and print layout.
  void finish() {
    for (const ObjectColumn column : {x_min, y_min, z_min}) widths_.note(column, 12);
    worksheet_autofilter(sheet_, 0, 0, row_, z_min);
    widths_.apply(sheet_);
    set_print_layout(sheet_, true);
  }

 private:
  void begin() {
    sheet_ = book_.add_sheet(name_);
    widths_ = ColumnWidths(object_headers.size());
    std::vector<std::u16string> headers;
    for (const char* header : object_headers) headers.push_back(platform::from_utf8(header));
    write_header(book_, sheet_, headers, formats_.header, widths_);
    row_ = 0;
  }

  WorkbookFile& book_;
  const Formats& formats_;
  std::u16string name_;
  lxw_worksheet* sheet_ = nullptr;
  ColumnWidths widths_{0};
  std::uint32_t row_ = 0;
};

// A status's name as the sheet takes it, and its length in characters.
struct StatusName {
  std::string utf8;
  std::size_t characters;
};

// Every object of the report: its batch, and its status from the status panel's list.
void write_objects_sheet(WorkbookFile& book, const Formats& formats, Plugin& plugin,
                         std::u16string_view sheet_name, const Tfrm_uda* batches, const Tfrm_uda* statuses) {
  ObjectsSheets sheets(book, formats, sheet_name);
  std::vector<StatusName> status_names;
  std::unordered_map<viewer::ObjectId, std::size_t> status_of;
  if (statuses != nullptr) {
    std::size_t filed = 0;
    for (const auto& group : statuses->groups) filed += group->is_default ? 0 : group->object_ids.size();
    status_of.reserve(filed);
    for (const auto& group : statuses->groups) {
      if (group->is_default) continue;
      status_names.push_back({platform::to_utf8(group->name), group->name.size()});
      for (const viewer::ObjectId id : group->object_ids) status_of.emplace(id, status_names.size() - 1);
    }
  }
  if (batches != nullptr) {
    StatusName batch_name;
    walk_report_objects(
        plugin.host_handle, batches->groups,
        [&batch_name](const ObjectsGroup& group) {
          batch_name = {platform::to_utf8(group.name), group.name.size()};
        },
        [&](const ReportObject& object) {
          sheets.next_row();
          sheets.text(guid, text_of(object.info2.ifc_guid));
          sheets.utf8_text(batch, batch_name.utf8, batch_name.characters);
          if (const auto found = status_of.find(object.id); found != status_of.end()) {
            const StatusName& status_name = status_names[found->second];
            sheets.utf8_text(status, status_name.utf8, status_name.characters);
          }
          sheets.text(name, text_of(object.info.name));
          sheets.text(description, text_of(object.info.description));
          const std::string entity_text = entity_utf8(object.info.ifc_entity);
          sheets.utf8_text(entity, entity_text, entity_text.size());
          sheets.text(tag, text_of(object.info2.tag));
          if (object.box == nullptr) return;
          const double corner[] = {object.box->min_x, object.box->min_y, object.box->min_z};
          for (std::uint16_t axis = 0; axis < 3; ++axis) {
            if (const std::optional<double> millimetres = whole_thousandths(corner[axis]))
              sheets.whole_number(static_cast<std::uint16_t>(x_min + axis), *millimetres);
          }
        });
  }
  sheets.finish();
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

}  // namespace

void export_workbook(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_extension(std::move(file_name), u".xlsx");
  std::u16string failure;
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
    book.set_properties(file_name_part(loaded_ifc_path(plugin.host_handle), platform::path_separator()),
                        platform::from_utf8(TORV_PRODUCT_NAME " " TORV_VERSION_TEXT), std::time(nullptr));
    book.commit();
    return;
  } catch (const WorkbookFailed& failed) {
    failure = failed.reason;
  } catch (const std::bad_alloc&) {
    platform::set_out_of_memory_error();
    failure = platform::last_error_text();
  }
  toolkit::message_box(
      plugin.host_window,
      cpp::language_text(plugin.host_handle, "workbook_save_error") + u"\n" + file_name + u": " + failure,
      u"TORV", toolkit::MessageIcon::error);
}
