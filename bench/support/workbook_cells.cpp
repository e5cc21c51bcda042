// Reading a workbook's parts with minizip and the few elements libxlsxwriter writes; writing the
// cells again through libxlsxwriter.
#include "support/workbook_cells.h"

#include <unzip.h>
#include <xlsxwriter.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>

namespace bench {
namespace {

std::string member(unzFile zip, const std::string& name) {
  if (unzLocateFile(zip, name.c_str(), 0) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK)
    throw std::runtime_error("workbook without " + name);
  std::string bytes;
  char chunk[1 << 16];
  int read = 0;
  while ((read = unzReadCurrentFile(zip, chunk, sizeof chunk)) > 0)
    bytes.append(chunk, static_cast<std::size_t>(read));
  unzCloseCurrentFile(zip);
  if (read < 0) throw std::runtime_error("unreadable " + name);
  return bytes;
}

// The workbook's parts by name, read whole.
class Package {
 public:
  explicit Package(const std::string& path) : zip_(unzOpen64(path.c_str())) {
    if (zip_ == nullptr) throw std::runtime_error("not a workbook: " + path);
  }
  ~Package() { unzClose(zip_); }
  Package(const Package&) = delete;
  Package& operator=(const Package&) = delete;
  std::string part(const std::string& name) { return member(zip_, name); }

 private:
  unzFile zip_;
};

std::string unescaped(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      plain += text[i];
      continue;
    }
    for (const auto& [entity, character] :
         {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'}, std::pair{"&gt;", '>'}, std::pair{"&quot;", '"'},
          std::pair{"&apos;", '\''}}) {
      if (text.substr(i).starts_with(entity)) {
        plain += character;
        i += std::string_view(entity).size() - 1;
        break;
      }
    }
  }
  return plain;
}

// The value of an attribute within a tag's text; empty when it has none.
std::string_view attribute(std::string_view tag, std::string_view name) {
  const std::string key = " " + std::string(name) + "=\"";
  const auto at = tag.find(key);
  if (at == std::string_view::npos) return {};
  const auto from = at + key.size();
  return tag.substr(from, tag.find('"', from) - from);
}

unsigned long number_of(std::string_view text, int base = 10) {
  return std::strtoul(std::string(text).c_str(), nullptr, base);
}

// Each element named name (up to its end) within text, in order.
template <typename OnElement>
void for_each_element(std::string_view text, std::string_view name, OnElement on_element) {
  const std::string open = "<" + std::string(name);
  const std::string close = "</" + std::string(name) + ">";
  for (auto at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
    const char after = text[at + open.size()];
    if (after != ' ' && after != '>' && after != '/') continue;
    const auto tag_end = text.find('>', at);
    auto end = tag_end + 1;
    if (text[tag_end - 1] != '/') end = text.find(close, at) + close.size();
    on_element(text.substr(at, end - at));
  }
}

std::string_view section(std::string_view text, std::string_view name) {
  const std::string open = "<" + std::string(name);
  const std::string close = "</" + std::string(name) + ">";
  const auto at = text.find(open);
  if (at == std::string_view::npos) return {};
  return text.substr(at, text.find(close, at) + close.size() - at);
}

std::uint32_t rgb_of(std::string_view argb) {
  return static_cast<std::uint32_t>(number_of(argb, 16) & 0xFFFFFF);
}

std::vector<CellFormat> read_formats(std::string_view styles) {
  std::vector<std::pair<unsigned long, std::string>> custom;
  for_each_element(section(styles, "numFmts"), "numFmt", [&](std::string_view element) {
    custom.emplace_back(number_of(attribute(element, "numFmtId")),
                        unescaped(attribute(element, "formatCode")));
  });
  struct Font {
    bool bold;
    bool colored;
    std::uint32_t color;
  };
  std::vector<Font> fonts;
  for_each_element(section(styles, "fonts"), "font", [&](std::string_view element) {
    const std::string_view rgb = attribute(section(element, "color"), "rgb");
    fonts.push_back({element.find("<b/>") != std::string_view::npos, !rgb.empty(), rgb_of(rgb)});
  });
  std::vector<std::pair<bool, std::uint32_t>> fills;
  for_each_element(section(styles, "fills"), "fill", [&](std::string_view element) {
    const bool solid = attribute(element, "patternType") == "solid";
    fills.emplace_back(solid, solid ? rgb_of(attribute(section(element, "fgColor"), "rgb")) : 0);
  });
  std::vector<CellFormat> formats;
  for_each_element(section(styles, "cellXfs"), "xf", [&](std::string_view element) {
    CellFormat format;
    const unsigned long number = number_of(attribute(element, "numFmtId"));
    format.number_format_index = static_cast<std::uint16_t>(number);
    for (const auto& [id, code] : custom) {
      if (id == number) format.number_format = code;
    }
    const Font& font = fonts.at(number_of(attribute(element, "fontId")));
    format.bold = font.bold;
    format.has_font_color = font.colored;
    format.font_color = font.color;
    const auto& fill = fills.at(number_of(attribute(element, "fillId")));
    format.has_fill = fill.first;
    format.fill = fill.second;
    format.centered = attribute(element, "horizontal") == "center";
    formats.push_back(std::move(format));
  });
  return formats;
}

void read_cells(std::string_view sheet_data, WorkbookSheet& sheet, std::string& texts) {
  for_each_element(sheet_data, "c", [&](std::string_view element) {
    SheetCell cell;
    const std::string reference(attribute(element, "r"));
    cell.row = lxw_name_to_row(reference.c_str());
    cell.column = lxw_name_to_col(reference.c_str());
    cell.style = static_cast<std::uint16_t>(number_of(attribute(element, "s")));
    const auto inner = [&element](std::string_view name) {
      const auto open = element.find("<" + std::string(name));
      if (open == std::string_view::npos) return std::string_view();
      const auto from = element.find('>', open) + 1;
      return element.substr(from, element.find("</" + std::string(name) + ">", from) - from);
    };
    if (attribute(element, "t") == "inlineStr") {
      cell.kind = SheetCell::Kind::text;
      cell.text = texts.size();
      texts += unescaped(inner("t"));
      texts += '\0';
    } else if (element.find("<f>") != std::string_view::npos) {
      cell.kind = SheetCell::Kind::formula;
      cell.text = texts.size();
      texts += unescaped(inner("f"));
      texts += '\0';
      cell.number = std::strtod(std::string(inner("v")).c_str(), nullptr);
    } else if (element.find("<v>") != std::string_view::npos) {
      cell.kind = SheetCell::Kind::number;
      cell.number = std::strtod(std::string(inner("v")).c_str(), nullptr);
    }
    sheet.cells.push_back(cell);
  });
}

void read_sheet(std::string_view xml, WorkbookSheet& sheet, std::string& texts) {
  read_cells(section(xml, "sheetData"), sheet, texts);
  for_each_element(section(xml, "mergeCells"), "mergeCell", [&](std::string_view element) {
    const std::string range(attribute(element, "ref"));
    sheet.merges.push_back(
        {lxw_name_to_row(range.c_str()), lxw_name_to_col(range.c_str()), lxw_name_to_col_2(range.c_str())});
  });
  for_each_element(section(xml, "cols"), "col", [&](std::string_view element) {
    // The library writes a width w as w plus its padding (5 of 7 pixels); the plug-in's are whole.
    const double written = std::strtod(std::string(attribute(element, "width")).c_str(), nullptr);
    sheet.columns.push_back({static_cast<std::uint16_t>(number_of(attribute(element, "min")) - 1),
                             static_cast<std::uint16_t>(number_of(attribute(element, "max")) - 1),
                             std::round(written - 5.0 / 7.0)});
  });
  const std::string_view pane = section(xml, "pane");
  sheet.frozen_rows = static_cast<std::uint32_t>(number_of(attribute(pane, "ySplit")));
  sheet.frozen_columns = static_cast<std::uint16_t>(number_of(attribute(pane, "xSplit")));
  sheet.filter = attribute(section(xml, "autoFilter"), "ref");
}

// The library takes 0 for "no colour": black is a value of its own.
lxw_color_t color_of(std::uint32_t rgb) { return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : rgb; }

lxw_format* made_format(lxw_workbook* workbook, const CellFormat& wanted) {
  lxw_format* format = workbook_add_format(workbook);
  if (!wanted.number_format.empty()) {
    format_set_num_format(format, wanted.number_format.c_str());
  } else if (wanted.number_format_index != 0) {
    format_set_num_format_index(format, static_cast<std::uint8_t>(wanted.number_format_index));
  }
  if (wanted.bold) format_set_bold(format);
  if (wanted.centered) format_set_align(format, LXW_ALIGN_CENTER);
  if (wanted.has_fill) {
    format_set_pattern(format, LXW_PATTERN_SOLID);
    format_set_bg_color(format, color_of(wanted.fill));
  }
  if (wanted.has_font_color) format_set_font_color(format, color_of(wanted.font_color));
  return format;
}

void write_sheet(lxw_worksheet* sheet, const WorkbookSheet& cells, const std::vector<lxw_format*>& formats,
                 const char* texts) {
  if (cells.frozen_rows != 0 || cells.frozen_columns != 0)
    worksheet_freeze_panes(sheet, cells.frozen_rows, cells.frozen_columns);
  for (const SheetColumn& column : cells.columns)
    worksheet_set_column(sheet, column.first, column.last, column.width, nullptr);
  // The filter is set while its last row is the last written, as the library requires then.
  bool filtered = cells.filter.empty();
  const std::uint32_t filter_last = filtered ? 0 : lxw_name_to_row_2(cells.filter.c_str());
  const auto set_filter = [&] {
    if (filtered) return;
    worksheet_autofilter(sheet, lxw_name_to_row(cells.filter.c_str()), lxw_name_to_col(cells.filter.c_str()),
                         filter_last, lxw_name_to_col_2(cells.filter.c_str()));
    filtered = true;
  };
  std::uint16_t merged_up_to = 0;
  std::uint32_t merged_row = UINT32_MAX;
  for (const SheetCell& cell : cells.cells) {
    if (cell.row > filter_last) set_filter();
    lxw_format* format = formats[cell.style];
    if (cell.row == merged_row && cell.column <= merged_up_to) continue;
    bool merged = false;
    for (const SheetMerge& merge : cells.merges) {
      if (merge.row == cell.row && merge.first == cell.column) {
        worksheet_merge_range(sheet, cell.row, merge.first, cell.row, merge.last, texts + cell.text, format);
        merged_row = cell.row;
        merged_up_to = merge.last;
        merged = true;
      }
    }
    if (merged) continue;
    switch (cell.kind) {
      case SheetCell::Kind::text:
        worksheet_write_string(sheet, cell.row, cell.column, texts + cell.text, format);
        break;
      case SheetCell::Kind::number:
        worksheet_write_number(sheet, cell.row, cell.column, cell.number, format);
        break;
      case SheetCell::Kind::formula:
        worksheet_write_formula_num(sheet, cell.row, cell.column, texts + cell.text, format, cell.number);
        break;
      case SheetCell::Kind::blank: worksheet_write_blank(sheet, cell.row, cell.column, format); break;
    }
  }
  set_filter();
}

}  // namespace

WorkbookCells read_workbook_cells(const std::string& path) {
  Package package(path);
  WorkbookCells cells;
  cells.formats = read_formats(package.part("xl/styles.xml"));
  const std::string book = package.part("xl/workbook.xml");
  int number = 0;
  for_each_element(section(book, "sheets"), "sheet", [&](std::string_view element) {
    WorkbookSheet sheet;
    sheet.name = unescaped(attribute(element, "name"));
    read_sheet(package.part("xl/worksheets/sheet" + std::to_string(++number) + ".xml"), sheet, cells.texts);
    cells.sheets.push_back(std::move(sheet));
  });
  return cells;
}

void write_workbook_cells(const WorkbookCells& cells, const std::string& path) {
  const std::string temporary = path + ".new";
  std::remove(temporary.c_str());
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(temporary.c_str(), &options);
  std::vector<lxw_format*> formats = {nullptr};
  for (std::size_t i = 1; i < cells.formats.size(); ++i)
    formats.push_back(made_format(workbook, cells.formats[i]));
  for (const WorkbookSheet& sheet : cells.sheets)
    write_sheet(workbook_add_worksheet(workbook, sheet.name.c_str()), sheet, formats, cells.texts.c_str());
  if (workbook_close(workbook) == LXW_NO_ERROR) std::rename(temporary.c_str(), path.c_str());
}

std::vector<std::string> workbook_sheet_data(const std::string& path) {
  Package package(path);
  std::vector<std::string> sheets;
  for (int number = 1;; ++number) {
    try {
      sheets.emplace_back(
          section(package.part("xl/worksheets/sheet" + std::to_string(number) + ".xml"), "sheetData"));
    } catch (const std::runtime_error&) {
      return sheets;
    }
  }
}

}  // namespace bench
