// Any UTF-16 text (the bytes read as little-endian code units) as a report field, against the same
// rules applied one after the other: what the one pass writes is exactly what they make.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "plugin/report_field.h"
#include "toolkit/file_text.h"

namespace {

void replace_all(std::u16string& text, std::u16string_view what, std::u16string_view with) {
  for (std::size_t at = text.find(what); at != std::u16string::npos; at = text.find(what, at + with.size())) {
    text.replace(at, what.size(), with);
  }
}

// What a spreadsheet passes over before it looks for a formula: characters up to code 32 but TAB,
// and the ideographic, no-break and zero-width spaces and the byte-order mark.
bool blank(char16_t c) {
  return (c <= 32 && c != u'\t') || c == u'\u3000' || c == u'\u00A0' || c == u'\u200B' || c == u'\uFEFF';
}

// Whether the cell that begins at start would be run as a formula: its first character past blanks
// is one of these (a TAB too, which also ends the cell).
bool starts_formula(std::u16string_view text, std::size_t start) {
  while (start < text.size() && blank(text[start])) ++start;
  return start < text.size() &&
         std::u16string_view(u"=+-@\t\uFF1D\uFF0B\uFF0D\uFF20").find(text[start]) != std::u16string_view::npos;
}

// Commas and quotes go, then CR LF pairs, then a lone CR or LF becomes a space; then each cell that
// would begin a formula gets an apostrophe, a cell beginning at the field's start and after each
// semicolon or TAB, where spreadsheets split lines.
std::u16string expected_field(std::u16string text) {
  replace_all(text, u",", u"");
  replace_all(text, u"\"", u"");
  replace_all(text, u"\r\n", u"");
  replace_all(text, u"\r", u" ");
  replace_all(text, u"\n", u" ");
  std::u16string field;
  if (starts_formula(text, 0)) field += u'\'';
  for (std::size_t at = 0; at < text.size(); ++at) {
    field += text[at];
    if ((text[at] == u';' || text[at] == u'\t') && starts_formula(text, at + 1)) field += u'\'';
  }
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  // The viewer's texts end at their first NUL.
  text.resize(text.find(u'\0') == std::u16string::npos ? text.size() : text.find(u'\0'));
  toolkit::FileText report;
  append_report_field(report, text.c_str());
  if (report.text() != expected_field(text)) std::abort();
  return 0;
}
