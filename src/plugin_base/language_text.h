// Looking up one of the plug-in's texts in the viewer's loaded language texts.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "interface/viewer_records.h"

namespace cpp {

// A copy of the viewer's text for key; empty when the viewer gives none. A key added after the first
// translations that the language file lacks gives its English text.
std::u16string language_text(viewer::HostHandle host, const char* key);

// The forms a count takes in a language's texts.
enum class PluralForm { one, few, many, other };

// The form of count in the language of a viewer's code ("en", "de", "pl", "pl-PL"): Polish has one,
// few and many; English, German and any language without a rule here one and other.
PluralForm plural_form(std::u16string_view language, std::uint64_t count);

// A key's suffix for a form: ".one", ".few", ".many" or ".other".
const char* plural_suffix(PluralForm form);

// The text of key for counts in the viewer's language: key followed by each count's form
// ("step_assign.one", "count_hint.other.one"); where the language file lacks that form, key itself,
// so that a file made before the forms still reads.
std::u16string language_text(viewer::HostHandle host, const char* key,
                             std::initializer_list<std::uint64_t> counts);

}  // namespace cpp
