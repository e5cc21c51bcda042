// The viewer's language files: UTF-8 text, one key=value a line, # starts a comment.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace host {

using LanguageTexts = std::unordered_map<std::string, std::u16string>;

// Nothing when the file cannot be read.
std::optional<LanguageTexts> read_language_file(const std::u16string& path);

// The texts of a file's contents; the first '=' of a line ends its key.
LanguageTexts parse_language_texts(std::string_view contents);

}  // namespace host
