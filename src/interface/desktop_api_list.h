// The desktop: what the stand-in host exports for the toolkit inside the plug-in, as an operating
// system offers windows and dialogs. It is no part of the viewer's API: the toolkit looks these
// names up in the loading program and goes on without them.
#pragma once

#include <cstdint>

#include "platform/calling_convention.h"

namespace desktop {

// The toolkit's answer to the host's commands (UTF-8 both ways); the reply stays valid until the
// next command.
using CommandHandler = const char*(TORV_CALL*)(const char* command);

}  // namespace desktop

// X(result, name, (parameters), (arguments)); texts are UTF-8.
#define TORV_DESKTOP_API(X)                                                                         \
  X(void, torv_desktop_connect, (::desktop::CommandHandler handler), (handler))                     \
  X(void, torv_desktop_disconnect, (), ())                                                          \
  /* The next answer the user gives to a dialog of this kind ("open", "save", "color", or a form's  \
     name); null: the user cancels. */                                                              \
  X(const char*, torv_desktop_answer, (const char* dialog), (dialog))                               \
  /* The keys for the next dialog, this one of that kind, when they were queued before every answer \
     of its kind; null: none. */                                                                    \
  X(const char*, torv_desktop_keys, (const char* dialog), (dialog))                                 \
  /* A message box; icon 4: a question box, whose text ends with " -> yes" or " -> no". */          \
  X(void, torv_desktop_message, (const char* caption, const char* text, std::int32_t icon),         \
    (caption, text, icon))                                                                          \
  /* The dialog stands filled with the user's answer, about to be confirmed or cancelled: its       \
     window (null when it has none) and its picture as a display list (display_list.h). */          \
  X(void, torv_desktop_dialog_filled, (const char* dialog, void* window, const char* display_list), \
    (dialog, window, display_list))                                                                 \
  /* The desktop's clipboard as text; empty when it holds none. */                                  \
  X(const char*, torv_desktop_clipboard, (), ())                                                    \
  X(void, torv_desktop_set_clipboard, (const char* text), (text))                                   \
  /* The dots per inch of the desktop's screen, where the desktop sets its scale; 0: the system's. */ \
  X(std::int32_t, torv_desktop_dpi, (), ())                                                         \
  /* Text for the person at the desktop: to standard output (1) or standard error (2). */           \
  X(void, torv_desktop_print, (const char* text, std::int32_t stream), (text, stream))
