// What a toolkit backend provides: windows on a screen and the system's dialogs. The backend is
// chosen by which implementation is linked (headless/ or win32/), not by the widgets' code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/geometry.h"

namespace toolkit {

class Control;
class Form;
class FileDialog;
enum class ModalResult;
enum class Cursor;
enum class MessageIcon;
struct KeyStroke;
struct UserInput;

namespace backend {

// The component library's start and end (the plug-in's load and unload).
void initialize();
void finalize();

void form_created(Form& form);
void form_destroyed(Form& form);
// Shown, hidden, moved, resized or captioned.
void form_changed(Form& form);
void control_changed(Control& control);
// The form as the system knows it, to own message boxes and dialogs.
void* window_handle(Form& form);

// The user's input given to the form's window as the system gives it, so that the window's own
// handling runs; straight to the form where it has no window.
void send_input(Form& form, const UserInput& input);
// The user's click on a button or check box.
void click(Control& control);
// The user's keys on the form (made the active window first), each taken before the next; a
// list_windows stroke prints the window list at that moment.
void type_keys(Form& form, const std::vector<KeyStroke>& strokes);

// The user's right click at a point of the form, then the choice of the named item from the
// context menu that opens.
void choose_from_context_menu(Form& form, Point point, const std::string& item);

// Runs a form modally until it is closed; the form's modal result is set by then.
void run_modal(Form& form);
bool run_file_dialog(FileDialog& dialog, void* owner_window);
void show_message(void* owner_window, std::u16string_view text, std::u16string_view caption,
                  MessageIcon icon);
// The system's colour picker, opened at the colour's red, green and blue; the picked colour,
// opaque, or nothing when cancelled or where the system has no picker.
std::optional<Argb> pick_color(void* owner_window, Argb start);
// A Yes/No question; true for Yes.
bool ask_question(void* owner_window, std::u16string_view text, std::u16string_view caption);

// Every top-level window of the process, one a line: class, caption, visible or hidden, enabled or
// disabled (tab-separated); then "focus", the focused control's class and text.
std::string window_list();

Cursor screen_cursor();
void set_screen_cursor(Cursor cursor);

// Whether Shift is held with the key being handled (Ctrl+Shift+Z types what Ctrl+Z types).
bool shift_key_down();
// When the key being handled was typed, in milliseconds (the forms' own keys count their pauses).
std::int64_t key_time_ms();

// The screen's area that windows are placed in (without the task bar).
Rect screen_area();

// The system's colours for the standard parts of the controls (High Contrast included), ARGB.
enum class SystemColor { window, window_text, face, face_text, highlight, highlight_text };
Argb system_color(SystemColor which);

// Where the form's window, put at the point, lies wholly inside the work area of the monitor it is
// on (the nearest one), moved as little as needed; its top-left corner where it is too big.
Point inside_work_area(const Form& form, Point at);

// The size a window's frame adds to its client area.
int frame_width(const Form& form);
int frame_height(const Form& form);

}  // namespace backend
}  // namespace toolkit
