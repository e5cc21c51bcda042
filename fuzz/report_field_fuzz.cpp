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

bool starts_formula(std::u16string_view piece) {
  std::size_t first = 0;
  while (first < piece.size() &&
         ((piece[first] <= 32 && piece[first] != u'\t') || piece[first] == u'\u3000')) {
    ++first;
  }
  return first < piece.size() && std::u16string_view(u"=+-@\t\uFF1D\uFF0B\uFF0D\uFF20").find(piece[first]) !=
                                     std::u16string_view::npos;
}

// Commas and quotes go, then CR LF pairs, then a lone CR or LF becomes a space; each piece between
// semicolons that would begin a formula gets an apostrophe.
std::u16string expected_field(std::u16string text) {
  replace_all(text, u",", u"");
  replace_all(text, u"\"", u"");
  replace_all(text, u"\r\n", u"");
  replace_all(text, u"\r", u" ");
  replace_all(text, u"\n", u" ");
  std::u16string field;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(u';', start);
    const std::u16string_view piece = std::u16string_view(text).substr(start, end - start);
    if (starts_formula(piece)) field += u'\'';
    field += piece;
    if (end == std::u16string::npos) return field;
    field += u';';
    start = end + 1;
  }
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
