// clean_field: a text made safe for one unquoted CSV field.
#pragma once

#include <string>
#include <string_view>

// Removes every comma, every double quote, every CR LF pair and then every remaining LF; a CR
// that is not followed by LF stays.
std::u16string clean_field(std::u16string_view text);
