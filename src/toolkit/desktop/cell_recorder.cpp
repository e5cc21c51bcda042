// What a cell shows, in words.
#include "toolkit/desktop/cell_recorder.h"

#include <bit>

#include "interface/color_text.h"
#include "platform/utf8.h"

namespace toolkit::desktop {

void CellRecorder::text_out(int, int, std::u16string_view text) { text_ += text; }

std::string CellRecorder::content() const {
  if (!text_.empty()) return platform::to_utf8(text_);
  // RRGGBBAA, as the session writes the viewer's colours.
  if (fill_) return ::desktop::color_text(std::rotl(*fill_, 8));
  return hatched_ ? "none" : "";
}

}  // namespace toolkit::desktop
