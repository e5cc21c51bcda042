// Looking up one of the plug-in's texts in the viewer's loaded language texts.
#pragma once

#include <string>

#include "interface/viewer_records.h"

namespace cpp {

// A copy of the viewer's text for key; empty when the viewer gives none. A key added after the first
// translations that the language file lacks gives its English text.
std::u16string language_text(viewer::HostHandle host, const char* key);

}  // namespace cpp
