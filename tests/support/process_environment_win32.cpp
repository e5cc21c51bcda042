// Windows: std::system returns the exit code; _putenv_s sets variables.
#include <stdlib.h>

#include "support/process_environment.h"

namespace torv_test {

int exit_code_of(int system_status) { return system_status; }

void set_environment(const std::string& name, const std::string& value) {
  _putenv_s(name.c_str(), value.c_str());
}

}  // namespace torv_test
