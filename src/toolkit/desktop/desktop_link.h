// The toolkit's link to the desktop of the program that loaded it (see desktop_api_list.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace toolkit::desktop {

// Whether the program that loaded the plug-in offers a desktop.
bool desktop_offered();
// Connects the command handler when the program offers a desktop; otherwise nothing.
void connect_desktop();
void disconnect_desktop();

// The user's answer to a dialog of this kind; nothing when nothing is queued (the user cancels).
std::optional<std::string> desktop_answer(std::string_view dialog);
// The keys the user types into this dialog, when they come before its answer.
std::optional<std::string> desktop_keys(std::string_view dialog);
// The icon number by which a message is a question box with its answer.
inline constexpr int question_icon = 4;
// Shows a message box: the desktop records it, or it goes to standard error without one.
void desktop_message(std::string_view caption, std::string_view text, int icon);
// Tells the desktop that a dialog stands filled with its answer (it may take the dialog's picture).
void desktop_dialog_filled(std::string_view dialog, void* window, const std::string& display_list);

// The desktop's clipboard, where the toolkit keeps none of the system's.
std::string desktop_clipboard();
void set_desktop_clipboard(const std::string& text);

// The dots per inch of the desktop's screen where the desktop sets its scale; nothing: the system's.
std::optional<int> desktop_dpi();

// What the desktop's person reads: a listing on standard output, a note on standard error.
enum class Stream { output = 1, error = 2 };
void desktop_print(const std::string& text, Stream stream);

}  // namespace toolkit::desktop
