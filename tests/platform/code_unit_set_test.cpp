// A set of code units below 64 answers for every one of the 65,536 exactly as a list would: no
// unit above 63 aliases one below (',' is 44, and so is 'l' less 64, or U+012C less 256).
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "platform/code_unit_set.h"

namespace {

void expect_exactly(const platform::CodeUnitSet& set, std::initializer_list<char16_t> members) {
  for (unsigned unit = 0; unit <= 0xFFFF; ++unit) {
    const auto code = static_cast<char16_t>(unit);
    const bool member = std::find(members.begin(), members.end(), code) != members.end();
    ASSERT_EQ(set.contains(code), member) << "code unit " << unit;
  }
}

TEST(CodeUnitSet, HoldsExactlyItsMembers) {
  expect_exactly({u',', u'"', u'\r', u'\n'}, {u',', u'"', u'\r', u'\n'});
  expect_exactly({}, {});
  expect_exactly({u'\0', u'\x1F', u' ', u'?'}, {u'\0', u'\x1F', u' ', u'?'});
}

TEST(CodeUnitSet, WithAddsOneMember) {
  const platform::CodeUnitSet separators{u','};
  expect_exactly(separators.with(u'\0'), {u',', u'\0'});
  expect_exactly(separators, {u','});
}

}  // namespace
