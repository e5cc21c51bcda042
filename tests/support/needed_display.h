// Tests of the Windows build's real windows: without a display (Wine run without one) they skip;
// where a display was given (DISPLAY is set, as xvfb-run does) and still no window can be made,
// they fail, so that a display that went missing never passes as a skipped run.
#pragma once

#include <gtest/gtest.h>

#include "support/process_environment.h"

#define TORV_NEEDS_WINDOWS()                                                              \
  if (!torv_test::windows_can_be_made()) {                                                \
    if (torv_test::display_given()) {                                                     \
      FAIL() << "a display was given (DISPLAY is set) but no window could be made on it"; \
    } else {                                                                              \
      GTEST_SKIP() << "no display: run under xvfb-run";                                   \
    }                                                                                     \
  }
