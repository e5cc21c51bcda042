// The English texts of the keys added after the first translations, compiled in: a language file
// made for an earlier version lacks them, and the user should read a sentence, not a key.
#pragma once

#include <span>
#include <string_view>

namespace cpp {

struct AddedText {
  const char* key;
  const char16_t* english;
};

std::span<const AddedText> added_texts();

// The English text of an added key; null for any other key, whose text is the language file's alone.
const char16_t* added_text_english(std::string_view key);

}  // namespace cpp
