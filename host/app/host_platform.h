// What torv-host asks of the operating system besides loading libraries.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace host {

// Starts the program again, once, with the same arguments and without address-space randomisation,
// where the system allows it. The IFC reader's geometry kernel orders some of its sets by address:
// with addresses laid out anew at every start, one file gives slightly different meshes and boxes
// from run to run, and one model and session would not draw the same picture every time.
void start_with_fixed_addresses(char** argv);

// The program's arguments after its name, as UTF-8 whatever the system's code page.
std::vector<std::string> command_line_arguments(int argc, char** argv);

// The folder of the running executable, with a separator at the end.
std::u16string executable_folder();

// "torv.so" or "torv.dll": the plug-in library the host loads by default, beside itself.
const char16_t* default_plugin_file_name();

// The per-user application-data folder, as the plug-in finds it (no separator at the end).
std::u16string local_app_data_folder();

// Whether commands come from a person at a terminal (then the session prompts).
bool input_is_terminal();

// Standard input, from which the session reads its commands. Where the host has windows, their
// messages are dispatched while it waits for a line, as a viewer's message loop does, so that what
// other programs ask of the plug-in's windows meanwhile (a screen reader's WM_GETOBJECT) is answered.
std::istream& standard_input();

// The viewer's main window, made and shown on first use, that owns the plug-in's windows; null
// where the host has no windows (the POSIX build, or Windows without a display).
void* main_window();

// Puts the text on the system's clipboard, where the host has one (Windows).
void set_system_clipboard(const std::u16string& text);

// Changes a system setting as the user would in the system's settings, and tells the windows:
// "colors high-contrast" or "colors standard" (the system's colours of the grid and forms),
// "font large" or "font standard" (the message font twice as high, or as it was), "dpi N" (the
// monitor's scale, as after a move to another monitor). Returns an error text, empty on success;
// where the host has no windows, every setting is refused.
std::string change_system_setting(const std::string& setting, const std::string& value);

}  // namespace host
