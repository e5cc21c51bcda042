// The user's number formatting and paper.
#pragma once

namespace platform {

// The decimal separator of the user's locale ('.' on POSIX).
char16_t decimal_separator();

// The paper of the user's locale as Windows numbers it (1 Letter, 5 Legal, 8 A3, 9 A4, ...), the
// numbers spreadsheets print by; A4 where the locale does not say.
int paper_size();

}  // namespace platform
