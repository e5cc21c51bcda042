// WorkbookFile: a spreadsheet workbook written by libxlsxwriter and put in its place whole, as
// every file the plug-in writes. The library writes rows as they come (its constant-memory mode),
// into a folder made for this workbook in the user's temporary folder, which only the user may
// write; the finished workbook is copied beside the target and takes its place only then, so a
// failure leaves the old file as it was. The folder goes with everything in it, whatever happened.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scratch_folder.h"
#include "simple_io/replacing_file.h"

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// What a WorkbookFile throws when the workbook cannot be written whole.
struct WorkbookFailed {
  std::u16string reason;
};

class WorkbookFile {
 public:
  // Checks first that the target's folder takes a new file; throws WorkbookFailed.
  explicit WorkbookFile(const std::u16string& target);
  ~WorkbookFile();
  WorkbookFile(const WorkbookFile&) = delete;
  WorkbookFile& operator=(const WorkbookFile&) = delete;

  // A sheet named as close to name as a sheet may be: at most 31 characters, none of []:*?/\,
  // not the name of an earlier sheet.
  lxw_worksheet* add_sheet(std::u16string_view name);
  lxw_format* add_format();
  // Texts are written as texts, never as formulas, cut to the 32767 characters a cell holds.
  void write_text(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column, std::u16string_view text,
                  lxw_format* format = nullptr);
  void write_text(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column, std::string_view utf8,
                  lxw_format* format = nullptr);
  void write_number(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column, double value,
                    lxw_format* format = nullptr);
  // A formula with its value as the last calculation left it, for readers that calculate nothing.
  void write_formula(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column,
                     const std::string& formula, double value, lxw_format* format = nullptr);
  // One text over the cells of a row from first to last column.
  void write_merged(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t first, std::uint16_t last,
                    std::u16string_view text, lxw_format* format);
  void set_properties(std::u16string_view title, std::u16string_view comments, std::time_t created);

  // Finishes the workbook and puts it in the target's place; throws WorkbookFailed.
  void commit();

 private:
  // Removes the folder when the workbook is done with it, after the library closed its files.
  struct Scratch {
    platform::NarrowFolder folder;
    Scratch() = default;
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch();
  };

  [[noreturn]] void fail(int error);
  // Why the temporary folder took no more: full, else the system's words; it names the folder.
  std::u16string temporary_folder_failure() const;

  simple_io::ReplacingFile target_;
  std::u16string temporary_folder_;
  Scratch scratch_;
  std::u16string scratch_path_;
  lxw_workbook* workbook_ = nullptr;
  std::vector<std::u16string> sheet_names_;
};
