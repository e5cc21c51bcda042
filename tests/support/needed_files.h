// Tests that need files from outside their own build (the real models in ../shared/models, what the
// Linux build leaves for the Windows build to compare with): run alone they skip when a file is
// missing and say why; in a run of the whole suite (scripts/test.sh sets TORV_WHOLE_SUITE) a missing
// file fails the test, so that no comparison of the builds passes unseen.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace torv_test {

inline bool whole_suite_run() {
  const char* value = std::getenv("TORV_WHOLE_SUITE");
  return value != nullptr && std::string_view(value) == "1";
}

}  // namespace torv_test

// Ends the test, skipped or failed, when present is false; why is streamed as GTEST_SKIP's message.
#define TORV_NEEDS(present, why)        \
  if (!(present)) {                     \
    if (torv_test::whole_suite_run()) { \
      FAIL() << why;                    \
    } else {                            \
      GTEST_SKIP() << why;              \
    }                                   \
  }
