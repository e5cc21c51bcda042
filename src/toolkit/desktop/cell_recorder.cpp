// What a cell shows, in words.
#include "toolkit/desktop/cell_recorder.h"

#include <cstdio>

#include "platform/utf8.h"

namespace toolkit::desktop {

void CellRecorder::text_out(int, int, std::u16string_view text) { text_ += text; }

std::string CellRecorder::content() const {
  if (!text_.empty()) return platform::to_utf8(text_);
  if (fill_) {
    char hex[9];
    const Argb c = *fill_;
    std::snprintf(hex, sizeof hex, "%02X%02X%02X%02X", (c >> 16) & 0xFFu, (c >> 8) & 0xFFu, c & 0xFFu,
                  c >> 24);
    return hex;
  }
  return hatched_ ? "none" : "";
}

}  // namespace toolkit::desktop
