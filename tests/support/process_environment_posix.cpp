// POSIX: std::system returns a wait status; setenv sets variables.
#include <stdlib.h>
#include <sys/wait.h>

#include "support/process_environment.h"

namespace torv_test {

int exit_code_of(int system_status) { return WIFEXITED(system_status) ? WEXITSTATUS(system_status) : -1; }

void set_environment(const std::string& name, const std::string& value) {
  setenv(name.c_str(), value.c_str(), 1);
}

}  // namespace torv_test
