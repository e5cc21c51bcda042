// Colours in words: the name from the language's colour names, the code from the field's text.
#include "toolkit/color_words.h"

#include "toolkit/argb_text.h"
#include "toolkit/color_names.h"
#include "toolkit/dialogs.h"
#include "toolkit/shown_text.h"

namespace toolkit {
namespace {

std::u16string name_of(Argb color) {
  const std::size_t index = nearest_color_name(color);
  const std::vector<std::u16string>& translated = color_dialog_texts().color_names;
  return index < translated.size() ? translated[index] : color_names()[index].english;
}

std::u16string code_of(Argb color) {
  const std::u16string code = argb_text(color);
  return (color >> 24) == 0xFF ? code.substr(2) : code;
}

// The capital of a letter of the languages' alphabets (Latin-1 and Latin Extended-A: "ż" to "Ż").
char16_t capital(char16_t letter) {
  if ((letter >= u'a' && letter <= u'z') || (letter >= 0xE0 && letter <= 0xFE && letter != 0xF7))
    return static_cast<char16_t>(letter - 0x20);
  const bool odd_small = (letter >= 0x100 && letter <= 0x137) || (letter >= 0x14A && letter <= 0x177);
  const bool even_small = (letter >= 0x139 && letter <= 0x148) || (letter >= 0x179 && letter <= 0x17E);
  if ((odd_small && letter % 2 == 1) || (even_small && letter % 2 == 0))
    return static_cast<char16_t>(letter - 1);
  return letter;
}

}  // namespace

std::u16string color_words(Argb color) { return name_of(color) + u' ' + code_of(color); }

std::u16string swatch_name(Argb color) {
  if ((color >> 24) == 0) return no_color_words();
  std::u16string name = name_of(color);
  if (!name.empty()) name.front() = capital(name.front());
  return name + u", " + code_of(color);
}

std::u16string no_color_words() { return without_access_key(color_dialog_texts().no_color); }

}  // namespace toolkit
