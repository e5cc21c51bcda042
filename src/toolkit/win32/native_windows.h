// The native windows of the forms: each form is a top-level window, each control on it a child
// window of the system's class (BUTTON, COMBOBOX, STATIC) or of the grid's own class. The other
// Win32 files find a form's or a control's window here, and the control behind a window.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/geometry.h"

namespace toolkit {
class Control;
class Form;
class DrawGrid;
}  // namespace toolkit

namespace toolkit::win32 {

constexpr wchar_t form_class[] = L"TorvForm";
constexpr wchar_t grid_class[] = L"TorvGrid";

// The module the toolkit is linked into, which owns its window classes and resources.
HINSTANCE this_module();

void register_window_classes();
void unregister_window_classes();

HWND window_of(Form& form);
// Made on first use, with the controls' windows; null without a display.
HWND make_window(Form& form);
HWND control_window(const Control& control);
// The control behind a window of ours; null for any other window.
Control* control_of(HWND window);
Form* form_of(HWND window);
// Whether the window is one of the forms' top-level windows.
bool is_form_window(HWND window);

// Shows the control's state in its window again (bounds, visibility, enabling, text, check).
void update_control(Control& control);
void forget_form(Form& form);

// The grid's window class procedure (grid_window.cpp) and the scroll bar that follows the grid.
LRESULT CALLBACK grid_procedure(HWND window, UINT message, WPARAM w, LPARAM l);
void update_scroll_bar(HWND window, const DrawGrid& grid);

// The context menu of the control at a point of its window (client pixels), or at the grid's
// current cell when the point is null (the keyboard's menu key).
void show_context_menu(HWND window, DrawGrid& grid, const POINT* at);
// The desktop's choice of an item from the next context menu that opens.
void choose_from_next_menu(const std::string& item);

// The keyboard's dialog keys (Tab, Shift+Tab, Space on buttons, Enter and Esc) in the forms, also
// where the viewer's own message loop dispatches their messages.
void start_keyboard_navigation();
void stop_keyboard_navigation();
// Posted to a form for a key message the navigation took; the form hands it on here.
constexpr UINT dialog_key_message = WM_APP + 2;
void handle_dialog_key(HWND form, WPARAM number);

COLORREF colorref(Argb argb);

}  // namespace toolkit::win32
