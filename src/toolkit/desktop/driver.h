// The user's hands on the screen: text commands from the desktop that click, type and
// look at the forms, and replies that say what the forms show.
#pragma once

#include <string>
#include <string_view>

namespace toolkit::desktop {

// Commands (FORM is a form's name; replies are empty on success, else start with "error: "):
//   forms                         every form: name, visible or hidden, caption (tab-separated)
//   print FORM                    caption and visibility, then every row of its grid as it is painted
//   paint FORM                    the form's picture as a display list (display_list.h)
//   window FORM                   the form's window as the system knows it, a decimal number
//   click FORM CONTROL            clicks a button
//   check FORM CONTROL on|off     sets a check box as a click would
//   cell FORM COL ROW [right]     presses the mouse on a cell of the grid (left button by default)
//   key FORM enter|space|up|down|left|right|home|end
//   dblclick FORM                 double-clicks the grid
//   menu FORM                     opens the grid's context menu and lists its items
//   menu FORM ITEM                right-clicks the current row and chooses the item from the menu
//   close FORM                    the close box
//   keys FORM TEXT                the user's keys on the form (key_strokes.h), TEXT to the line's end
//   cursor                        normal or wait
//   check-keys TEXT               whether TEXT reads as keys (key_strokes.h)
std::string run_command(std::string_view command);

}  // namespace toolkit::desktop
