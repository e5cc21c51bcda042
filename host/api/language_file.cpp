// Reading language files.
#include "api/language_file.h"

#include "platform/utf8.h"
#include "simple_io/in_file.h"

namespace host {

LanguageTexts parse_language_texts(std::string_view contents) {
  if (contents.starts_with("\xEF\xBB\xBF")) contents.remove_prefix(3);
  LanguageTexts texts;
  while (!contents.empty()) {
    const auto end = contents.find('\n');
    std::string_view line = contents.substr(0, end);
    contents = end == std::string_view::npos ? std::string_view() : contents.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    texts[std::string(line.substr(0, equals))] = platform::from_utf8(line.substr(equals + 1));
  }
  return texts;
}

std::optional<LanguageTexts> read_language_file(const std::u16string& path) {
  const std::optional<std::string> contents = simple_io::read_whole_file(path);
  if (!contents) return std::nullopt;
  return parse_language_texts(*contents);
}

}  // namespace host
