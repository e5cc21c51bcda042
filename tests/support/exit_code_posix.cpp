// std::system returns a wait status on POSIX.
#include <sys/wait.h>

#include "support/exit_code.h"

namespace torv_test {

int exit_code_of(int system_status) { return WIFEXITED(system_status) ? WEXITSTATUS(system_status) : -1; }

}  // namespace torv_test
