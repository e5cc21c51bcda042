// Writing a workbook through libxlsxwriter.
#include "plugin/workbook_file.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_replace.h"
#include "platform/shell_folders.h"
#include "platform/utf8.h"
#include "simple_io/in_file.h"
#include "simple_io/out_file.h"

namespace {

constexpr std::size_t max_cell_characters = 32767;
constexpr std::size_t max_sheet_name = 31;

// The library's errors that come from its files: where the temporary folder took no more.
bool is_file_error(int error) {
  return error == LXW_ERROR_CREATING_TMPFILE || error == LXW_ERROR_READING_TMPFILE ||
         error == LXW_ERROR_ZIP_FILE_OPERATION || error == LXW_ERROR_ZIP_FILE_ADD ||
         error == LXW_ERROR_ZIP_CLOSE;
}

// Those that set the system's error; the others leave an older one behind.
bool sets_system_error(int error) {
  return error == LXW_ERROR_CREATING_TMPFILE || error == LXW_ERROR_READING_TMPFILE ||
         error == LXW_ERROR_ZIP_FILE_OPERATION;
}

// The text cut to what a cell holds, counted in characters as the library counts them.
std::string_view cell_sized(std::string_view utf8) {
  std::size_t characters = 0;
  for (std::size_t at = 0; at < utf8.size(); ++at) {
    if ((static_cast<unsigned char>(utf8[at]) & 0xC0) == 0x80) continue;
    if (++characters > max_cell_characters) return utf8.substr(0, at);
  }
  return utf8;
}

bool same_name(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char16_t x, char16_t y) {
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

WorkbookFile::WorkbookFile(const std::u16string& target) try : target_(target) {
  const std::optional<platform::NarrowFolder> temporary = platform::narrow_temp_folder();
  if (!temporary) throw WorkbookFailed{u"no temporary folder"};
  temporary_folder_ = temporary->path;
  std::optional<platform::NarrowFolder> scratch = platform::make_scratch_folder(*temporary);
  if (!scratch) throw WorkbookFailed{temporary_folder_failure()};
  scratch_.folder = std::move(*scratch);
  const char16_t separator = platform::path_separator();
  scratch_path_ = scratch_.folder.path + separator + u"workbook.xlsx";
  const std::string narrow_path = scratch_.folder.narrow + static_cast<char>(separator) + "workbook.xlsx";
  // Made here, exclusively, before the library opens it by name; and so that a temporary folder
  // that takes no files is told before the work.
  try {
    simple_io::OutFile(scratch_path_).close();
  } catch (...) {
    throw WorkbookFailed{temporary_folder_failure()};
  }
  lxw_workbook_options options{};
  // Rows go to the library's temporary files as they are written: a million of them would not
  // fit in the memory of a 32-bit viewer.
  options.constant_memory = LXW_TRUE;
  options.tmpdir = scratch_.folder.narrow.data();
  workbook_ = workbook_new_opt(narrow_path.c_str(), &options);
  if (workbook_ == nullptr) throw WorkbookFailed{temporary_folder_failure()};
} catch (const simple_io::ReplaceFailed& failed) {
  throw WorkbookFailed{failed.reason};
}

WorkbookFile::~WorkbookFile() {
  if (workbook_ != nullptr) {
    // Closing is the only way to free the library's workbook; what it writes is thrown away.
    workbook_close(workbook_);
  }
}

WorkbookFile::Scratch::~Scratch() {
  if (!folder.path.empty()) platform::remove_scratch_folder(folder.path);
}

std::u16string WorkbookFile::temporary_folder_failure() const {
  if (platform::last_error_is_disk_full()) return u"The temporary folder " + temporary_folder_ + u" is full";
  return u"The temporary folder " + temporary_folder_ + u": " + platform::last_error_text();
}

void WorkbookFile::fail(int error) {
  const std::u16string library_text = platform::from_utf8(lxw_strerror(static_cast<lxw_error>(error)));
  if (!is_file_error(error)) throw WorkbookFailed{library_text};
  if (sets_system_error(error) || platform::last_error_is_disk_full())
    throw WorkbookFailed{temporary_folder_failure()};
  throw WorkbookFailed{u"The temporary folder " + temporary_folder_ + u": " + library_text};
}

lxw_worksheet* WorkbookFile::add_sheet(std::u16string_view name) {
  std::u16string allowed;
  for (const char16_t c : name) {
    if (std::u16string_view(u"[]:*?/\\").find(c) == std::u16string_view::npos) allowed += c;
  }
  // An apostrophe may neither begin nor end a sheet's name.
  while (!allowed.empty() && allowed.front() == u'\'') allowed.erase(0, 1);
  while (!allowed.empty() && allowed.back() == u'\'') allowed.pop_back();
  if (allowed.empty()) allowed = u"Sheet";
  std::u16string unique = allowed.substr(0, max_sheet_name);
  for (int number = 2; std::find_if(sheet_names_.begin(), sheet_names_.end(),
                                    [&unique](const std::u16string& used) {
                                      return same_name(used, unique);
                                    }) != sheet_names_.end();
       ++number) {
    const std::u16string suffix = platform::from_utf8(" (" + std::to_string(number) + ")");
    unique = allowed.substr(0, max_sheet_name - suffix.size()) + suffix;
  }
  sheet_names_.push_back(unique);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook_, platform::to_utf8(unique).c_str());
  if (sheet == nullptr) fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
  return sheet;
}

lxw_format* WorkbookFile::add_format() {
  lxw_format* format = workbook_add_format(workbook_);
  if (format == nullptr) fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
  return format;
}

void WorkbookFile::write_text(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column,
                              std::string_view utf8, lxw_format* format) {
  if (utf8.empty()) {
    if (format != nullptr) worksheet_write_blank(sheet, row, column, format);
    return;
  }
  // The library takes NUL-terminated texts: a text is cut at a NUL it holds.
  const std::string text(cell_sized(utf8.substr(0, utf8.find('\0'))));
  if (const lxw_error error = worksheet_write_string(sheet, row, column, text.c_str(), format)) fail(error);
}

void WorkbookFile::write_text(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column,
                              std::u16string_view text, lxw_format* format) {
  write_text(sheet, row, column, std::string_view(platform::to_utf8(text)), format);
}

void WorkbookFile::write_number(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column, double value,
                                lxw_format* format) {
  if (const lxw_error error = worksheet_write_number(sheet, row, column, value, format)) fail(error);
}

void WorkbookFile::write_formula(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t column,
                                 const std::string& formula, double value, lxw_format* format) {
  if (const lxw_error error = worksheet_write_formula_num(sheet, row, column, formula.c_str(), format, value))
    fail(error);
}

void WorkbookFile::write_merged(lxw_worksheet* sheet, std::uint32_t row, std::uint16_t first,
                                std::uint16_t last, std::u16string_view text, lxw_format* format) {
  const std::string utf8(cell_sized(platform::to_utf8(text)));
  if (const lxw_error error = worksheet_merge_range(sheet, row, first, row, last, utf8.c_str(), format))
    fail(error);
}

void WorkbookFile::set_properties(std::u16string_view title, std::u16string_view comments,
                                  std::time_t created) {
  // The library keeps copies of the texts.
  std::string title_utf8 = platform::to_utf8(title);
  std::string comments_utf8 = platform::to_utf8(comments);
  lxw_doc_properties properties{};
  properties.title = title_utf8.data();
  properties.comments = comments_utf8.data();
  properties.created = created;
  if (const lxw_error error = workbook_set_properties(workbook_, &properties)) fail(error);
}

void WorkbookFile::commit() {
  lxw_workbook* const workbook = workbook_;
  workbook_ = nullptr;
  if (const lxw_error error = workbook_close(workbook)) fail(error);
  try {
    simple_io::InFile finished(scratch_path_);
    std::vector<char> chunk(1 << 20);
    for (std::uint64_t left = finished.bytes_left(); left > 0;) {
      const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
      finished.read(chunk.data(), count);
      target_.out().write(chunk.data(), count);
      left -= count;
    }
  } catch (...) {
    throw WorkbookFailed{platform::last_error_text()};
  }
  try {
    target_.commit();
  } catch (const simple_io::ReplaceFailed& failed) {
    throw WorkbookFailed{failed.reason};
  }
}
