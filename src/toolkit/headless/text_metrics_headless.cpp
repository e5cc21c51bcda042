// Fixed text metrics for the headless forms: each character's advance in the font the Linux pictures
// draw with (Tahoma at 11 pixels, which falls back to the wider DejaVu Sans), rounded up, so that a
// layout made from them never cuts a text those pictures show.
#include "toolkit/text_metrics.h"

#include <array>

namespace toolkit {
namespace {

// Printable ASCII, from the blank to the tilde.
constexpr std::array<unsigned char, 95> ascii_widths = {
    4,  4, 5, 9, 7, 10, 9, 3,  4, 4, 6, 9, 4, 4,  4, 4,  // blank ! " # $ % & ' ( ) * + , - . /
    7,  7, 7, 7, 7, 7,  7, 7,  7, 7, 4, 4, 9, 9,  9, 6,  // 0-9 : ; < = > ?
    11, 8, 8, 8, 8, 7,  6, 9,  8, 3, 3, 7, 6, 9,  8, 9,  // @ A-O
    7,  9, 8, 7, 7, 8,  8, 11, 8, 7, 8, 4, 4, 4,  9, 6,  // P-Z [ \ ] ^ _
    6,  7, 7, 6, 7, 7,  4, 7,  7, 3, 3, 6, 3, 11, 7, 7,  // ` a-o
    7,  7, 5, 6, 4, 7,  7, 9,  7, 7, 6, 7, 4, 7,  9,     // p-z { | } ~
};
// Any other character: as wide as the widest letter, an em of the font.
constexpr int other_width = 11;
// Ascent and descent of the font.
constexpr int line_height = 14;

}  // namespace

int text_width(std::u16string_view text) {
  int width = 0;
  for (const char16_t c : text) {
    width += c >= u' ' && c <= u'~' ? ascii_widths[static_cast<std::size_t>(c - u' ')] : other_width;
  }
  return width;
}

int text_height() { return line_height; }

}  // namespace toolkit
