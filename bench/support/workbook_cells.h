// A workbook's cells as plain arrays, read back (untimed) from an .xlsx file that libxlsxwriter
// wrote in its constant-memory mode, and written again by libxlsxwriter from those arrays: the
// workbook's floor, the library's own work for the same cells with no walk of the plug-in's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// A cell format as the workbook's styles give it: what the plug-in's formats set.
struct CellFormat {
  std::uint16_t number_format_index = 0;
  std::string number_format;  // a format of the workbook's own (index 164 on)
  bool bold = false;
  bool centered = false;
  std::uint32_t fill = 0;        // RGB of a solid fill, else none
  std::uint32_t font_color = 0;  // RGB, else the default
  bool has_fill = false;
  bool has_font_color = false;
};

struct SheetCell {
  enum class Kind : std::uint8_t { text, number, formula, blank };
  std::uint32_t row = 0;
  std::uint16_t column = 0;
  Kind kind = Kind::blank;
  std::uint16_t style = 0;  // index into WorkbookCells::formats, 0 for none
  std::size_t text = 0;     // offset of the NUL-terminated text or formula in WorkbookCells::texts
  double number = 0;        // the number, or the formula's cached value
};

struct SheetMerge {
  std::uint32_t row = 0;
  std::uint16_t first = 0;
  std::uint16_t last = 0;
};

struct SheetColumn {
  std::uint16_t first = 0;
  std::uint16_t last = 0;
  double width = 0;
};

struct WorkbookSheet {
  std::string name;
  std::vector<SheetCell> cells;  // in the order the library wrote them
  std::vector<SheetMerge> merges;
  std::vector<SheetColumn> columns;
  std::uint32_t frozen_rows = 0;
  std::uint16_t frozen_columns = 0;
  std::string filter;  // the autofilter's range, "A1:K10", or empty
};

struct WorkbookCells {
  std::vector<CellFormat> formats;  // by the styles' index; the first is the default
  std::vector<WorkbookSheet> sheets;
  std::string texts;  // every text, each followed by a NUL
};

// The cells of a workbook; throws std::runtime_error when it cannot be read.
WorkbookCells read_workbook_cells(const std::string& path);

// Writes cells to path as the plug-in's workbook is written: libxlsxwriter in constant-memory
// mode into a temporary file beside path, renamed over it once whole.
void write_workbook_cells(const WorkbookCells& cells, const std::string& path);

// The cell data of each sheet of a workbook (its sheetData element), to tell that two workbooks
// hold the same cells in the same formats.
std::vector<std::string> workbook_sheet_data(const std::string& path);

}  // namespace bench
