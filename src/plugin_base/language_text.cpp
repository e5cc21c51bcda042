// The viewer owns its texts: they are copied at once.
#include "plugin_base/language_text.h"

#include <algorithm>
#include <string_view>

#include "plugin_base/added_texts.h"
#include "plugin_base/host_api.h"
#include "plugin_base/host_queries.h"

namespace cpp {

namespace {

// A viewer answers a key its language file lacks with nothing or with the key itself.
bool names_no_text(std::u16string_view text, std::string_view key) {
  return text.empty() || std::equal(text.begin(), text.end(), key.begin(), key.end());
}

std::string plural_key(const char* key, std::u16string_view language,
                       std::initializer_list<std::uint64_t> counts) {
  std::string full = key;
  for (const std::uint64_t count : counts) full += plural_suffix(plural_form(language, count));
  return full;
}

}  // namespace

std::u16string language_text(viewer::HostHandle host, const char* key) {
  std::u16string text = viewer_text(viewer::get_text(host, key));
  if (const char16_t* english = added_text_english(key); english != nullptr && names_no_text(text, key)) {
    return english;
  }
  return text;
}

PluralForm plural_form(std::u16string_view language, std::uint64_t count) {
  // The language itself, without a region ("pl-PL", "pl_PL"), in either case.
  const std::u16string_view primary = language.substr(0, language.find_first_of(u"-_"));
  const bool polish = primary.size() == 2 && (primary[0] == u'p' || primary[0] == u'P') &&
                      (primary[1] == u'l' || primary[1] == u'L');
  if (count == 1) return PluralForm::one;
  if (!polish) return PluralForm::other;
  const std::uint64_t last = count % 10;
  const std::uint64_t last_two = count % 100;
  return last >= 2 && last <= 4 && (last_two < 12 || last_two > 14) ? PluralForm::few : PluralForm::many;
}

const char* plural_suffix(PluralForm form) {
  switch (form) {
    case PluralForm::one: return ".one";
    case PluralForm::few: return ".few";
    case PluralForm::many: return ".many";
    case PluralForm::other: break;
  }
  return ".other";
}

std::u16string language_text(viewer::HostHandle host, const char* key,
                             std::initializer_list<std::uint64_t> counts) {
  const std::string full = plural_key(key, viewer_text(viewer::get_language(host)), counts);
  if (std::u16string text = viewer_text(viewer::get_text(host, full.c_str())); !names_no_text(text, full)) {
    return text;
  }
  if (std::u16string text = viewer_text(viewer::get_text(host, key)); !names_no_text(text, key)) return text;
  // A language file without the key at all: the English text, in the English form of the counts.
  if (const char16_t* english = added_text_english(plural_key(key, u"en", counts))) return english;
  return language_text(host, key);
}

}  // namespace cpp
