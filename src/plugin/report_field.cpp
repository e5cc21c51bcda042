// Cleaning and guarding the report's text fields in one pass over each.
#include "plugin/report_field.h"

#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/code_unit_set.h"

namespace {

// Where the copy stops: what cleaning removes or replaces, and the semicolon and the tab, which
// begin a cell where spreadsheets split lines at them (German and Polish ones split at semicolons).
constexpr platform::CodeUnitSet field_specials{u',', u'"', u'\r', u'\n', u';', u'\t'};

// A spreadsheet runs a cell as a formula when one of these begins it past blanks (a CR would too,
// but none is left in a field).
bool starts_formula(char16_t c) {
  switch (c) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\uFF1D':
    case u'\uFF0B':
    case u'\uFF0D':
    case u'\uFF20': return true;
    default: return false;
  }
}

// What a spreadsheet passes over before it looks for a formula (characters up to code 32 but TAB,
// the ideographic and no-break spaces, the zero-width space and the byte-order mark), and what
// cleaning removes or makes such a blank (commas, quotes, CR, LF).
bool passed_over(char16_t c) {
  return (c <= 32 && c != u'\t' && c != 0) || c == u'\u3000' || c == u'\u00A0' || c == u'\u200B' ||
         c == u'\uFEFF' || c == u',' || c == u'"';
}

// Whether the piece from at (a field's start, or just past a semicolon) begins a formula once cleaned.
bool piece_starts_formula(const char16_t* at) {
  while (passed_over(*at)) ++at;
  return starts_formula(*at);
}

// The LF that the CR at cr pairs with once the commas and quotes between them are gone; null for a
// lone CR.
const char16_t* paired_lf(const char16_t* cr) {
  const char16_t* next = cr + 1;
  while (*next == u',' || *next == u'"') ++next;
  return *next == u'\n' ? next : nullptr;
}

// Appends what cleaning makes of the special character at at; returns where the copy goes on.
const char16_t* append_special(toolkit::FileText& report, const char16_t* at) {
  switch (*at) {
    case u';':
    case u'\t':
      report.append_ascii(static_cast<char>(*at));
      if (piece_starts_formula(at + 1)) report.append_ascii('\'');
      return at + 1;
    case u'\r':
      if (const char16_t* lf = paired_lf(at)) return lf + 1;
      report.append_ascii(' ');
      return at + 1;
    case u'\n': report.append_ascii(' '); return at + 1;
    default: return at + 1;
  }
}

// A byte of an entity name that goes over as it is: ASCII from '<' on, above every digit, blank and
// character that cleaning looks at, so that the test is one comparison.
bool plain_name_byte(char c) { return static_cast<unsigned char>(c) - 60u < 68u; }

}  // namespace

void append_report_field(toolkit::FileText& report, const char16_t* text) {
  if (text == nullptr) return;
  if (piece_starts_formula(text)) report.append_ascii('\'');
  // Most texts have no special character and go over in one piece.
  const char16_t* at = report.append_up_to(text, field_specials);
  while (*at != 0) at = report.append_up_to(append_special(report, at), field_specials);
}

void append_ansi_report_field(toolkit::FileText& report, const char* text) {
  if (text == nullptr || *text == 0) return;
  // An entity name is a word of ASCII letters, appended as it is; any other text is widened first.
  const char* end = text;
  while (plain_name_byte(*end)) ++end;
  if (*end == 0 && *text != '=' && *text != '@') {
    report.append_ascii(std::string_view(text, static_cast<std::size_t>(end - text)));
  } else {
    append_report_field(report, platform::from_ansi(text).c_str());
  }
}
