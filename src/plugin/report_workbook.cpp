// Writing the report's workbook.
#include "plugin/report_workbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ctime>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "categories/category_totals.h"
#include "gui_uda/weight_list.h"
#include "platform/ansi_code_page.h"
#include "platform/file_replace.h"
#include "platform/locale.h"
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
  z_min,
  weight
};
constexpr std::array<const char*, 11> object_header_keys = {
    "workbook_column_guid",        "workbook_column_batch",  "workbook_column_status", "workbook_column_name",
    "workbook_column_description", "workbook_column_entity", "workbook_column_tag",    "workbook_column_x",
    "workbook_column_y",           "workbook_column_z",      "workbook_column_weight"};

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

// A cell's or a range's A1 name, as formulas name them.
std::string cell_name(std::uint32_t row, std::uint16_t column) {
  char name[16] = {};
  lxw_rowcol_to_cell(name, row, column);
  return name;
}
std::string range_name(std::uint32_t first_row, std::uint16_t column, std::uint32_t last_row) {
  return cell_name(first_row, column) + ":" + cell_name(last_row, column);
}

struct Formats {
  lxw_format* header;
  lxw_format* whole_number;
  lxw_format* kilograms;
  lxw_format* tonnes;
  lxw_format* total;
  lxw_format* total_number;
  lxw_format* total_kilograms;
  lxw_format* total_tonnes;
};

Formats make_formats(WorkbookFile& book) {
  Formats formats{book.add_format(), book.add_format(), book.add_format(), book.add_format(),
                  book.add_format(), book.add_format(), book.add_format(), book.add_format()};
  format_set_bold(formats.header);
  format_set_align(formats.header, LXW_ALIGN_CENTER);
  format_set_num_format(formats.whole_number, "0");
  format_set_num_format(formats.kilograms, "0.0");
  format_set_num_format(formats.tonnes, "0.00");
  for (lxw_format* total :
       {formats.total, formats.total_number, formats.total_kilograms, formats.total_tonnes})
    format_set_bold(total);
  format_set_num_format(formats.total_number, "0");
  format_set_num_format(formats.total_kilograms, "0.0");
  format_set_num_format(formats.total_tonnes, "0.00");
  return formats;
}

// A text for a page's header or footer, where & begins a code: written as && to stand as itself.
std::string page_text(std::u16string_view text) {
  std::string utf8;
  for (const char c : platform::to_utf8(text)) {
    utf8 += c;
    if (c == '&') utf8 += '&';
  }
  return utf8;
}

// What every printed page carries: the model and the sheet above, the export's time and the page
// number below, on the paper of the user's locale.
struct PageSetup {
  std::string header;
  std::string footer;
  std::uint8_t paper;
};

PageSetup page_setup(Plugin& plugin, std::time_t exported) {
  const std::u16string model =
      file_name_part(loaded_ifc_path(plugin.host_handle), platform::path_separator());
  char when[32] = {};
  if (const std::tm* local = std::localtime(&exported))
    std::strftime(when, sizeof when, "%d.%m.%Y %H:%M", local);
  // "Page %1 of %2" with the spreadsheet's codes for the page and the number of pages.
  std::u16string page = cpp::language_text(plugin.host_handle, "workbook_page");
  for (const auto& [mark, code] : {std::pair{u"%1", u"&P"}, std::pair{u"%2", u"&N"}}) {
    if (const auto at = page.find(mark); at != std::u16string::npos) page.replace(at, 2, code);
  }
  // A header or footer holds at most 255 characters: a long model name is cut.
  std::string header = "&L" + page_text(std::u16string_view(model).substr(0, 200)) + "&R&A";
  std::string footer = std::string("&L") + when + "&R" + platform::to_utf8(page);
  const int paper = platform::paper_size();
  return {std::move(header), std::move(footer),
          static_cast<std::uint8_t>(paper > 0 && paper < 256 ? paper : 9)};
}

// Printed as it is read: every column on one page's width, lines between the cells, the header
// rows on every page, the page's header and footer.
void set_print_layout(lxw_worksheet* sheet, bool landscape, std::uint32_t header_rows,
                      const PageSetup& page) {
  if (landscape) worksheet_set_landscape(sheet);
  worksheet_fit_to_pages(sheet, 1, 0);
  worksheet_gridlines(sheet, LXW_SHOW_ALL_GRIDLINES);
  worksheet_repeat_rows(sheet, 0, header_rows - 1);
  worksheet_set_paper(sheet, page.paper);
  // The page's texts are a print nicety: a sheet prints without them if they are refused.
  worksheet_set_header(sheet, page.header.c_str());
  worksheet_set_footer(sheet, page.footer.c_str());
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

// The sheets of the report's objects: a sheet holds 1,048,576 rows, the header, the objects, a
// blank row and the total; objects beyond them go on to a sheet of the same name with " (2)".
class ObjectsSheets {
 public:
  ObjectsSheets(WorkbookFile& book, const Formats& formats, const PageSetup& page, std::u16string_view name,
                std::vector<std::u16string> headers, std::u16string total)
      : book_(book),
        formats_(formats),
        page_(page),
        name_(name),
        headers_(std::move(headers)),
        total_(std::move(total)) {
    begin();
  }
  ObjectsSheets(const ObjectsSheets&) = delete;
  ObjectsSheets& operator=(const ObjectsSheets&) = delete;

  void next_row() {
    if (row_ + 3 >= LXW_ROW_MAX) {
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
  void kilograms(double value) {
    book_.write_number(sheet_, row_, weight, value, formats_.kilograms);
    kilograms_ += value;
  }
  // The last sheet's total, filter, widths and print layout. The total sums the rows a filter
  // shows, as the spreadsheet keeps it when cells change.
  void finish() {
    // Set while the last row written is the filter's: the library takes no range above that row later.
    worksheet_autofilter(sheet_, 0, 0, row_, weight);
    const std::uint32_t total_row = row_ + 2;
    book_.write_text(sheet_, total_row, guid, total_, formats_.total);
    book_.write_formula(sheet_, total_row, weight,
                        "=SUBTOTAL(109," + range_name(1, weight, std::max(row_, 1u)) + ")", kilograms_,
                        formats_.total_kilograms);
    for (const ObjectColumn column : {x_min, y_min, z_min, weight}) widths_.note(column, 12);
    widths_.apply(sheet_);
    set_print_layout(sheet_, true, 1, page_);
  }

 private:
  void begin() {
    sheet_ = book_.add_sheet(name_);
    widths_ = ColumnWidths(object_header_keys.size());
    write_header(book_, sheet_, headers_, formats_.header, widths_);
    row_ = 0;
    kilograms_ = 0;
  }

  WorkbookFile& book_;
  const Formats& formats_;
  const PageSetup& page_;
  std::u16string name_;
  std::vector<std::u16string> headers_;
  std::u16string total_;
  lxw_worksheet* sheet_ = nullptr;
  ColumnWidths widths_{0};
  std::uint32_t row_ = 0;
  double kilograms_ = 0;
};

// A category's name as the sheets take it, and its length in characters.
struct CategoryName {
  std::string utf8;
  std::size_t characters;
};

// The objects of the Objects sheet by batch and status, for the sheet that crosses them: the
// batches in list order and no batch last, the same for the statuses.
struct CrossCounts {
  std::size_t batches = 0;
  std::size_t statuses = 0;
  std::vector<CategoryTotals> cells;  // row by row
  CategoryTotals& at(std::size_t batch_index, std::size_t status_index) {
    return cells[batch_index * (statuses + 1) + status_index];
  }
  const CategoryTotals& at(std::size_t batch_index, std::size_t status_index) const {
    return cells[batch_index * (statuses + 1) + status_index];
  }
};

// The non-default categories of a panel's list, in order, and where each object is filed.
struct Filing {
  std::vector<const ObjectsGroup*> categories;
  std::vector<CategoryName> names;
  std::unordered_map<viewer::ObjectId, std::size_t> index_of;
};

Filing filing_of(const Tfrm_uda* panel) {
  Filing filing;
  if (panel == nullptr) return filing;
  std::size_t filed = 0;
  for (const auto& group : panel->groups) filed += group->is_default ? 0 : group->object_ids.size();
  filing.index_of.reserve(filed);
  for (const auto& group : panel->groups) {
    if (group->is_default) continue;
    for (const viewer::ObjectId id : group->object_ids) filing.index_of.emplace(id, filing.categories.size());
    filing.categories.push_back(group.get());
    filing.names.push_back({platform::to_utf8(group->name), group->name.size()});
  }
  return filing;
}

// Every object in a batch or a status, each once: the batches' objects in the report's order, then
// those in a status alone; with its batch, its status and its weight. Counts what it wrote into
// the cross table.
void write_objects_sheet(WorkbookFile& book, const Formats& formats, const PageSetup& page, Plugin& plugin,
                         const Tfrm_uda* batch_panel, const Filing& batches, const Filing& statuses,
                         ObjectMeasure& measure, CrossCounts& cross) {
  std::vector<std::u16string> headers;
  for (const char* key : object_header_keys) headers.push_back(cpp::language_text(plugin.host_handle, key));
  ObjectsSheets sheets(book, formats, page, cpp::language_text(plugin.host_handle, "workbook_sheet_objects"),
                       std::move(headers), cpp::language_text(plugin.host_handle, "workbook_total"));
  std::size_t batch_index = batches.categories.size();
  const std::vector<double>* batch_weights = nullptr;
  std::size_t object_index = 0;
  const auto write_object = [&](const ReportObject& object) {
    sheets.next_row();
    sheets.text(guid, text_of(object.info2.ifc_guid));
    if (batch_index < batches.categories.size()) {
      const CategoryName& batch_name = batches.names[batch_index];
      sheets.utf8_text(batch, batch_name.utf8, batch_name.characters);
    }
    std::size_t status_index = statuses.categories.size();
    if (const auto found = statuses.index_of.find(object.id); found != statuses.index_of.end()) {
      status_index = found->second;
      const CategoryName& status_name = statuses.names[status_index];
      sheets.utf8_text(status, status_name.utf8, status_name.characters);
    }
    sheets.text(name, text_of(object.info.name));
    sheets.text(description, text_of(object.info.description));
    const std::string entity_text = entity_utf8(object.info.ifc_entity);
    sheets.utf8_text(entity, entity_text, entity_text.size());
    sheets.text(tag, text_of(object.info2.tag));
    if (object.box != nullptr) {
      const double corner[] = {object.box->min_x, object.box->min_y, object.box->min_z};
      for (std::uint16_t axis = 0; axis < 3; ++axis) {
        if (const std::optional<double> millimetres = whole_thousandths(corner[axis]))
          sheets.whole_number(static_cast<std::uint16_t>(x_min + axis), *millimetres);
      }
    }
    // A batch's objects were weighed for the batch panel's totals; the others are weighed here.
    std::optional<double> kilograms;
    if (batch_weights != nullptr) {
      const double known = (*batch_weights)[object_index++];
      if (!std::isnan(known)) kilograms = known;
    } else {
      kilograms = measure.weight(object.id);
    }
    if (kilograms) sheets.kilograms(*kilograms);
    CategoryTotals& cell = cross.at(batch_index, status_index);
    ++cell.objects;
    if (kilograms) cell.kilograms = cell.kilograms.value_or(0.0) + *kilograms;
  };
  if (batch_panel != nullptr) {
    const ListTotals& totals = batch_panel->totals();
    // Each category of the list: its place among the batches, and its objects' weights.
    std::unordered_map<const ObjectsGroup*, std::pair<std::size_t, const std::vector<double>*>> of_category;
    for (std::size_t i = 0, batch_at = 0; i < batch_panel->groups.size(); ++i) {
      if (!batch_panel->groups[i]->is_default)
        of_category.emplace(batch_panel->groups[i].get(), std::pair(batch_at++, &totals.object_kilograms[i]));
    }
    walk_report_objects(
        plugin.host_handle, batch_panel->groups,
        [&](const ObjectsGroup& group) {
          std::tie(batch_index, batch_weights) = of_category.at(&group);
          object_index = 0;
        },
        write_object);
  }
  // Then the objects that have a status and no batch, in the statuses' order.
  batch_index = batches.categories.size();
  batch_weights = nullptr;
  Groups status_alone;
  for (const ObjectsGroup* category : statuses.categories) {
    auto alone = std::make_unique<ObjectsGroup>();
    for (const viewer::ObjectId id : category->object_ids) {
      if (!batches.index_of.contains(id)) alone->object_ids.push_back(id);
    }
    status_alone.push_back(std::move(alone));
  }
  walk_report_objects(
      plugin.host_handle, status_alone, [](const ObjectsGroup&) {}, write_object);
  sheets.finish();
}

// Black or white letters, whichever has the higher contrast with the fill as WCAG measures it.
std::uint32_t text_color_on(const Rgba& fill) {
  const auto linear = [](std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  const double luminance =
      0.2126 * linear(fill.red) + 0.7152 * linear(fill.green) + 0.0722 * linear(fill.blue);
  const double with_black = (luminance + 0.05) / 0.05;
  const double with_white = 1.05 / (luminance + 0.05);
  return with_black >= with_white ? LXW_COLOR_BLACK : LXW_COLOR_WHITE;
}

// A category's name on its colour, one format per colour.
class Fills {
 public:
  explicit Fills(WorkbookFile& book) : book_(book) {}
  lxw_format* of(const ObjectsGroup& group) {
    if (group.color.alpha == 0) return nullptr;
    const std::uint32_t rgb = group.color.argb() & 0xFFFFFF;
    lxw_format*& made = made_[rgb];
    if (made == nullptr) {
      made = book_.add_format();
      format_set_pattern(made, LXW_PATTERN_SOLID);
      format_set_bg_color(made, rgb);
      format_set_font_color(made, text_color_on(group.color));
    }
    return made;
  }

 private:
  WorkbookFile& book_;
  std::map<std::uint32_t, lxw_format*> made_;
};

// One panel's categories: each name in its colour, its objects, the parts below them and their
// weight; then what is in no category; then the totals, as formulas over the rows above.
void write_categories_sheet(WorkbookFile& book, const Formats& formats, const PageSetup& page, Fills& fills,
                            Plugin& plugin, const Tfrm_uda& categories) {
  const PanelModeTexts& texts = mode_texts(categories.mode);
  lxw_worksheet* sheet = book.add_sheet(cpp::language_text(plugin.host_handle, texts.caption_key));
  ColumnWidths widths(4);
  write_header(book, sheet,
               {cpp::language_text(plugin.host_handle, texts.name_header_key),
                cpp::language_text(plugin.host_handle, "workbook_objects"),
                cpp::language_text(plugin.host_handle, "workbook_parts"),
                cpp::language_text(plugin.host_handle, "workbook_weight")},
               formats.header, widths);
  const ListTotals& totals = categories.totals();
  std::uint32_t row = 0;
  CategoryTotals sum;
  const auto write_row = [&](const ObjectsGroup& group, const CategoryTotals& counted) {
    ++row;
    book.write_text(sheet, row, 0, group.name, fills.of(group));
    widths.note(0, group.name.size());
    book.write_number(sheet, row, 1, static_cast<double>(counted.objects));
    book.write_number(sheet, row, 2, static_cast<double>(counted.parts));
    if (counted.kilograms) book.write_number(sheet, row, 3, *counted.kilograms, formats.kilograms);
    sum.objects += counted.objects;
    sum.parts += counted.parts;
    if (counted.kilograms) sum.kilograms = sum.kilograms.value_or(0.0) + *counted.kilograms;
  };
  std::optional<std::size_t> default_index;
  for (std::size_t i = 0; i < categories.groups.size(); ++i) {
    if (categories.groups[i]->is_default) {
      default_index = i;
    } else {
      write_row(*categories.groups[i], totals.of_group[i]);
    }
  }
  if (default_index) write_row(*categories.groups[*default_index], totals.of_group[*default_index]);
  ++row;
  const std::u16string total = cpp::language_text(plugin.host_handle, "workbook_total");
  book.write_text(sheet, row, 0, total, formats.total);
  widths.note(0, total.size());
  const std::uint32_t last = std::max(row - 1, 1u);
  book.write_formula(sheet, row, 1, "=SUBTOTAL(109," + range_name(1, 1, last) + ")",
                     static_cast<double>(sum.objects), formats.total_number);
  book.write_formula(sheet, row, 2, "=SUBTOTAL(109," + range_name(1, 2, last) + ")",
                     static_cast<double>(sum.parts), formats.total_number);
  book.write_formula(sheet, row, 3, "=SUBTOTAL(109," + range_name(1, 3, last) + ")",
                     sum.kilograms.value_or(0.0), formats.total_kilograms);
  widths.note(3, 12);
  widths.apply(sheet);
  set_print_layout(sheet, false, 1, page);
}

// The batches down (no batch last) by the statuses across (no status last): the objects and the
// tonnes in each cell, and the totals of each row and column as formulas.
void write_cross_sheet(WorkbookFile& book, const Formats& formats, const PageSetup& page, Fills& fills,
                       Plugin& plugin, const Tfrm_uda* batch_panel, const Tfrm_uda* status_panel,
                       const Filing& batches, const Filing& statuses, const CrossCounts& cross) {
  lxw_worksheet* sheet = book.add_sheet(cpp::language_text(plugin.host_handle, "workbook_sheet_cross"));
  const std::size_t columns = statuses.categories.size() + 2;  // the statuses, no status, the total
  ColumnWidths widths(1 + 2 * columns);
  const std::u16string objects = cpp::language_text(plugin.host_handle, "workbook_objects");
  const std::u16string tonnes = cpp::language_text(plugin.host_handle, "workbook_tonnes");
  const std::u16string total = cpp::language_text(plugin.host_handle, "workbook_total");
  const auto default_name = [&plugin](const Tfrm_uda* panel, PanelMode mode) {
    if (panel != nullptr) {
      for (const auto& group : panel->groups) {
        if (group->is_default) return group->name;
      }
    }
    return cpp::language_text(plugin.host_handle, mode_texts(mode).default_name_key);
  };
  const std::u16string batch_header =
      cpp::language_text(plugin.host_handle, mode_texts(PanelMode::Batch).name_header_key);
  book.write_text(sheet, 0, 0, batch_header, formats.header);
  widths.note(0, batch_header.size());
  for (std::size_t column = 0; column < columns; ++column) {
    const std::u16string heading = column < statuses.categories.size() ? statuses.categories[column]->name
                                   : column == statuses.categories.size()
                                       ? default_name(status_panel, PanelMode::Status)
                                       : total;
    const auto first = static_cast<std::uint16_t>(1 + 2 * column);
    book.write_merged(sheet, 0, first, static_cast<std::uint16_t>(first + 1), heading, formats.header);
  }
  for (std::size_t column = 0; column < columns; ++column) {
    const auto first = static_cast<std::uint16_t>(1 + 2 * column);
    book.write_text(sheet, 1, first, objects, formats.header);
    book.write_text(sheet, 1, static_cast<std::uint16_t>(first + 1), tonnes, formats.header);
    widths.note(first, objects.size());
    widths.note(static_cast<std::uint16_t>(first + 1), 8);
  }
  worksheet_freeze_panes(sheet, 2, 1);
  const std::uint16_t total_objects = static_cast<std::uint16_t>(1 + 2 * (columns - 1));
  std::vector<CategoryTotals> column_sums(columns - 1);
  std::uint32_t row = 1;
  for (std::size_t batch_index = 0; batch_index <= batches.categories.size(); ++batch_index) {
    ++row;
    if (batch_index < batches.categories.size()) {
      const ObjectsGroup& group = *batches.categories[batch_index];
      book.write_text(sheet, row, 0, group.name, fills.of(group));
      widths.note(0, group.name.size());
    } else {
      const std::u16string no_batch = default_name(batch_panel, PanelMode::Batch);
      book.write_text(sheet, row, 0, no_batch);
      widths.note(0, no_batch.size());
    }
    CategoryTotals row_sum;
    std::string objects_formula;
    std::string tonnes_formula;
    for (std::size_t status_index = 0; status_index + 1 < columns; ++status_index) {
      const CategoryTotals& cell = cross.at(batch_index, status_index);
      const auto first = static_cast<std::uint16_t>(1 + 2 * status_index);
      const double cell_tonnes = cell.kilograms.value_or(0.0) / 1000.0;
      book.write_number(sheet, row, first, static_cast<double>(cell.objects), formats.whole_number);
      book.write_number(sheet, row, static_cast<std::uint16_t>(first + 1), cell_tonnes, formats.tonnes);
      objects_formula += (objects_formula.empty() ? "=" : "+") + cell_name(row, first);
      tonnes_formula +=
          (tonnes_formula.empty() ? "=" : "+") + cell_name(row, static_cast<std::uint16_t>(first + 1));
      row_sum.objects += cell.objects;
      row_sum.kilograms = row_sum.kilograms.value_or(0.0) + cell.kilograms.value_or(0.0);
      column_sums[status_index].objects += cell.objects;
      column_sums[status_index].kilograms =
          column_sums[status_index].kilograms.value_or(0.0) + cell.kilograms.value_or(0.0);
    }
    book.write_formula(sheet, row, total_objects, objects_formula, static_cast<double>(row_sum.objects),
                       formats.total_number);
    book.write_formula(sheet, row, static_cast<std::uint16_t>(total_objects + 1), tonnes_formula,
                       row_sum.kilograms.value_or(0.0) / 1000.0, formats.total_tonnes);
  }
  const std::uint32_t last = row;
  ++row;
  book.write_text(sheet, row, 0, total, formats.total);
  CategoryTotals all;
  for (const CategoryTotals& sum : column_sums) {
    all.objects += sum.objects;
    all.kilograms = all.kilograms.value_or(0.0) + sum.kilograms.value_or(0.0);
  }
  column_sums.push_back(all);
  for (std::size_t column = 0; column < columns; ++column) {
    const auto first = static_cast<std::uint16_t>(1 + 2 * column);
    const auto second = static_cast<std::uint16_t>(first + 1);
    book.write_formula(sheet, row, first, "=SUBTOTAL(109," + range_name(2, first, last) + ")",
                       static_cast<double>(column_sums[column].objects), formats.total_number);
    book.write_formula(sheet, row, second, "=SUBTOTAL(109," + range_name(2, second, last) + ")",
                       column_sums[column].kilograms.value_or(0.0) / 1000.0, formats.total_tonnes);
  }
  widths.apply(sheet);
  set_print_layout(sheet, true, 2, page);
}

}  // namespace

void export_workbook(Plugin& plugin, std::u16string file_name) {
  const toolkit::CursorWait wait;
  file_name = with_extension(std::move(file_name), u".xlsx");
  std::u16string failure;
  try {
    WorkbookFile book(file_name);
    const Formats formats = make_formats(book);
    const std::time_t now = std::time(nullptr);
    const PageSetup page = page_setup(plugin, now);
    const Tfrm_uda* batch_panel = panel(PanelMode::Batch);
    const Tfrm_uda* status_panel = panel(PanelMode::Status);
    const Filing batches = filing_of(batch_panel);
    const Filing statuses = filing_of(status_panel);
    const std::vector<WeightProperty> weights = read_weight_properties(plugin);
    ObjectMeasure measure(plugin.host_handle, weights);
    CrossCounts cross{batches.categories.size(), statuses.categories.size(), {}};
    cross.cells.resize((cross.batches + 1) * (cross.statuses + 1));
    write_objects_sheet(book, formats, page, plugin, batch_panel, batches, statuses, measure, cross);
    Fills fills(book);
    for (const Tfrm_uda* categories : {batch_panel, status_panel}) {
      if (categories != nullptr) write_categories_sheet(book, formats, page, fills, plugin, *categories);
    }
    write_cross_sheet(book, formats, page, fills, plugin, batch_panel, status_panel, batches, statuses,
                      cross);
    book.set_properties(file_name_part(loaded_ifc_path(plugin.host_handle), platform::path_separator()),
                        platform::from_utf8(TORV_PRODUCT_NAME " " TORV_VERSION_TEXT), now);
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
