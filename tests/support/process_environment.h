// What a test needs of the process it runs in: environment variables and child exit codes.
#pragma once

#include <string>

namespace torv_test {

// The exit code of a program from what std::system returns.
int exit_code_of(int system_status);

// Sets an environment variable of this process (and of the programs it starts).
void set_environment(const std::string& name, const std::string& value);

}  // namespace torv_test
