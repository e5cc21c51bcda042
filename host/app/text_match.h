// Matching the user's words against the viewer's texts regardless of letter case, as a user
// types a caption or a name without minding capitals.
#pragma once

#include <string>
#include <string_view>

namespace host {

// The word in small letters (ASCII): command words and keywords.
std::string lower_case(std::string_view word);

// Whether the texts are equal, or whether text contains part, when capitals are not minded: the
// Latin letters of ASCII, Latin-1 and Latin Extended-A (the viewer's German and Polish captions).
bool equal_ignoring_case(std::u16string_view a, std::u16string_view b);
bool contains_ignoring_case(std::u16string_view text, std::u16string_view part);

}  // namespace host
