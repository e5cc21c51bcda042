// What a test needs of the process it runs in: environment variables, child exit codes, the
// libraries loaded and the leak checker.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace torv_test {

// The exit code of a program from what std::system returns.
int exit_code_of(int system_status);

// Runs a command line given as UTF-8 through the system's command interpreter (on Windows as
// UTF-16, so that any character reaches the program); its exit code.
int run_command_line(const std::string& utf8_command);

// Starts a command line given as UTF-8 with a pipe to its standard input, to be written while it
// runs; finish_program closes the pipe, waits for the program and gives its exit code.
std::FILE* start_program_with_input(const std::string& utf8_command);
int finish_program(std::FILE* input);

// Sets an environment variable of this process (and of the programs it starts).
void set_environment(const std::string& name, const std::string& value);

// Whether the library at this path is loaded in this process.
bool library_in_process(const std::filesystem::path& library);

// Whether the forms' windows of the Windows build can be made (Wine needs a display for them); the
// headless build never needs one. Where a display was given, waits a few seconds for it.
bool windows_can_be_made();

// Whether this process was given a display to make its windows on (DISPLAY is set).
bool display_given();

// The system's own colour of a window element by index, asked of the system directly (GetSysColor);
// nothing where there is no such system (POSIX).
std::optional<std::uint32_t> system_colorref(int index);

// The leaks LeakSanitizer finds now, when the program was built with it: true when there are.
bool leak_check_finds_leaks();

}  // namespace torv_test
