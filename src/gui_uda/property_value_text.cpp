// Category names from property values.
#include "gui_uda/property_value_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "categories/clean_field.h"

namespace {

std::u16string widen(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

}  // namespace

std::u16string general_number_text(double value, char16_t decimal_separator) {
  if (value == 0) return u"0";
  if (!std::isfinite(value)) return widen(std::isnan(value) ? "NAN" : value > 0 ? "INF" : "-INF");
  // Fifteen significant digits and the decimal exponent, rounded once.
  char scientific[40];
  std::snprintf(scientific, sizeof scientific, "%.14e", value);
  const std::string text(scientific);
  const bool negative = text.front() == '-';
  const std::size_t e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
    if (text[i] != '.') digits += text[i];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  const char separator = '.';
  if (exponent < 15 && std::fabs(value) >= 0.00001) {
    if (exponent >= 0) {
      const auto whole = static_cast<std::size_t>(exponent) + 1;
      if (digits.size() < whole) digits.append(whole - digits.size(), '0');
      out += digits.substr(0, whole);
      if (digits.size() > whole) out += separator + digits.substr(whole);
    } else {
      out +=
          std::string("0") + separator + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += separator + digits.substr(1);
    out += "E" + std::to_string(exponent);
  }
  std::u16string result = widen(out);
  for (char16_t& c : result) {
    if (c == u'.') c = decimal_separator;
  }
  return result;
}

std::u16string_view property_value_text(const viewer::PropertyResult& result, char16_t decimal_separator,
                                        std::u16string& buffer) {
  switch (result.value_type) {
    case viewer::property_text:
      return result.value.text != nullptr ? trimmed_view(result.value.text) : std::u16string_view();
    case viewer::property_boolean: return result.value.number != 0 ? u"true" : u"false";
    case viewer::property_integer: {
      // Truncated toward zero in 64 bits, so a value beyond 32 bits does not wrap around.
      const double number = std::trunc(result.value.number);
      buffer = std::fabs(number) < 9.2e18 ? widen(std::to_string(static_cast<long long>(number)))
                                          : general_number_text(number, decimal_separator);
      return buffer;
    }
    default: buffer = general_number_text(result.value.number, decimal_separator); return buffer;
  }
}
