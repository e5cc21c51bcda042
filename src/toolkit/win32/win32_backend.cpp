// The Win32 backend's start and end, around the plug-in's life: GDI+, the window classes, the
// keyboard's dialog keys, and the link to the stand-in's desktop. The backend's other parts are
// the forms' windows (form_window.cpp, grid_window.cpp), the modal runs and system dialogs
// (dialogs_win32.cpp), the screen (screen_win32.cpp) and the desktop's hands (desktop_input.cpp).
#include <windows.h>

#include "toolkit/backend.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/win32/activation_context.h"
#include "toolkit/win32/button_icons.h"
#include "toolkit/win32/form_font.h"
#include "toolkit/win32/gdiplus_painter.h"
#include "toolkit/win32/grid_accessible.h"
#include "toolkit/win32/native_windows.h"

namespace toolkit::backend {

void initialize() {
  win32::start_gdiplus();
  win32::make_activation_context();
  win32::register_window_classes();
  win32::start_keyboard_navigation();
  desktop::connect_desktop();
}

void finalize() {
  desktop::disconnect_desktop();
  win32::stop_keyboard_navigation();
  win32::unregister_window_classes();
  win32::keep_module_for_accessible_objects();
  win32::release_button_icons();
  win32::release_form_fonts();
  win32::release_activation_context();
  win32::stop_gdiplus();
}

}  // namespace toolkit::backend
