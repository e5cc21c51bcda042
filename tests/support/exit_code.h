// The exit code of a program from what std::system returns.
#pragma once

namespace torv_test {

int exit_code_of(int system_status);

}  // namespace torv_test
