// A picture of a form as a list of drawing operations, one a line, for a desktop to render.
#pragma once

#include <string>

namespace toolkit {
class Form;
}

namespace toolkit::desktop {

// Coordinates are in the form's client area; colours are AARRGGBB; texts run to the line's end.
//   form WIDTH HEIGHT STYLE FRAME_WIDTH FRAME_HEIGHT CAPTION
//                                           the window: client size, tool_window or dialog, and
//                                           what the frame adds (equal borders at the sides and
//                                           the bottom, the caption bar above)
//   fill X Y W H COLOR                      a solid rectangle (blended when not opaque)
//   hatch X Y W H FOREGROUND BACKGROUND     the diagonal-cross hatch
//   outline X Y W H COLOR WIDTH
//   text X Y COLOR TEXT                     text with its top-left corner at X Y
//   check X Y W H 0|1 CAPTION               a check box and its caption
//   button X Y W H ENABLED IMAGE CAPTION    a button, with an image name or "-"
//   edit X Y W H TEXT                       a text field
//   scrollbar X Y W H FIRST SHOWN TOTAL     a vertical scroll bar: rows FIRST.. of TOTAL in view
//   clip X Y W H / unclip                   what follows is drawn inside the rectangle only
std::string paint_form(Form& form);

}  // namespace toolkit::desktop
