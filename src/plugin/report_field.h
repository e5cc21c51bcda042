// The report's text fields: cleaned of what would break the line, and kept from being run as
// formulas by a spreadsheet, whether it splits the line at commas or at semicolons.
#pragma once

#include "toolkit/file_text.h"

// Appends a NUL-terminated text (null: nothing) as a field: commas, double quotes and CR LF pairs
// removed, a lone CR or LF made a space, and an apostrophe before the field and after each
// semicolon where the piece that follows would begin a formula.
void append_report_field(toolkit::FileText& report, const char16_t* text);

// The same for a narrow text in the ANSI code page, such as an entity name.
void append_ansi_report_field(toolkit::FileText& report, const char* text);
