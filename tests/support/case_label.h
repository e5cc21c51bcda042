// Names the instances of a table of cases by the label field of each case.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace torv_test {

struct CaseLabel {
  template <class Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& case_info) const {
    return case_info.param.label;
  }
};

}  // namespace torv_test
