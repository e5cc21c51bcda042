// The text of a property value as a category name.
#pragma once

#include <string>
#include <string_view>

#include "interface/viewer_records.h"

// Text trimmed; a boolean "true" or "false"; an integer in decimal (64 bits); any other number in
// general format with at most 15 significant digits and the user's decimal separator. A text is
// viewed where the viewer keeps it (valid until the next call to the viewer), a number is written
// into buffer: a walk over a million objects copies no texts.
std::u16string_view property_value_text(const viewer::PropertyResult& result, char16_t decimal_separator,
                                        std::u16string& buffer);

// A real number in general format: fixed notation while the integer part has at most 15 digits
// and the value is at least 0.00001, scientific notation ("1.5E20", "1E-6") otherwise.
std::u16string general_number_text(double value, char16_t decimal_separator);
